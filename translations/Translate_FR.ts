<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="zh_CN">
<context>
    <name>Application</name>
    <message>
        <source>添加材质</source>
        <translation>Ajouter un matériau</translation>
    </message>
    <message>
        <source>操作指南</source>
        <translation>Mode d'emploi</translation>
    </message>
    <message>
        <source>关于本机</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>用户信息</source>
        <translation>Utilisateurs</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>售后</source>
        <translation>Service après-vente</translation>
    </message>
    <message>
        <source>U盘</source>
        <translation>Clé USB</translation>
    </message>
</context>
<context>
    <name>ChoseMaterial</name>
    <message>
        <source>选择材质</source>
        <translation>Choisir le matériau</translation>
    </message>
</context>
<context>
    <name>CloseDialog</name>
    <message>
        <source>Would you like to quit?</source>
        <translation>Voulez-vous quitter ?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
</context>
<context>
    <name>MaterialNameKeyboard</name>
    <message>
        <source>编辑名称</source>
        <translation>Modifier le nom</translation>
    </message>
    <message>
        <source>材质名称错误</source>
        <translation>Nom de matériau invalide</translation>
    </message>
    <message>
        <source>材质名称不能为空</source>
        <translation>Le nom du matériau ne peut pas être vide</translation>
    </message>
</context>
<context>
    <name>ModalBox</name>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>确认</source>
        <translation>Confirmer</translation>
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
        <translation>Effacer</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Parameter</name>
    <message>
        <source>当前未加载图形</source>
        <translation>Aucun motif chargé</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>恢复出厂设置</source>
        <translation>Réglages d'usine</translation>
    </message>
    <message>
        <source>请确认是否清空统计数据？</source>
        <translation>Effacer les statistiques de production ?</translation>
    </message>
</context>
<context>
    <name>SetPointPage</name>
    <message>
        <source>返回</source>
        <translation>Retour</translation>
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
        <translation>Confirmer</translation>
    </message>
</context>
<context>
    <name>ShowMessageBox_question</name>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>确认</source>
        <translation>Confirmer</translation>
    </message>
</context>
<context>
    <name>TemperatureSet</name>
    <message>
        <source>设置温度℃</source>
        <translation>Température ℃</translation>
    </message>
    <message>
        <source>设置温度℉</source>
        <translation>Température ℉</translation>
    </message>
    <message>
        <source>输入错误</source>
        <translation>Erreur de saisie</translation>
    </message>
    <message>
        <source>值不能为空</source>
        <translation>La valeur ne peut pas être vide</translation>
    </message>
</context>
<context>
    <name>TextButtonCore</name>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
</context>
<context>
    <name>TimerSet</name>
    <message>
        <source>时间设定 S</source>
        <translation>Temps S</translation>
    </message>
    <message>
        <source>输入错误</source>
        <translation>Erreur de saisie</translation>
    </message>
    <message>
        <source>值不能为空</source>
        <translation>La valeur ne peut pas être vide</translation>
    </message>
</context>
<context>
    <name>VCheckBox</name>
    <message>
        <source>参数名称</source>
        <translation>Paramètre</translation>
    </message>
</context>
<context>
    <name>VInput_Suffix</name>
    <message>
        <source>参数名称</source>
        <translation>Paramètre</translation>
    </message>
    <message>
        <source>后缀</source>
        <translation>Unité</translation>
    </message>
</context>
<context>
    <name>VWidget</name>
    <message>
        <source>标题</source>
        <translation>Titre</translation>
    </message>
</context>
<context>
    <name>VevOdaraWork</name>
    <message>
        <source>删除倒计时</source>
        <translation>Supprimer le décompte</translation>
    </message>
    <message>
        <source>删除第</source>
        <translation>Supprimer le temps du segment </translation>
    </message>
    <message>
        <source>段预设时间?</source>
        <translation> ?</translation>
    </message>
    <message>
        <source>设定:</source>
        <translation>Consigne :</translation>
    </message>
    <message>
        <source>时间:</source>
        <translation>Temps :</translation>
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
        <translation>Applications</translation>
    </message>
    <message>
        <source>启动</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>产量</source>
        <translation>Pièces</translation>
    </message>
    <message>
        <source>材质</source>
        <translation>Matériau</translation>
    </message>
</context>
<context>
    <name>VevOdaraWorkTopBar</name>
    <message>
        <source>压力</source>
        <translation>Pression</translation>
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
        <translation>E01 : défaut de sonde de température – connecteur desserré ou sonde endommagée</translation>
    </message>
    <message>
        <source>E02:发热板故障,开机后升温5分钟,温度变化没超过40℃/104°F</source>
        <translation>E02 : défaut de plaque chauffante – après 5 minutes de chauffe, la température a augmenté de moins de 40℃/104°F</translation>
    </message>
    <message>
        <source>E03:电磁铁故障,接线脱落或损坏</source>
        <translation>E03 : défaut de l'électroaimant – câble desserré ou endommagé</translation>
    </message>
    <message>
        <source>E04:应变片故障,接线脱落或损坏</source>
        <translation>E04 : défaut de la jauge de contrainte – câble desserré ou endommagé</translation>
    </message>
    <message>
        <source>E05:休眠状态,1小时无任何操作自动进入休眠并停止加热</source>
        <translation>E05 : veille – aucune action pendant 1 heure, chauffe arrêtée</translation>
    </message>
    <message>
        <source>准备中</source>
        <translation>Préparation</translation>
    </message>
    <message>
        <source>急停</source>
        <translation>ARRÊT D'URGENCE</translation>
    </message>
</context>
<context>
    <name>workmaterial</name>
    <message>
        <source>主界面</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>布艺</source>
        <translation>Tissu</translation>
    </message>
    <message>
        <source>水晶</source>
        <translation>Cristal</translation>
    </message>
    <message>
        <source>金属板</source>
        <translation>Plaque métallique</translation>
    </message>
    <message>
        <source>石板</source>
        <translation>Ardoise</translation>
    </message>
</context>
</TS>
