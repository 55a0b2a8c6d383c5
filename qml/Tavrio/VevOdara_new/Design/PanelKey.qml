import QtQuick 2.12

// A large touch key of the work screen: glyph or label, key click, a clear pressed state and
// `activated` when the finger is lifted on the key (sliding off cancels).
Rectangle {
    id: root

    property string label: ""
    property real labelSize: 40 * dShowRatio_Min
    property color baseColor: "#1b4f8a"
    property color pressedColor: "#3f8fdf"
    property color labelColor: "white"
    property bool bold: true

    signal activated

    radius: 10 * dShowRatio_Min
    color: area.pressed ? pressedColor : baseColor
    border.color: area.pressed ? "white" : "#3c73b4"
    border.width: 2 * dShowRatio_Min
    opacity: enabled ? 1.0 : 0.35

    Text {
        anchors.centerIn: parent
        text: root.label
        color: root.labelColor
        font.family: localFont.name
        font.bold: root.bold
        font.pixelSize: Math.max(1, root.labelSize * (area.pressed ? 1.15 : 1.0))
    }

    MouseArea {
        id: area
        anchors.fill: parent
        onPressed: cpp_tool.send_cmd("tavrio", "Qml##Bee##1")
        onReleased: cpp_tool.send_cmd("tavrio", "Qml##Bee##0")
        onCanceled: cpp_tool.send_cmd("tavrio", "Qml##Bee##0")
        onClicked: root.activated()
    }
}
