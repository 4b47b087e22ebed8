<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>ChannelControls</name>
    <message>
        <source>频率</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>接收频率</source>
        <translation>RX Frequency</translation>
    </message>
    <message>
        <source>步进</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>发射频率</source>
        <translation>TX Frequency</translation>
    </message>
    <message>
        <source>输出功率</source>
        <translation>TX Power</translation>
    </message>
    <message>
        <source>高功率</source>
        <translation>High</translation>
    </message>
    <message>
        <source>低功率</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>经济档（最低）</source>
        <translation>EL (Lowest)</translation>
    </message>
    <message>
        <source>频差</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>反转</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>亚音/音声编码静噪</source>
        <translation>Tone / CTCSS</translation>
    </message>
    <message>
        <source>亚音</source>
        <translation>Tone</translation>
    </message>
    <message>
        <source>音声编码静噪</source>
        <translation>CTCSS</translation>
    </message>
    <message>
        <source>亚音频率</source>
        <translation>Tone Frequency</translation>
    </message>
    <message>
        <source>音声编码静噪频率</source>
        <translation>CTCSS Frequency</translation>
    </message>
</context>
<context>
    <name>ChannelTableModel</name>
    <message>
        <source>编辑频道表</source>
        <translation>Edit Channel Table</translation>
    </message>
    <message>
        <source>设置多个频道</source>
        <translation>Set Several Channels</translation>
    </message>
    <message>
        <source>排序</source>
        <translation>Sort</translation>
    </message>
</context>
<context>
    <name>DataExchangeCommands</name>
    <message>
        <source>导入CSV...</source>
        <translation>Import CSV...</translation>
    </message>
    <message>
        <source>导出CSV...</source>
        <translation>Export CSV...</translation>
    </message>
    <message>
        <source>导出PDF...</source>
        <translation>Export PDF...</translation>
    </message>
    <message>
        <source>打开备份...</source>
        <translation>Open Backup...</translation>
    </message>
    <message>
        <source>写入后校验</source>
        <translation>Verify After Write</translation>
    </message>
    <message>
        <source>CSV 文件(*.csv)</source>
        <translation>CSV Files (*.csv)</translation>
    </message>
    <message>
        <source>所有文件(*)</source>
        <translation>All Files (*)</translation>
    </message>
    <message>
        <source>PDF 文件(*.pdf)</source>
        <translation>PDF Files (*.pdf)</translation>
    </message>
    <message>
        <source>导入CSV</source>
        <translation>Import CSV</translation>
    </message>
</context>
<context>
    <name>PortSetupModel</name>
    <message>
        <source>模拟电台</source>
        <translation>Simulated radio</translation>
    </message>
    <message>
        <source>内置的模拟电台，无需电缆</source>
        <translation>The built-in simulated radio, no cable needed</translation>
    </message>
    <message>
        <source>设备</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>State</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>QZ-R46频率写码程序</source>
        <translation>QZ-R46 Frequency Programmer</translation>
    </message>
    <message>
        <source>版本：2.00</source>
        <translation>Version: 2.00</translation>
    </message>
    <message>
        <source>读取、编辑、保存并写回 QZ-R46 的全部频道。
适用于 Linux 的 Qt 版本。</source>
        <translation>Reads, edits, saves and writes back all channels of the QZ-R46.
Qt edition for Linux.</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TChannelTableForm</name>
    <message>
        <source>查找名称或频率</source>
        <translation>Find a name or frequency</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>频道表 - </source>
        <translation>Channel Table - </translation>
    </message>
    <message>
        <source>所选行的</source>
        <translation>Selected rows:</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>插入空行</source>
        <translation>Insert Empty Row</translation>
    </message>
    <message>
        <source>删除并上移</source>
        <translation>Delete and Move Up</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>Move Up</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>Move Down</translation>
    </message>
    <message>
        <source>按接收频率排序</source>
        <translation>Sort by RX Frequency</translation>
    </message>
    <message>
        <source>按名称排序</source>
        <translation>Sort by Name</translation>
    </message>
    <message>
        <source>移动</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>频道表</source>
        <translation>Channel Table</translation>
    </message>
    <message>
        <source>每行一个记忆频道；F2 编辑单元格</source>
        <translation>One memory channel per row; F2 edits a cell</translation>
    </message>
    <message>
        <source>报告</source>
        <translation>Report</translation>
    </message>
