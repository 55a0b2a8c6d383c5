import QtQuick 2.12

// A label and a value side by side; bound to a parameter when para_name is set (read only).
Item {
    id: root

    property string para_name: ""
    property string para_table: "General"
    property string tag: ""
    property var value: ""
    property real tag_width: 100 * dShowRatio_W
    property color tag_color: "black"
    property color value_color: "black"
    property real text_size: 12 * dShowRatio_W
    property string value_align: "center"
    property alias textl: leftText
    property alias textr: rightText

    implicitWidth: 200 * dShowRatio_W
    implicitHeight: 30 * dShowRatio_H

    function fresh_data() {
        if (para_name !== "")
            value = cpp_para.try_get_para(para_name, "0");
    }

    Component.onCompleted: {
        if (value_align === "left")
            rightText.horizontalAlignment = Text.AlignLeft;
        else if (value_align === "right")
            rightText.horizontalAlignment = Text.AlignRight;
        else
            rightText.horizontalAlignment = Text.AlignHCenter;
        fresh_data();
    }

    Connections {
        target: cpp_signal
        onQml_fresh_parameter: root.fresh_data()
    }

    Text {
        id: leftText
        width: root.tag_width
        height: parent.height
        text: root.tag
        color: root.tag_color
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.WordWrap
        lineHeight: 0.7
        font.family: localFont.name
        font.pointSize: Math.max(1, root.text_size * 0.75 * dShowRatio_Min)
    }
    Text {
        id: rightText
        x: root.tag_width
        width: parent.width - root.tag_width
        height: parent.height
        text: root.value === undefined || root.value === null ? "" : String(root.value)
        color: root.value_color
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.WordWrap
        lineHeight: 0.7
        font.family: localFont.name
        font.pointSize: Math.max(1, root.text_size * 0.75 * dShowRatio_Min)
    }
}
