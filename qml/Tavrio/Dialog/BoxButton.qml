import QtQuick 2.12
import VNQML 1.0

// A button of the message boxes: translucent, framed like the panel, white label.
VButton_Text {
    height: 50 * dShowRatio_H
    y: parent.height - height - 20 * dShowRatio_H
    radius: 5 * dShowRatio_Min
    font_pSize: 18 * dShowRatio_Min
    bkcolor: "#55000000"
    border_color: "#3c73b4"
    tag_color: "white"
    isUsebkColorAsEnterColor: true
    Image {
        z: -1
        anchors.fill: parent
        source: "qrc:/VevOdara_new/Image/大按钮底框.png"
        smooth: true
    }
}
