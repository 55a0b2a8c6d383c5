import QtQuick 2.12
import "qrc:/Module"
import "../workmaterial.js" as M

// Renames the current self-material. The old name is the one current when the page opened.
TextKeyboardPage {
    id: page
    objectName: "materialNameKeyboard"

    readonly property string oldName: M.materialName()

    title: qsTr("编辑名称")
    title_width: 350 * dShowRatio_W
    field_width: 246 * dShowRatio_W
    initial_text: oldName

    onConfirmed: {
        if (text.trim() === "") {
            cpp_para.msleep(100);
            cpp_para.set_para("m_strMessageTitle", qsTr("材质名称错误"));
            cpp_para.set_para("m_strMessageInfo", qsTr("材质名称不能为空"));
            add_qml("qrc:/Dialog/ShowMessageBox.qml", m_front);
            return;
        }
        var folder = M.libraryPath() + "/" + M.userName() + "/SelfMaterial/";
        if (param_mge.modify_selfmaterial(folder + oldName + ".ini", folder + text + ".ini"))
            M.setPara("m_strMaterialSelName", text);
        show_qml("qrc:/VevOdara_new/VevOdaraDesigner.qml", m_root);
    }
    onBack: show_qml("qrc:/VevOdara_new/VevOdaraDesigner.qml", m_root)
}
