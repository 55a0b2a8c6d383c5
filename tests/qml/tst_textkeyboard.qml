import QtQuick 2.12
import QtTest 1.2
import "qrc:/Module"

// The text keyboard page: initial selection, caps, delete, confirm and back.
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
    Component {
        id: pageComponent
        TextKeyboardPage {
            title: "编辑名称"
        }
    }
    Component {
        id: spyComponent
        SignalSpy {}
    }

    TestCase {
        name: "TextKeyboard"
        when: windowShown

        function init() {
            cpp_tool.reset();
        }
        function press(page, key) {
            var k = findChild(page, "textkey_" + key);
            verify(k, key);
            mouseClick(k);
        }

        function test_first_key_replaces_initial_text() {
            var page = createTemporaryObject(pageComponent, root, { "initial_text": "M1" });
            compare(page.field.selectedText, "M1");
            press(page, "a");
            compare(page.text, "a");
            compare(cpp_tool.commands(), ["tavrio|Qml##Bee##1", "tavrio|Qml##Bee##0"]);
        }

        function test_caps() {
            var page = createTemporaryObject(pageComponent, root);
            press(page, "#caps");
            compare(page.keys.label_of("#caps"), "CAP");
            press(page, "a");
            press(page, "b");
            press(page, "7");
            press(page, "_");
            compare(page.text, "AB7_");
            press(page, "#caps");
            press(page, "c");
            compare(page.text, "AB7_c");
        }

        function test_delete_data() {
            return [
                { tag: "one selected left to right", start: 1, end: 2, expected: "ac" },
                { tag: "two selected", start: 0, end: 2, expected: "c" },
                { tag: "no selection", start: -1, end: -1, expected: "ab" }
            ];
        }
        function test_delete(data) {
            var page = createTemporaryObject(pageComponent, root, { "initial_text": "abc" });
            page.field.deselect();
            page.field.cursorPosition = 3;
            if (data.start >= 0)
                page.field.select(data.start, data.end);
            press(page, "#del");
            compare(page.text, data.expected);
        }

        function test_confirm_and_back() {
            var page = createTemporaryObject(pageComponent, root, { "initial_text": "User", "password": true });
            var confirmed = createTemporaryObject(spyComponent, root, { "target": page, "signalName": "confirmed" });
            var back = createTemporaryObject(spyComponent, root, { "target": page, "signalName": "back" });
            compare(page.field.echoMode, TextInput.Password);
            press(page, "#ok");
            compare(confirmed.count, 1);
            compare(confirmed.signalArguments[0][0], "User");
            mouseClick(findChild(page, "keyboardBack"));
            compare(back.count, 1);
        }
    }
}
