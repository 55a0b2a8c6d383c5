import QtQuick 2.12
import VNQML 1.0

// The material choice pop-up: shows the current material as the parameter module reports it.
VWidget {
    id: root
    title_text: qsTr("选择材质")
    width: 513 * dShowRatio_W
    height: 260 * dShowRatio_H

    property string materialName: cpp_para.try_get_para("m_strMaterialSelName", "M1")

    Connections {
        target: cpp_signal
        onUpdate_texturename: root.materialName = strName
    }

    Text {
        anchors.centerIn: parent
        width: parent.width - 40 * dShowRatio_W
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        text: root.materialName
        color: "white"
        font.family: localFont.name
        font.pixelSize: 30 * dShowRatio_Min
    }
}
