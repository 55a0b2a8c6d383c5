import QtQuick 2.12
import "keyedit.js" as KeyEdit
import "qrc:/VNQML/Tool/keyclick.js" as KeyClick

// The key field of the text keyboards: four rows of ten keys (digits, letters, "_", caps,
// delete, confirm) typing into `field`. No space key and no length limit.
Item {
    id: root

    property var field: null
    property bool caps: false
    readonly property real s: dShowRatio_Min

    signal confirm

    readonly property var rows: [
        ["1", "2", "3", "4", "5", "6", "7", "8", "9", "0"],
        ["q", "w", "e", "r", "t", "y", "u", "i", "o", "p"],
        ["a", "s", "d", "f", "g", "h", "j", "k", "l", "_"],
        ["#caps", "z", "x", "c", "v", "b", "n", "m", "#del", "#ok"]
    ]

    function label_of(key) {
        if (key === "#caps")
            return caps ? "CAP" : "cap";
        if (key === "#del" || key === "#ok")
            return "";
        return caps ? key.toUpperCase() : key;
    }
    function press_key(key) {
        if (key === "#caps") {
            caps = !caps;
        } else if (key === "#del") {
            if (field)
                KeyEdit.backspace(field);
        } else if (key === "#ok") {
            confirm();
        } else if (field) {
            KeyEdit.insert(field, label_of(key));
        }
    }

    Grid {
        id: grid
        x: 10 * dShowRatio_W
        y: 20 * dShowRatio_H
        columns: 10
        Repeater {
            model: 40
            delegate: Item {
                readonly property string key: root.rows[Math.floor(index / 10)][index % 10]
                width: (root.width - 20 * dShowRatio_W) / 10
                height: (root.height - 20 * dShowRatio_H) / 4
                Rectangle {
                    anchors.fill: parent
                    anchors.leftMargin: 5 * root.s
                    anchors.rightMargin: 5 * root.s
                    anchors.topMargin: 10 * root.s
                    anchors.bottomMargin: 10 * root.s
                    radius: 5 * root.s
                    color: key === "#ok" ? "#d8262e" : "transparent"
                    Image {
                        anchors.fill: parent
                        source: "qrc:/VevOdara_new/Image/键盘按钮.png"
                        smooth: true
                        opacity: keyArea.pressed ? 0.7 : 1.0
                    }
                    Image {
                        visible: key === "#del" || key === "#ok"
                        anchors.fill: parent
                        anchors.topMargin: 20 * root.s
                        anchors.bottomMargin: 20 * root.s
                        anchors.leftMargin: 15 * root.s
                        anchors.rightMargin: 15 * root.s
                        fillMode: Image.PreserveAspectFit
                        smooth: true
                        source: key === "#del" ? "qrc:/VevOdara_new/Image/键盘删除.png" : key === "#ok" ? "qrc:/VevOdara_new/Image/打钩.png" : ""
                    }
                    Text {
                        anchors.fill: parent
                        anchors.leftMargin: 6 * root.s
                        text: root.label_of(key)
                        color: keyArea.pressed ? "#00d000" : "white"
                        horizontalAlignment: keyArea.pressed ? Text.AlignLeft : Text.AlignHCenter
                        verticalAlignment: Text.AlignVCenter
                        font.family: localFont.name
                        font.bold: true
                        font.pixelSize: (keyArea.pressed ? 40 : 25) * root.s
                    }
                    MouseArea {
                        id: keyArea
                        objectName: "textkey_" + key
                        anchors.fill: parent
                        onPressed: KeyClick.send(true)
                        onReleased: KeyClick.send(false)
                        onClicked: root.press_key(key)
                    }
                }
            }
        }
    }
}
