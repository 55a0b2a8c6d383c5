import QtQuick 2.12
import "workmaterial.js" as M

// The status bar of the work screen: clock, ambient temperature and humidity in one box, the
// pressure level in another.
Item {
    id: root
    objectName: "workTopBarPage"

    readonly property real sw: dShowRatio_W
    readonly property real sh: dShowRatio_H
    readonly property real sm: dShowRatio_Min

    Component.onCompleted: clock.text = M.clockText()

    Timer {
        interval: 10000
        running: true
        repeat: true
        onTriggered: clock.text = M.clockText()
    }

    Connections {
        target: cpp_signal
        onUpdate_vevodara_ambienttemp: ambient.text = M.ambientText(dtemp, M.toInt(M.para("m_nCurTemeratureUnit", "0"), 0) === 0 ? 0 : 1)
        onUpdate_vevodara_humidity: humidity.text = M.humidityText(dhuidity)
        onUpdate_vevodara_press: pressure.text = M.pressureLevel(dpress)
    }

    Rectangle {
        id: statusBox
        x: 15 * sw
        y: 15 * sh
        width: 570 * sw
        height: 62 * sh
        radius: 8 * sm
        color: "#000e33"
        border.color: "#3c73b4"
        border.width: 2 * sw

        Row {
            anchors.fill: parent
            anchors.leftMargin: 8 * sw
            spacing: 10 * sw

            Text {
                id: clock
                objectName: "workClock"
                width: 260 * sw
                height: parent.height
                verticalAlignment: Text.AlignVCenter
                color: "white"
                font.family: localFont.name
                font.pixelSize: 25 * sm
            }
            Text {
                id: ambient
                objectName: "workAmbient"
                visible: M.para("m_nEnableTempl", "1") !== "0"
                width: 130 * sw
                height: parent.height
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                text: "0" + M.unitSign(M.toInt(M.para("m_nCurTemeratureUnit", "0"), 0) === 0 ? 0 : 1)
                color: "white"
                font.family: localFont.name
                font.pixelSize: 25 * sm
            }
            Item {
                visible: M.para("m_nEnableHumidy", "1") !== "0"
                width: 150 * sw
                height: parent.height
                Image {
                    x: 0
                    anchors.verticalCenter: parent.verticalCenter
                    width: 28 * sw
                    height: 35 * sh
                    source: "qrc:/VevOdara_new/Image/湿度.png"
                    fillMode: Image.PreserveAspectFit
                }
                Text {
                    id: humidity
                    objectName: "workHumidity"
                    x: 36 * sw
                    height: parent.height
                    verticalAlignment: Text.AlignVCenter
                    text: "0%"
                    color: "white"
                    font.family: localFont.name
                    font.pixelSize: 25 * sm
                }
            }
        }
    }

    Rectangle {
        x: 600 * sw
        y: 15 * sh
        width: 185 * sw
        height: 62 * sh
        radius: 8 * sm
        color: "#000e33"
        border.color: "#3c73b4"
        border.width: 2 * sw
        Text {
            x: 16 * sw
            height: parent.height
            verticalAlignment: Text.AlignVCenter
            text: qsTr("压力")
            color: "#a9c8ee"
            font.family: localFont.name
            font.pixelSize: 25 * sm
        }
        Text {
            id: pressure
            objectName: "workPressure"
            anchors.right: parent.right
            anchors.rightMargin: 20 * sw
            height: parent.height
            verticalAlignment: Text.AlignVCenter
            text: "0"
            color: "white"
            font.family: localFont.name
            font.bold: true
            font.pixelSize: 36 * sm
        }
    }
}
