import QtQuick 2.12

// Movable pop-up frame: the base of the message boxes and dialogs. Created in a layer of the main
// window with component_src and input_para; the close cross destroys it.
Rectangle {
    id: root

    property string title_text: qsTr("标题")
    property real title_height: 35 * dShowRatio_H
    property string component_src: ""
    property var input_para: ({})
    property var mainwin: null
    property bool use_mainwin: false

    signal close

    implicitWidth: 513 * dShowRatio_W
    implicitHeight: 400 * dShowRatio_H
    color: "#0a1a3d"
    border.width: 1
    border.color: "#3c73b4"
    radius: 6 * dShowRatio_Min

    Component.onCompleted: {
        if (parent) {
            x = (parent.width - width) / 2;
            y = (parent.height - height) / 2;
        }
        if (input_para && input_para["mainwin"] !== undefined)
            mainwin = input_para["mainwin"];
    }

    // Drags the frame by the finger's displacement from where it came down.
    MouseArea {
        id: dragArea
        property real pressX: 0
        property real pressY: 0
        anchors.fill: parent
        onPressed: {
            pressX = mouse.x;
            pressY = mouse.y;
            root.forceActiveFocus();
        }
        onPositionChanged: {
            if (!pressed)
                return;
            root.x += mouse.x - pressX;
            root.y += mouse.y - pressY;
        }
        onWheel: wheel.accepted = true
    }

    Rectangle {
        id: titleBand
        x: 1
        y: 1
        width: parent.width - 2
        height: root.title_height
        radius: root.radius
        color: "#102a5c"
        Rectangle {
            // squares off the band's lower corners
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            height: parent.radius
            color: parent.color
        }
        Text {
            x: 5 * dShowRatio_W
            anchors.verticalCenter: parent.verticalCenter
            text: root.title_text
            color: "white"
            font.family: localFont.name
            font.pointSize: Math.max(1, 12 * dShowRatio_Min)
        }
    }

    Image {
        id: closeCross
        objectName: "widgetClose"
        width: root.title_height
        height: root.title_height
        anchors.right: parent.right
        anchors.rightMargin: 2
        anchors.top: parent.top
        source: "qrc:/VNQML/Image/close.png"
        fillMode: Image.PreserveAspectFit
        smooth: true
        MouseArea {
            anchors.fill: parent
            onClicked: {
                root.close();
                root.destroy();
            }
        }
    }
}
