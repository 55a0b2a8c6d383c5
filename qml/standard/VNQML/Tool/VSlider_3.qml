import QtQuick 2.12

// A drawn horizontal slider bound to a parameter (brightness, volume). The track runs from 0 at
// the left end to max_value at the right end; min_value only clamps.
Item {
    id: root

    property string para_name: ""
    property string para_table: "General"
    property string tag: ""
    property real tag_width: 100 * dShowRatio_Min
    property real fontsize: 18 * dShowRatio_Min
    property color ctrlColor: "#78b0f3"
    property real circleWidth: 30 * dShowRatio_W
    property real circleHeight: 30 * dShowRatio_H
    property real cur_value: 0
    property real max_value: 100
    property real min_value: 0
    property int decimal: 2
    property real default_value: -1
    property int disablefresh: 0
    property real valueframsize: 24 * dShowRatio_Min
    readonly property real travel: Math.max(0, track.width - knob.width)
    readonly property real position: travel > 0 ? filled.width / travel : 0

    signal move
    signal moved
    signal release

    implicitWidth: 120 * dShowRatio_W
    implicitHeight: 80 * dShowRatio_H
    height: 80 * dShowRatio_H

    function place(x) {
        var clamped = Math.max(0, Math.min(travel, x));
        knob.x = clamped;
        filled.width = clamped;
    }
    function fresh_data() {
        if (para_name !== "")
            cur_value = Number(cpp_para.try_get_para(para_name, "0")) || 0;
        place(max_value !== 0 ? cur_value / max_value * travel : 0);
    }
    // After the finger moved the knob: value from the position, stored when bound.
    function take_position() {
        var v = Number((max_value * position).toFixed(decimal));
        if (v < min_value)
            v = min_value;
        if (v > max_value)
            v = max_value;
        cur_value = v;
        moved();
        if (para_name !== "") {
            cpp_para.set_para(para_name, v.toFixed(decimal));
            move();
        }
    }

    Component.onCompleted: {
        if (default_value !== -1 && para_name !== "")
            cpp_para.set_para(para_name, String(default_value));
        fresh_data();
    }
    onWidthChanged: place(max_value !== 0 ? cur_value / max_value * travel : 0)

    Connections {
        target: cpp_signal
        onQml_fresh_parameter: {
            if (root.disablefresh === 0)
                root.fresh_data();
        }
    }

    Text {
        x: 5 * dShowRatio_W
        y: 10 * dShowRatio_H
        width: root.tag_width
        text: root.tag
        color: "black"
        font.family: localFont.name
        font.pointSize: Math.max(1, root.fontsize * 0.75)
    }

    Rectangle {
        id: track
        objectName: "sliderTrack"
        y: 56 * dShowRatio_H
        width: root.width
        height: 30 * dShowRatio_H
        radius: 2.5 * dShowRatio_H
        color: "lightgray"

        Rectangle {
            id: filled
            height: parent.height
            radius: parent.radius
            color: root.ctrlColor
        }
        MouseArea {
            anchors.fill: parent
            onPressed: {
                root.place(mouse.x - knob.width / 2);
                root.take_position();
            }
            onReleased: root.release()
        }
        Rectangle {
            id: knob
            objectName: "sliderKnob"
            width: root.circleWidth
            height: root.circleHeight
            anchors.verticalCenter: parent.verticalCenter
            radius: 15 * dShowRatio_H
            color: root.ctrlColor
            Rectangle {
                anchors.fill: parent
                anchors.margins: 3
                radius: 10 * dShowRatio_H
                color: "white"
                Text {
                    anchors.centerIn: parent
                    text: Math.round(root.cur_value)
                    color: "#203050"
                    font.family: localFont.name
                    font.pointSize: Math.max(1, 11 * dShowRatio_Min)
                }
            }
            MouseArea {
                anchors.fill: parent
                anchors.margins: -8
                onPositionChanged: {
                    if (!pressed)
                        return;
                    root.place(knob.x + mouse.x - 8 - knob.width / 2);
                    root.take_position();
                }
                onReleased: root.release()
            }
        }
    }
}
