import QtQuick 2.12

// A tab of VTabBar: pressing it makes it the bar's current tab, then emits click.
Rectangle {
    id: root

    property int index: 0
    property bool checked: false
    property string btn_text: ""
    property color checked_color: "#00000000"
    property color uncheckde_color: "lightgray"
    property color check_text_color: "black"
    property color text_color: "black"
    property real text_size: 16 * dShowRatio_W

    signal click

    implicitWidth: 100 * dShowRatio_W
    implicitHeight: 30 * dShowRatio_H
    color: checked ? checked_color : uncheckde_color

    Text {
        anchors.centerIn: parent
        text: root.btn_text
        color: root.checked ? root.check_text_color : root.text_color
        font.family: localFont.name
        font.pointSize: Math.max(1, 12 * dShowRatio_Min)
    }
    MouseArea {
        anchors.fill: parent
        onPressed: {
            if (root.parent && root.parent.currentIndex !== undefined)
                root.parent.currentIndex = root.index;
            root.click();
        }
    }
}
