import QtQuick 2.12
import VNQML 1.0

// Placeholder of the material page (the material screens bring the real one): the eight tiles,
// each returning to the work screen.
Item {
    id: root
    Grid {
        x: 20 * dShowRatio_Min
        width: 760 * dShowRatio_W
        height: 400 * dShowRatio_H
        columns: 4
        clip: true
        Repeater {
            model: [["主界面", qsTr("主界面")], ["DTF", "DTF"], ["MDF", "MDF"], ["HTV", "HTV"], ["布艺", qsTr("布艺")], ["水晶", qsTr("水晶")], ["金属板", qsTr("金属板")], ["石板", qsTr("石板")]]
            delegate: Item {
                width: 190 * dShowRatio_W
                height: 180 * dShowRatio_H
                VButton_Icon_Text {
                    anchors.fill: parent
                    anchors.margins: 40 * dShowRatio_Min
                    radius: 10 * dShowRatio_Min
                    tag: modelData[1]
                    tag_normal_color: "white"
                    tag_checked_color: "white"
                    font_pSize: 14 * dShowRatio_Min
                    icon_src: "qrc:/VevOdara_new/Image/" + modelData[0] + ".png"
                    icon_src_checked: icon_src
                    onRelease: show_qml("qrc:/VevOdara_new/VevOdaraDesigner.qml", m_root)
                }
            }
        }
    }
}