</context>
<context>
    <name>TDTMF</name>
    <message>
        <source>双音声多频率</source>
        <translation>DTMF</translation>
    </message>
    <message>
        <source>频道序号</source>
        <translation>Memory No.</translation>
    </message>
    <message>
        <source>双音声多频率声码</source>
        <translation>DTMF Code</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>QXP-R46 帮助</source>
        <translation>QXP-R46 Help</translation>
    </message>
    <message>
        <source>目录</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>后退</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>前进</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>index.html</source>
        <extracomment>File name of the help contents page written in the translation&apos;s language.</extracomment>
        <translation>index_en.html</translation>
    </message>
    <message>
        <source>帮助内容</source>
        <translation>Help Contents</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>New</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>另存为...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <source>打印...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>设备</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>写入</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>使用端口Com1</source>
        <translation>Use Port COM1</translation>
    </message>
    <message>
        <source>使用端口Com2</source>
        <translation>Use Port COM2</translation>
    </message>
    <message>
        <source>端口设置...</source>
        <translation>Port Setup...</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>插入空行</source>
        <translation>Insert Empty Row</translation>
    </message>
    <message>
        <source>删除并上移</source>
        <translation>Delete and Move Up</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>帮助主题</source>
        <translation>Help Topics</translation>
    </message>
    <message>
        <source>关于...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>记忆频道</source>
        <translation>Memory Channel</translation>
    </message>
    <message>
        <source>呼叫频道</source>
        <translation>CALL Channel</translation>
    </message>
    <message>
        <source>双音声多频率</source>
        <translation>DTMF</translation>
    </message>
    <message>
        <source>评论</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>移动</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>QXP-R46 V1.00 文件(*.r46)</source>
        <translation>QXP-R46 V1.00 Files(*.r46)</translation>
    </message>
    <message>
        <source>QXP-R46 文件(*.46)</source>
        <translation>QXP-R46 Files(*.46)</translation>
    </message>
    <message>
        <source>频道表...</source>
        <translation>Channel Table...</translation>
    </message>
    <message>
        <source>回车键打开编辑器</source>
        <translation>Enter opens the editor</translation>
    </message>
</context>
<context>
    <name>TMemory</name>
    <message>
        <source>记忆频道</source>
        <translation>Memory Channel</translation>
    </message>
    <message>
        <source>记忆频道序号</source>
        <translation>Channel No.</translation>
    </message>
    <message>
        <source>选项</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>记忆名称</source>
        <translation>Memory Name</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>TPortSetupForm</name>
    <message>
        <source>端口设置</source>
        <translation>Port Setup</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>默认 (%1)</source>
        <translation>Default (%1)</translation>
    </message>
    <message>
        <source>串口设备</source>
        <translation>Serial devices</translation>
    </message>
    <message>
        <source>列表之外的发现</source>
        <translation>Found outside the list</translation>
    </message>
    <message>
        <source>修复命令</source>
        <translation>Command to fix it</translation>
    </message>
    <message>
        <source>COM%1 状态</source>
        <translation>COM%1 state</translation>
    </message>
    <message>
        <source>COM%1 修复命令</source>
        <translation>Command to fix COM%1</translation>
    </message>
</context>
<context>
    <name>TReadForm</name>
    <message>
        <source>读取</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>正在从设备读取数据。。。</source>
        <translation>Reading data from the device...</translation>
    </message>
</context>
<context>
    <name>TSelectorDialog</name>
    <message>
        <source>波段</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>TStatusBar</name>
    <message>
        <source>状态栏</source>
        <translation>Status bar</translation>
    </message>
    <message>
        <source>已修改</source>
        <translation>Modified</translation>
    </message>
</context>
<context>
    <name>TWelcome</name>
    <message>
        <source>欢迎</source>
        <translation>Welcome</translation>
    </message>
    <message>
        <source>频道存储编程 · 读取 · 编辑 · 写入</source>
        <translation>Channel Memory: Read · Edit · Write</translation>
    </message>
    <message>
        <source>QZ-R46记忆控制程序</source>
        <translation>QZ-R46 Memory Programmer</translation>
    </message>
</context>
<context>
    <name>TWriteForm</name>
    <message>
        <source>写入</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>正在向设备写入数据。。。</source>
        <translation>Writing data to the device...</translation>
    </message>
</context>
<context>
    <name>TransferDialog</name>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>WritePlanCommands</name>
    <message>
        <source>写入前备份并预览</source>
        <translation>Back up and preview before writing</translation>
    </message>
    <message>
        <source>检查频道...</source>
        <translation>Check channels...</translation>
    </message>
    <message>
        <source>写入前读取</source>
        <translation>Reading before writing</translation>
    </message>
</context>
<context>
    <name>WritePreviewDialog</name>
    <message>
        <source>写入预览</source>
        <translation>Write preview</translation>
    </message>
    <message>
        <source>电台现在的内容已备份：%1</source>
        <translation>What the radio holds now was backed up: %1</translation>
    </message>
    <message>
        <source>此文件不是为这部电台制作的，电台无法保存以下记录：</source>
        <translation>This file was not made for this radio, which cannot hold these records:</translation>
    </message>
    <message>
        <source>标签</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>字段</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>电台现在</source>
        <translation>In the radio now</translation>
    </message>
    <message>
        <source>写入后</source>
        <translation>After the write</translation>
    </message>
    <message>
        <source>新增的频道</source>
        <translation>Channels added</translation>
    </message>
    <message>
        <source>删除的频道</source>
        <translation>Channels removed</translation>
    </message>
    <message>
        <source>更改的频道</source>
        <translation>Channels changed</translation>
    </message>
    <message>
        <source>VFO、CALL 和 DTMF</source>
        <translation>VFO, CALL and DTMF</translation>
    </message>
    <message>
        <source>检查结果</source>
        <translation>Findings of the check</translation>
    </message>
    <message>
        <source>注释不是电台的一部分，不会写入。</source>
        <translation>The comment is not part of the radio and is not written.</translation>
    </message>
    <message>
        <source>仍然写入</source>
        <translation>Write anyway</translation>
    </message>
    <message>
        <source>写入</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>写入将作的更改</source>
        <translation>Changes the write will make</translation>
    </message>
</context>
</TS>
