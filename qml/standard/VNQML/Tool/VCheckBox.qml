import QtQuick 2.12
import QtQuick.Controls 2.12

// A labelled check box bound to a parameter: every change of its state stores "1" or "0".
Item {
    id: root

    property string para_name: ""
    property string para_table: "General"
    property string tag: qsTr("参数名称")
    property real fontsize: 12 * dShowRatio_Min
    property real nRadius: 3 * dShowRatio_Min
    property real innerborderWidth: 3 * dShowRatio_Min
    property color innerBorder_color: "white"
    property real ninnerRadius: 5 * dShowRatio_Min
    property color rect_color: "#3c73b4"
    property color text_color: "black"
    property string curstd: "0"
    property alias check_box: box

    signal click(bool checked)

    implicitWidth: 120 * dShowRatio_W
    implicitHeight: 30 * dShowRatio_H

    function store() {
        if (para_name !== "")
            cpp_para.set_para(para_name, box.checked ? "1" : "0");
    }
    function set_check(tcheck) {
        box.checked = tcheck;
    }
    function fresh_data() {
        if (para_name === "")
            return;
        var v = cpp_para.try_get_para(para_name, "0");
        curstd = v;
        box.checked = v === "1" || v === 1;
    }

    Component.onCompleted: fresh_data()

    Connections {
        target: cpp_signal
        onQml_fresh_parameter: root.fresh_data()
    }

    CheckBox {
        id: box
        anchors.fill: parent
        padding: 0
        spacing: 10 * dShowRatio_W
        text: root.tag
        font.family: localFont.name
        font.pointSize: Math.max(1, root.fontsize)
        onCheckedChanged: root.store()
        onClicked: {
            root.store();
            root.click(checked);
        }
        indicator: Rectangle {
            implicitWidth: root.height
            implicitHeight: root.height
            x: box.leftPadding
            anchors.verticalCenter: parent.verticalCenter
            radius: root.nRadius
            color: "white"
            border.width: Math.max(1, 2 * dShowRatio_Min)
            border.color: box.checked ? root.rect_color : "#7f8fa6"
            Rectangle {
                visible: box.checked
                anchors.fill: parent
                anchors.margins: 1 * dShowRatio_Min
                radius: root.ninnerRadius
                color: root.rect_color
                border.width: root.innerborderWidth
                border.color: root.innerBorder_color
            }
        }
        contentItem: Text {
            leftPadding: box.indicator.width + box.spacing
            text: box.text
            font: box.font
            color: root.text_color
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
        }
    }
}
