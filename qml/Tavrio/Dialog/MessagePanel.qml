import QtQuick 2.12
import VNQML 1.0

// The look of the message boxes: a dimmed window that swallows every touch, a centred framed
// panel with the message in yellow, and the box's buttons along the panel's bottom.
Rectangle {
    id: root

    property string message: ""
    property string title: ""
    property color title_color: "white"
    default property alias buttons: buttonLayer.data
    property alias panel: panel

    anchors.fill: parent
    color: "#CC000000"

    MouseArea {
        anchors.fill: parent
        onWheel: wheel.accepted = true
    }

    Rectangle {
        id: panel
        width: 450 * dShowRatio_W
        height: 300 * dShowRatio_H
        anchors.centerIn: parent
        color: "#55000000"
        Image {
            anchors.fill: parent
            source: "qrc:/VevOdara_new/Image/大按钮底框.png"
            smooth: true
        }
        Text {
            visible: root.title !== ""
            x: 25 * dShowRatio_W
            y: 18 * dShowRatio_H
            width: 400 * dShowRatio_W
            horizontalAlignment: Text.AlignHCenter
            elide: Text.ElideRight
            text: root.title
            color: root.title_color
            font.family: localFont.name
            font.bold: true
            font.pixelSize: 24 * dShowRatio_Min
        }
        VText {
            id: messageText
            objectName: "messageText"
            x: 25 * dShowRatio_W
            y: (root.title === "" ? 20 : 56) * dShowRatio_H
            width: 400 * dShowRatio_W
            height: (root.title === "" ? 190 : 154) * dShowRatio_H
            tag_width: 0
            value: root.message
            value_color: "yellow"
            text_size: 20 * dShowRatio_Min
            Component.onCompleted: {
                textr.lineHeight = 1.1;
                textr.wrapMode = Text.Wrap;
            }
        }
        Item {
            id: buttonLayer
            anchors.fill: parent
        }
    }
}
