import QtQuick 2.12
import VNQML 1.0

// Placeholder of the application menu (the menu pages bring the real one): the fixed tiles.
Item {
    id: root
    Grid {
        x: 20 * dShowRatio_Min
        width: 760 * dShowRatio_W
        height: 400 * dShowRatio_H
        columns: 4
        clip: true
        Repeater {
            model: [["自定义", qsTr("添加材质")], ["操作指南", qsTr("操作指南")], ["关于本机", qsTr("关于本机")], ["用户", qsTr("用户信息")], ["设置", qsTr("设置")], ["售后", qsTr("售后")], ["U盘", qsTr("U盘")]]
            delegate: Item {
                width: 190 * dShowRatio_W
                height: 180 * dShowRatio_H
                VButton_Icon_Text_RM {
                    anchors.fill: parent
                    anchors.margins: 40 * dShowRatio_Min
                    radius: 10 * dShowRatio_Min
                    tag: modelData[1]
                    tag_normal_color: "white"
                    tag_checked_color: "white"
                    font_pSize: 14 * dShowRatio_Min
                    icon_src: "qrc:/VevOdara_new/Image/" + modelData[0] + ".png"
                    onRelease: cpp_para.set_para("m_nTabBarIndex", 1)
                }
            }
        }
    }
}
