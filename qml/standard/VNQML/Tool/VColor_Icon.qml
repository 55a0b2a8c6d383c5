import QtQuick 2.12
import QtGraphicalEffects 1.12
import "keyclick.js" as KeyClick

// An icon drawn in one flat colour: the small back, add, edit and delete buttons. The tint needs
// the OpenGL scene graph; under the software renderer the image is shown as drawn (the artwork is
// drawn in the normal tint).
Rectangle {
    id: root

    property string icon_src: "qrc:/VNQML/Image/none.png"
    property string icon_checked_src: "qrc:/VNQML/Image/none.png"
    property color icon_normal_color: "#80BAFF"
    property color icon_checked_color: "#80BAFF"
    property real offset: 16 * dShowRatio_W
    property bool checkable: false
    property bool checked: false
    property string tips: ""
    property color tips_color: "black"
    property int tips_pos: 0
    property bool tips_show: true
    property bool showCheckedTint: checkable && checked
    readonly property string checkedSource: icon_checked_src === "qrc:/VNQML/Image/none.png" ? icon_src : icon_checked_src
    readonly property bool canTint: GraphicsInfo.api !== GraphicsInfo.Software && GraphicsInfo.api !== GraphicsInfo.Unknown

    signal click
    signal doubleclick
    signal release
    signal press
    signal enter
    signal exit

    implicitWidth: 40 * dShowRatio_W
    implicitHeight: 40 * dShowRatio_W
    color: "transparent"

    function update_btn_color(value) {
        checked = value;
        showCheckedTint = Qt.binding(function () {
            return checkable && checked;
        });
    }

    Image {
        id: image
        anchors.centerIn: parent
        width: Math.max(0, root.width - root.offset)
        height: Math.max(0, root.height - root.offset)
        source: root.icon_src
        fillMode: Image.PreserveAspectFit
        smooth: true
        visible: !root.canTint
        Behavior on scale {
            NumberAnimation {
                duration: 80
            }
        }
    }
    ColorOverlay {
        visible: root.canTint
        anchors.fill: image
        scale: image.scale
        source: image
        color: root.showCheckedTint ? root.icon_checked_color : root.icon_normal_color
    }

    Rectangle {
        id: tipBox
        visible: false
        width: tipText.implicitWidth + 10 * dShowRatio_W
        height: tipText.implicitHeight + 2 * dShowRatio_H
        anchors.horizontalCenter: parent.horizontalCenter
        y: root.tips_pos === 0 ? root.height : -height
        z: 10
        color: "white"
        border.width: 1
        border.color: "lightgray"
        Text {
            id: tipText
            anchors.centerIn: parent
            text: root.tips
            color: root.tips_color
            font.family: localFont.name
            font.pointSize: Math.max(1, 9 * dShowRatio_Min)
        }
    }

    MouseArea {
        anchors.fill: parent
        hoverEnabled: true
        onEntered: {
            root.color = "#559ac6ff";
            if (root.tips !== "") {
                image.source = root.checkedSource;
                tipBox.visible = root.tips_show;
            }
            root.enter();
        }
        onExited: {
            root.color = "transparent";
            tipBox.visible = false;
            image.source = Qt.binding(function () {
                return root.icon_src;
            });
            if (!root.checkable)
                root.showCheckedTint = false;
            root.exit();
        }
        onPressed: {
            KeyClick.send(true);
            root.press();
            if (!root.checkable)
                root.showCheckedTint = true;
            image.scale = 0.6;
        }
        onReleased: {
            root.release();
            if (!root.checkable)
                root.showCheckedTint = false;
            image.scale = 1.0;
            KeyClick.send(false);
        }
        onCanceled: {
            image.scale = 1.0;
            KeyClick.send(false);
        }
        onClicked: {
            if (root.checkable) {
                root.checked = !root.checked;
                root.showCheckedTint = root.checked;
            } else {
                root.forceActiveFocus();
            }
            root.click();
        }
        onDoubleClicked: root.doubleclick()
    }
}
