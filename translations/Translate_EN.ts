<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>Application</name>
    <message>
        <source>添加材质</source>
        <translation>Add material</translation>
    </message>
    <message>
        <source>操作指南</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>关于本机</source>
        <translation>About</translation>
    </message>
    <message>
        <source>用户信息</source>
        <translation>Users</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>售后</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>U盘</source>
        <translation>USB stick</translation>
    </message>
</context>
<context>
    <name>ChoseMaterial</name>
    <message>
        <source>选择材质</source>
        <translation>Choose material</translation>
    </message>
</context>
<context>
    <name>CloseDialog</name>
    <message>
        <source>Would you like to quit?</source>
        <translation>Would you like to quit?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
</context>
<context>
    <name>MaterialNameKeyboard</name>
    <message>
        <source>编辑名称</source>
        <translation>Edit name</translation>
    </message>
    <message>
        <source>材质名称错误</source>
        <translation>Material name error</translation>
    </message>
    <message>
        <source>材质名称不能为空</source>
        <translation>The material name must not be empty</translation>
    </message>
</context>
<context>
    <name>ModalBox</name>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>确认</source>
        <translation>Confirm</translation>
    </message>
</context>
<context>
    <name>NumericKeypad</name>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Parameter</name>
    <message>
        <source>当前未加载图形</source>
        <translation>No figure loaded</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>恢复出厂设置</source>
        <translation>Factory reset</translation>
    </message>
    <message>
        <source>请确认是否清空统计数据？</source>
        <translation>Clear the production statistics?</translation>
    </message>
</context>
<context>
    <name>SetPointPage</name>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ShowMessageBox</name>
    <message>
        <source>确认</source>
        <translation>Confirm</translation>
    </message>
</context>
<context>
    <name>ShowMessageBox_question</name>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>确认</source>
        <translation>Confirm</translation>
    </message>
</context>
<context>
    <name>TemperatureSet</name>
    <message>
        <source>设置温度℃</source>
        <translation>Set temperature ℃</translation>
    </message>
    <message>
        <source>设置温度℉</source>
        <translation>Set temperature ℉</translation>
    </message>
    <message>
        <source>输入错误</source>
        <translation>Input error</translation>
    </message>
    <message>
        <source>值不能为空</source>
        <translation>The value must not be empty</translation>
    </message>
</context>
<context>
    <name>TextButtonCore</name>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
</context>
<context>
    <name>TimerSet</name>
    <message>
        <source>时间设定 S</source>
        <translation>Set time S</translation>
    </message>
    <message>
        <source>输入错误</source>
        <translation>Input error</translation>
    </message>
    <message>
        <source>值不能为空</source>
        <translation>The value must not be empty</translation>
    </message>
</context>
<context>
    <name>VCheckBox</name>
    <message>
        <source>参数名称</source>
        <translation>Parameter</translation>
    </message>
</context>
<context>
    <name>VInput_Suffix</name>
    <message>
        <source>参数名称</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>后缀</source>
        <translation>Unit</translation>
    </message>
</context>
<context>
    <name>VWidget</name>
    <message>
        <source>标题</source>
        <translation>Title</translation>
    </message>
</context>
<context>
    <name>VevOdaraWork</name>
    <message>
        <source>删除倒计时</source>
        <translation>Delete countdown</translation>
    </message>
    <message>
        <source>删除第</source>
        <translation>Delete the preset time of segment </translation>
    </message>
    <message>
        <source>段预设时间?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>设定:</source>
        <translation>Set:</translation>
    </message>
    <message>
        <source>时间:</source>
        <translation>Time:</translation>
    </message>
    <message>
        <source>分段计时</source>
        <translation>Segments</translation>
    </message>
</context>
<context>
    <name>VevOdaraWorkBottomBar</name>
    <message>
        <source>应用</source>
        <translation>Apps</translation>
    </message>
    <message>
        <source>启动</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>产量</source>
        <translation>Pieces</translation>
    </message>
    <message>
        <source>材质</source>
        <translation>Material</translation>
    </message>
</context>
<context>
    <name>VevOdaraWorkTopBar</name>
    <message>
        <source>压力</source>
        <translation>Pressure</translation>
    </message>
</context>
<context>
    <name>gallery</name>
    <message>
        <source>参数设置</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>温度补偿</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>超温参数</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>启用按键蜂鸣</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>倒计时蜂鸣</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>亮度</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>保存参数</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>E01:温度控头故障,航空插头没插紧或探温棒损坏</source>
        <translation>E01: Temperature probe fault – connector loose or probe damaged</translation>
    </message>
    <message>
        <source>E02:发热板故障,开机后升温5分钟,温度变化没超过40℃/104°F</source>
        <translation>E02: Heating plate fault – after 5 minutes of heating the temperature rose less than 40℃/104°F</translation>
    </message>
    <message>
        <source>E03:电磁铁故障,接线脱落或损坏</source>
        <translation>E03: Electromagnet fault – wire loose or damaged</translation>
    </message>
    <message>
        <source>E04:应变片故障,接线脱落或损坏</source>
        <translation>E04: Strain gauge fault – wire loose or damaged</translation>
    </message>
    <message>
        <source>E05:休眠状态,1小时无任何操作自动进入休眠并停止加热</source>
        <translation>E05: Sleep – no operation for 1 hour, heating stopped</translation>
    </message>
    <message>
        <source>准备中</source>
        <translation>Preparing</translation>
    </message>
    <message>
        <source>急停</source>
        <translation>EMERGENCY STOP</translation>
    </message>
</context>
<context>
    <name>workmaterial</name>
    <message>
        <source>主界面</source>
        <translation>General</translation>
    </message>
    <message>
        <source>布艺</source>
        <translation>Fabric</translation>
    </message>
    <message>
        <source>水晶</source>
        <translation>Crystal</translation>
    </message>
    <message>
        <source>金属板</source>
        <translation>Metal sheet</translation>
    </message>
    <message>
        <source>石板</source>
        <translation>Slate</translation>
    </message>
</context>
</TS>
