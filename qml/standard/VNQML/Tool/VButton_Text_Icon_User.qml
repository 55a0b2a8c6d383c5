import QtQuick 2.12

// VButton_Text_Icon that also reports a press held for one second (presslong).
TextButtonCore {
    kind: 1
    detectLongPress: true
}
