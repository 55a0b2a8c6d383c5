import QtQuick 2.12
import "keyclick.js" as KeyClick

// The rounded text button shared by VButton_Text and its icon variants.
//   kind 0: label only; 1: image over the whole button, label centred beneath it;
//   2: square image at the left edge, label to its right.
Rectangle {
    id: root

    property string btn_text: qsTr("Text")
    property color tag_color: "black"
    property real font_pSize: height - 14 * dShowRatio_Min
    property color bkcolor: "#99c5ff"
    property color border_color: "#67a0ff"
    property string btn_icon: ""
    property int kind: 0
    property bool enterUsesBkColor: false
    property bool detectLongPress: false
    property alias label: label
    property alias image: image
    property alias mouseArea: area

    // one gesture's counters
    property int clickCount: 0
    property int pressCount: 0

    signal click
    signal doubleclick
    signal buttonUp
    signal press
    signal release
    signal presslong

    implicitWidth: label.implicitWidth + 10 * dShowRatio_W
    implicitHeight: 30 * dShowRatio_H
    radius: height / 2
    color: bkcolor
    border.color: border_color

    Image {
        id: image
        visible: root.kind !== 0 && source != ""
        source: root.btn_icon
        x: root.kind === 2 ? 10 : 0
        width: root.kind === 2 ? root.height : root.width
        height: root.height
        fillMode: Image.PreserveAspectFit
        smooth: true
        z: root.kind === 1 ? 1 : 0
    }

    Text {
        id: label
        x: root.kind === 2 ? image.x + image.width + 10 : (root.width - width) / 2
        anchors.verticalCenter: parent.verticalCenter
        text: root.btn_text
        color: root.tag_color
        font.family: localFont.name
        font.pointSize: Math.max(1, root.font_pSize * 0.75)
    }

    Timer {
        id: tapTimer
        interval: 300
        onTriggered: {
            const taps = root.clickCount;
            root.clickCount = 0;
            if (taps === 1)
                root.click();
            else if (taps > 1)
                root.doubleclick();
        }
    }
    Timer {
        id: longTimer
        interval: 1000
        onTriggered: {
            if (root.pressCount === 1)
                root.presslong();
        }
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        onEntered: root.color = root.enterUsesBkColor ? root.bkcolor : "#ff8800"
        onExited: root.color = Qt.binding(function () { return root.bkcolor; })
        onPressed: {
            KeyClick.send(true);
            label.color = root.enterUsesBkColor ? "white" : "#00aa00";
            if (root.detectLongPress) {
                root.pressCount += 1;
                if (root.pressCount === 1)
                    longTimer.restart();
            }
            root.press();
        }
        onReleased: {
            root.pressCount = 0;
            label.color = Qt.binding(function () { return root.tag_color; });
            root.buttonUp();
            root.release();
            KeyClick.send(false);
        }
        onCanceled: {
            root.pressCount = 0;
            label.color = Qt.binding(function () { return root.tag_color; });
            root.color = Qt.binding(function () { return root.bkcolor; });
            KeyClick.send(false);
        }
        onClicked: {
            root.clickCount += 1;
            if (root.clickCount === 1)
                tapTimer.restart();
        }
        // A double click reported by the pointer system is not counted as a tap.
        onDoubleClicked: root.doubleclick()
    }
}
