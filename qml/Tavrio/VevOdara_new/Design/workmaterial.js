// The chosen material and the arithmetic of the work screen, shared by the work screen and the
// set-point pages. Not a library: it reads the page's context objects (cpp_para, param_mge).

// Built-in material captions by slot index; 8 and above are self-materials shown by name.
function caption(index) {
    switch (index) {
    case 0:
        return qsTr("主界面");
    case 1:
        return "DTF";
    case 2:
        return "MDF";
    case 3:
        return "HTV";
    case 4:
        return qsTr("布艺");
    case 5:
        return qsTr("水晶");
    case 6:
        return qsTr("金属板");
    case 7:
        return qsTr("石板");
    }
    return "";
}

function para(name, fallback) {
    return String(cpp_para.try_get_para(name, fallback));
}

function setPara(name, value) {
    cpp_para.set_para(name, String(value));
}

// Whole number of a stored text; fallback when it holds none.
function toInt(text, fallback) {
    var v = parseInt(String(text), 10);
    return isNaN(v) ? fallback : v;
}

function toNumber(text, fallback) {
    var v = parseFloat(String(text));
    return isNaN(v) ? fallback : v;
}

function intPart(x) {
    return x < 0 ? Math.ceil(x) : Math.floor(x);
}

function clamp(v, lo, hi) {
    return v < lo ? lo : (v > hi ? hi : v);
}

function configPath() {
    if (typeof param_mge === "undefined" || !param_mge)
        return "";
    return param_mge.get_config_path();
}

function libraryPath() {
    return configPath() + "TechLibrary/MainMaterial";
}

function userName() {
    return para("m_curUserName", "Guest");
}

function materialIndex() {
    return toInt(para("m_strMaterialSelNameIndex", "0"), 0);
}

function materialName() {
    return para("m_strMaterialSelName", "M1");
}

function isSelfMaterial() {
    return materialIndex() >= 8;
}

// Folder (below the library) and file name of the chosen material.
function materialFolder() {
    return isSelfMaterial() ? userName() + "/SelfMaterial" : userName();
}

function materialFile() {
    return (isSelfMaterial() ? materialName() : String(materialIndex())) + ".ini";
}

function readMaterial(key, fallback) {
    if (typeof param_mge === "undefined" || !param_mge)
        return fallback;
    return String(param_mge.try_get_path_fp_para(libraryPath(), materialFolder(), materialFile(), key, fallback));
}

function writeMaterial(key, value) {
    if (typeof param_mge === "undefined" || !param_mge)
        return;
    param_mge.set_path_fp_para(libraryPath(), materialFolder(), materialFile(), key, String(value));
}

// Writes one value both into the material file and into the global parameters.
function store(key, value) {
    writeMaterial(key, value);
    setPara(key, value);
}

function send(module, cmd) {
    if (typeof cpp_tool !== "undefined" && cpp_tool)
        cpp_tool.send_cmd(module, cmd);
}

function sendPress(cmd) {
    send("VevOdaraMotion", "Qml##" + cmd);
}

// --- temperatures -------------------------------------------------------------------------

function unitSign(unit) {
    return unit === 0 ? "℃" : "℉";
}

function toFahrenheit(c) {
    return c * 1.8 + 32;
}

// A Fahrenheit value as the °C text stored and sent to the press: one decimal.
function fahrenheitToStoredCelsius(f) {
    return ((f - 32) / 1.8).toFixed(1);
}

// The destination as the work screen shows it: the integer part in °C, the nearest integer in °F.
function shownDestination(destC, unit) {
    return unit === 0 ? intPart(destC) : Math.round(toFahrenheit(destC));
}

// What the actual-temperature display shows for a reading (tenths of °C), and whether the
// reading reaches the destination. Once reached the display holds the destination while the
// reading stays in a window around it, so the number does not flicker as the platen regulates.
function actualDisplay(reading, destC, holding, heating, unit) {
    var a = reading * 0.1;
    var shown, dest, aboveWin, belowWin;
    if (unit === 0) {
        shown = intPart(a);
        dest = intPart(destC);
        aboveWin = 5;
        belowWin = 10;
    } else {
        shown = Math.round(Math.round(toFahrenheit(a) * 10) / 10);
        dest = Math.round(toFahrenheit(destC));
        aboveWin = 9;
        belowWin = 18;
    }
    if (holding) {
        var inWindow = (dest < shown && shown <= dest + aboveWin) || (dest - belowWin <= shown && shown < dest);
        return {
            "text": String(inWindow ? dest : shown),
            "reached": false
        };
    }
    var reached = heating ? (dest <= shown && shown <= dest + 1) : (dest - 1 <= shown && shown <= dest);
    return {
        "text": String(reached ? dest : shown),
        "reached": reached
    };
}

// Fill of the temperature bar in percent.
function temperatureRate(reading, destC) {
    var d = intPart(destC);
    if (d <= 0)
        return 100;
    var rate = intPart(reading * 0.1 / d * 100);
    return clamp(rate, 0, 100);
}

// Fill of the countdown bar in percent, one decimal.
function secondRate(seconds, full) {
    if (full <= 0)
        return 100;
    return clamp(Math.round(seconds / full * 1000) / 10, 0, 100);
}

// --- other values -------------------------------------------------------------------------

// Pressure level from the measured kilograms: 0 up to 50 kg, then one step per 40 kg up to 330.
function pressureLevel(kg) {
    var w = intPart(kg);
    if (w <= 50)
        return "0";
    if (w > 330)
        return "--";
    return String(Math.floor((w - 51) / 40) + 1);
}

// The piece counter has five digits on the screen.
function counterText(count) {
    var n = intPart(Number(count));
    if (isNaN(n))
        n = 0;
    return String(n > 99999 ? n % 99999 : n);
}

function ambientText(tenths, unit) {
    var t = tenths * 0.1;
    return unit === 0 ? t.toFixed(1) + "℃" : toFahrenheit(t).toFixed(1) + "℉";
}

function humidityText(tenths) {
    return (tenths * 0.1).toFixed(1) + "%";
}

function clockText() {
    return new Date().toLocaleString(Qt.locale("zh_CN"), "  yy-MM-dd  hh:mm");
}
