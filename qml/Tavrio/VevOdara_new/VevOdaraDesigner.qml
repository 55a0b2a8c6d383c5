import QtQuick 2.12

// The work frame: background picture, status bar, work area and bottom bar.
Rectangle {
    id: root

    width: 800 * dShowRatio_W
    height: 480 * dShowRatio_H
    color: "transparent"

    Component.onCompleted: {
        background.source = wallpaper_url();
        m_para.software_title = "Tavrio " + m_para.software_vision;
    }

    Connections {
        target: cpp_signal
        onUpdate_vevodara_Backimg: background.source = wallpaper_url(strImageName)
    }

    Image {
        id: background
        objectName: "frameBackground"
        anchors.fill: parent
        fillMode: Image.PreserveAspectCrop
    }

    Loader {
        id: topBar
        objectName: "workTopBar"
        x: 0
        y: 0
        width: parent.width
        height: 90 * dShowRatio_H
        source: "qrc:/VevOdara_new/Design/VevOdaraWorkTopBar.qml"
    }
    Loader {
        id: workArea
        objectName: "workArea"
        x: 0
        y: topBar.height + 1 * dShowRatio_Min
        width: parent.width
        height: bottomBar.y - y
        source: "qrc:/VevOdara_new/Design/VevOdaraWork.qml"
    }
    Loader {
        id: bottomBar
        objectName: "workBottomBar"
        x: 0
        width: parent.width
        height: 90 * dShowRatio_H
        y: parent.height - height - 5 * dShowRatio_H
        source: "qrc:/VevOdara_new/Design/VevOdaraWorkBottomBar.qml"
    }
}
