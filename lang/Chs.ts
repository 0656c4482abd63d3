<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>Dialog100</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Vesion 1.0.1</source>
        <translation>版本 1.0.1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The ZRX PC Encoder authors</source>
        <translation>版权所有 (C) 2026 ZRX PC Encoder 作者</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>Dialog101</name>
    <message>
        <source>Model</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Frequency Range</source>
        <translation>频率范围</translation>
    </message>
    <message>
        <source>Default Factory</source>
        <translation>出厂设置</translation>
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
        <translation>开始</translation>
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
        <translation>功能选项</translation>
    </message>
    <message>
        <source>TOT (s)</source>
        <translation>发射限时 (秒)</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>功率</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>按键提示音</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>扫描</translation>
    </message>
    <message>
        <source>Kill Tone</source>
        <translation>尾音消除</translation>
    </message>
    <message>
        <source>Priority CH</source>
        <translation>优先信道</translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation>静噪等级</translation>
    </message>
    <message>
        <source>Battery Saver</source>
        <translation>省电模式</translation>
    </message>
    <message>
        <source>PTT ID</source>
        <translation>PTT ID</translation>
    </message>
    <message>
        <source>PTT ID Code</source>
        <translation>PTT ID 码</translation>
    </message>
    <message>
        <source>Vox</source>
        <translation>声控</translation>
    </message>
    <message>
        <source>Vox Gain Level</source>
        <translation>声控灵敏度</translation>
    </message>
    <message>
        <source>Vox Delay Time (s)</source>
        <translation>声控延时 (秒)</translation>
    </message>
    <message>
        <source>Voice Annunication</source>
        <translation>语音提示</translation>
    </message>
    <message>
        <source>Refuse Emergency Alert</source>
        <translation>拒绝紧急报警</translation>
    </message>
    <message>
        <source>Emergency Call Switch</source>
        <translation>紧急呼叫开关</translation>
    </message>
    <message>
        <source>First Digit Delay Time (ms)</source>
        <translation>首码延时 (毫秒)</translation>
    </message>
    <message>
        <source>Digit Interval Time (ms)</source>
        <translation>码间隔时间 (毫秒)</translation>
    </message>
    <message>
        <source>Digit Delay Time (ms)</source>
        <translation>码延时 (毫秒)</translation>
    </message>
    <message>
        <source>Side Tone</source>
        <translation>侧音</translation>
    </message>
</context>
<context>
    <name>Dialog161</name>
    <message>
        <source>Side Key</source>
        <translation>侧键</translation>
    </message>
    <message>
        <source>Side Key 1</source>
        <translation>侧键 1</translation>
    </message>
    <message>
        <source>Side Key 2</source>
        <translation>侧键 2</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>短按</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>长按</translation>
    </message>
