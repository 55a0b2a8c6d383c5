import QtQuick 2.12
import VNQML 1.0

// Asks before the program quits.
Rectangle {
    id: root
    objectName: "closeDialog"

    width: 350 * dShowRatio_W
    height: 200 * dShowRatio_H
    anchors.centerIn: parent
    radius: 20 * dShowRatio_H
    color: "white"
    border.width: 1
    border.color: "lightgray"

    function call_if(obj, method) {
        if (obj && typeof obj[method] === "function")
            obj[method]();
    }

    Component.onCompleted: cpp_tool.send_cmd("Tcp_FileTransfer", "exit_soft")

    MouseArea {
        anchors.fill: parent
    }

    Text {
        x: 60 * dShowRatio_W
        y: 35 * dShowRatio_H
        width: 230 * dShowRatio_W
        height: 82 * dShowRatio_H
        text: qsTr("Would you like to quit?")
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.WordWrap
        color: "#102040"
        font.family: localFont.name
        font.pointSize: Math.max(1, 13.5 * dShowRatio_Min)
    }

    VButton_Text {
        objectName: "closeCancel"
        x: 60 * dShowRatio_W
        y: 135 * dShowRatio_H
        width: 100 * dShowRatio_W
        height: 40 * dShowRatio_H
        radius: 15 * dShowRatio_H
        font_pSize: 16 * dShowRatio_Min
        btn_text: qsTr("Cancel")
        onRelease: {
            cpp_tool.send_cmd("Tcp_FileTransfer", "enter_soft");
            root.destroy();
        }
    }
    VButton_Text {
        objectName: "closeYes"
        x: 190 * dShowRatio_W
        y: 135 * dShowRatio_H
        width: 100 * dShowRatio_W
        height: 40 * dShowRatio_H
        radius: 15 * dShowRatio_H
        font_pSize: 16 * dShowRatio_Min
        bkcolor: "lightgray"
        border_color: "#b0b0b0"
        btn_text: qsTr("Yes")
        onRelease: {
            root.call_if(typeof tavrio !== "undefined" ? tavrio : null, "exitSoft");
            Qt.quit();
        }
    }
}
