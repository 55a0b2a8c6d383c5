import QtQuick 2.12

// Placeholder of the work screen's status bar (the work screen brings the real one).
Item {
    id: root
    Rectangle {
        anchors.fill: parent
        anchors.margins: 15 * dShowRatio_Min
        radius: 8 * dShowRatio_Min
        color: "#000e33"
        border.color: "#3c73b4"
        border.width: 2 * dShowRatio_W
        Text {
            id: clock
            anchors.verticalCenter: parent.verticalCenter
            x: 20 * dShowRatio_W
            color: "white"
            font.family: localFont.name
            font.pointSize: Math.max(1, 20 * dShowRatio_Min)
            text: Qt.formatDateTime(new Date(), "yy-MM-dd  hh:mm")
        }
        Text {
            anchors.verticalCenter: parent.verticalCenter
            anchors.right: parent.right
            anchors.rightMargin: 20 * dShowRatio_W
            color: "#80BAFF"
            font.family: localFont.name
            font.pointSize: Math.max(1, 18 * dShowRatio_Min)
            text: m_para.software_title
        }
    }
}
