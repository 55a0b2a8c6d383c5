import QtQuick 2.12

// The function keyboard: a small pop-up text keyboard for a named value (funcKeyBoardName,
// funcKeyBoardValue of m_para). Confirm stores the text in funcKeyBoardValue.
Rectangle {
    id: root

    color: "#0a1a3d"
    radius: 10
    border.width: 2
    border.color: "#3c73b4"

    function select_all() {
        field.text = m_para.funcKeyBoardValue;
        field.selectAll();
    }

    MouseArea {
        anchors.fill: parent
    }

    Text {
        x: 10
        y: 8
        width: parent.width - 70
        height: 40
        text: m_para.funcKeyBoardName
        color: "white"
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        font.family: localFont.name
        font.pixelSize: 22
    }
    Rectangle {
        anchors.right: parent.right
        anchors.rightMargin: 10
        y: 8
        width: 40
        height: 40
        radius: 6
        color: closeArea.pressed ? "#a01820" : "#d8262e"
        Text {
            anchors.centerIn: parent
            text: "×"
            color: "white"
            font.pixelSize: 28
        }
        MouseArea {
            id: closeArea
            anchors.fill: parent
            onClicked: m_para.isShowFuncKeyBoard = false
        }
    }
    Rectangle {
        x: 10
        y: 56
        width: parent.width - 20
        height: 50
        radius: 5
        color: "#000e33"
        border.color: "#3c73b4"
        clip: true
        TextInput {
            id: field
            anchors.fill: parent
            anchors.margins: 6
            horizontalAlignment: TextInput.AlignHCenter
            verticalAlignment: TextInput.AlignVCenter
            color: "white"
            activeFocusOnPress: false
            persistentSelection: true
            cursorVisible: root.visible
            selectionColor: "#808000"
            font.family: localFont.name
            font.pixelSize: 22
        }
    }
    KeyGrid {
        x: 0
        y: 106
        width: parent.width
        height: parent.height - y - 4
        field: field
        onConfirm: {
            m_para.funcKeyBoardValue = field.text;
            m_para.isShowFuncKeyBoard = false;
        }
    }
}
