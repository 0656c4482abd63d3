<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>Dialog100</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Vesion 1.0.1</source>
        <translation>Vesion 1.0.1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The ZRX PC Encoder authors</source>
        <translation>Copyright (C) 2026 The ZRX PC Encoder authors</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Dialog101</name>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Frequency Range</source>
        <translation>Frequency Range</translation>
    </message>
    <message>
        <source>Default Factory</source>
        <translation>Default Factory</translation>
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
        <translation>Start</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <translation>Option Function</translation>
    </message>
    <message>
        <source>TOT (s)</source>
        <translation>TOT (s)</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Beep</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>Kill Tone</source>
        <translation>Kill Tone</translation>
    </message>
    <message>
        <source>Priority CH</source>
        <translation>Priority CH</translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation>Squelch Level</translation>
    </message>
    <message>
        <source>Battery Saver</source>
        <translation>Battery Saver</translation>
    </message>
    <message>
        <source>PTT ID</source>
        <translation>PTT ID</translation>
    </message>
    <message>
        <source>PTT ID Code</source>
        <translation>PTT ID Code</translation>
    </message>
    <message>
        <source>Vox</source>
        <translation>Vox</translation>
    </message>
    <message>
        <source>Vox Gain Level</source>
        <translation>Vox Gain Level</translation>
    </message>
    <message>
        <source>Vox Delay Time (s)</source>
        <translation>Vox Delay Time (s)</translation>
    </message>
    <message>
        <source>Voice Annunication</source>
        <translation>Voice Annunication</translation>
    </message>
    <message>
        <source>Refuse Emergency Alert</source>
        <translation>Refuse Emergency Alert</translation>
    </message>
    <message>
        <source>Emergency Call Switch</source>
        <translation>Emergency Call Switch</translation>
    </message>
    <message>
        <source>First Digit Delay Time (ms)</source>
        <translation>First Digit Delay Time (ms)</translation>
    </message>
    <message>
        <source>Digit Interval Time (ms)</source>
        <translation>Digit Interval Time (ms)</translation>
    </message>
    <message>
        <source>Digit Delay Time (ms)</source>
        <translation>Digit Delay Time (ms)</translation>
    </message>
    <message>
        <source>Side Tone</source>
        <translation>Side Tone</translation>
    </message>
</context>
<context>
    <name>Dialog161</name>
    <message>
        <source>Side Key</source>
        <translation>Side Key</translation>
    </message>
    <message>
        <source>Side Key 1</source>
        <translation>Side Key 1</translation>
    </message>
    <message>
        <source>Side Key 2</source>
        <translation>Side Key 2</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Short</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Long</translation>
    </message>
</context>
<context>
    <name>Dialog162</name>
    <message>
        <source>语言</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>语言设置</source>
        <translation>Language Setting</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Dialog166</name>
    <message>
        <source>PCBA</source>
        <translation>PCBA</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Menu128</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;New	Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Open...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Save	Ctrl+S</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Print...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>P&amp;rint Setup...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Program</translation>
    </message>
    <message>
        <source>&amp;Read	Ctrl+R</source>
        <translation>&amp;Read	Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Write	Ctrl+W</source>
        <translation>&amp;Write	Ctrl+W</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Undo	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>&amp;Redo	Ctrl+Y</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>Cu&amp;t	Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Copy	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>&amp;Paste	Ctrl+V</translation>
    </message>
    <message>
        <source>&amp;Delete	Del</source>
        <translation>&amp;Delete	Del</translation>
    </message>
    <message>
        <source>Move Do&amp;wn	Ctrl+Down</source>
        <translation>Move Do&amp;wn	Ctrl+Down</translation>
    </message>
    <message>
        <source>&amp;Sort by Rx Frequency</source>
        <translation>&amp;Sort by Rx Frequency</translation>
    </message>
    <message>
        <source>Program &amp;Many Radios...</source>
        <translation>Program &amp;Many Radios...</translation>
    </message>
    <message>
        <source>New from P&amp;lan...</source>
        <translation>New from P&amp;lan...</translation>
    </message>
    <message>
        <source>Chec&amp;k Plan</source>
        <translation>Chec&amp;k Plan</translation>
    </message>
    <message>
        <source>Mo&amp;ve Up	Ctrl+Up</source>
        <translation>Mo&amp;ve Up	Ctrl+Up</translation>
    </message>
    <message>
        <source>&amp;Compare with Radio...</source>
        <translation>&amp;Compare with Radio...</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>&amp;Option</translation>
    </message>
    <message>
        <source>&amp;Side Key</source>
        <translation>&amp;Side Key</translation>
    </message>
    <message>
        <source>&amp;Embed</source>
        <translation>&amp;Embed</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Language</translation>
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
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>&amp;Help	F1</source>
        <translation>&amp;Help	F1</translation>
    </message>
    <message>
        <source>Save &amp;Diagnostic Report...</source>
        <translation>Save &amp;Diagnostic Report...</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>&amp;Setting</translation>
    </message>
    <message>
        <source>P&amp;ort</source>
        <translation>P&amp;ort</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
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
        <translation>Write Data</translation>
    </message>
    <message>
        <source>Channel Data (*.sin)</source>
        <translation>Channel Data (*.sin)</translation>
    </message>
    <message>
        <source>Program Document</source>
        <translation>Program Document</translation>
    </message>
    <message>
        <source>Read Data From Radio
