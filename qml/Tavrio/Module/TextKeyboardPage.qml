import QtQuick 2.12
import VNQML 1.0
import "qrc:/VNQML/Tool/keyclick.js" as KeyClick

// The full-screen text keyboard page: title box, one-line field, back key and the key field.
// Each use (a material name, a user name, a password ...) sets its title, sizes, initial text
// and echo, and handles confirmed(text) and back().
Rectangle {
    id: root

    property string title: ""
    property real title_width: 350 * dShowRatio_W
    property real field_width: 246 * dShowRatio_W
    property real field_gap: 10 * dShowRatio_Min
    property real back_width: 150 * dShowRatio_W
    property string initial_text: ""
    property bool password: false
    property alias text: field.text
    property alias field: field
    property alias keys: keyGrid
    readonly property real s: dShowRatio_Min

    signal confirmed(string text)
    signal back

    width: 800 * dShowRatio_W
    height: 480 * dShowRatio_H
    color: "#000814"

    Component.onCompleted: {
        field.text = initial_text;
        field.selectAll();
    }

    Image {
        anchors.fill: parent
        source: "qrc:/VevOdara_new/Image/bk_0.png"
    }

    Rectangle {
        id: titleBox
        x: 15 * root.s
        y: 10 * root.s
        width: root.title_width
        height: 55 * dShowRatio_H
        radius: 4 * root.s
        color: "#000e33"
        border.color: "#3c73b4"
        border.width: 2 * dShowRatio_W
        VText {
            anchors.fill: parent
            anchors.margins: 10 * root.s
            tag: root.title
            tag_width: width
            tag_color: "white"
            text_size: 25 * root.s
        }
    }

    Rectangle {
        id: fieldBox
        x: titleBox.x + titleBox.width + root.field_gap
        y: titleBox.y
        width: root.field_width
        height: 55 * dShowRatio_H
        radius: 4 * root.s
        color: "#000e33"
        border.color: "#3c73b4"
        border.width: 2 * dShowRatio_W
        clip: true
        TextInput {
            id: field
            objectName: "keyboardField"
            anchors.fill: parent
            anchors.leftMargin: 6 * root.s
            anchors.rightMargin: 6 * root.s
            horizontalAlignment: TextInput.AlignHCenter
            verticalAlignment: TextInput.AlignVCenter
            color: "white"
            selectionColor: "#808000"
            persistentSelection: true
            activeFocusOnPress: false
            cursorVisible: true
            echoMode: root.password ? TextInput.Password : TextInput.Normal
            font.family: localFont.name
            font.pointSize: Math.max(1, 25 * root.s)
        }
    }

    Rectangle {
        id: backKey
        objectName: "keyboardBack"
        x: fieldBox.x + fieldBox.width + 10 * root.s
        y: titleBox.y
        width: root.back_width
        height: 55 * dShowRatio_H
        radius: 4 * root.s
        color: "#d8262e"
        Image {
            anchors.fill: parent
            source: "qrc:/VevOdara_new/Image/键盘按钮.png"
            smooth: true
            opacity: backArea.pressed ? 0.7 : 1.0
        }
        Image {
            anchors.fill: parent
            anchors.topMargin: 5 * root.s
            anchors.bottomMargin: 5 * root.s
            anchors.leftMargin: Math.min(52 * root.s, (parent.width - parent.height) / 2)
            anchors.rightMargin: anchors.leftMargin
            source: "qrc:/VevOdara_new/Image/键盘返回.png"
            fillMode: Image.PreserveAspectFit
            smooth: true
        }
        MouseArea {
            id: backArea
            anchors.fill: parent
            onPressed: KeyClick.send(true)
            onReleased: KeyClick.send(false)
            onClicked: root.back()
        }
    }

    KeyGrid {
        id: keyGrid
        x: 0
        y: fieldBox.y + fieldBox.height + 10 * root.s
        width: root.width
        height: root.height - y - 30 * root.s
        field: field
        onConfirm: root.confirmed(field.text)
    }
}
