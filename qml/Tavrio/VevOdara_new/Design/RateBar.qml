import QtQuick 2.12

// A progress bar of the work screen: lit from the left up to `rate` percent, the rest dimmed.
Rectangle {
    id: root

    property real rate: 100
    property color fillColor: "#ff3b30"

    radius: height / 2
    color: fillColor
    clip: true

    Rectangle {
        objectName: "unlit"
        anchors.right: parent.right
        width: parent.width * (100 - Math.max(0, Math.min(100, root.rate))) / 100
        height: parent.height
        radius: root.radius
        color: "#33415a"
    }
}
