import QtQuick 2.12
import "workmaterial.js" as M

// Sets the pressing time of the single countdown or of one timer segment (1 to 999 s).
SetPointPage {
    id: page
    objectName: "timerSetPage"

    // 0: the single countdown or segment 1; 1 to 3: segments 2 to 4.
    property int nSideTimerSet: 0

    title: qsTr("时间设定 S")
    thirdRowKey: "00"

    Component.onCompleted: {
        cpp_tool.send_cmd("tavrio", "Qml##Bee##0");
        nSideTimerSet = M.clamp(M.toInt(M.para("m_nSideTimerSet", "0"), 0), 0, 3);
        setValue(M.readMaterial("m_nDestTimer" + (nSideTimerSet + 1), "80"));
    }

    onEdited: {
        var v = M.toInt(text, 0);
        if (v < 1)
            field.text = "1";
        else if (v >= 999)
            field.text = "999";
    }

    onStep: field.text = String(M.clamp(M.toInt(text, 0) + delta, 1, 999))

    onBack: show_qml("qrc:/VevOdara_new/VevOdaraDesigner.qml", m_root)

    onOk: {
        if (text.trim() === "") {
            cpp_para.msleep(100);
            cpp_para.set_para("m_strMessageTitle", qsTr("输入错误"));
            cpp_para.set_para("m_strMessageInfo", qsTr("值不能为空"));
            cpp_para.set_para("m_strMessageCmd", "");
            add_qml("qrc:/Dialog/ShowMessageBox.qml", m_front);
            return;
        }
        var v = M.clamp(M.toInt(text, 0), 1, 999);
        if (nSideTimerSet === 0) {
            M.store("m_nDestTimer", v);
            M.store("m_nDestTimer1", v);
        } else {
            M.store("m_nDestTimer" + (nSideTimerSet + 1), v);
        }
        if (M.para("m_nUseSeparateCounter", "0") === "1")
            M.sendPress("set_DestTimer##" + v);
        else
            M.sendPress("set_time");
        M.setPara("m_nNeedSetPara", "0");
        show_qml("qrc:/VevOdara_new/VevOdaraDesigner.qml", m_root);
    }
}
