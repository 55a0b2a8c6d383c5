import QtQuick 2.12
import "workmaterial.js" as M

// Sets the destination temperature of the chosen material, in °C or °F; always stored in °C.
SetPointPage {
    id: page
    objectName: "temperatureSetPage"

    property int curUnit: 0

    title: curUnit === 0 ? qsTr("设置温度℃") : qsTr("设置温度℉")
    thirdRowKey: "C/F"

    function lower() {
        return curUnit === 0 ? 0 : 32;
    }
    function upper() {
        return curUnit === 0 ? 220 : 428;
    }

    Component.onCompleted: {
        curUnit = M.toInt(M.para("m_nCurTemeratureUnit", "0"), 0) === 0 ? 0 : 1;
        var c = M.toNumber(M.readMaterial("m_nDestTemperature", "180"), 180);
        setValue(curUnit === 0 ? c.toFixed(0) : M.toFahrenheit(c).toFixed(0));
    }

    onStep: {
        var v = M.toInt(text, 0);
        field.text = String(M.clamp(v + delta, lower(), upper()));
    }

    onUnitKey: {
        curUnit = curUnit === 0 ? 1 : 0;
        M.setPara("m_nCurTemeratureUnit", curUnit);
        if (text.trim() === "")
            return;
        var v = M.toInt(text, 0);
        field.text = curUnit === 1 ? M.toFahrenheit(v).toFixed(0) : ((v - 32) / 1.8).toFixed(0);
    }

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
        var v = M.clamp(M.toInt(text, 0), lower(), upper());
        var stored = curUnit === 0 ? String(v) : M.fahrenheitToStoredCelsius(v);
        M.store("m_nDestTemperature", stored);
        M.sendPress("set_temperature");
        show_qml("qrc:/VevOdara_new/VevOdaraDesigner.qml", m_root);
    }
}
