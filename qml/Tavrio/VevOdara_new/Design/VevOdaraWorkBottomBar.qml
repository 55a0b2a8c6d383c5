import QtQuick 2.12
import VNQML 1.0

// Placeholder of the work screen's bottom bar (the work screen brings the real one): opens the
// application view.
Item {
    id: root
    Rectangle {
        anchors.fill: parent
        anchors.leftMargin: 15 * dShowRatio_Min
        anchors.rightMargin: 15 * dShowRatio_Min
        anchors.topMargin: 10 * dShowRatio_Min
        radius: 8 * dShowRatio_Min
        color: "#000e33"
        border.color: "#3c73b4"
        border.width: 2 * dShowRatio_W
        VButton_Text {
            objectName: "openApplication"
            anchors.verticalCenter: parent.verticalCenter
            anchors.right: parent.right
            anchors.rightMargin: 15 * dShowRatio_W
            width: 180 * dShowRatio_W
            height: 56 * dShowRatio_H
            radius: 8 * dShowRatio_Min
            bkcolor: "#1d4f91"
            border_color: "#3c73b4"
            tag_color: "white"
            font_pSize: 24 * dShowRatio_Min
            btn_text: qsTr("应用")
            onRelease: show_qml("qrc:/VevOdara_new/Design/ApplicationDesigner.qml", m_root)
        }
    }
}
