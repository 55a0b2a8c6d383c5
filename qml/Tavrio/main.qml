import QtQuick 2.12
import QtQuick.Window 2.12
import "Module"
import "Dialog"

// The panel's single window: scale factors, global property object, page layers and the
// overlays any page may need. Pages are created in m_root with show_qml, stackable dialogs in
// m_front with add_qml.
Window {
    id: window
    objectName: "mainWindow"
    visible: true
    width: 800
    height: 480
    color: "#000814"
    title: m_para.software_title

    property real dShowRatio_W: 1.0
    property real dShowRatio_H: 1.0
    property real dShowRatio_Min: 1.0
    property real dShowRatio_Max: 1.0
    readonly property string workFrameUrl: "qrc:/VevOdara_new/VevOdaraDesigner.qml"
    // The error code the overlay shows ("" when hidden).
    property string errorCode: ""

    onWidthChanged: m_para.software_width = width
    onHeightChanged: m_para.software_height = height

    FontLoader {
        id: localFont
        source: "qrc:/Fonts/SourceHanSansCN-Regular.ttf"
    }

    // --- page functions -------------------------------------------------------------------

    function create_in(url, frame, properties) {
        var component = Qt.createComponent(url);
        if (component.status !== Component.Ready) {
            console.warn("cannot load", url, component.errorString());
            return null;
        }
        var obj = properties === undefined ? component.createObject(frame) : component.createObject(frame, properties);
        if (obj === null)
            console.warn("cannot create", url);
        return obj;
    }
    function clear_childs(frame) {
        var kids = frame.children;
        for (var i = kids.length - 1; i >= 0; --i)
            kids[i].destroy();
    }
    function show_qml(url, frame) {
        clear_childs(frame);
        return create_in(url, frame);
    }
    function add_qml(url, frame, paravalue) {
        var kids = frame.children;
        for (var i = 0; i < kids.length; ++i) {
            if (kids[i].component_src !== undefined && kids[i].component_src === url)
                return null;
        }
        return create_in(url, frame, {
                "component_src": url,
                "input_para": paravalue === undefined ? {} : paravalue
            });
    }
    function delete_qml(url, frame) {
        var kids = frame.children;
        for (var i = kids.length - 1; i >= 0; --i) {
            if (kids[i].component_src !== undefined && kids[i].component_src === url)
                kids[i].destroy();
        }
    }

    // --- module access --------------------------------------------------------------------

    function send_cmd(name, cmd) {
        if (typeof cpp_tool !== "undefined" && cpp_tool)
            cpp_tool.send_cmd(name, cmd);
    }
    // Calls an invokable operation of a module's context object when it has one.
    function call_module(obj, method, args) {
        if (obj && typeof obj[method] === "function")
            return obj[method].apply(obj, args === undefined ? [] : args);
        console.warn("no operation", method);
        return undefined;
    }
    function para(name, fallback) {
        return cpp_para.try_get_para(name, fallback);
    }
    // The address of a wallpaper by its file name; without one, the stored choice. The work
    // screen and the start-up prefetch below must ask for the very same address.
    function wallpaper_url(name) {
        return "qrc:/VevOdara_new/Image/" + (name === undefined ? para("backimg", "壁纸1.png") : name);
    }

    // --- start ----------------------------------------------------------------------------

    function compute_ratios() {
        dShowRatio_W = width / 800;
        dShowRatio_H = height / 480;
        var lo = Math.min(dShowRatio_W, dShowRatio_H);
        var hi = Math.max(dShowRatio_W, dShowRatio_H);
        if (lo > 1)
            lo = 1 + (lo - 1) * 0.3;
        dShowRatio_Min = lo;
        dShowRatio_Max = hi;
    }

    // Resets what an ordinary power-on starts from: the guest user and the countdown of the
    // current material.
    function reset_for_power_on() {
        cpp_para.set_para("m_nNeedRunBee", "1");
        cpp_para.set_para("m_curUserName", "Guest");
        if (para("m_lastUserName", "Guest") !== "Guest")
            cpp_para.set_para("m_strMaterialSelNameIndex", "0");

        var config = typeof param_mge !== "undefined" ? call_module(param_mge, "get_config_path") : undefined;
        if (config !== undefined) {
            var base = config + "TechLibrary/MainMaterial";
            if (parseInt(para("m_strMaterialSelNameIndex", "0"), 10) < 8)
                call_module(param_mge, "set_path_fp_para", [base, "Guest", para("m_strMaterialSelNameIndex", "1") + ".ini", "m_nCurCountIndex", "0"]);
            else
                call_module(param_mge, "set_path_fp_para", [base, "Guest/SelfMaterial", para("m_strMaterialSelName", "M1") + ".ini", "m_nCurCountIndex", "0"]);
        }
        cpp_para.set_para("m_nCurCountIndex", "0");
        cpp_para.set_para("m_nFirstOnTemper", "0");
        cpp_para.set_para("m_nStopAlarmE04", "0");
    }

    function start_pages() {
        width = 800 * dShowRatio_W;
        height = 480 * dShowRatio_H;
        m_para.software_width = width;
        m_para.software_height = height;
        startTimer.stop();
        if (parseInt(para("m_nChangeLanguage", "0"), 10) === 1) {
            // Restarted for a change of language: user and material stay.
            show_qml(workFrameUrl, m_root);
            lock_language.visible = true;
            cpp_para.msleep(3000);
            lock_language.visible = false;
            cpp_para.set_para("m_nChangeLanguage", "0");
        } else {
            reset_for_power_on();
        }
        show_qml(workFrameUrl, m_root);
        wallpaperPrefetch.source = "";
    }

    Component.onCompleted: {
        compute_ratios();
        startTimer.start();
        send_cmd("tavrio", "Qml##SetBright##" + para("m_nBright", "100"));
    }

    Timer {
        id: startTimer
        interval: 1
        repeat: false
        onTriggered: window.start_pages()
    }

    // --- overlays -------------------------------------------------------------------------

    readonly property var errorTips: ({
            "01": qsTr("E01:温度控头故障,航空插头没插紧或探温棒损坏"),
            "02": qsTr("E02:发热板故障,开机后升温5分钟,温度变化没超过40℃/104°F"),
            "03": qsTr("E03:电磁铁故障,接线脱落或损坏"),
            "04": qsTr("E04:应变片故障,接线脱落或损坏"),
            "05": qsTr("E05:休眠状态,1小时无任何操作自动进入休眠并停止加热")
        })

    function show_error(nNum) {
        var code = String(nNum);
        while (code.length < 2)
            code = "0" + code;
        if (nNum === 0 || String(nNum) === "0") {
            tErrorForm.visible = false;
            errorCode = "";
            return;
        }
        if (errorTips[code] === undefined)
            return;
        errorCode = code;
        errorCodeText.text = "E" + code;
        errorTipText.text = errorTips[code];
        tErrorForm.visible = true;
    }

    onClosing: {
        close.accepted = false;
        send_cmd("GrblLaserMotion", "Qml##Quit");
        show_qml("qrc:/Dialog/CloseDialog.qml", m_dialog);
    }

    Connections {
        target: cpp_signal
        onUpdate_vevodara_ErrorMsg: window.show_error(nNum)
        onUpdate_vevodara_EmergencyForm: tEmergencyForm.visible = bShow
        onQml_test: {
            if (str === "?")
                window.add_qml("qrc:/Dialog/ShowMessageBox_question.qml", m_front);
            else
                window.add_qml("qrc:/Dialog/ShowMessageBox.qml", m_front);
        }
        onUpdate_chosematerial: window.add_qml("qrc:/Module/ChoseMaterial.qml", m_front)
    }

    Parameter {
        id: m_para
    }

    // Decodes the work screen's wallpaper on the image thread, on the second core, while the
    // window and the work screen are being built; the work screen's picture then finds it in
    // the image cache instead of decoding it on this thread. Dropped once the work screen
    // holds it. The fill mode is part of the cache's key: it must be the work screen's.
    Image {
        id: wallpaperPrefetch
        visible: false
        asynchronous: true
        fillMode: Image.PreserveAspectCrop
        source: window.wallpaper_url()
    }

    Item {
        id: m_root
        objectName: "m_root"
        anchors.fill: parent
        z: 0
    }

    Rectangle {
        id: lock_language
        objectName: "lock_language"
        anchors.fill: parent
        z: 30
        visible: false
        color: "#CC000000"
        MouseArea {
            anchors.fill: parent
        }
        Text {
            anchors.centerIn: parent
            // Laid out only while shown.
            text: lock_language.visible ? qsTr("准备中") : ""
            color: "white"
            font.family: localFont.name
            font.pixelSize: 60 * dShowRatio_Min
        }
    }

    Rectangle {
        id: tErrorForm
        objectName: "tErrorForm"
        anchors.fill: parent
        z: 0
        visible: false
        color: "#CC000000"
        MouseArea {
            anchors.fill: parent
            onClicked: {
                if (window.errorCode === "05") {
                    window.send_cmd("VevOdaraMotion", "Qml##E05##0");
                    tErrorForm.visible = false;
                    window.errorCode = "";
                }
            }
        }
        // The frames of the two overlays are decoded when first shown, not at every start.
        Image {
            id: errorPanel
            width: 640
            height: 400
            anchors.centerIn: parent
            source: tErrorForm.visible ? "qrc:/VevOdara_new/Image/大按钮底框.png" : ""
            Text {
                id: errorCodeText
                objectName: "errorCodeText"
                anchors.horizontalCenter: parent.horizontalCenter
                y: 30
                color: "red"
                font.family: localFont.name
                font.pixelSize: 120
                font.bold: true
            }
            Text {
                id: errorTipText
                objectName: "errorTipText"
                anchors.top: errorCodeText.bottom
                anchors.topMargin: 10
                anchors.left: parent.left
                anchors.right: parent.right
                anchors.margins: 20
                horizontalAlignment: Text.AlignHCenter
                color: "#f6e70d"
                wrapMode: Text.WordWrap
                font.family: localFont.name
                font.pixelSize: 30
            }
        }
    }

    Rectangle {
        id: tEmergencyForm
        objectName: "tEmergencyForm"
        anchors.fill: parent
        z: 0
        visible: false
        color: "#CC000000"
        MouseArea {
            anchors.fill: parent
        }
        Image {
            width: 640
            height: 400
            anchors.centerIn: parent
            source: tEmergencyForm.visible ? "qrc:/VevOdara_new/Image/大按钮底框.png" : ""
            Text {
                anchors.fill: parent
                anchors.margins: 20
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                text: tEmergencyForm.visible ? qsTr("急停") : ""
                color: "red"
                wrapMode: Text.WordWrap
                font.family: localFont.name
                font.pixelSize: 110
                font.bold: true
            }
        }
    }

    // The keyboards are built the first time they are wanted, not at start.
    Loader {
        z: 30
        anchors.centerIn: parent
        width: m_para.keyboard_width
        height: m_para.keyboard_height
        visible: m_para.isShowMoveKeyBoard && m_para.enableShowMoveKeyBoard
        active: false
        onVisibleChanged: if (visible) active = true
        sourceComponent: NumericKeypad {
            id: keyBoard
            objectName: "keyBoard"
            anchors.fill: parent
            onVisibleChanged: select_all()
            Component.onCompleted: select_all()
        }
    }

    Loader {
        z: 30
        anchors.centerIn: parent
        width: m_para.keyboard_width
        height: m_para.keyboard_height
        visible: m_para.isShowFuncKeyBoard
        active: false
        onVisibleChanged: if (visible) active = true
        sourceComponent: FunctionKeyboard {
            id: funckeyBoard
            objectName: "funckeyBoard"
            anchors.fill: parent
            onVisibleChanged: select_all()
            Component.onCompleted: select_all()
        }
    }

    Item {
        id: m_front
        objectName: "m_front"
        anchors.fill: parent
        z: 20
    }

    Item {
        id: m_dialog
        objectName: "m_dialog"
        anchors.fill: parent
        z: 30
    }

    // The framework's modal boxes: C++ code waits until the operator answers.
    ModalBox {
        anchors.fill: parent
        z: 1000
    }
}