Read</source>
        <translation>Read Data From Radio
Read</translation>
    </message>
    <message>
        <source>Write Data to Radio 
Write</source>
        <translation>Write Data to Radio 
Write</translation>
    </message>
    <message>
        <source>Choose Communication Port 1
Com1</source>
        <translation>Choose Communication Port 1
Com1</translation>
    </message>
    <message>
        <source>Choose Communication Port 2
Com2</source>
        <translation>Choose Communication Port 2
Com2</translation>
    </message>
    <message>
        <source>Choose Communication Port 3
Com3</source>
        <translation>Choose Communication Port 3
Com3</translation>
    </message>
    <message>
        <source>Choose Communication Port 4
Com4</source>
        <translation>Choose Communication Port 4
Com4</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Create a new document
New</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Open an existing document
Open</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>Close the active document
Close</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Save the active document
Save</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Save the active document with a new name
Save As</translation>
    </message>
    <message>
        <source>Change the printing options
Page Setup</source>
        <translation>Change the printing options
Page Setup</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Change the printer and printing options
Print Setup</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Print the active document
Print</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Display full pages
Print Preview</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Open this document</translation>
    </message>
    <message>
        <source>Split the active window into panes
Split</source>
        <translation>Split the active window into panes
Split</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Display program information, version number and copyright
About</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Quit the application; prompts to save documents
Exit</translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <translation>Switch to the next window pane
Next Pane</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <translation>Switch back to the previous window pane
Previous Pane</translation>
    </message>
    <message>
        <source>EXT</source>
        <translation>EXT</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>OVR</source>
        <translation>OVR</translation>
    </message>
    <message>
        <source>REC</source>
        <translation>REC</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Show or hide the toolbar
Toggle ToolBar</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Show or hide the status bar
Toggle StatusBar</translation>
    </message>
    <message>
        <source>Change the window size</source>
        <translation>Change the window size</translation>
    </message>
    <message>
        <source>Change the window position</source>
        <translation>Change the window position</translation>
    </message>
    <message>
        <source>Reduce the window to an icon</source>
        <translation>Reduce the window to an icon</translation>
    </message>
    <message>
        <source>Enlarge the window to full size</source>
        <translation>Enlarge the window to full size</translation>
    </message>
    <message>
        <source>Switch to the next document window</source>
        <translation>Switch to the next document window</translation>
    </message>
    <message>
        <source>Switch to the previous document window</source>
        <translation>Switch to the previous document window</translation>
    </message>
    <message>
        <source>Close the active window and prompts to save the documents</source>
        <translation>Close the active window and prompts to save the documents</translation>
    </message>
    <message>
        <source>Restore the window to normal size</source>
        <translation>Restore the window to normal size</translation>
    </message>
    <message>
        <source>Activate Task List</source>
        <translation>Activate Task List</translation>
    </message>
    <message>
        <source>Close print preview mode
Cancel Preview</source>
        <translation>Close print preview mode
Cancel Preview</translation>
    </message>
    <message>
        <source>&amp;Undo %1	Ctrl+Z</source>
        <translation>&amp;Undo %1	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo %1	Ctrl+Y</source>
        <translation>&amp;Redo %1	Ctrl+Y</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Undo the last action
Undo</translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation>Redo the previously undone action
Redo</translation>
    </message>
    <message>
        <source>Cut the selected channels to the clipboard
Cut</source>
        <translation>Cut the selected channels to the clipboard
Cut</translation>
    </message>
    <message>
        <source>Copy the selected channels to the clipboard
Copy</source>
        <translation>Copy the selected channels to the clipboard
Copy</translation>
    </message>
    <message>
        <source>Paste channels over the current channel and those below
Paste</source>
        <translation>Paste channels over the current channel and those below
Paste</translation>
    </message>
    <message>
        <source>Empty the selected channels
Delete</source>
        <translation>Empty the selected channels
Delete</translation>
    </message>
    <message>
        <source>Move the selected channels up one place
Move Up</source>
        <translation>Move the selected channels up one place
Move Up</translation>
    </message>
    <message>
        <source>Move the selected channels down one place
Move Down</source>
        <translation>Move the selected channels down one place
Move Down</translation>
    </message>
    <message>
        <source>Order the channels by Rx frequency, empty channels last
Sort</source>
        <translation>Order the channels by Rx frequency, empty channels last
Sort</translation>
    </message>
    <message>
        <source>Write this memory into many radios, on every cable at once
Many Radios</source>
        <translation>Write this memory into many radios, on every cable at once
Many Radios</translation>
    </message>
    <message>
        <source>Start a new document from a ready channel plan
New from Plan</source>
        <translation>Start a new document from a ready channel plan
New from Plan</translation>
    </message>
    <message>
        <source>Check the channels for what a radio cannot use or should not get
Check Plan</source>
        <translation>Check the channels for what a radio cannot use or should not get
Check Plan</translation>
    </message>
    <message>
        <source>Read the radio and show what a write would change
Compare</source>
        <translation>Read the radio and show what a write would change
Compare</translation>
    </message>
    <message>
        <source>Save what support needs to know in one text file
Diagnostic Report</source>
        <translation>Save what support needs to know in one text file
Diagnostic Report</translation>
    </message>
</context>
</TS>
