import QtQuick 2.12

// A label in the panel's text colour.
Text {
    color: "#e0e6ee"
    font.pixelSize: 18
    verticalAlignment: Text.AlignVCenter
    elide: Text.ElideRight
}
