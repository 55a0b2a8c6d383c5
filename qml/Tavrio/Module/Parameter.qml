import QtQuick 2.12

// The window's global property object (m_para): window size and title, the keyboard state and
// the current work file.
Item {
    id: root

    property real software_width: 1024
    property real software_height: 600
    property string software_title: ""
    property string software_vision: "R4_V1.02.018"

    property bool isShowKeyBoard: false
    property bool isShowMoveKeyBoard: false
    property bool enableShowMoveKeyBoard: true
    property bool isShowFuncKeyBoard: false
    property string funcKeyBoardName: ""
    property string funcKeyBoardValue: ""
    property var targetInput: ""
    property string targetName: ""
    property string targetInputId: ""
    property bool targetIsPasswd: false
    property real keyboard_left: 0
    property real keyboard_top: 0
    property real keyboard_width: 400
    property real keyboard_height: 400

    property var currentFile
    property string currentName: qsTr("当前未加载图形")

    function close_keyboard() {
        isShowKeyBoard = false;
        isShowMoveKeyBoard = false;
        targetInput = "";
        targetName = "";
        targetIsPasswd = false;
    }
    function open_keyboard() {
        isShowMoveKeyBoard = true;
    }

    Connections {
        target: cpp_signal
        onUpdate_runvnt: {
            root.currentFile = strFile;
            root.currentName = strName;
        }
        onEnableShowMoveKeyBoard: root.enableShowMoveKeyBoard = (nShow === 1)
    }
}
