import QtQuick 2.12
import "workmaterial.js" as M

// The bottom bar of the work screen: application menu, start or stop, piece counter and the
// chosen material. While the press runs only stop is live.
Item {
    id: root
    objectName: "workBottomBarPage"

    readonly property real sw: dShowRatio_W
    readonly property real sh: dShowRatio_H
    readonly property real sm: dShowRatio_Min

    property bool running: false
    property string counterText: M.counterText(M.para("m_nProductionCount", "0"))
    readonly property int materialIndex: M.materialIndex()
    readonly property string materialText: materialIndex >= 8 ? M.materialName() : M.caption(materialIndex)

    Connections {
        target: cpp_signal
        onUpdate_vevodara_workui: {
            root.running = bRun;
            startKey.visible = !bRun;
        }
        onUpdate_vevodara_workcount: root.counterText = M.counterText(dcount)
    }

    PanelKey {
        objectName: "workAppButton"
        x: 15 * sw
        y: 8 * sh
        width: 185 * sw
        height: parent.height - 16 * sh
        enabled: !root.running
        label: qsTr("应用")
        labelSize: 30 * sm
        onActivated: {
            M.setPara("m_lastUserName", M.userName());
            M.setPara("m_strlastMaterialSelName", M.materialName());
            show_qml("qrc:/VevOdara_new/Design/ApplicationDesigner.qml", m_root);
        }
    }

    // Start and stop share one place; each swaps to the other at once, the controller's work
    // state then confirms.
    PanelKey {
        id: startKey
        objectName: "workStartButton"
        x: 210 * sw
        y: 8 * sh
        width: 185 * sw
        height: parent.height - 16 * sh
        label: qsTr("启动")
        labelSize: 34 * sm
        baseColor: "#1e7d3a"
        pressedColor: "#33b35a"
        onActivated: {
            visible = false;
            M.sendPress("autostart");
        }
    }
    PanelKey {
        objectName: "workStopButton"
        x: startKey.x
        y: startKey.y
        width: startKey.width
        height: startKey.height
        visible: !startKey.visible
        label: qsTr("停止")
        labelSize: 34 * sm
        baseColor: "#a51d24"
        pressedColor: "#e0353e"
        onActivated: {
            startKey.visible = true;
            M.sendPress("autostop");
        }
    }

    Rectangle {
        objectName: "workCounterBox"
        x: 405 * sw
        y: 8 * sh
        width: 160 * sw
        height: parent.height - 16 * sh
        radius: 10 * sm
        color: counterArea.pressed ? "#1e5f9e" : "#cc000e33"
        border.color: "#3c73b4"
        border.width: 2 * sm
        enabled: !root.running
        opacity: enabled ? 1.0 : 0.6
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            y: 4 * sh
            text: qsTr("产量")
            color: "#a9c8ee"
            font.family: localFont.name
            font.pixelSize: 18 * sm
        }
        Text {
            objectName: "workCounter"
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 4 * sh
            text: root.counterText
            color: "white"
            font.family: localFont.name
            font.bold: true
            font.pixelSize: 36 * sm
        }
        MouseArea {
            id: counterArea
            anchors.fill: parent
            onClicked: show_qml("qrc:/VevOdara_new/Design/Application/ProductionCalculate/ProductionCal.qml", m_root)
        }
    }

    Rectangle {
        objectName: "workMaterialBox"
        x: 575 * sw
        y: 8 * sh
        width: 210 * sw
        height: parent.height - 16 * sh
        radius: 10 * sm
        color: materialArea.pressed && root.materialIndex >= 8 ? "#1e5f9e" : "#cc000e33"
        border.color: "#3c73b4"
        border.width: 2 * sm
        enabled: !root.running
        opacity: enabled ? 1.0 : 0.6
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            y: 4 * sh
            text: qsTr("材质")
            color: "#a9c8ee"
            font.family: localFont.name
            font.pixelSize: 18 * sm
        }
        Text {
            objectName: "workMaterialName"
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 6 * sh
            width: parent.width - 16 * sw
            horizontalAlignment: Text.AlignHCenter
            elide: Text.ElideRight
            text: root.materialText
            color: "white"
            font.family: localFont.name
            font.pixelSize: 30 * sm
        }
        MouseArea {
            id: materialArea
            anchors.fill: parent
            onClicked: {
                // Only a self-material can be renamed here.
                if (root.materialIndex >= 8)
                    show_qml("qrc:/VevOdara_new/Design/MaterialSelect/MaterialNameKeyboard.qml", m_root);
            }
        }
    }
}
