import QtQuick 2.12

// The framework's modal boxes, drawn over everything while C++ code waits for the answer. The
// box on top is cpp_tool.modal_box (kind 0 information, 1 warning, 2 question); an empty map
// means none.
Item {
    id: root
    objectName: "modalBox"

    property var box: cpp_tool.modal_box
    readonly property bool shown: box !== undefined && box !== null && box.title !== undefined
    readonly property bool question: shown && box.kind === 2
    visible: shown

    // The panel is built while a box is shown, so the window's start pays nothing for it.
    Loader {
        anchors.fill: parent
        active: root.shown
        sourceComponent: MessagePanel {
            title: root.shown ? root.box.title : ""
            title_color: root.shown && root.box.kind === 1 ? "#ff8800" : "white"
            message: root.shown ? root.box.info : ""

            BoxButton {
                objectName: "modalBoxReject"
                visible: root.question
                width: 170 * dShowRatio_W
                x: 40 * dShowRatio_W
                btn_text: root.question && root.box.reject ? root.box.reject : qsTr("取消")
                onRelease: cpp_tool.answer_modal_box(0)
            }
            BoxButton {
                objectName: "modalBoxAgree"
                width: (root.question ? 170 : 180) * dShowRatio_W
                x: root.question ? parent.width - width - 40 * dShowRatio_W : (parent.width - width) / 2
                btn_text: root.shown && root.box.agree ? root.box.agree : qsTr("确认")
                onRelease: cpp_tool.answer_modal_box(1)
            }
        }
    }
}
