import QtQuick 2.12

// Placeholder of the application view's status strip (the material screens bring the real one).
Item {
    id: root
    Rectangle {
        anchors.fill: parent
        anchors.margins: 15 * dShowRatio_Min
        anchors.rightMargin: 16 * dShowRatio_Min
        radius: 8 * dShowRatio_Min
        color: "#000e33"
        border.color: "#3c73b4"
        border.width: 2 * dShowRatio_W
        Text {
            anchors.verticalCenter: parent.verticalCenter
            x: 20 * dShowRatio_W
            color: "white"
            font.family: localFont.name
            font.pointSize: Math.max(1, 25 * dShowRatio_Min)
            text: Qt.formatDateTime(new Date(), "  yy-MM-dd  hh:mm")
        }
    }
}
