import QtQuick 2.12
import QtTest 1.2
import VNQML 1.0

// The buttons: key click, tap discrimination, long press and the tile's delete badge.
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

    VButton_Text {
        id: button
        x: 10
        y: 10
        width: 200
        height: 60
        btn_text: "OK"
    }
    VButton_Text_Icon_User {
        id: userButton
        x: 10
        y: 100
        width: 200
        height: 60
    }
    Component {
        id: tileComponent
        VButton_Icon_Text_RM {
            x: 300
            y: 100
            width: 120
            height: 120
        }
    }

    SignalSpy {
        id: clickSpy
        target: button
        signalName: "click"
    }
    SignalSpy {
        id: doubleSpy
        target: button
        signalName: "doubleclick"
    }
    SignalSpy {
        id: upSpy
        target: button
        signalName: "buttonUp"
    }
    SignalSpy {
        id: longSpy
        target: userButton
        signalName: "presslong"
    }

    TestCase {
        name: "Buttons"
        when: windowShown

        function init() {
            cpp_tool.reset();
            clickSpy.clear();
            doubleSpy.clear();
            upSpy.clear();
            longSpy.clear();
            wait(350); // let a previous gesture's timers run out
            clickSpy.clear();
            doubleSpy.clear();
        }

        function test_single_tap_clicks_after_300ms() {
            var started = Date.now();
            mouseClick(button);
            compare(upSpy.count, 1);
            compare(clickSpy.count, 0);
            clickSpy.wait(1000);
            verify(Date.now() - started >= 290);
            compare(doubleSpy.count, 0);
            compare(cpp_tool.commands(), ["tavrio|Qml##Bee##1", "tavrio|Qml##Bee##0"]);
        }

        function test_two_taps_on_different_spots_give_one_doubleclick() {
            mouseClick(button, 10, 10);
            mouseClick(button, 180, 50);
            doubleSpy.wait(1000);
            wait(350);
            compare(doubleSpy.count, 1);
            compare(clickSpy.count, 0);
            // and the next single tap is a click again
            mouseClick(button);
            clickSpy.wait(1000);
            compare(doubleSpy.count, 1);
        }

        function test_double_click_of_the_pointer_system() {
            mouseDoubleClickSequence(button);
            compare(doubleSpy.count, 1);
            clickSpy.wait(1000);
            compare(clickSpy.count, 1);
            compare(doubleSpy.count, 1);
        }

        function test_long_press() {
            mousePress(userButton);
            longSpy.wait(1500);
            compare(longSpy.count, 1);
            mouseRelease(userButton);

            mousePress(userButton);
            wait(300);
            mouseRelease(userButton);
            wait(1000);
            compare(longSpy.count, 1);
        }

        function test_tile_without_badge_acts_at_press() {
            var tile = createTemporaryObject(tileComponent, root);
            var click = createTemporaryObject(spyComponent, root, { "target": tile, "signalName": "click" });
            mousePress(tile);
            compare(click.count, 1);
            mouseRelease(tile);
        }

        function test_tile_short_tap_with_badge_enabled() {
            var tile = createTemporaryObject(tileComponent, root, { "useRMrect": true });
            var click = createTemporaryObject(spyComponent, root, { "target": tile, "signalName": "click" });
            var release = createTemporaryObject(spyComponent, root, { "target": tile, "signalName": "release" });
            mouseClick(tile);
            compare(release.count, 1);
            compare(click.count, 0);
            click.wait(1000);
            verify(!tile.bRMpimshow);
        }

        function test_tile_long_press_shows_badge_and_swallows_release() {
            var tile = createTemporaryObject(tileComponent, root, { "useRMrect": true });
            var click = createTemporaryObject(spyComponent, root, { "target": tile, "signalName": "click" });
            var release = createTemporaryObject(spyComponent, root, { "target": tile, "signalName": "release" });
            var pressrm = createTemporaryObject(spyComponent, root, { "target": tile, "signalName": "pressrm" });
            mousePress(tile);
            tryCompare(tile, "bRMpimshow", true, 1500);
            mouseRelease(tile);
            compare(release.count, 0);
            wait(400);
            compare(click.count, 0);

            var badge = findChild(tile, "deleteBadge");
            mousePress(badge);
            compare(pressrm.count, 1);
            mouseRelease(badge);

            // pressing the tile hides the badge and clicks at once
            mousePress(tile);
            verify(!tile.bRMpimshow);
            compare(click.count, 1);
            mouseRelease(tile);
            compare(release.count, 1);
            compare(tile.clickCount, 0);
            wait(400);
            compare(click.count, 1); // no second click from the same tap
        }
    }

    Component {
        id: spyComponent
        SignalSpy {}
    }
}
