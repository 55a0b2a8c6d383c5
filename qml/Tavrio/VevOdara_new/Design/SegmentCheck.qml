import QtQuick 2.12

// The segment-mode switch of the work screen: a large check box bound to a parameter. Drawn
// here rather than taken from the toolkit's controls, which the start screen would otherwise
// load at power-on for this one box.
Rectangle {
    id: root

    property string para_name: ""
    property bool checked: false

    signal click(bool checked)

    function fresh_data() {
        if (para_name !== "")
            checked = String(cpp_para.try_get_para(para_name, "0")) === "1";
    }

    Component.onCompleted: fresh_data()

    Connections {
        target: cpp_signal
        onQml_fresh_parameter: root.fresh_data()
    }

    radius: 4 * dShowRatio_Min
    color: "white"
    border.color: root.checked ? "#3c73b4" : "#7f8fa6"
    border.width: 2 * dShowRatio_Min

    Rectangle {
        visible: root.checked
        anchors.fill: parent
        anchors.margins: 5 * dShowRatio_Min
        radius: 3 * dShowRatio_Min
        color: "#3c73b4"
    }

    MouseArea {
        anchors.fill: parent
        // A finger is wider than the box.
        anchors.margins: -12 * dShowRatio_Min
        onPressed: cpp_tool.send_cmd("tavrio", "Qml##Bee##1")
        onReleased: cpp_tool.send_cmd("tavrio", "Qml##Bee##0")
        onCanceled: cpp_tool.send_cmd("tavrio", "Qml##Bee##0")
        onClicked: {
            root.checked = !root.checked;
            if (root.para_name !== "")
                cpp_para.set_para(root.para_name, root.checked ? "1" : "0");
            root.click(root.checked);
        }
    }
}
