import QtQuick 2.12
import QtTest 1.2

// The main window: start sequence, error overlay, pop-up protocol, message boxes and the close
// request.
Item {
    id: root

    property var window: null

    TestCase {
        name: "MainWindow"
        when: windowShown

        function init() {
            cpp_para.reset();
            cpp_tool.reset();
            param_mge.reset();
        }
        function cleanup() {
            if (root.window) {
                root.window.destroy();
                root.window = null;
                wait(0);
            }
        }
        // Opens the window and waits for its start timer to have shown the first page.
        function open_window() {
            var component = Qt.createComponent("qrc:/main.qml");
            compare(component.status, Component.Ready, component.errorString());
            root.window = component.createObject(null);
            verify(root.window);
            tryVerify(function () {
                return layer("m_root").children.length > 0;
            }, 3000);
            return root.window;
        }
        function layer(name) {
            return findChild(root.window.contentItem, name);
        }
        function para(name) {
            return cpp_para.has(name) ? cpp_para.get_para(name) : undefined;
        }
        function module_commands() {
            return cpp_tool.commands().filter(function (c) {
                return c.indexOf("Qml##Bee##") < 0;
            });
        }

        function test_ordinary_start_data() {
            return [
                { tag: "slot of the last user", last: "Bob", index: "3", name: "", folder: "Guest", file: "0.ini", expectedIndex: "0" },
                { tag: "guest keeps the slot", last: "Guest", index: "3", name: "", folder: "Guest", file: "3.ini", expectedIndex: "3" },
                { tag: "self-material", last: "Guest", index: "9", name: "Silk", folder: "Guest/SelfMaterial", file: "Silk.ini", expectedIndex: "9" }
            ];
        }
        function test_ordinary_start(data) {
            cpp_para.put("m_curUserName", "Bob");
            cpp_para.put("m_lastUserName", data.last);
            cpp_para.put("m_strMaterialSelNameIndex", data.index);
            if (data.name !== "")
                cpp_para.put("m_strMaterialSelName", data.name);
            cpp_para.put("m_nBright", "150");
            open_window();
            compare(para("m_curUserName"), "Guest");
            compare(para("m_nNeedRunBee"), "1");
            compare(para("m_strMaterialSelNameIndex"), data.expectedIndex);
            // The work screen then restarts its segment row in the same file.
            var expected = "/cfg/TechLibrary/MainMaterial|" + data.folder + "|" + data.file + "|m_nCurCountIndex|0";
            verify(param_mge.calls().length > 0);
            param_mge.calls().forEach(function (c) { compare(c, expected); });
            compare(para("m_nCurCountIndex"), "0");
            compare(para("m_nFirstOnTemper"), "0");
            compare(para("m_nStopAlarmE04"), "0");
            compare(cpp_para.sleeps(), []);
            verify(module_commands().indexOf("tavrio|Qml##SetBright##150") >= 0);
            compare(root.window.dShowRatio_Min, 1);
            compare(root.window.title, "Tavrio R4_V1.02.018");
        }

        function test_language_restart_keeps_user() {
            cpp_para.put("m_nChangeLanguage", "1");
            cpp_para.put("m_curUserName", "Bob");
            open_window();
            compare(cpp_para.sleeps(), [3000]);
            compare(para("m_nChangeLanguage"), "0");
            compare(para("m_curUserName"), "Bob");
            compare(para("m_nNeedRunBee"), undefined);
            // Only the work screen touches a material file: the user's own.
            param_mge.calls().forEach(function (c) { verify(c.indexOf("|Bob|") > 0, c); });
            verify(!layer("lock_language").visible);
            compare(layer("m_root").children.length, 1);
        }

        function test_error_overlay_data() {
            return [
                { tag: "code 3", before: 0, code: 3, visible: true, text: "E03" },
                { tag: "code 6 leaves it hidden", before: 0, code: 6, visible: false, text: "" },
                { tag: "code 6 leaves it shown", before: 1, code: 6, visible: true, text: "E01" },
                { tag: "number 0 hides", before: 2, code: 0, visible: false, text: "" },
                { tag: "text 0 hides", before: 2, code: "0", visible: false, text: "" },
                { tag: "text 5", before: 0, code: "5", visible: true, text: "E05" }
            ];
        }
        function test_error_overlay(data) {
            open_window();
            cpp_signal.update_vevodara_ErrorMsg(data.before);
            root.window.show_error(data.code);
            var overlay = layer("tErrorForm");
            compare(overlay.visible, data.visible);
            if (data.visible)
                compare(findChild(overlay, "errorCodeText").text, data.text);
        }

        function test_error_overlay_tap() {
            open_window();
            var overlay = layer("tErrorForm");
            cpp_signal.update_vevodara_ErrorMsg(3);
            mouseClick(overlay);
            verify(overlay.visible);
            compare(module_commands().filter(function (c) { return c.indexOf("Qml##E05") >= 0; }), []);

            cpp_signal.update_vevodara_ErrorMsg(5);
            mouseClick(overlay);
            verify(!overlay.visible);
            verify(module_commands().indexOf("VevOdaraMotion|Qml##E05##0") >= 0);
        }

        function test_emergency_overlay() {
            open_window();
            cpp_signal.update_vevodara_EmergencyForm(true);
            verify(layer("tEmergencyForm").visible);
            cpp_signal.update_vevodara_EmergencyForm(false);
            verify(!layer("tEmergencyForm").visible);
        }

        function test_add_qml_refuses_second_copy() {
            open_window();
            var front = layer("m_front");
            var url = "qrc:/Dialog/ShowMessageBox.qml";
            verify(root.window.add_qml(url, front) !== null);
            compare(root.window.add_qml(url, front), null);
            cpp_signal.qml_test("");
            compare(front.children.length, 1);
            cpp_signal.qml_test("?");
            compare(front.children.length, 2);
            compare(front.children[0].input_para, {});
            root.window.delete_qml(url, front);
            tryCompare(front.children, "length", 1);
        }

        function test_question_box_data() {
            return [
                { tag: "sends its command", cmd: "Qml##RestoreDefaultSet", to: "param_mge", expected: ["param_mge|Qml##RestoreDefaultSet"] },
                { tag: "nothing when empty", cmd: "", to: "param_mge", expected: [] }
            ];
        }
        function test_question_box(data) {
            open_window();
            cpp_para.put("m_strMessageInfo", "sure?");
            cpp_para.put("m_strMessageCmd", data.cmd);
            cpp_para.put("m_strMessageCmdTo", data.to);
            cpp_signal.qml_test("?");
            var front = layer("m_front");
            var box = front.children[0];
            compare(findChild(box, "messageText").value, "sure?");
            cpp_tool.reset();
            mouseClick(findChild(box, "boxConfirm"));
            compare(module_commands(), data.expected);
            tryCompare(front.children, "length", 0);
        }

        function test_question_box_cancel_and_info_box_send_nothing() {
            open_window();
            cpp_para.put("m_strMessageCmd", "Qml##clearcount");
            cpp_para.put("m_strMessageCmdTo", "VevOdaraMotion");
            var front = layer("m_front");
            cpp_signal.qml_test("?");
            mouseClick(findChild(front.children[0], "boxCancel"));
            tryCompare(front.children, "length", 0);
            cpp_signal.qml_test("");
            mouseClick(findChild(front.children[0], "boxConfirm"));
            tryCompare(front.children, "length", 0);
            compare(module_commands().filter(function (c) { return c.indexOf("clearcount") >= 0; }), []);
        }

        function test_close_request_is_refused_and_asks() {
            open_window();
            root.window.close();
            verify(root.window.visible);
            verify(module_commands().indexOf("GrblLaserMotion|Qml##Quit") >= 0);
            verify(module_commands().indexOf("Tcp_FileTransfer|exit_soft") >= 0);
            var dialog = layer("m_dialog");
            compare(dialog.children.length, 1);
            mouseClick(findChild(dialog.children[0], "closeCancel"));
            verify(module_commands().indexOf("Tcp_FileTransfer|enter_soft") >= 0);
            tryCompare(dialog.children, "length", 0);
        }

        function test_page_navigation() {
            open_window();
            var page = layer("m_root");
            root.window.show_qml("qrc:/VevOdara_new/Design/ApplicationDesigner.qml", page);
            tryCompare(page.children, "length", 1);
            var pager = findChild(page.children[0], "mainApp");
            verify(pager);
            compare(pager.currentIndex, 1); // no stored page: the menu
            verify(module_commands().indexOf("VevOdaraMotion|Qml##ResetE05Count") >= 0);

            cpp_para.set_para("m_nTabBarIndex", 0);
            root.window.show_qml("qrc:/VevOdara_new/Design/ApplicationDesigner.qml", page);
            tryCompare(page.children, "length", 1);
            compare(findChild(page.children[0], "mainApp").currentIndex, 0);
        }

        function test_framework_modal_box_data() {
            return [
                { tag: "question agreed", kind: 2, button: "modalBoxAgree", answer: 1, rejectShown: true },
                { tag: "question rejected", kind: 2, button: "modalBoxReject", answer: 0, rejectShown: true },
                { tag: "information", kind: 0, button: "modalBoxAgree", answer: 1, rejectShown: false }
            ];
        }
        function test_framework_modal_box(data) {
            open_window();
            var box = findChild(root.window.contentItem, "modalBox");
            verify(!box.visible);
            cpp_tool.show_box({ "kind": data.kind, "title": "T", "info": "I", "agree": "", "reject": "" });
            verify(box.visible);
            compare(findChild(box, "modalBoxReject").visible, data.rejectShown);
            mouseClick(findChild(box, data.button));
            compare(cpp_tool.answers(), [data.answer]);
        }

        function test_background_follows_the_hub() {
            cpp_para.put("backimg", "壁纸3.png");
            open_window();
            var frame = layer("m_root").children[0];
            var background = findChild(frame, "frameBackground");
            compare(String(background.source), "qrc:/VevOdara_new/Image/壁纸3.png");
            compare(background.status, Image.Ready);
            cpp_signal.update_vevodara_Backimg("bk_0.png");
            compare(String(background.source), "qrc:/VevOdara_new/Image/bk_0.png");
            compare(background.status, Image.Ready);
        }
    }
}