</context>
<context>
    <name>Dialog162</name>
    <message>
        <source>语言</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>语言设置</source>
        <translation>语言设置</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>确定</translation>
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
        <translation>PCBA 码</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>打开(&amp;O)...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>保存(&amp;S)	Ctrl+S</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>打印(&amp;P)...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>打印预览(&amp;V)</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>打印设置(&amp;R)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>编程(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Read	Ctrl+R</source>
        <translation>读数据(&amp;R)	Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Write	Ctrl+W</source>
        <translation>写数据(&amp;W)	Ctrl+W</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>状态栏(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>撤销(&amp;U)	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>重做(&amp;R)	Ctrl+Y</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>剪切(&amp;T)	Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>复制(&amp;C)	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>粘贴(&amp;P)	Ctrl+V</translation>
    </message>
    <message>
        <source>&amp;Delete	Del</source>
        <translation>删除(&amp;D)	Del</translation>
    </message>
    <message>
        <source>Move Do&amp;wn	Ctrl+Down</source>
        <translation>下移(&amp;W)	Ctrl+Down</translation>
    </message>
    <message>
        <source>&amp;Sort by Rx Frequency</source>
        <translation>按接收频率排序(&amp;S)</translation>
    </message>
    <message>
        <source>Program &amp;Many Radios...</source>
        <translation>多台电台编程(&amp;M)...</translation>
    </message>
    <message>
        <source>New from P&amp;lan...</source>
        <translation>按方案新建(&amp;L)...</translation>
    </message>
    <message>
        <source>Chec&amp;k Plan</source>
        <translation>检查方案(&amp;K)</translation>
    </message>
    <message>
        <source>Mo&amp;ve Up	Ctrl+Up</source>
        <translation>上移(&amp;V)	Ctrl+Up</translation>
    </message>
    <message>
        <source>&amp;Compare with Radio...</source>
        <translation>与电台比较(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>功能选项(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Side Key</source>
        <translation>侧键(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Embed</source>
        <translation>嵌入(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
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
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Help	F1</source>
        <translation>帮助(&amp;H)	F1</translation>
    </message>
    <message>
        <source>Save &amp;Diagnostic Report...</source>
        <translation>保存诊断报告(&amp;D)...</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>设置(&amp;S)</translation>
    </message>
    <message>
        <source>P&amp;ort</source>
        <translation>端口(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
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
        <translation>写数据</translation>
    </message>
    <message>
        <source>Channel Data (*.sin)</source>
        <translation>信道数据 (*.sin)</translation>
    </message>
    <message>
        <source>Program Document</source>
        <translation>Program 文档</translation>
    </message>
    <message>
        <source>Read Data From Radio
Read</source>
        <translation>从对讲机读取数据
读数据</translation>
    </message>
    <message>
        <source>Write Data to Radio 
Write</source>
        <translation>将数据写入对讲机
写数据</translation>
    </message>
    <message>
        <source>Choose Communication Port 1
Com1</source>
        <translation>选择通信端口 1
Com1</translation>
    </message>
    <message>
        <source>Choose Communication Port 2
Com2</source>
        <translation>选择通信端口 2
Com2</translation>
    </message>
    <message>
        <source>Choose Communication Port 3
Com3</source>
        <translation>选择通信端口 3
Com3</translation>
    </message>
    <message>
        <source>Choose Communication Port 4
Com4</source>
        <translation>选择通信端口 4
Com4</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>新建文档
新建</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>打开已有的文档
打开</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>关闭当前文档
关闭</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>保存当前文档
保存</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>以新名称保存当前文档
另存为</translation>
    </message>
    <message>
        <source>Change the printing options
Page Setup</source>
        <translation>更改打印选项
页面设置</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>更改打印机及打印选项
打印设置</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>打印当前文档
打印</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>显示整页
打印预览</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>打开此文档</translation>
    </message>
    <message>
        <source>Split the active window into panes
Split</source>
        <translation>将当前窗口拆分为窗格
拆分</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>显示程序信息、版本号和版权
关于</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>退出应用程序；提示保存文档
退出</translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <translation>切换到下一个窗格
下一窗格</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <translation>切换回上一个窗格
上一窗格</translation>
    </message>
    <message>
        <source>EXT</source>
        <translation>扩展</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>大写</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>数字</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>滚动</translation>
    </message>
    <message>
        <source>OVR</source>
        <translation>改写</translation>
    </message>
    <message>
        <source>REC</source>
        <translation>录制</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>显示或隐藏工具栏
切换工具栏</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>显示或隐藏状态栏
切换状态栏</translation>
    </message>
    <message>
        <source>Change the window size</source>
        <translation>改变窗口大小</translation>
    </message>
    <message>
        <source>Change the window position</source>
        <translation>改变窗口位置</translation>
    </message>
    <message>
        <source>Reduce the window to an icon</source>
        <translation>将窗口缩小为图标</translation>
    </message>
    <message>
        <source>Enlarge the window to full size</source>
        <translation>将窗口放大到最大</translation>
    </message>
    <message>
        <source>Switch to the next document window</source>
        <translation>切换到下一个文档窗口</translation>
    </message>
    <message>
        <source>Switch to the previous document window</source>
        <translation>切换到上一个文档窗口</translation>
    </message>
    <message>
        <source>Close the active window and prompts to save the documents</source>
        <translation>关闭当前窗口并提示保存文档</translation>
    </message>
    <message>
        <source>Restore the window to normal size</source>
        <translation>将窗口恢复到正常大小</translation>
    </message>
    <message>
        <source>Activate Task List</source>
        <translation>激活任务列表</translation>
    </message>
    <message>
        <source>Close print preview mode
Cancel Preview</source>
        <translation>关闭打印预览模式
取消预览</translation>
    </message>
    <message>
        <source>&amp;Undo %1	Ctrl+Z</source>
        <translation>撤销 %1(&amp;U)	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo %1	Ctrl+Y</source>
        <translation>重做 %1(&amp;R)	Ctrl+Y</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>撤销上一步操作
撤销</translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation>重做刚撤销的操作
重做</translation>
    </message>
    <message>
        <source>Cut the selected channels to the clipboard
Cut</source>
        <translation>把所选信道剪切到剪贴板
剪切</translation>
    </message>
    <message>
        <source>Copy the selected channels to the clipboard
Copy</source>
        <translation>把所选信道复制到剪贴板
复制</translation>
    </message>
    <message>
        <source>Paste channels over the current channel and those below
Paste</source>
        <translation>把信道粘贴到当前信道及其下方
粘贴</translation>
    </message>
    <message>
        <source>Empty the selected channels
Delete</source>
        <translation>清空所选信道
删除</translation>
    </message>
    <message>
        <source>Move the selected channels up one place
Move Up</source>
        <translation>把所选信道上移一位
上移</translation>
    </message>
    <message>
        <source>Move the selected channels down one place
Move Down</source>
        <translation>把所选信道下移一位
下移</translation>
    </message>
    <message>
        <source>Order the channels by Rx frequency, empty channels last
Sort</source>
        <translation>按接收频率排列信道，空信道在后
排序</translation>
    </message>
    <message>
        <source>Write this memory into many radios, on every cable at once
Many Radios</source>
        <translation>把这份数据写入多台电台，所有写频线同时进行
多台电台</translation>
    </message>
    <message>
        <source>Start a new document from a ready channel plan
New from Plan</source>
        <translation>用现成的信道方案新建文档
按方案新建</translation>
    </message>
    <message>
        <source>Check the channels for what a radio cannot use or should not get
Check Plan</source>
        <translation>检查信道中电台不能用或不该有的内容
检查方案</translation>
    </message>
    <message>
        <source>Read the radio and show what a write would change
Compare</source>
        <translation>读取电台并显示写入将改变的内容
比较</translation>
    </message>
    <message>
        <source>Save what support needs to know in one text file
Diagnostic Report</source>
        <translation>把技术支持需要的信息保存到一个文本文件
诊断报告</translation>
    </message>
</context>
</TS>
