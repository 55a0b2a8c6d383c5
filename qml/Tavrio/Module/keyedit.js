.pragma library

// Editing shared by the on-screen keyboards; field is a TextInput.

function insert(field, str) {
    if (field.selectedText.length > 0)
        field.remove(field.selectionStart, field.selectionEnd);
    field.deselect();
    field.insert(field.cursorPosition, str);
}

// Removes a selection of more than one character, else the character before the cursor.
function backspace(field) {
    if (field.selectedText.length > 1) {
        field.remove(field.selectionStart, field.selectionEnd);
        return;
    }
    var pos = field.cursorPosition;
    field.deselect();
    if (pos > 0)
        field.remove(pos - 1, pos);
}

// The range rule of the numeric keypad: the text written into the target input on confirm.
//   rule: the target's targetInputId; text: what was typed.
function applyRule(rule, text) {
    var t = text === "" ? "0" : text;
    var v = parseInt(t, 10); // leading sign allowed, fraction cut off, NaN when no number
    var id = String(rule);
    if (Number(id) >= 1000)
        return t;
    switch (id) {
    case "1":
        return String(isNaN(v) ? 0 : Math.max(-50, Math.min(50, v)));
    case "2":
        return String(isNaN(v) ? 1 : Math.max(1, Math.min(500, v)));
    case "3":
        return String(isNaN(v) ? 50 : Math.max(50, Math.min(200, v)));
    case "4":
        return String(isNaN(v) ? 1 : Math.max(1, Math.min(10, v)));
    case "5":
        if (isNaN(v))
            return "1";
        return String(v <= 0 ? 0 : Math.min(10, v));
    default:
        return String(v);
    }
}
