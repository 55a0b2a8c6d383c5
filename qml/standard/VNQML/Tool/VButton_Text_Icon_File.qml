import QtQuick 2.12

// VButton_Text with a square image at the left edge and the label beside it: the rows of file
// lists.
TextButtonCore {
    kind: 2
}
