<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="zh_CN">
<context>
    <name>Application</name>
    <message>
        <source>添加材质</source>
        <translation>Añadir material</translation>
    </message>
    <message>
        <source>操作指南</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>关于本机</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>用户信息</source>
        <translation>Usuarios</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>售后</source>
        <translation>Servicio técnico</translation>
    </message>
    <message>
        <source>U盘</source>
        <translation>Memoria USB</translation>
    </message>
</context>
<context>
    <name>ChoseMaterial</name>
    <message>
        <source>选择材质</source>
        <translation>Elegir material</translation>
    </message>
</context>
<context>
    <name>CloseDialog</name>
    <message>
        <source>Would you like to quit?</source>
        <translation>¿Desea salir?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
</context>
<context>
    <name>MaterialNameKeyboard</name>
    <message>
        <source>编辑名称</source>
        <translation>Editar nombre</translation>
    </message>
    <message>
        <source>材质名称错误</source>
        <translation>Nombre de material no válido</translation>
    </message>
    <message>
        <source>材质名称不能为空</source>
        <translation>El nombre del material no puede estar vacío</translation>
    </message>
</context>
<context>
    <name>ModalBox</name>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>确认</source>
        <translation>Confirmar</translation>
    </message>
</context>
<context>
    <name>NumericKeypad</name>
    <message>
        <source>确定</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Parameter</name>
    <message>
        <source>当前未加载图形</source>
        <translation>Ningún diseño cargado</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>恢复出厂设置</source>
        <translation>Restablecer valores de fábrica</translation>
    </message>
    <message>
        <source>请确认是否清空统计数据？</source>
        <translation>¿Borrar las estadísticas de producción?</translation>
    </message>
</context>
<context>
    <name>SetPointPage</name>
    <message>
        <source>返回</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>ShowMessageBox</name>
    <message>
        <source>确认</source>
        <translation>Confirmar</translation>
    </message>
</context>
<context>
    <name>ShowMessageBox_question</name>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>确认</source>
        <translation>Confirmar</translation>
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
        <translation>Error de entrada</translation>
    </message>
    <message>
        <source>值不能为空</source>
        <translation>El valor no puede estar vacío</translation>
    </message>
</context>
<context>
    <name>TextButtonCore</name>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
</context>
<context>
    <name>TimerSet</name>
    <message>
        <source>时间设定 S</source>
        <translation>Tiempo S</translation>
    </message>
    <message>
        <source>输入错误</source>
        <translation>Error de entrada</translation>
    </message>
    <message>
        <source>值不能为空</source>
        <translation>El valor no puede estar vacío</translation>
    </message>
</context>
<context>
    <name>VCheckBox</name>
    <message>
        <source>参数名称</source>
        <translation>Parámetro</translation>
    </message>
</context>
<context>
    <name>VInput_Suffix</name>
    <message>
        <source>参数名称</source>
        <translation>Parámetro</translation>
    </message>
    <message>
        <source>后缀</source>
        <translation>Unidad</translation>
    </message>
</context>
<context>
    <name>VWidget</name>
    <message>
        <source>标题</source>
        <translation>Título</translation>
    </message>
</context>
<context>
    <name>VevOdaraWork</name>
    <message>
        <source>删除倒计时</source>
        <translation>Eliminar cuenta atrás</translation>
    </message>
    <message>
        <source>删除第</source>
        <translation>¿Eliminar el tiempo del segmento </translation>
    </message>
    <message>
        <source>段预设时间?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>设定:</source>
        <translation>Ajuste:</translation>
    </message>
    <message>
        <source>时间:</source>
        <translation>Tiempo:</translation>
    </message>
    <message>
        <source>分段计时</source>
        <translation>Segmentos</translation>
    </message>
</context>
<context>
    <name>VevOdaraWorkBottomBar</name>
    <message>
        <source>应用</source>
        <translation>Aplicaciones</translation>
    </message>
    <message>
        <source>启动</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>产量</source>
        <translation>Piezas</translation>
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
        <translation>Presión</translation>
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
        <translation>E01: Fallo de la sonda de temperatura – conector suelto o sonda dañada</translation>
    </message>
    <message>
        <source>E02:发热板故障,开机后升温5分钟,温度变化没超过40℃/104°F</source>
        <translation>E02: Fallo de la placa calefactora – tras 5 minutos de calentamiento la temperatura subió menos de 40℃/104°F</translation>
    </message>
    <message>
        <source>E03:电磁铁故障,接线脱落或损坏</source>
        <translation>E03: Fallo del electroimán – cable suelto o dañado</translation>
    </message>
    <message>
        <source>E04:应变片故障,接线脱落或损坏</source>
        <translation>E04: Fallo de la galga extensométrica – cable suelto o dañado</translation>
    </message>
    <message>
        <source>E05:休眠状态,1小时无任何操作自动进入休眠并停止加热</source>
        <translation>E05: Reposo – 1 hora sin uso, calentamiento detenido</translation>
    </message>
    <message>
        <source>准备中</source>
        <translation>Preparando</translation>
    </message>
    <message>
        <source>急停</source>
        <translation>PARADA DE EMERGENCIA</translation>
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
        <translation>Tela</translation>
    </message>
    <message>
        <source>水晶</source>
        <translation>Cristal</translation>
    </message>
    <message>
        <source>金属板</source>
        <translation>Placa metálica</translation>
    </message>
    <message>
        <source>石板</source>
        <translation>Pizarra</translation>
    </message>
</context>
</TS>
