import QtQuick 2.12
import QtTest 1.2
import VNQML 1.0

// VWidget, the pop-up frame: centred, dragged by the finger, closed by its cross.
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
        id: widgetComponent
        VWidget {}
    }
    SignalSpy {
        id: closeSpy
        signalName: "close"
    }

    TestCase {
        name: "VWidget"
        when: windowShown

        function test_centred_and_dragged() {
            var frame = createTemporaryObject(widgetComponent, root, { "input_para": { "mainwin": root } });
            compare(frame.x, (800 - 513) / 2);
            compare(frame.y, (480 - 400) / 2);
            compare(frame.mainwin, root);
            var x0 = frame.x, y0 = frame.y;
            mousePress(frame, 100, 100);
            mouseMove(frame, 130, 90);
            mouseRelease(frame, 130, 90);
            compare(frame.x, x0 + 30);
            compare(frame.y, y0 - 10);
        }

        function test_close_cross() {
            var before = root.children.length;
            var frame = widgetComponent.createObject(root);
            closeSpy.target = frame;
            closeSpy.clear();
            mouseClick(findChild(frame, "widgetClose"));
            compare(closeSpy.count, 1);
            tryCompare(root.children, "length", before);
        }
    }
}
