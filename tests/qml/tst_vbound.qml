import QtQuick 2.12
import QtTest 1.2
import VNQML 1.0

// Parameter-bound controls: check box, slider and text, and the tab bar.
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
        id: checkComponent
        VCheckBox {
            width: 300
            height: 30
        }
    }
    Component {
        id: sliderComponent
        VSlider_3 {
            y: 50
            width: 330
        }
    }
    Component {
        id: textComponent
        VText {
            y: 150
            width: 300
        }
    }
    Component {
        id: tabsComponent
        VTabBar {
            y: 200
            width: 300
            VTabButton {
                x: 0
                btn_text: "A"
            }
            VTabButton {
                x: 100
                btn_text: "B"
            }
            VTabButton {
                x: 200
                btn_text: "C"
            }
        }
    }
    Component {
        id: spyComponent
        SignalSpy {}
    }

    TestCase {
        name: "BoundControls"
        when: windowShown

        function init() {
            cpp_para.reset();
            cpp_tool.reset();
        }

        function test_checkbox_binding_and_refresh() {
            cpp_para.put("m_nEnableBtnBee", "1");
            var box = createTemporaryObject(checkComponent, root, { "para_name": "m_nEnableBtnBee" });
            verify(box.check_box.checked);
            cpp_para.put("m_nEnableBtnBee", "2");
            cpp_signal.qml_fresh_parameter();
            verify(!box.check_box.checked);
            compare(cpp_para.get_para("m_nEnableBtnBee"), "0");

            var clicks = createTemporaryObject(spyComponent, root, { "target": box, "signalName": "click" });
            mouseClick(box, 10, 15);
            verify(box.check_box.checked);
            compare(cpp_para.get_para("m_nEnableBtnBee"), "1");
            compare(clicks.count, 1);
            compare(clicks.signalArguments[0][0], true);

            box.set_check(false);
            compare(cpp_para.get_para("m_nEnableBtnBee"), "0");
        }

        function test_unbound_checkbox_stores_nothing() {
            var box = createTemporaryObject(checkComponent, root);
            box.set_check(true);
            mouseClick(box, 10, 15);
            compare(cpp_para.writes(), []);
        }

        function test_slider_right_end_stores_rounded_text() {
            var slider = createTemporaryObject(sliderComponent, root, { "para_name": "m_nVolume" });
            var moves = createTemporaryObject(spyComponent, root, { "target": slider, "signalName": "move" });
            var knob = findChild(slider, "sliderKnob");
            mousePress(knob, knob.width / 2, knob.height / 2);
            mouseMove(knob, knob.width / 2 + 500, knob.height / 2);
            mouseRelease(knob, knob.width / 2 + 500, knob.height / 2);
            compare(cpp_para.get_para("m_nVolume"), "100.00");
            compare(slider.cur_value, 100);
            verify(moves.count > 0);
        }

        function test_slider_track_tap_and_min_clamp() {
            var slider = createTemporaryObject(sliderComponent, root, { "para_name": "m_nBright", "max_value": 200, "min_value": 20 });
            var track = findChild(slider, "sliderTrack");
            mouseClick(track, track.width / 2, track.height / 2);
            compare(cpp_para.get_para("m_nBright"), "100.00");
            mouseClick(track, 1, track.height / 2);
            compare(cpp_para.get_para("m_nBright"), "20.00");
        }

        function test_slider_refresh_and_default() {
            cpp_para.put("m_nBright", "50");
            var slider = createTemporaryObject(sliderComponent, root, { "para_name": "m_nBright" });
            fuzzyCompare(slider.position, 0.5, 0.001);
            cpp_para.put("m_nBright", "25");
            cpp_signal.qml_fresh_parameter();
            fuzzyCompare(slider.position, 0.25, 0.001);
            slider.disablefresh = 1;
            cpp_para.put("m_nBright", "75");
            cpp_signal.qml_fresh_parameter();
            fuzzyCompare(slider.position, 0.25, 0.001);

            var other = createTemporaryObject(sliderComponent, root, { "para_name": "m_nVolume", "default_value": 40 });
            compare(cpp_para.get_para("m_nVolume"), "40");
            compare(other.cur_value, 40);
        }

        function test_text_reads_but_never_writes() {
            cpp_para.put("m_nCount", "12");
            var text = createTemporaryObject(textComponent, root, { "para_name": "m_nCount", "tag": "n" });
            compare(text.textr.text, "12");
            cpp_para.put("m_nCount", "13");
            cpp_signal.qml_fresh_parameter();
            compare(text.textr.text, "13");
            compare(cpp_para.writes(), []);
        }

        function test_tabbar() {
            var bar = createTemporaryObject(tabsComponent, root);
            var tabs = bar.children;
            compare(tabs[0].index, 0);
            compare(tabs[2].index, 2);
            verify(tabs[0].checked);
            var selected = createTemporaryObject(spyComponent, root, { "target": bar, "signalName": "selectObj" });
            bar.currentIndex = 2;
            compare(selected.count, 1);
            compare(selected.signalArguments[0][0], tabs[2]);
            verify(!tabs[0].checked && !tabs[1].checked && tabs[2].checked);

            var clicks = createTemporaryObject(spyComponent, root, { "target": tabs[1], "signalName": "click" });
            mousePress(tabs[1]);
            compare(bar.currentIndex, 1);
            compare(clicks.count, 1);
            verify(tabs[1].checked && !tabs[2].checked);
            mouseRelease(tabs[1]);
        }
    }
}
