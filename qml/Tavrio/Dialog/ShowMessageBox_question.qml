import QtQuick 2.12

// The question box: cancel closes it; confirm sends m_strMessageCmd to the module named by
// m_strMessageCmdTo (when there is a command) and closes it.
MessagePanel {
    id: root
    objectName: "showMessageBoxQuestion"

    property string component_src: ""
    property var input_para: ({})
    property string strTitle: cpp_para.try_get_para("m_strMessageTitle", "")
    property string strCmd: cpp_para.try_get_para("m_strMessageCmd", "")
    property string strCmdTo: cpp_para.try_get_para("m_strMessageCmdTo", "")

    message: cpp_para.try_get_para("m_strMessageInfo", "")

    function confirm() {
        if (strCmd !== "") {
            try {
                cpp_tool.send_cmd(strCmdTo, strCmd);
            } catch (e) {
                console.log("question box command failed:", e);
            }
        }
        root.destroy();
    }

    BoxButton {
        objectName: "boxCancel"
        width: 170 * dShowRatio_W
        x: 40 * dShowRatio_W
        btn_text: qsTr("取消")
        onRelease: root.destroy()
    }
    BoxButton {
        objectName: "boxConfirm"
        width: 170 * dShowRatio_W
        x: parent.width - width - 40 * dShowRatio_W
        btn_text: qsTr("确认")
        onRelease: root.confirm()
    }
}
