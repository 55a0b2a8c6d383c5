<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="zh_CN">
<context>
    <name>Application</name>
    <message>
        <source>添加材质</source>
        <translation>Material hinzufügen</translation>
    </message>
    <message>
        <source>操作指南</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>关于本机</source>
        <translation>Über das Gerät</translation>
    </message>
    <message>
        <source>用户信息</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>售后</source>
        <translation>Kundendienst</translation>
    </message>
    <message>
        <source>U盘</source>
        <translation>USB-Stick</translation>
    </message>
</context>
<context>
    <name>ChoseMaterial</name>
    <message>
        <source>选择材质</source>
        <translation>Material wählen</translation>
    </message>
</context>
<context>
    <name>CloseDialog</name>
    <message>
        <source>Would you like to quit?</source>
        <translation>Möchten Sie das Programm beenden?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
</context>
<context>
    <name>MaterialNameKeyboard</name>
    <message>
        <source>编辑名称</source>
        <translation>Name ändern</translation>
    </message>
    <message>
        <source>材质名称错误</source>
        <translation>Materialname ungültig</translation>
    </message>
    <message>
        <source>材质名称不能为空</source>
        <translation>Der Materialname darf nicht leer sein</translation>
    </message>
</context>
<context>
    <name>ModalBox</name>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>确认</source>
        <translation>Bestätigen</translation>
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
        <translation>Löschen</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Parameter</name>
    <message>
        <source>当前未加载图形</source>
        <translation>Keine Grafik geladen</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>恢复出厂设置</source>
        <translation>Werkseinstellungen</translation>
    </message>
    <message>
        <source>请确认是否清空统计数据？</source>
        <translation>Produktionsstatistik löschen?</translation>
    </message>
</context>
<context>
    <name>SetPointPage</name>
    <message>
        <source>返回</source>
        <translation>Zurück</translation>
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
        <translation>Bestätigen</translation>
    </message>
</context>
<context>
    <name>ShowMessageBox_question</name>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>确认</source>
        <translation>Bestätigen</translation>
    </message>
</context>
<context>
    <name>TemperatureSet</name>
    <message>
        <source>设置温度℃</source>
        <translation>Temperatur ℃</translation>
    </message>
    <message>
        <source>设置温度℉</source>
        <translation>Temperatur ℉</translation>
    </message>
    <message>
        <source>输入错误</source>
        <translation>Eingabefehler</translation>
    </message>
    <message>
        <source>值不能为空</source>
        <translation>Der Wert darf nicht leer sein</translation>
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
        <translation>Zeit S</translation>
    </message>
    <message>
        <source>输入错误</source>
        <translation>Eingabefehler</translation>
    </message>
    <message>
        <source>值不能为空</source>
        <translation>Der Wert darf nicht leer sein</translation>
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
        <translation>Einheit</translation>
    </message>
</context>
<context>
    <name>VWidget</name>
    <message>
        <source>标题</source>
        <translation>Titel</translation>
    </message>
</context>
<context>
    <name>VevOdaraWork</name>
    <message>
        <source>删除倒计时</source>
        <translation>Countdown löschen</translation>
    </message>
    <message>
        <source>删除第</source>
        <translation>Vorgabezeit von Segment </translation>
    </message>
    <message>
        <source>段预设时间?</source>
        <translation> löschen?</translation>
    </message>
    <message>
        <source>设定:</source>
        <translation>Soll:</translation>
    </message>
    <message>
        <source>时间:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>分段计时</source>
        <translation>Segmente</translation>
    </message>
</context>
<context>
    <name>VevOdaraWorkBottomBar</name>
    <message>
        <source>应用</source>
        <translation>Anwendungen</translation>
    </message>
    <message>
        <source>启动</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>产量</source>
        <translation>Stück</translation>
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
        <translation>Druck</translation>
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
        <translation>E01: Temperaturfühler defekt – Stecker lose oder Fühler beschädigt</translation>
    </message>
    <message>
        <source>E02:发热板故障,开机后升温5分钟,温度变化没超过40℃/104°F</source>
        <translation>E02: Heizplatte defekt – nach 5 Minuten Heizen stieg die Temperatur um weniger als 40℃/104°F</translation>
    </message>
    <message>
        <source>E03:电磁铁故障,接线脱落或损坏</source>
        <translation>E03: Elektromagnet defekt – Leitung lose oder beschädigt</translation>
    </message>
    <message>
        <source>E04:应变片故障,接线脱落或损坏</source>
        <translation>E04: Dehnungsmessstreifen defekt – Leitung lose oder beschädigt</translation>
    </message>
    <message>
        <source>E05:休眠状态,1小时无任何操作自动进入休眠并停止加热</source>
        <translation>E05: Ruhezustand – 1 Stunde ohne Bedienung, Heizung gestoppt</translation>
    </message>
    <message>
        <source>准备中</source>
        <translation>Wird vorbereitet</translation>
    </message>
    <message>
        <source>急停</source>
        <translation>NOT-HALT</translation>
    </message>
</context>
<context>
    <name>workmaterial</name>
    <message>
        <source>主界面</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>布艺</source>
        <translation>Stoff</translation>
    </message>
    <message>
        <source>水晶</source>
        <translation>Kristall</translation>
    </message>
    <message>
        <source>金属板</source>
        <translation>Metallplatte</translation>
    </message>
    <message>
        <source>石板</source>
        <translation>Schiefer</translation>
    </message>
</context>
</TS>
