import QtQuick 2.12
import "workmaterial.js" as M

// The work area: destination and actual temperature on the left, the countdown (one time or up
// to four timed segments) on the right. Its state lives in the parameters and the material file;
// the page is rebuilt each time it is shown.
Item {
    id: root
    objectName: "workAreaPage"

    readonly property real sw: dShowRatio_W
    readonly property real sh: dShowRatio_H
    readonly property real sm: dShowRatio_Min

    property int curUnit: 0
    property bool bFirstOnTemper: false
    property int nNeedRunBee: 0
    property int nTempUp: 1
    property real dActTemp: 0
    property bool hasReading: false
    property int nRun: 0
    property real nTemperValue: 180
    property int nDestCount: 80
    property var nDestCountMulti: [80, 80, 80, 80]
    property int nSegmentCount: 2
    readonly property int maxSegments: 4
    property int nCountDownID: 0
    property real temperatureRate: 10
    property real secondRate: 100
    property bool segmentMode: false

    property string destText: ""
    property string actualText: "--"
    property string countdownText: ""

    readonly property string workScreenUrl: "qrc:/VevOdara_new/VevOdaraDesigner.qml"

    // --- loading --------------------------------------------------------------------------

    function load() {
        M.sendPress("ResetE05Count");
        curUnit = M.toInt(M.para("m_nCurTemeratureUnit", "0"), 0) === 0 ? 0 : 1;
        bFirstOnTemper = M.para("m_nFirstOnTemper", "0") === "1";
        nNeedRunBee = M.toInt(M.para("m_nNeedRunBee", "0"), 0);
        nTempUp = M.toInt(M.para("m_nTempUp", "1"), 1);

        var temperature = M.readMaterial("m_nDestTemperature", "180");
        nTemperValue = M.toNumber(temperature, 180);
        var press = M.readMaterial("m_nDestPress", "80");
        // A hand-edited file must not give a segment row the screen cannot hold.
        nSegmentCount = M.clamp(M.toInt(M.readMaterial("m_nSegmentCount", "2"), 2), 2, maxSegments);
        nCountDownID = M.clamp(M.toInt(M.readMaterial("m_nCurCountIndex", "0"), 0), 0, nSegmentCount - 1);
        M.setPara("m_nDestTemperature", temperature);
        M.setPara("m_nDestPress", press);
        M.setPara("m_nSegmentCount", nSegmentCount);
        M.setPara("m_nCurCountIndex", nCountDownID);

        destText = M.shownDestination(nTemperValue, curUnit) + M.unitSign(curUnit);

        // The segment row starts from the first segment in the file; the selection shown is the
        // one read above.
        M.writeMaterial("m_nCurCountIndex", "0");
        var destTimer = M.readMaterial("m_nDestTimer", "80");
        nDestCount = M.toInt(destTimer, 80);
        M.setPara("m_nDestTimer", destTimer);
        var times = [];
        for (var k = 1; k <= maxSegments; ++k) {
            var t = M.readMaterial("m_nDestTimer" + k, "80");
            times.push(M.toInt(t, 80));
            M.setPara("m_nDestTimer" + k, t);
        }
        nDestCountMulti = times;

        segmentMode = M.para("m_nUseSeparateCounter", "0") === "1";
        if (segmentMode) {
            nDestCount = nDestCountMulti[nCountDownID];
            M.sendPress("set_DestTimer##" + nDestCount);
        }
        countdownText = nDestCount + "S";

        if (M.para("m_nNeedSetPara", "0") === "1")
            M.sendPress("ChangeMaterialPara##" + nTemperValue + "##" + nDestCount);
        M.setPara("m_nNeedSetPara", "0");
        // The link answers at once with the last actual temperature, ambient values and humidity.
        M.send("VevOdaraSerial", "Qml##update_UIValue");
    }

    Component.onCompleted: load()

    // --- temperature ----------------------------------------------------------------------

    function clearReached() {
        bFirstOnTemper = false;
        M.setPara("m_nFirstOnTemper", "0");
    }

    function showActual(reading) {
        var dest = M.toNumber(M.para("m_nDestTemperature", "0"), 0);
        var shown = M.actualDisplay(reading, dest, bFirstOnTemper, nTempUp === 1, curUnit);
        dActTemp = reading * 0.1;
        hasReading = true;
        if (shown.reached) {
            if (nNeedRunBee === 1) {
                M.sendPress("run_Bee");
                nNeedRunBee = 0;
                M.setPara("m_nNeedRunBee", "0");
            }
            M.setPara("m_nFirstOnTemper", "1");
            bFirstOnTemper = true;
        }
        actualText = shown.text;
        temperatureRate = M.temperatureRate(reading, dest);
    }

    function stepTemperature(delta) {
        var stored, shown;
        if (curUnit === 0) {
            shown = M.clamp(M.shownDestination(nTemperValue, 0) + delta, 0, 220);
            stored = String(shown);
        } else {
            shown = M.clamp(M.shownDestination(nTemperValue, 1) + delta, 32, 428);
            stored = M.fahrenheitToStoredCelsius(shown);
        }
        nTemperValue = parseFloat(stored);
        destText = shown + M.unitSign(curUnit);
        nTempUp = nTemperValue >= dActTemp ? 1 : 0;
        clearReached();
        M.store("m_nDestTemperature", stored);
        M.sendPress("set_temperature");
    }

    function openTemperaturePage() {
        clearReached();
        show_qml("qrc:/VevOdara_new/Design/TemperatureSet.qml", m_root);
    }

    // --- countdown ------------------------------------------------------------------------

    function setTimes(index, value) {
        var times = nDestCountMulti.slice();
        times[index] = value;
        nDestCountMulti = times;
    }

    function showCountdown(seconds) {
        nDestCount = seconds;
        countdownText = seconds + "S";
    }

    function storeSegmentTime(index, value) {
        if (index === 0) {
            M.store("m_nDestTimer", value);
            M.store("m_nDestTimer1", value);
        } else {
            M.store("m_nDestTimer" + (index + 1), value);
        }
        setTimes(index, value);
    }

    function stepTime(delta) {
        var segment = segmentMode ? nCountDownID : 0;
        var value = M.clamp(nDestCount + delta, 1, 999);
        storeSegmentTime(segment, value);
        showCountdown(value);
        secondRate = 100;
        M.sendPress("set_DestTimer##" + value);
        M.setPara("m_nNeedSetPara", "0");
    }

    function openTimerPage() {
        if (segmentMode) {
            M.setPara("m_nSideTimerSet", nCountDownID);
            M.store("m_nCurCountIndex", nCountDownID);
        } else {
            M.setPara("m_nSideTimerSet", 0);
        }
        show_qml("qrc:/VevOdara_new/Design/TimerSet.qml", m_root);
    }

    // --- segments -------------------------------------------------------------------------

    function selectSegment(index) {
        nCountDownID = index;
        M.store("m_nCurCountIndex", index);
        showCountdown(nDestCountMulti[index]);
        M.sendPress("set_DestTimer##" + nDestCount);
    }

    function addSegment() {
        if (nSegmentCount >= maxSegments)
            return;
        var last = M.toInt(M.readMaterial("m_nDestTimer" + nSegmentCount, "80"), 80);
        nSegmentCount += 1;
        M.store("m_nSegmentCount", nSegmentCount);
        M.store("m_nDestTimer" + nSegmentCount, last);
        setTimes(nSegmentCount - 1, last);
        selectSegment(nSegmentCount - 1);
    }

    // Long press: deleting waits for the operator's confirmation and the module's answer.
    function askDeleteSegment(index) {
        if (nSegmentCount <= 2)
            return;
        cpp_para.set_para("m_strMessageTitle", qsTr("删除倒计时"));
        cpp_para.set_para("m_strMessageInfo", qsTr("删除第") + (index + 1) + qsTr("段预设时间?"));
        cpp_para.set_para("m_strMessageCmd", "Qml##delete_counter##" + index);
        cpp_para.set_para("m_strMessageCmdTo", "VevOdaraMotion");
        add_qml("qrc:/Dialog/ShowMessageBox_question.qml", m_front);
    }

    function deleteSegment(index) {
        if (index < 0 || index >= nSegmentCount || nSegmentCount <= 2)
            return;
        var times = nDestCountMulti.slice();
        for (var k = index; k < nSegmentCount - 1; ++k)
            times[k] = times[k + 1];
        times[nSegmentCount - 1] = 0;
        for (k = index; k < nSegmentCount; ++k)
            M.store("m_nDestTimer" + (k + 1), times[k]);
        nDestCountMulti = times;
        nSegmentCount -= 1;
        M.store("m_nSegmentCount", nSegmentCount);

        var selected = nCountDownID;
        if (index < selected)
            selected -= 1;
        else if (index === selected)
            selected = Math.min(index, nSegmentCount - 1);
        nCountDownID = selected;
        M.writeMaterial("m_nCurCountIndex", selected);
        showCountdown(nDestCountMulti[selected]);
        M.sendPress("set_DestTimer##" + nDestCount);
    }

    function switchSegmentMode(on) {
        nCountDownID = 0;
        M.store("m_nCurCountIndex", "0");
        if (on) {
            var times = [];
            for (var k = 1; k <= maxSegments; ++k) {
                var t = M.readMaterial("m_nDestTimer" + k, "80");
                times.push(M.toInt(t, 80));
                M.setPara("m_nDestTimer" + k, t);
            }
            nDestCountMulti = times;
            showCountdown(times[0]);
        } else {
            showCountdown(M.toInt(M.readMaterial("m_nDestTimer", "80"), 80));
        }
        segmentMode = on;
        M.setPara("m_nUseSeparateCounter", on ? "1" : "0");
        secondRate = 100;
        M.sendPress("set_DestTimer##" + nDestCount);
    }

    // --- signals --------------------------------------------------------------------------

    Connections {
        target: cpp_signal
        onUpdate_cur_act_temperature: root.showActual(dTemperature)
        onUpdate_cur_act_heat_second: {
            if (root.nRun === 1) {
                root.countdownText = nSecond + "S";
                root.secondRate = M.secondRate(nSecond, root.nDestCount);
            } else {
                root.countdownText = root.nDestCount + "S";
                root.secondRate = 100;
            }
        }
        onUpdate_vevodara_workui: root.nRun = bRun ? 1 : 0
        onUpdate_print_stopwork: {
            root.nRun = 0;
            root.countdownText = root.nDestCount + "S";
            root.secondRate = 100;
        }
        onUpdate_vevodara_FirstOnTemper: root.clearReached()
    }

    Connections {
        target: typeof VevOdaraMotion !== "undefined" ? VevOdaraMotion : null
        onUpdate_runIndex: {
            if (nIndex < 0 || nIndex >= root.nSegmentCount)
                return;
            root.nCountDownID = nIndex;
            root.showCountdown(root.nDestCountMulti[nIndex]);
            M.writeMaterial("m_nCurCountIndex", nIndex);
        }
        onUpdate_delete_counter: root.deleteSegment(nIndex)
    }

    // --- layout ---------------------------------------------------------------------------

    Rectangle {
        id: tempPanel
        objectName: "workTempPanel"
        x: 15 * sw
        y: 15 * sh
        width: 378 * sw
        height: Math.min(280 * sh, root.height - y)
        radius: 10 * sm
        color: "#cc000e33"
        border.color: "#3c73b4"
        border.width: 2 * sm
        enabled: root.nRun === 0

        MouseArea {
            anchors.fill: parent
            onClicked: root.openTemperaturePage()
        }

        Rectangle {
            id: tempStrip
            objectName: "workTempStrip"
            x: 2 * sm
            y: 2 * sm
            width: parent.width - 4 * sm
            height: 62 * sh
            radius: 8 * sm
            color: stripArea.pressed ? "#3a1e5f9e" : "#22102a4a"
            Text {
                x: 16 * sw
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("设定:")
                color: "#a9c8ee"
                font.family: localFont.name
                font.pixelSize: 28 * sm
            }
            Text {
                objectName: "workDestTemp"
                anchors.right: parent.right
                anchors.rightMargin: 18 * sw
                anchors.verticalCenter: parent.verticalCenter
                text: root.destText
                color: "white"
                font.family: localFont.name
                font.bold: true
                font.pixelSize: 40 * sm
            }
            MouseArea {
                id: stripArea
                anchors.fill: parent
                onClicked: root.openTemperaturePage()
            }
        }

        Text {
            id: actualDigits
            objectName: "workActualTemp"
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.horizontalCenterOffset: -actualUnit.width / 2
            anchors.baseline: parent.top
            anchors.baselineOffset: 176 * sh
            text: root.actualText
            color: "#ff3b30"
            font.family: localFont.name
            font.bold: true
            font.pixelSize: 112 * sm
        }
        Text {
            id: actualUnit
            objectName: "workActualUnit"
            anchors.left: actualDigits.right
            anchors.baseline: actualDigits.baseline
            text: M.unitSign(root.curUnit)
            color: "#ff3b30"
            font.family: localFont.name
            font.pixelSize: 36 * sm
        }

        RateBar {
            objectName: "workTempBar"
            x: 16 * sw
            y: 196 * sh
            width: parent.width - 32 * sw
            height: 12 * sh
            rate: root.temperatureRate
            fillColor: "#ff3b30"
        }

        PanelKey {
            objectName: "workTempMinus"
            x: 16 * sw
            y: parent.height - height - 12 * sh
            width: 120 * sw
            height: 56 * sh
            label: "−"
            onActivated: root.stepTemperature(-1)
        }
        PanelKey {
            objectName: "workTempPlus"
            x: parent.width - width - 16 * sw
            y: parent.height - height - 12 * sh
            width: 120 * sw
            height: 56 * sh
            label: "+"
            onActivated: root.stepTemperature(1)
        }
    }

    Rectangle {
        id: timePanel
        objectName: "workTimePanel"
        x: 405 * sw
        y: 15 * sh
        width: 378 * sw
        height: tempPanel.height
        radius: 10 * sm
        color: "#cc000e33"
        border.color: "#3c73b4"
        border.width: 2 * sm
        enabled: root.nRun === 0

        MouseArea {
            anchors.fill: parent
            onClicked: root.openTimerPage()
        }

        Text {
            x: 18 * sw
            y: 2 * sm
            height: 62 * sh
            verticalAlignment: Text.AlignVCenter
            text: qsTr("时间:")
            color: "#a9c8ee"
            font.family: localFont.name
            font.pixelSize: 28 * sm
        }

        Text {
            anchors.right: segmentBox.left
            anchors.rightMargin: 10 * sw
            anchors.verticalCenter: segmentBox.verticalCenter
            text: qsTr("分段计时")
            color: "white"
            font.family: localFont.name
            font.pixelSize: 22 * sm
        }
        SegmentCheck {
            id: segmentBox
            objectName: "workSegmentMode"
            x: parent.width - width - 18 * sw
            y: 16 * sh
            width: 34 * sh
            height: 34 * sh
            para_name: "m_nUseSeparateCounter"
            onClick: root.switchSegmentMode(checked)
        }

        Row {
            id: segmentRow
            objectName: "workSegments"
            visible: root.segmentMode
            x: 18 * sw
            y: 64 * sh
            height: 54 * sh
            spacing: 10 * sw
            Repeater {
                model: root.nSegmentCount
                delegate: SegmentKey {
                    objectName: "workSegment" + index
                    width: 70 * sw
                    height: segmentRow.height
                    number: index + 1
                    seconds: root.nDestCountMulti[index]
                    selected: index === root.nCountDownID
                    onTapped: root.selectSegment(index)
                    onHeld: root.askDeleteSegment(index)
                }
            }
            PanelKey {
                objectName: "workSegmentAdd"
                visible: root.nSegmentCount < root.maxSegments
                width: 70 * sw
                height: segmentRow.height
                radius: 8 * sm
                label: "+"
                labelSize: 32 * sm
                baseColor: "#0f2f55"
                onActivated: root.addSegment()
            }
        }

        Text {
            objectName: "workCountdown"
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.baseline: parent.top
            anchors.baselineOffset: (root.segmentMode ? 184 : 176) * sh
            text: root.countdownText
            color: "#39a6ff"
            font.family: localFont.name
            font.bold: true
            font.pixelSize: (root.segmentMode ? 62 : 112) * sm
        }

        RateBar {
            objectName: "workTimeBar"
            x: 16 * sw
            y: 196 * sh
            width: parent.width - 32 * sw
            height: 12 * sh
            rate: root.secondRate
            fillColor: "#39a6ff"
        }

        PanelKey {
            objectName: "workTimeMinus"
            x: 16 * sw
            y: parent.height - height - 12 * sh
            width: 120 * sw
            height: 56 * sh
            label: "−"
            onActivated: root.stepTime(-1)
        }
        PanelKey {
            objectName: "workTimePlus"
            x: parent.width - width - 16 * sw
            y: parent.height - height - 12 * sh
            width: 120 * sw
            height: 56 * sh
            label: "+"
            onActivated: root.stepTime(1)
        }
    }
}
