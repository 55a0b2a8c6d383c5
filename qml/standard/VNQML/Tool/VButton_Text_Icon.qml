import QtQuick 2.12

// VButton_Text with an image over the whole button (aspect kept).
TextButtonCore {
    kind: 1
}
