import QtQuick 2.12
import QtQuick.Controls 2.12

// The application pager: material choice (page 0) and application menu (page 1), swiped, with
// two dots showing the current page.
Item {
    id: root
    objectName: "mainApp"

    property alias currentIndex: swipe.currentIndex
    property alias swipeView: swipe

    implicitWidth: 800 * dShowRatio_W
    implicitHeight: 400 * dShowRatio_H

    Component.onCompleted: {
        if (typeof cpp_tool !== "undefined" && cpp_tool)
            cpp_tool.send_cmd("VevOdaraMotion", "Qml##ResetE05Count");
        // The pages store the number 0 or 1; the store gives it back as text.
        var stored = cpp_para.try_get_para("m_nTabBarIndex", "1");
        swipe.setCurrentIndex(String(stored).trim() === "0" ? 0 : 1);
    }

    SwipeView {
        id: swipe
        objectName: "mainAppSwipe"
        y: 5 * dShowRatio_H
        width: parent.width
        height: 400 * dShowRatio_H
        clip: true
        currentIndex: tabBar.currentIndex

        Loader {
            objectName: "materialPage"
            source: "qrc:/VevOdara_new/Design/MaterialSelect/MaterialSelect.qml"
        }
        Loader {
            objectName: "applicationPage"
            source: "qrc:/VevOdara_new/Design/Application/Application.qml"
        }
    }

    TabBar {
        id: tabBar
        visible: false
        currentIndex: swipe.currentIndex
        TabButton {
            visible: false
        }
        TabButton {
            visible: false
        }
    }

    Row {
        anchors.horizontalCenter: swipe.horizontalCenter
        anchors.bottom: swipe.bottom
        spacing: 10 * dShowRatio_W
        Repeater {
            model: swipe.count
            delegate: Rectangle {
                objectName: "pageDot" + index
                width: 10 * dShowRatio_W
                height: 10 * dShowRatio_H
                radius: 5 * dShowRatio_Min
                color: index === swipe.currentIndex ? "white" : "grey"
            }
        }
    }
}
