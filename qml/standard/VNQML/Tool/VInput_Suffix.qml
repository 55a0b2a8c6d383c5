import QtQuick 2.12
import "inputfilter.js" as InputFilter

// A labelled, parameter-bound numeric field with a unit suffix. Taking the focus hands the input
// to the numeric keypad of the main window, which writes the confirmed text back.
Item {
    id: root

    property string para_name: ""
    property string para_table: "General"
    property string tag: qsTr("参数名称")
    property string suffix: qsTr("后缀")
    property real tag_width: width * 0.35 * dShowRatio_Min
    property real tfontsize: 12 * dShowRatio_Min
    property int showMode: TextInput.Normal
    property string targetInputId: "0"
    property bool isEditing: false
    property int enable_input_lmt: 2
    property int enable_value_lmt: 0
    property real max_value_lmt: 99999
    property real min_value_lmt: 0
    property alias textInput: input

    signal edit_finished
    signal text_changed

    implicitWidth: 200 * dShowRatio_W
    implicitHeight: 28 * dShowRatio_H

    function fresh_data() {
        if (para_name !== "")
            input.text = cpp_para.try_get_para(para_name, "0");
    }

    Component.onCompleted: fresh_data()

    Connections {
        target: cpp_signal
        onQml_fresh_parameter: root.fresh_data()
    }

    Text {
        id: tagText
        width: root.tag_width
        height: parent.height
        text: root.tag
        horizontalAlignment: Text.AlignRight
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideLeft
        color: "black"
        font.family: localFont.name
        font.pointSize: Math.max(1, root.tfontsize)
    }

    Rectangle {
        id: box
        x: tagText.width + 5 * dShowRatio_W
        width: Math.max(0, root.width - tagText.width - suffixText.width - 10 * dShowRatio_W)
        height: parent.height
        border.width: 1 * dShowRatio_W
        border.color: input.activeFocus ? "#3c73b4" : "gray"
        color: Qt.rgba(1, 1, 1, 0.1)
        clip: true

        TextInput {
            id: input
            anchors.fill: parent
            anchors.leftMargin: 4
            anchors.rightMargin: 4
            horizontalAlignment: TextInput.AlignHCenter
            verticalAlignment: TextInput.AlignVCenter
            color: "black"
            selectByMouse: true
            selectionColor: "#808000"
            echoMode: root.showMode
            font.family: localFont.name
            font.pointSize: Math.max(1, root.tfontsize)

            onActiveFocusChanged: {
                root.isEditing = true;
                if (activeFocus && m_para.enableShowMoveKeyBoard) {
                    m_para.targetInput = input;
                    m_para.isShowMoveKeyBoard = true;
                    m_para.open_keyboard();
                    m_para.targetName = root.tag;
                    m_para.targetInputId = root.targetInputId;
                }
            }
            onEditingFinished: {
                focus = false;
                root.edit_finished();
            }
            onTextChanged: {
                if (root.enable_input_lmt !== 0) {
                    var filtered = InputFilter.filter(text, root.enable_input_lmt, false);
                    if (root.enable_value_lmt !== 0)
                        filtered = InputFilter.clamp(filtered, root.min_value_lmt, root.max_value_lmt);
                    if (filtered !== text) {
                        text = filtered; // the nested change stores and reports
                        return;
                    }
                }
                if (root.para_name !== "" && root.isEditing) {
                    cpp_para.set_para(root.para_name, text);
                    if (root.para_name === "m_dJogStepLen" || root.para_name === "m_dJogStepSpeed")
                        cpp_tool.send_cmd("GtsGlueMotion", "updataParam");
                }
                root.text_changed();
            }
        }
    }

    Text {
        id: suffixText
        x: box.x + box.width + 5 * dShowRatio_W
        width: root.width * 0.2
        height: parent.height
        text: root.suffix
        horizontalAlignment: Text.AlignLeft
        verticalAlignment: Text.AlignVCenter
        color: "black"
        font.family: localFont.name
        font.pointSize: Math.max(1, root.tfontsize)
    }
}
