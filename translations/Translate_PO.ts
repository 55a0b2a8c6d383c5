<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="zh_CN">
<context>
    <name>Application</name>
    <message>
        <source>添加材质</source>
        <translation>Dodaj materiał</translation>
    </message>
    <message>
        <source>操作指南</source>
        <translation>Instrukcja</translation>
    </message>
    <message>
        <source>关于本机</source>
        <translation>O urządzeniu</translation>
    </message>
    <message>
        <source>用户信息</source>
        <translation>Użytkownicy</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>售后</source>
        <translation>Serwis</translation>
    </message>
    <message>
        <source>U盘</source>
        <translation>Pamięć USB</translation>
    </message>
</context>
<context>
    <name>ChoseMaterial</name>
    <message>
        <source>选择材质</source>
        <translation>Wybierz materiał</translation>
    </message>
</context>
<context>
    <name>CloseDialog</name>
    <message>
        <source>Would you like to quit?</source>
        <translation>Czy chcesz zakończyć?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
</context>
<context>
    <name>MaterialNameKeyboard</name>
    <message>
        <source>编辑名称</source>
        <translation>Edytuj nazwę</translation>
    </message>
    <message>
        <source>材质名称错误</source>
        <translation>Błędna nazwa materiału</translation>
    </message>
    <message>
        <source>材质名称不能为空</source>
        <translation>Nazwa materiału nie może być pusta</translation>
    </message>
</context>
<context>
    <name>ModalBox</name>
    <message>
        <source>取消</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>确认</source>
        <translation>Potwierdź</translation>
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
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>Parameter</name>
    <message>
        <source>当前未加载图形</source>
        <translation>Nie wczytano grafiki</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>恢复出厂设置</source>
        <translation>Ustawienia fabryczne</translation>
    </message>
    <message>
        <source>请确认是否清空统计数据？</source>
        <translation>Wyczyścić statystyki produkcji?</translation>
    </message>
</context>
<context>
    <name>SetPointPage</name>
    <message>
        <source>返回</source>
        <translation>Wstecz</translation>
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
        <translation>Potwierdź</translation>
    </message>
</context>
<context>
    <name>ShowMessageBox_question</name>
    <message>
        <source>取消</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>确认</source>
        <translation>Potwierdź</translation>
    </message>
</context>
<context>
    <name>TemperatureSet</name>
    <message>
        <source>设置温度℃</source>
        <translation>Temperatura ℃</translation>
    </message>
    <message>
        <source>设置温度℉</source>
        <translation>Temperatura ℉</translation>
    </message>
    <message>
        <source>输入错误</source>
        <translation>Błąd wprowadzania</translation>
    </message>
    <message>
        <source>值不能为空</source>
        <translation>Wartość nie może być pusta</translation>
    </message>
</context>
<context>
    <name>TextButtonCore</name>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
</context>
<context>
    <name>TimerSet</name>
    <message>
        <source>时间设定 S</source>
        <translation>Czas S</translation>
    </message>
    <message>
        <source>输入错误</source>
        <translation>Błąd wprowadzania</translation>
    </message>
    <message>
        <source>值不能为空</source>
        <translation>Wartość nie może być pusta</translation>
    </message>
</context>
<context>
    <name>VCheckBox</name>
    <message>
        <source>参数名称</source>
        <translation>Parametr</translation>
    </message>
</context>
<context>
    <name>VInput_Suffix</name>
    <message>
        <source>参数名称</source>
        <translation>Parametr</translation>
    </message>
    <message>
        <source>后缀</source>
        <translation>Jednostka</translation>
    </message>
</context>
<context>
    <name>VWidget</name>
    <message>
        <source>标题</source>
        <translation>Tytuł</translation>
    </message>
</context>
<context>
    <name>VevOdaraWork</name>
    <message>
        <source>删除倒计时</source>
        <translation>Usuń odliczanie</translation>
    </message>
    <message>
        <source>删除第</source>
        <translation>Usunąć czas segmentu </translation>
    </message>
    <message>
        <source>段预设时间?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>设定:</source>
        <translation>Zadana:</translation>
    </message>
    <message>
        <source>时间:</source>
        <translation>Czas:</translation>
    </message>
    <message>
        <source>分段计时</source>
        <translation>Segmenty</translation>
    </message>
</context>
<context>
    <name>VevOdaraWorkBottomBar</name>
    <message>
        <source>应用</source>
        <translation>Aplikacje</translation>
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
        <translation>Sztuki</translation>
    </message>
    <message>
        <source>材质</source>
        <translation>Materiał</translation>
    </message>
</context>
<context>
    <name>VevOdaraWorkTopBar</name>
    <message>
        <source>压力</source>
        <translation>Nacisk</translation>
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
        <translation>E01: Usterka czujnika temperatury – luźne złącze lub uszkodzony czujnik</translation>
    </message>
    <message>
        <source>E02:发热板故障,开机后升温5分钟,温度变化没超过40℃/104°F</source>
        <translation>E02: Usterka płyty grzejnej – po 5 minutach grzania temperatura wzrosła o mniej niż 40℃/104°F</translation>
    </message>
    <message>
        <source>E03:电磁铁故障,接线脱落或损坏</source>
        <translation>E03: Usterka elektromagnesu – luźny lub uszkodzony przewód</translation>
    </message>
    <message>
        <source>E04:应变片故障,接线脱落或损坏</source>
        <translation>E04: Usterka tensometru – luźny lub uszkodzony przewód</translation>
    </message>
    <message>
        <source>E05:休眠状态,1小时无任何操作自动进入休眠并停止加热</source>
        <translation>E05: Uśpienie – 1 godzina bez obsługi, grzanie zatrzymane</translation>
    </message>
    <message>
        <source>准备中</source>
        <translation>Przygotowanie</translation>
    </message>
    <message>
        <source>急停</source>
        <translation>STOP AWARYJNY</translation>
    </message>
</context>
<context>
    <name>workmaterial</name>
    <message>
        <source>主界面</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>布艺</source>
        <translation>Tkanina</translation>
    </message>
    <message>
        <source>水晶</source>
        <translation>Kryształ</translation>
    </message>
    <message>
        <source>金属板</source>
        <translation>Blacha</translation>
    </message>
    <message>
        <source>石板</source>
        <translation>Łupek</translation>
    </message>
</context>
</TS>
