import QtQuick 2.12

// The information box: shows the message parameter; confirm closes it. Raised by modules
// (qml_test) and pages through the message parameters.
MessagePanel {
    id: root
    objectName: "showMessageBox"

    property string component_src: ""
    property var input_para: ({})
    property string strTitle: cpp_para.try_get_para("m_strMessageTitle", "")
    property string strCmd: cpp_para.try_get_para("m_strMessageCmd", "")
    property string strCmdTo: cpp_para.try_get_para("m_strMessageCmdTo", "")

    message: cpp_para.try_get_para("m_strMessageInfo", "")

    BoxButton {
        objectName: "boxConfirm"
        width: 180 * dShowRatio_W
        x: (parent.width - width) / 2
        btn_text: qsTr("确认")
        onRelease: root.destroy()
    }
}
