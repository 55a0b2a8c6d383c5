import QtQuick 2.12

// The rounded text button of every page. click/doubleclick come from the tap discrimination
// (300 ms); buttonUp and release follow the finger at once.
TextButtonCore {
    property bool isUsebkColorAsEnterColor: false
    kind: 0
    enterUsesBkColor: isUsebkColorAsEnterColor
}
