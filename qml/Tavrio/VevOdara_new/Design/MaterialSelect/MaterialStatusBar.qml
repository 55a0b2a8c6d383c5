import QtQuick 2.12
import VNQML 1.0
import "../workmaterial.js" as M

// The status strip of the application view: clock, ambient temperature and humidity.
Item {
    id: root
    objectName: "materialStatusBarPage"

    readonly property real sw: dShowRatio_W
    readonly property real sh: dShowRatio_H
    readonly property real sm: dShowRatio_Min

    Component.onCompleted: clock.value = M.clockText()

    Timer {
        interval: 10000
        running: true
        repeat: true
        onTriggered: clock.value = M.clockText()
    }

    Connections {
        target: cpp_signal
        onUpdate_vevodara_ambienttemp: ambient.text = M.ambientText(dtemp, M.toInt(M.para("m_nCurTemeratureUnit", "0"), 0) === 0 ? 0 : 1)
        onUpdate_vevodara_humidity: humidity.text = M.humidityText(dhuidity)
    }

    Rectangle {
        anchors.fill: parent
        anchors.margins: 15 * sm
        anchors.rightMargin: 16 * sm
        radius: 8 * sm
        color: "#000e33"
        border.color: "#3c73b4"
        border.width: 2 * sw

        Row {
            anchors.fill: parent
            spacing: 10 * sm

            VText {
                id: clock
                objectName: "statusClock"
                width: 280 * sw
                height: parent.height
                tag: ""
                tag_width: 0
                value_align: "left"
                value_color: "white"
                text_size: 25 * sm
                textr.width: 260 * sw
            }
            Text {
                id: ambient
                objectName: "statusAmbient"
                visible: M.para("m_nEnableTempl", "1") !== "0"
                width: 170 * sw
                height: parent.height
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                text: "0" + M.unitSign(M.toInt(M.para("m_nCurTemeratureUnit", "0"), 0) === 0 ? 0 : 1)
                color: "white"
                font.family: localFont.name
                font.pointSize: Math.max(1, 20 * sm * dShowRatio_Min)
            }
            Item {
                visible: M.para("m_nEnableHumidy", "1") !== "0"
                width: 190 * sw
                height: parent.height
                Image {
                    x: 30 * sw
                    anchors.verticalCenter: parent.verticalCenter
                    width: 28 * sw
                    height: 35 * sh
                    source: "qrc:/VevOdara_new/Image/湿度.png"
                    fillMode: Image.PreserveAspectFit
                }
                Image {
                    x: 53 * sw
                    anchors.verticalCenter: parent.verticalCenter
                    width: 40 * sw
                    height: 35 * sh
                    source: "qrc:/VevOdara_new/Image/冒号.png"
                    fillMode: Image.PreserveAspectFit
                }
                Text {
                    id: humidity
                    objectName: "statusHumidity"
                    x: 85 * sw
                    width: 85 * sw
                    height: parent.height
                    verticalAlignment: Text.AlignVCenter
                    text: "0%"
                    color: "white"
                    font.family: localFont.name
                    font.pointSize: Math.max(1, 20 * sm * dShowRatio_Min)
                }
            }
        }
    }
}
