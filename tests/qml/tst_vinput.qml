import QtQuick 2.12
import QtTest 1.2
import VNQML 1.0
import "qrc:/Module"

// VInput_Suffix: the numeric filter and clamp, the parameter binding and the keypad hand-over.
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
    Component {
        id: inputComponent
        VInput_Suffix {
            width: 300
            height: 40
        }
    }

    TestCase {
        name: "VInput_Suffix"
        when: windowShown

        function init() {
            cpp_para.reset();
            cpp_tool.reset();
            m_para.close_keyboard();
            m_para.enableShowMoveKeyBoard = true;
        }

        function test_filter_data() {
            return [
                { tag: "leading zero", mode: 2, typed: "05", expected: "5" },
                { tag: "leading point", mode: 2, typed: ".5", expected: "5" },
                { tag: "inner sign", mode: 2, typed: "1-2", expected: "12" },
                { tag: "sign with mode 1", mode: 1, typed: "-3", expected: "-3" },
                { tag: "sign with mode 2", mode: 2, typed: "-3", expected: "3" },
                { tag: "zero point stays", mode: 2, typed: "0.", expected: "0." },
                { tag: "letters dropped", mode: 1, typed: "a1b.2", expected: "1.2" },
                { tag: "filter off", mode: 0, typed: "ab-", expected: "ab-" }
            ];
        }
        function test_filter(data) {
            var input = createTemporaryObject(inputComponent, root, { "enable_input_lmt": data.mode });
            input.textInput.text = data.typed;
            compare(input.textInput.text, data.expected);
        }

        function test_clamp_data() {
            return [
                { tag: "above", typed: "900", expected: "500" },
                { tag: "below", typed: "5", expected: "10" },
                { tag: "inside", typed: "250", expected: "250" },
                { tag: "empty stays empty", typed: "", expected: "" }
            ];
        }
        function test_clamp(data) {
            var input = createTemporaryObject(inputComponent, root, {
                    "enable_value_lmt": 1,
                    "min_value_lmt": 10,
                    "max_value_lmt": 500
                });
            input.textInput.text = "42";
            input.textInput.text = data.typed;
            compare(input.textInput.text, data.expected);
        }

        function test_binding_writes_only_after_focus() {
            cpp_para.put("m_dTemperatureOffset", "7");
            var input = createTemporaryObject(inputComponent, root, {
                    "para_name": "m_dTemperatureOffset",
                    "tag": "补偿",
                    "targetInputId": "1"
                });
            compare(input.textInput.text, "7");
            cpp_para.put("m_dTemperatureOffset", "8");
            cpp_signal.qml_fresh_parameter();
            compare(input.textInput.text, "8");
            compare(cpp_para.writes(), []);

            // Taking the focus hands the input to the keypad and starts storing.
            input.textInput.forceActiveFocus();
            verify(input.isEditing);
            verify(m_para.isShowMoveKeyBoard);
            compare(m_para.targetInput, input.textInput);
            compare(m_para.targetName, "补偿");
            compare(m_para.targetInputId, "1");

            cpp_para.put("m_dTemperatureOffset", "9");
            cpp_signal.qml_fresh_parameter();
            compare(cpp_para.writes(), ["m_dTemperatureOffset=9"]);
        }

        function test_no_keypad_when_disabled() {
            var input = createTemporaryObject(inputComponent, root);
            cpp_signal.enableShowMoveKeyBoard(0);
            verify(!m_para.enableShowMoveKeyBoard);
            input.textInput.forceActiveFocus();
            verify(!m_para.isShowMoveKeyBoard);
            verify(input.isEditing);
            cpp_signal.enableShowMoveKeyBoard(1);
            verify(m_para.enableShowMoveKeyBoard);
        }
    }
}
