import QtQuick 2.12
import "keyclick.js" as KeyClick

// An icon with a caption: the tiles of the menus. Acts at press, without delay.
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
    property alias image: image
    property alias lbname: caption
    readonly property bool showsChecked: checkable && checked
    // The pressed image; a tile without one keeps its own image under the finger.
    readonly property string pressedSource: icon_src_checked === "qrc:/VNQML/Image/none.png" ? icon_src : icon_src_checked

    signal click
    signal click_checked
    signal press
    signal release

    visible: bvisible
    implicitHeight: 40 * dShowRatio_H
    implicitWidth: 1.3 * implicitHeight
    color: "#004488aa"

    Image {
        id: image
        width: root.height
        height: root.height
        anchors.centerIn: parent
        source: root.showsChecked ? root.icon_src_checked : root.icon_src
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
        x: image.x
        y: root.tag_posi_type === 0 ? image.y + image.height : image.y
        width: image.width
        topPadding: root.tag_posi_type === 0 ? 5 * dShowRatio_W : 10 * dShowRatio_W
        spacing: 0
        Item {
            width: 1
            height: root.tag_posi_type === 0 ? 4 : 0
        }
        Text {
            id: caption
            width: captionColumn.width
            height: root.font_pSize * 2.5
            text: root.showsChecked ? root.tag_checked : root.tag
            color: root.showsChecked ? root.tag_checked_color : root.tag_normal_color
            wrapMode: Text.WordWrap
            lineHeightMode: Text.FixedHeight
            lineHeight: root.font_pSize * 1.4
            horizontalAlignment: root.tag_posi_type === 0 ? Text.AlignHCenter : Text.AlignLeft
            verticalAlignment: root.tag_posi_type === 0 ? Text.AlignVCenter : Text.AlignTop
            font.family: localFont.name
            font.pointSize: Math.max(1, root.font_pSize)
        }
    }

    MouseArea {
        anchors.fill: parent
        hoverEnabled: root.hoverenable
        onEntered: image.scale = 1.2
        onExited: {
            image.scale = 1.0;
            image.source = Qt.binding(function () {
                return root.showsChecked ? root.icon_src_checked : root.icon_src;
            });
        }
        onPressed: {
            KeyClick.send(true);
            image.scale = 0.9;
            if (root.checkable)
                root.click_checked();
            else
                root.click();
            image.source = root.pressedSource;
            root.press();
        }
        onReleased: {
            image.scale = 1.0;
            image.source = Qt.binding(function () {
                return root.showsChecked ? root.icon_src_checked : root.icon_src;
            });
            if (root.checkable)
                root.checked = !root.checked;
            else
                root.checked = false;
            root.release();
            KeyClick.send(false);
        }
        onCanceled: {
            image.scale = 1.0;
            KeyClick.send(false);
        }
    }
}
