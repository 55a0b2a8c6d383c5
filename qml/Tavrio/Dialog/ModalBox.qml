import QtQuick 2.12

// The framework's modal boxes, drawn full-screen over everything while C++ code waits for the
// answer. The box on top is cpp_tool.modal_box; an empty map means none.
Item {
    id: root
    objectName: "modalBox"
    property var box: cpp_tool.modal_box
    readonly property bool shown: box !== undefined && box.title !== undefined
    readonly property bool question: shown && box.kind === 2
    visible: shown

    MouseArea {
        anchors.fill: parent
        // Swallows touches meant for the page beneath.
    }
    Rectangle {
        anchors.fill: parent
        color: "#b0000000"
    }
    Rectangle {
        id: panel
        width: 520
        height: 280
        anchors.centerIn: parent
        radius: 12
        color: "#13263d"
        border.color: root.shown && root.box.kind === 1 ? "#e0a030" : "#3d6c9e"
        border.width: 2

        Text {
            id: titleText
            anchors.top: parent.top
            anchors.topMargin: 20
            anchors.horizontalCenter: parent.horizontalCenter
            color: "#ffffff"
            font.pixelSize: 24
            font.bold: true
            text: root.shown ? root.box.title : ""
        }
        Text {
            anchors.top: titleText.bottom
            anchors.topMargin: 16
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.margins: 24
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            color: "#d6e2f0"
            font.pixelSize: 20
            text: root.shown ? root.box.info : ""
        }
        Row {
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 20
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 24
            Rectangle {
                objectName: "modalBoxAgree"
                width: 180
                height: 60
                radius: 8
                color: agreeArea.pressed ? "#2f6db0" : "#1f5a9a"
                Text {
                    anchors.centerIn: parent
                    color: "#ffffff"
                    font.pixelSize: 22
                    text: root.question && root.box.agree !== "" ? root.box.agree : qsTr("确定")
                }
                MouseArea {
                    id: agreeArea
                    anchors.fill: parent
                    onClicked: cpp_tool.answer_modal_box(1)
                }
            }
            Rectangle {
                objectName: "modalBoxReject"
                visible: root.question
                width: 180
                height: 60
                radius: 8
                color: rejectArea.pressed ? "#4a5868" : "#34414f"
                Text {
                    anchors.centerIn: parent
                    color: "#ffffff"
                    font.pixelSize: 22
                    text: root.question && root.box.reject !== "" ? root.box.reject : qsTr("取消")
                }
                MouseArea {
                    id: rejectArea
                    anchors.fill: parent
                    onClicked: cpp_tool.answer_modal_box(0)
                }
            }
        }
    }
}
