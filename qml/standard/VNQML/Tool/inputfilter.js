.pragma library

// The numeric input filter of the text inputs.
// mode 1: digits, sign and point; mode 2: digits and point. firstPointOnly keeps only the
// first ".".
function filter(text, mode, firstPointOnly) {
    var out = "";
    var pointSeen = false;
    for (var i = 0; i < text.length; ++i) {
        var c = text.charAt(i);
        if (text.length === 2 && i === 0 && c === "0" && text.charAt(1) !== ".")
            continue;
        if (c === "." && i === 0)
            continue;
        if (c === "-" && i !== 0)
            continue;
        if (c >= "0" && c <= "9") {
            out += c;
        } else if (c === "-") {
            if (mode === 1)
                out += c;
        } else if (c === ".") {
            if (firstPointOnly && pointSeen)
                continue;
            pointSeen = true;
            out += c;
        }
    }
    return out;
}

// Clamps a numeric text to [min, max]; an empty text or one that is no number stays as it is.
function clamp(text, min, max) {
    if (text === "")
        return text;
    var n = Number(text);
    if (isNaN(n))
        return text;
    if (n > Number(max))
        return String(max);
    if (n < Number(min))
        return String(min);
    return text;
}
