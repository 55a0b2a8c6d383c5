import QtQuick 2.12
import "keyclick.js" as KeyClick

// A tile whose image fills it, with an optional delete badge shown by a press held for one
// second (useRMrect). While the badge shows, the release of that press is swallowed; pressing
// the badge emits pressrm, pressing the tile hides it.
Rectangle {
    id: root

    property bool bvisible: true
    property bool checkable: false
    property bool checked: false
    property bool hoverenable: true
    property int tag_posi_type: 0
    property string tag: ""
    property string tag_checked: ""
    property color tag_normal_color: "#000000"
    property color tag_checked_color: "#000000"
    property real font_pSize: 20 * dShowRatio_Min
    property string icon_src: "qrc:/VNQML/Image/none.png"
    property string icon_src_checked: "qrc:/VNQML/Image/none.png"
    property bool useRMrect: false
    property bool bRMpimshow: false
    property int clickCount: 0
    // The press of this gesture waits to see whether it becomes a long press.
    property bool deferredPress: false
    property alias image: image
    property alias lbname: caption
    readonly property bool showsChecked: checkable && checked
    readonly property string pressedSource: icon_src_checked === "qrc:/VNQML/Image/none.png" ? icon_src : icon_src_checked

    signal click
    signal click_checked
    signal press
    signal release
    signal pressrm

    visible: bvisible
    implicitHeight: 40 * dShowRatio_H
    implicitWidth: 1.3 * implicitHeight
    color: "#004488aa"

    function restingSource() {
        return showsChecked ? icon_src_checked : icon_src;
    }

    Image {
        id: image
        anchors.fill: parent
        anchors.margins: root.border.width
        source: root.restingSource()
        fillMode: root.tag_posi_type === 0 ? Image.PreserveAspectFit : Image.Stretch
        smooth: true
        Behavior on scale {
            NumberAnimation {
                duration: 80
            }
        }
    }

    Column {
        id: captionColumn
        x: 0
        y: root.tag_posi_type === 0 ? root.height : 0
        width: root.width
        topPadding: 5
        Item {
            width: 1
            height: root.tag_posi_type === 0 ? 7 : 0
        }
        Text {
            id: caption
            width: captionColumn.width
            text: root.showsChecked ? root.tag_checked : root.tag
            color: root.showsChecked ? root.tag_checked_color : root.tag_normal_color
            wrapMode: Text.WordWrap
            lineHeightMode: Text.FixedHeight
            lineHeight: root.height / 4
            horizontalAlignment: root.tag_posi_type === 0 ? Text.AlignHCenter : Text.AlignLeft
            font.family: localFont.name
            font.pointSize: Math.max(1, root.font_pSize)
        }
    }

    Timer {
        id: holdTimer
        interval: 1000
        onTriggered: {
            if (root.clickCount === 1)
                root.bRMpimshow = !root.bRMpimshow;
        }
    }
    Timer {
        id: tapTimer
        interval: 300
        onTriggered: {
            if (root.clickCount === 1) {
                root.clickCount = 0;
                root.click();
            }
        }
    }

    MouseArea {
        anchors.fill: parent
        hoverEnabled: root.hoverenable
        onEntered: image.scale = 1.2
        onExited: {
            image.scale = 1.0;
            image.source = Qt.binding(root.restingSource);
        }
        onPressed: {
            KeyClick.send(true);
            image.scale = 0.9;
            root.clickCount += 1;
            root.deferredPress = root.useRMrect && root.clickCount === 1;
            if (root.deferredPress) {
                holdTimer.restart();
                return;
            }
            root.bRMpimshow = false;
            if (root.checkable)
                root.click_checked();
            else
                root.click();
            image.source = root.pressedSource;
            root.press();
        }
        onReleased: {
            if (root.bRMpimshow)
                return;
            image.scale = 1.0;
            image.source = Qt.binding(root.restingSource);
            if (root.checkable)
                root.checked = !root.checked;
            else
                root.checked = false;
            root.release();
            root.clickCount = 0;
            KeyClick.send(false);
        }
        onCanceled: {
            image.scale = 1.0;
            root.clickCount = 0;
            KeyClick.send(false);
        }
        onClicked: {
            // Only a deferred press becomes a click here; one that acted at press already did.
            if (!root.useRMrect || !root.deferredPress || root.bRMpimshow)
                return;
            root.clickCount += 1;
            if (root.clickCount === 1)
                tapTimer.restart();
        }
    }

    Rectangle {
        id: badge
        objectName: "deleteBadge"
        visible: root.bRMpimshow
        width: image.width / 2
        height: image.height / 2
        anchors.left: image.right
        anchors.top: image.top
        radius: 4 * dShowRatio_Min
        color: "#CC000000"
        Image {
            anchors.fill: parent
            anchors.margins: parent.width * 0.12
            source: "qrc:/VevOdara_new/Image/关闭_check.png"
            fillMode: Image.PreserveAspectFit
            smooth: true
        }
        MouseArea {
            anchors.fill: parent
            onPressed: {
                KeyClick.send(true);
                root.pressrm();
            }
            onReleased: KeyClick.send(false)
        }
    }
}
