import QtQuick 2.12

// The frame of the two set-point pages: title, value field and a 6 x 3 keypad. Digits, delete
// and clear edit the field here; the page decides what plus, minus, the unit key, back and OK do.
Rectangle {
    id: root

    readonly property real sw: dShowRatio_W
    readonly property real sh: dShowRatio_H
    readonly property real sm: dShowRatio_Min

    property string title: ""
    // The key between "9" and the empty key: "C/F" on the temperature page, "00" on the timer page.
    property string thirdRowKey: "00"
    property alias field: field
    property alias text: field.text

    signal edited
    signal step(int delta)
    signal unitKey
    signal back
    signal ok

    width: 800 * sw
    height: 480 * sh
    color: "#000814"

    function setValue(value) {
        field.text = String(value);
        field.selectAll();
    }

    function insertText(label) {
        if (field.selectedText.length > 0)
            field.remove(field.selectionStart, field.selectionEnd);
        field.insert(field.cursorPosition, label);
        edited();
    }

    function deleteBack() {
        if (field.selectedText.length > 1) {
            field.remove(field.selectionStart, field.selectionEnd);
        } else if (field.cursorPosition > 0) {
            var at = field.cursorPosition;
            field.deselect();
            field.remove(at - 1, at);
        }
    }

    function press(key) {
        if (/^[0-9]+$/.test(key)) {
            insertText(key);
        } else if (key === "delete") {
            deleteBack();
        } else if (key === "C") {
            field.text = "";
        } else if (key === "plus") {
            step(1);
        } else if (key === "minus") {
            step(-1);
        } else if (key === "C/F") {
            unitKey();
        } else if (key === "back") {
            back();
        } else if (key === "ok") {
            ok();
        }
    }

    Image {
        anchors.fill: parent
        source: "qrc:/VevOdara_new/Image/bk_0.png"
    }

    Rectangle {
        id: titleBox
        x: 15 * sw
        y: 10 * sh
        width: 540 * sw
        height: 90 * sh
        radius: 8 * sm
        color: "#000e33"
        border.color: "#3c73b4"
        border.width: 2 * sm
        Text {
            objectName: "setPointTitle"
            anchors.fill: parent
            anchors.leftMargin: 24 * sw
            verticalAlignment: Text.AlignVCenter
            text: root.title
            color: "white"
            font.family: localFont.name
            font.pixelSize: 40 * sm
        }
    }

    Rectangle {
        x: titleBox.x + titleBox.width + 10 * sw
        y: titleBox.y
        width: 220 * sw
        height: 90 * sh
        radius: 8 * sm
        color: "#000e33"
        border.color: "#3c73b4"
        border.width: 2 * sm
        clip: true
        TextInput {
            id: field
            objectName: "setPointField"
            anchors.fill: parent
            anchors.margins: 8 * sm
            horizontalAlignment: TextInput.AlignHCenter
            verticalAlignment: TextInput.AlignVCenter
            color: "white"
            selectionColor: "#808000"
            selectedTextColor: "white"
            persistentSelection: true
            // The keypad is the only input; no system keyboard may take the field.
            activeFocusOnPress: false
            readOnly: false
            cursorVisible: true
            font.family: localFont.name
            font.bold: true
            font.pixelSize: 64 * sm
        }
    }

    Grid {
        id: keys
        x: 10 * sw
        y: 110 * sh
        columns: 6
        readonly property real cellWidth: (root.width - 20 * sw) / 6
        readonly property real cellHeight: (root.height - y - 30 * sh) / 3
        Repeater {
            // [key, label]: a label of "" shows the key's picture instead.
            model: [["1", "1"], ["2", "2"], ["3", "3"], ["0", "0"], ["plus", "+"], ["delete", ""], ["4", "4"], ["5", "5"], ["6", "6"], ["C", "C"], ["minus", "−"], ["back", ""], ["7", "7"], ["8", "8"], ["9", "9"], [root.thirdRowKey, root.thirdRowKey], ["", ""], ["ok", ""]]
            delegate: Item {
                width: keys.cellWidth
                height: keys.cellHeight
                readonly property string key: modelData[0]
                readonly property string picture: key === "delete" ? "qrc:/VevOdara_new/Image/键盘删除.png" : key === "back" ? "qrc:/VevOdara_new/Image/键盘返回.png" : key === "ok" ? "qrc:/VevOdara_new/Image/打钩.png" : ""
                Rectangle {
                    objectName: key === "" ? "key_empty" : "key_" + (key === "C/F" ? "unit" : key)
                    anchors.fill: parent
                    anchors.margins: 6 * sm
                    radius: 8 * sm
                    color: key === "ok" ? (area.pressed ? "#ff4a52" : "#c8202a") : (area.pressed ? "#2f6db0" : "#13345c")
                    border.color: area.pressed ? "white" : "#3c73b4"
                    border.width: 2 * sm
                    opacity: key === "" ? 0.4 : 1.0
                    Image {
                        id: pic
                        visible: picture !== ""
                        anchors.centerIn: parent
                        width: parent.width * (area.pressed ? 0.6 : 0.5)
                        height: parent.height * (area.pressed ? 0.6 : 0.5)
                        source: picture
                        fillMode: Image.PreserveAspectFit
                        smooth: true
                    }
                    Text {
                        anchors.centerIn: parent
                        // Without its picture a key still says what it does.
                        text: modelData[1] !== "" ? modelData[1] : (pic.status === Image.Ready ? "" : key === "delete" ? "Del" : key === "back" ? qsTr("返回") : key === "ok" ? qsTr("确定") : "")
                        color: "white"
                        font.family: localFont.name
                        font.bold: true
                        font.pixelSize: (area.pressed ? 56 : 40) * sm
                    }
                    MouseArea {
                        id: area
                        anchors.fill: parent
                        enabled: key !== ""
                        onPressed: cpp_tool.send_cmd("tavrio", "Qml##Bee##1")
                        onReleased: cpp_tool.send_cmd("tavrio", "Qml##Bee##0")
                        onCanceled: cpp_tool.send_cmd("tavrio", "Qml##Bee##0")
                        onClicked: root.press(key)
                    }
                }
            }
        }
    }
}
