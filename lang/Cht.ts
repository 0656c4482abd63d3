<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>Dialog100</name>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Vesion 1.0.1</source>
        <translation>版本 1.0.1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The ZRX PC Encoder authors</source>
        <translation>版權所有 (C) 2026 ZRX PC Encoder 作者</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>Dialog101</name>
    <message>
        <source>Model</source>
        <translation>型號</translation>
    </message>
    <message>
        <source>Frequency Range</source>
        <translation>頻率範圍</translation>
    </message>
    <message>
        <source>Default Factory</source>
        <translation>出廠設置</translation>
    </message>
    <message>
        <source>ZRX412</source>
        <translation>ZRX412</translation>
    </message>
    <message>
        <source>400-470MHz</source>
        <translation>400-470MHz</translation>
    </message>
</context>
<context>
    <name>Dialog133</name>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>0%</source>
        <translation>0%</translation>
    </message>
</context>
<context>
    <name>Dialog156</name>
    <message>
        <source>Option Function</source>
        <translation>功能選項</translation>
    </message>
    <message>
        <source>TOT (s)</source>
        <translation>發射限時 (秒)</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>功率</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>按鍵提示音</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>掃描</translation>
    </message>
    <message>
        <source>Kill Tone</source>
        <translation>尾音消除</translation>
    </message>
    <message>
        <source>Priority CH</source>
        <translation>優先信道</translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation>靜噪等級</translation>
    </message>
    <message>
        <source>Battery Saver</source>
        <translation>省電模式</translation>
    </message>
    <message>
        <source>PTT ID</source>
        <translation>PTT ID</translation>
    </message>
    <message>
        <source>PTT ID Code</source>
        <translation>PTT ID 碼</translation>
    </message>
    <message>
        <source>Vox</source>
        <translation>聲控</translation>
    </message>
    <message>
        <source>Vox Gain Level</source>
        <translation>聲控靈敏度</translation>
    </message>
    <message>
        <source>Vox Delay Time (s)</source>
        <translation>聲控延時 (秒)</translation>
    </message>
    <message>
        <source>Voice Annunication</source>
        <translation>語音提示</translation>
    </message>
    <message>
        <source>Refuse Emergency Alert</source>
        <translation>拒絕緊急報警</translation>
    </message>
    <message>
        <source>Emergency Call Switch</source>
        <translation>緊急呼叫開關</translation>
    </message>
    <message>
        <source>First Digit Delay Time (ms)</source>
        <translation>首碼延時 (毫秒)</translation>
    </message>
    <message>
        <source>Digit Interval Time (ms)</source>
        <translation>碼間隔時間 (毫秒)</translation>
    </message>
    <message>
        <source>Digit Delay Time (ms)</source>
        <translation>碼延時 (毫秒)</translation>
    </message>
    <message>
        <source>Side Tone</source>
        <translation>側音</translation>
    </message>
</context>
<context>
    <name>Dialog161</name>
    <message>
        <source>Side Key</source>
        <translation>側鍵</translation>
    </message>
    <message>
        <source>Side Key 1</source>
        <translation>側鍵 1</translation>
    </message>
    <message>
        <source>Side Key 2</source>
        <translation>側鍵 2</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>短按</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>長按</translation>
    </message>
