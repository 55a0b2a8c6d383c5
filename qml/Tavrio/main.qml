import QtQuick 2.12
import QtQuick.Window 2.12
import "Dialog"

Window {
    id: window
    objectName: "mainWindow"
    visible: true
    width: 800
    height: 480
    color: "#0d1b2a"
    title: "Tavrio"

    Text {
        anchors.centerIn: parent
        color: "#e0e6ee"
        font.pixelSize: 28
        text: "Tavrio"
    }

    ModalBox {
        anchors.fill: parent
        z: 1000
    }
}
