import QtQuick 2.12

// A bar whose direct children are tab buttons, numbered 0, 1, 2 ... at completion.
Rectangle {
    id: root

    property color bk_color: "white"
    property int currentIndex: 0
    property bool ready: false

    signal selectObj(var obj)

    implicitWidth: 200 * dShowRatio_W
    implicitHeight: 30 * dShowRatio_H
    color: bk_color

    function check(index) {
        var target = null;
        for (var i = 0; i < children.length; ++i) {
            var child = children[i];
            if (child.checked !== undefined) {
                child.checked = false;
                if (child.index === index)
                    target = child;
            }
        }
        if (currentIndex !== index)
            currentIndex = index; // the change handler returns here once more and emits
        else if (target) {
            target.checked = true;
            selectObj(target);
        }
    }

    onCurrentIndexChanged: {
        if (ready)
            check(currentIndex);
    }
    Component.onCompleted: {
        var n = 0;
        for (var i = 0; i < children.length; ++i) {
            if (children[i].index !== undefined)
                children[i].index = n++;
        }
        ready = true;
        check(currentIndex);
    }
}