</context>
<context>
    <name>Dialog162</name>
    <message>
        <source>语言</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>语言设置</source>
        <translation>語言設置</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>Dialog166</name>
    <message>
        <source>PCBA</source>
        <translation>PCBA 碼</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>Menu128</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>新建(&amp;N)	Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>打開(&amp;O)...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>保存(&amp;S)	Ctrl+S</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存為(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>打印(&amp;P)...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>打印預覽(&amp;V)</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>打印設置(&amp;R)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>編程(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Read	Ctrl+R</source>
        <translation>讀數據(&amp;R)	Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Write	Ctrl+W</source>
        <translation>寫數據(&amp;W)	Ctrl+W</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>工具欄(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>狀態欄(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>復原(&amp;U)	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>重做(&amp;R)	Ctrl+Y</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編輯(&amp;E)</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>剪下(&amp;T)	Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>複製(&amp;C)	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>貼上(&amp;P)	Ctrl+V</translation>
    </message>
    <message>
        <source>&amp;Delete	Del</source>
        <translation>刪除(&amp;D)	Del</translation>
    </message>
    <message>
        <source>Move Do&amp;wn	Ctrl+Down</source>
        <translation>下移(&amp;W)	Ctrl+Down</translation>
    </message>
    <message>
        <source>&amp;Sort by Rx Frequency</source>
        <translation>按接收頻率排序(&amp;S)</translation>
    </message>
    <message>
        <source>Program &amp;Many Radios...</source>
        <translation>多台電台編程(&amp;M)...</translation>
    </message>
    <message>
        <source>New from P&amp;lan...</source>
        <translation>按方案新建(&amp;L)...</translation>
    </message>
    <message>
        <source>Chec&amp;k Plan</source>
        <translation>檢查方案(&amp;K)</translation>
    </message>
    <message>
        <source>Mo&amp;ve Up	Ctrl+Up</source>
        <translation>上移(&amp;V)	Ctrl+Up</translation>
    </message>
    <message>
        <source>&amp;Compare with Radio...</source>
        <translation>與電台比較(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>功能選項(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Side Key</source>
        <translation>側鍵(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Embed</source>
        <translation>嵌入(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>語言(&amp;L)</translation>
    </message>
    <message>
        <source>COM&amp;1</source>
        <translation>COM&amp;1</translation>
    </message>
    <message>
        <source>COM&amp;2</source>
        <translation>COM&amp;2</translation>
    </message>
    <message>
        <source>COM&amp;3</source>
        <translation>COM&amp;3</translation>
    </message>
    <message>
        <source>COM&amp;4</source>
        <translation>COM&amp;4</translation>
    </message>
    <message>
        <source>COM&amp;5</source>
        <translation>COM&amp;5</translation>
    </message>
    <message>
        <source>COM&amp;6</source>
        <translation>COM&amp;6</translation>
    </message>
    <message>
        <source>COM&amp;7</source>
        <translation>COM&amp;7</translation>
    </message>
    <message>
        <source>COM&amp;8</source>
        <translation>COM&amp;8</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>關於(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Help	F1</source>
        <translation>幫助(&amp;H)	F1</translation>
    </message>
    <message>
        <source>Save &amp;Diagnostic Report...</source>
        <translation>儲存診斷報告(&amp;D)...</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>設置(&amp;S)</translation>
    </message>
    <message>
        <source>P&amp;ort</source>
        <translation>端口(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>幫助(&amp;H)</translation>
    </message>
</context>
<context>
    <name>String</name>
    <message>
        <source>ZRX PC Encoder</source>
        <translation>ZRX PC Encoder</translation>
    </message>
    <message>
        <source>Write Data</source>
        <translation>寫數據</translation>
    </message>
    <message>
        <source>Channel Data (*.sin)</source>
        <translation>信道數據 (*.sin)</translation>
    </message>
    <message>
        <source>Program Document</source>
        <translation>Program 文檔</translation>
    </message>
    <message>
        <source>Read Data From Radio
Read</source>
        <translation>從對講機讀取數據
讀數據</translation>
    </message>
    <message>
        <source>Write Data to Radio 
Write</source>
        <translation>將數據寫入對講機
寫數據</translation>
    </message>
    <message>
        <source>Choose Communication Port 1
Com1</source>
        <translation>選擇通信端口 1
Com1</translation>
    </message>
    <message>
        <source>Choose Communication Port 2
Com2</source>
        <translation>選擇通信端口 2
Com2</translation>
    </message>
    <message>
        <source>Choose Communication Port 3
Com3</source>
        <translation>選擇通信端口 3
Com3</translation>
    </message>
    <message>
        <source>Choose Communication Port 4
Com4</source>
        <translation>選擇通信端口 4
Com4</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>新建文檔
新建</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>打開已有的文檔
打開</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>關閉當前文檔
關閉</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>保存當前文檔
保存</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>以新名稱保存當前文檔
另存為</translation>
    </message>
    <message>
        <source>Change the printing options
Page Setup</source>
        <translation>更改打印選項
頁面設置</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>更改打印機及打印選項
打印設置</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>打印當前文檔
打印</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>顯示整頁
打印預覽</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>打開此文檔</translation>
    </message>
    <message>
        <source>Split the active window into panes
Split</source>
        <translation>將當前窗口拆分為窗格
拆分</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>顯示程序信息、版本號和版權
關於</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>退出應用程序；提示保存文檔
退出</translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <translation>切換到下一個窗格
下一窗格</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <translation>切換回上一個窗格
上一窗格</translation>
    </message>
    <message>
        <source>EXT</source>
        <translation>擴展</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>大寫</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>數字</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>滾動</translation>
    </message>
    <message>
        <source>OVR</source>
        <translation>改寫</translation>
    </message>
    <message>
        <source>REC</source>
        <translation>錄製</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>顯示或隱藏工具欄
切換工具欄</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>顯示或隱藏狀態欄
切換狀態欄</translation>
    </message>
    <message>
        <source>Change the window size</source>
        <translation>改變窗口大小</translation>
    </message>
    <message>
        <source>Change the window position</source>
        <translation>改變窗口位置</translation>
    </message>
    <message>
        <source>Reduce the window to an icon</source>
        <translation>將窗口縮小為圖標</translation>
    </message>
    <message>
        <source>Enlarge the window to full size</source>
        <translation>將窗口放大到最大</translation>
    </message>
    <message>
        <source>Switch to the next document window</source>
        <translation>切換到下一個文檔窗口</translation>
    </message>
    <message>
        <source>Switch to the previous document window</source>
        <translation>切換到上一個文檔窗口</translation>
    </message>
    <message>
        <source>Close the active window and prompts to save the documents</source>
        <translation>關閉當前窗口並提示保存文檔</translation>
    </message>
    <message>
        <source>Restore the window to normal size</source>
        <translation>將窗口恢復到正常大小</translation>
    </message>
    <message>
        <source>Activate Task List</source>
        <translation>激活任務列表</translation>
    </message>
    <message>
        <source>Close print preview mode
Cancel Preview</source>
        <translation>關閉打印預覽模式
取消預覽</translation>
    </message>
    <message>
        <source>&amp;Undo %1	Ctrl+Z</source>
        <translation>復原 %1(&amp;U)	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo %1	Ctrl+Y</source>
        <translation>重做 %1(&amp;R)	Ctrl+Y</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>復原上一步操作
復原</translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation>重做剛復原的操作
重做</translation>
    </message>
    <message>
        <source>Cut the selected channels to the clipboard
Cut</source>
        <translation>把所選信道剪下到剪貼簿
剪下</translation>
    </message>
    <message>
        <source>Copy the selected channels to the clipboard
Copy</source>
        <translation>把所選信道複製到剪貼簿
複製</translation>
    </message>
    <message>
        <source>Paste channels over the current channel and those below
Paste</source>
        <translation>把信道貼上到目前信道及其下方
貼上</translation>
    </message>
    <message>
        <source>Empty the selected channels
Delete</source>
        <translation>清空所選信道
刪除</translation>
    </message>
    <message>
        <source>Move the selected channels up one place
Move Up</source>
        <translation>把所選信道上移一位
上移</translation>
    </message>
    <message>
        <source>Move the selected channels down one place
Move Down</source>
        <translation>把所選信道下移一位
下移</translation>
    </message>
    <message>
        <source>Order the channels by Rx frequency, empty channels last
Sort</source>
        <translation>按接收頻率排列信道，空信道在後
排序</translation>
    </message>
    <message>
        <source>Write this memory into many radios, on every cable at once
Many Radios</source>
        <translation>把這份數據寫入多台電台，所有寫頻線同時進行
多台電台</translation>
    </message>
    <message>
        <source>Start a new document from a ready channel plan
New from Plan</source>
        <translation>用現成的信道方案新建文件
按方案新建</translation>
    </message>
    <message>
        <source>Check the channels for what a radio cannot use or should not get
Check Plan</source>
        <translation>檢查信道中電台不能用或不該有的內容
檢查方案</translation>
    </message>
    <message>
        <source>Read the radio and show what a write would change
Compare</source>
        <translation>讀取電台並顯示寫入將改變的內容
比較</translation>
    </message>
    <message>
        <source>Save what support needs to know in one text file
Diagnostic Report</source>
        <translation>把技術支援需要的資訊儲存到一個文字檔
診斷報告</translation>
    </message>
</context>
</TS>
