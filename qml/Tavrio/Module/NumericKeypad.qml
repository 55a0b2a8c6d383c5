import QtQuick 2.12
import "keyedit.js" as KeyEdit
import "qrc:/VNQML/Tool/keyclick.js" as KeyClick

// The numeric keypad of every VInput_Suffix: edits a copy of the target input's text, applies
// the target's range rule on confirm and writes the result back.
Rectangle {
    id: root

    readonly property var target: m_para.targetInput ? m_para.targetInput : null
    property alias field: field

    color: "#B0C4DE"
    radius: 10
    border.width: 2
    border.color: "#3c73b4"

    function select_all() {
        field.text = target ? target.text : "";
        field.selectAll();
    }
    function finish() {
        var input = target;
        m_para.close_keyboard();
        if (input)
            input.focus = false;
    }
    function press_key(key) {
        if (!target)
            return;
        if (key === "确定") {
            var result = KeyEdit.applyRule(m_para.targetInputId, field.text);
            target.text = result;
            finish();
        } else if (key === "取消") {
            finish();
        } else if (key === "清空") {
            field.text = "";
        } else if (key === "Del") {
            KeyEdit.backspace(field);
        } else {
            KeyEdit.insert(field, key);
        }
    }

    onTargetChanged: field.text = target ? target.text : ""

    // The keypad takes every touch on it.
    MouseArea {
        anchors.fill: parent
    }

    Text {
        id: nameLabel
        width: 200
        height: 60
        text: m_para.targetName
        horizontalAlignment: Text.AlignRight
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideLeft
        color: "#102040"
        font.family: localFont.name
        font.pixelSize: 30
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: 14
    }
    Rectangle {
        x: nameLabel.width + 10
        y: 5
        width: root.width - x - 10
        height: 50
        radius: 5
        color: "white"
        border.color: "#3c73b4"
        clip: true
        TextInput {
            id: field
            objectName: "keypadField"
            anchors.fill: parent
            anchors.leftMargin: 6
            anchors.rightMargin: 6
            verticalAlignment: TextInput.AlignVCenter
            horizontalAlignment: TextInput.AlignHCenter
            activeFocusOnPress: false
            persistentSelection: true
            cursorVisible: root.visible
            selectionColor: "#808000"
            echoMode: m_para.targetIsPasswd ? TextInput.Password : TextInput.Normal
            font.family: localFont.name
            font.pixelSize: 20
        }
    }

    Grid {
        id: keys
        x: 5
        y: 60
        width: root.width - 10
        height: root.height - 60 - 5
        columns: 3
        Repeater {
            model: ["1", "2", "3", "4", "5", "6", "7", "8", "9", ".", "0", "00", "+", "-", QT_TRANSLATE_NOOP("NumericKeypad", "确定"), QT_TRANSLATE_NOOP("NumericKeypad", "清空"), "Del", QT_TRANSLATE_NOOP("NumericKeypad", "取消")]
            delegate: Item {
                width: (root.width - 10) / 3
                height: (root.height - 60) / 6
                Rectangle {
                    anchors.fill: parent
                    anchors.margins: 5
                    radius: 5
                    color: keyArea.pressed ? "#e4eefb" : (modelData === "确定" ? "#fff4e6" : "white")
                    border.color: "#8aa4c8"
                    Text {
                        id: keyLabel
                        anchors.fill: parent
                        anchors.leftMargin: 8
                        horizontalAlignment: keyArea.pressed ? Text.AlignLeft : Text.AlignHCenter
                        verticalAlignment: Text.AlignVCenter
                        text: qsTranslate("NumericKeypad", modelData)
                        color: keyArea.pressed ? "blue" : "black"
                        font.family: localFont.name
                        font.bold: true
                        font.pixelSize: keyArea.pressed ? 25 : 20
                    }
                    MouseArea {
                        id: keyArea
                        objectName: "key_" + modelData
                        anchors.fill: parent
                        onPressed: KeyClick.send(true)
                        onReleased: KeyClick.send(false)
                        onClicked: root.press_key(modelData)
                    }
                }
            }
        }
    }
}
