import QtQuick 2.12

// The application frame: background picture, material status bar and the application pager,
// which overlaps the bar a little.
Rectangle {
    id: root

    width: 800 * dShowRatio_W
    height: 480 * dShowRatio_H
    color: "transparent"

    Component.onCompleted: {
        background.source = "qrc:/VevOdara_new/Image/" + cpp_para.try_get_para("backimg", "壁纸1.png");
        m_para.software_title = "Tavrio " + m_para.software_vision;
    }

    Connections {
        target: cpp_signal
        onUpdate_vevodara_Backimg: background.source = "qrc:/VevOdara_new/Image/" + strImageName
    }

    Image {
        id: background
        objectName: "frameBackground"
        anchors.fill: parent
        fillMode: Image.PreserveAspectCrop
    }

    Loader {
        id: statusBar
        objectName: "materialStatusBar"
        width: parent.width
        height: 90 * dShowRatio_H
        source: "qrc:/VevOdara_new/Design/MaterialSelect/MaterialStatusBar.qml"
    }

    MainApp {
        id: mainApp
        x: 0
        y: statusBar.height - 20 * dShowRatio_Min
        width: parent.width
        height: parent.height - y
    }
}
