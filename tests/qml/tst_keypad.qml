import QtQuick 2.12
import QtTest 1.2
import VNQML 1.0
import "qrc:/Module"
import "qrc:/Module/keyedit.js" as KeyEdit

// The numeric keypad: range rules, select-all on opening, confirm and cancel.
Item {
    id: root
    width: 800
    height: 480
    property real dShowRatio_W: 1
    property real dShowRatio_H: 1
    property real dShowRatio_Min: 1
    FontLoader {
        id: localFont
        source: "qrc:/Fonts/SourceHanSansCN-Regular.ttf"
    }
    Parameter {
        id: m_para
    }
    VInput_Suffix {
        id: input
        y: 10
        width: 300
        height: 40
        tag: "P"
    }
    NumericKeypad {
        id: keypad
        x: 400
        width: 400
        height: 400
        visible: m_para.isShowMoveKeyBoard && m_para.enableShowMoveKeyBoard
        onVisibleChanged: select_all()
    }

    TestCase {
        name: "NumericKeypad"
        when: windowShown

        function init() {
            cpp_tool.reset();
            m_para.close_keyboard();
            input.textInput.focus = false;
            input.textInput.text = "";
        }
        function press(key) {
            var k = findChild(keypad, "key_" + key);
            verify(k, "key " + key);
            mouseClick(k);
        }
        function type_and_confirm(text) {
            for (var i = 0; i < text.length; ++i)
                press(text.charAt(i));
            press("确定");
        }

        function test_rules_data() {
            return [
                { tag: "1 above", rule: "1", typed: "75", expected: "50" },
                { tag: "1 below", rule: "1", typed: "-80", expected: "-50" },
                { tag: "1 empty", rule: "1", typed: "", expected: "0" },
                { tag: "1 no number", rule: "1", typed: "-", expected: "0" },
                { tag: "2 no number", rule: "2", typed: ".", expected: "1" },
                { tag: "2 above", rule: "2", typed: "600", expected: "500" },
                { tag: "3 below", rule: "3", typed: "10", expected: "50" },
                { tag: "4 above", rule: "4", typed: "11", expected: "10" },
                { tag: "5 negative", rule: "5", typed: "-3", expected: "0" },
                { tag: "5 zero", rule: "5", typed: "0", expected: "0" },
                { tag: "5 above", rule: "5", typed: "12", expected: "10" },
                { tag: "5 inside", rule: "5", typed: "7", expected: "7" },
                { tag: "5 no number", rule: "5", typed: "-", expected: "1" },
                { tag: "default fraction", rule: "0", typed: "12.5", expected: "12" },
                { tag: "default 00", rule: "0", typed: "00", expected: "0" },
                { tag: "default plus", rule: "0", typed: "+7", expected: "7" },
                { tag: "default no number", rule: "0", typed: "-", expected: "NaN" },
                { tag: "1001 unchanged", rule: "1001", typed: "2024-06-01", expected: "2024-06-01" },
                { tag: "1111 unchanged", rule: "1111", typed: "12.5", expected: "12.5" }
            ];
        }
        function test_rules(data) {
            compare(KeyEdit.applyRule(data.rule, data.typed), data.expected);
        }

        function test_opening_selects_and_first_key_replaces() {
            input.textInput.text = "180";
            input.targetInputId = "0";
            input.textInput.forceActiveFocus();
            verify(keypad.visible);
            compare(keypad.field.text, "180");
            compare(keypad.field.selectedText, "180");
            type_and_confirm("3");
            compare(input.textInput.text, "3");
            verify(!keypad.visible);
            verify(!input.textInput.activeFocus);
            compare(m_para.targetInput, "");
        }

        function test_confirm_applies_the_rule_of_the_input() {
            input.enable_input_lmt = 1;
            input.targetInputId = "1";
            input.textInput.forceActiveFocus();
            type_and_confirm("-80");
            compare(input.textInput.text, "-50");
            input.enable_input_lmt = 2;
        }

        function test_cancel_keeps_the_text() {
            input.textInput.text = "42";
            input.textInput.forceActiveFocus();
            press("9");
            press("取消");
            compare(input.textInput.text, "42");
            verify(!keypad.visible);
            verify(!input.textInput.activeFocus);
        }

        function test_delete_and_clear() {
            input.textInput.text = "123";
            input.textInput.forceActiveFocus();
            keypad.field.deselect();
            keypad.field.cursorPosition = 3;
            press("Del");
            compare(keypad.field.text, "12");
            press("清空");
            compare(keypad.field.text, "");
            press("取消");
        }

        function test_keys_ignored_without_target() {
            m_para.isShowMoveKeyBoard = true;
            keypad.field.text = "";
            press("5");
            press("确定");
            compare(keypad.field.text, "");
            verify(m_para.isShowMoveKeyBoard);
            m_para.close_keyboard();
        }
    }
}
