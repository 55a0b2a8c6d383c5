import QtQuick 2.12
import VNQML 1.0

// The component library on the panel frame of the settings pages, for the screenshots.
Rectangle {
    width: 800 * dShowRatio_W
    height: 480 * dShowRatio_H
    color: "#4984DB"

    Rectangle {
        anchors.fill: parent
        anchors.leftMargin: 12
        anchors.rightMargin: 8
        anchors.topMargin: 10
        anchors.bottomMargin: 10
        radius: 10
        color: "white"

        Rectangle {
            x: 5
            y: 5
            width: parent.width - 85
            height: 50
            radius: 10
            color: "#cae0f9"
            Text {
                anchors.centerIn: parent
                text: qsTr("参数设置")
                font.family: localFont.name
                font.pixelSize: 20
            }
        }
        VColor_Icon {
            x: parent.width - 72
            y: 2
            width: 60
            height: 60
            offset: 4
            icon_src: "qrc:/VevOdara_new/Image/关闭.png"
            icon_checked_src: "qrc:/VevOdara_new/Image/关闭_check.png"
        }
        Column {
            x: 30
            y: 75
            spacing: 14
            VInput_Suffix {
                width: 380
                height: 40
                tag: qsTr("温度补偿")
                suffix: "℃"
                Component.onCompleted: textInput.text = "-3"
            }
            VInput_Suffix {
                width: 380
                height: 40
                tag: qsTr("超温参数")
                suffix: ""
                Component.onCompleted: textInput.text = "120"
            }
            VCheckBox {
                width: 380
                height: 30
                tag: qsTr("启用按键蜂鸣")
                fontsize: 14
                Component.onCompleted: set_check(true)
            }
            VCheckBox {
                width: 380
                height: 30
                tag: qsTr("倒计时蜂鸣")
                fontsize: 14
            }
            VSlider_3 {
                width: 380
                tag: qsTr("亮度")
                max_value: 200
                Component.onCompleted: { cur_value = 120; place(0.6 * travel); }
            }
        }
        Column {
            x: 450
            y: 75
            spacing: 16
            VTabBar {
                width: 300
                height: 40
                currentIndex: 1
                VTabButton { x: 0; width: 100; height: 40; btn_text: "°C" }
                VTabButton { x: 100; width: 100; height: 40; btn_text: "°F" }
                VTabButton { x: 200; width: 100; height: 40; btn_text: "%" }
            }
            VButton_Text {
                width: 280
                height: 50
                btn_text: qsTr("保存参数")
            }
            VButton_Text {
                width: 280
                height: 50
                radius: 2
                bkcolor: "#000e33"
                border_color: "#000e33"
                tag_color: "white"
                font_pSize: 22
                btn_text: "English"
            }
            VButton_Text_Icon_File {
                width: 280
                height: 50
                radius: 5
                bkcolor: "#000e33"
                border_color: "#000e33"
                tag_color: "white"
                font_pSize: 18
                btn_icon: "qrc:/VevOdara_new/Image/文件夹.png"
                btn_text: "Update"
            }
            Row {
                spacing: 10
                VColor_Icon { width: 50; height: 50; icon_src: "qrc:/VevOdara_new/Image/关锁.png" }
                VColor_Icon { width: 50; height: 50; icon_src: "qrc:/VevOdara_new/Image/开锁.png" }
                VButton_Icon_Text_RM {
                    width: 80
                    height: 70
                    radius: 2
                    icon_src: "qrc:/VevOdara_new/Image/壁纸3.png"
                    tag_posi_type: 1
                    bRMpimshow: true
                }
            }
        }
    }
}
