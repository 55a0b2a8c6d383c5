import QtQuick 2.12

// Placeholder of the work area (the work screen brings the real one).
Item {
    id: root
    Row {
        anchors.centerIn: parent
        spacing: 30 * dShowRatio_W
        Repeater {
            model: [qsTr("温度"), qsTr("时间")]
            delegate: Rectangle {
                width: 330 * dShowRatio_W
                height: root.height - 30 * dShowRatio_H
                radius: 10 * dShowRatio_Min
                color: "#cc000e33"
                border.color: "#3c73b4"
                border.width: 2 * dShowRatio_W
                Text {
                    x: 20 * dShowRatio_W
                    y: 14 * dShowRatio_H
                    text: modelData
                    color: "#80BAFF"
                    font.family: localFont.name
                    font.pointSize: Math.max(1, 18 * dShowRatio_Min)
                }
                Text {
                    anchors.centerIn: parent
                    text: "--"
                    color: "white"
                    font.family: localFont.name
                    font.pixelSize: 90 * dShowRatio_Min
                }
            }
        }
    }
}
