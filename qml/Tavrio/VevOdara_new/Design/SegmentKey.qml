import QtQuick 2.12

// One countdown segment of the work screen: its number and time. A tap selects it, holding it
// for a second asks to delete it.
Rectangle {
    id: root

    property int number: 1
    property int seconds: 0
    property bool selected: false

    signal tapped
    signal held

    radius: 8 * dShowRatio_Min
    color: area.pressed ? "#3f8fdf" : (selected ? "#5fb4ff" : "#163e6e")
    border.color: selected ? "white" : "#3c73b4"
    border.width: (selected ? 3 : 2) * dShowRatio_Min

    Column {
        anchors.centerIn: parent
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: root.number
            color: root.selected ? "#001a3a" : "#a9c8ee"
            font.family: localFont.name
            font.bold: true
            font.pixelSize: 16 * dShowRatio_Min
        }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: root.seconds + "S"
            color: root.selected ? "#001a3a" : "white"
            font.family: localFont.name
            font.bold: true
            font.pixelSize: 20 * dShowRatio_Min
        }
    }

    MouseArea {
        id: area
        anchors.fill: parent
        pressAndHoldInterval: 1000
        onPressed: cpp_tool.send_cmd("tavrio", "Qml##Bee##1")
        onReleased: cpp_tool.send_cmd("tavrio", "Qml##Bee##0")
        onCanceled: cpp_tool.send_cmd("tavrio", "Qml##Bee##0")
        onClicked: root.tapped()
        onPressAndHold: root.held()
    }
}
