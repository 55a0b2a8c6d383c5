// The key click of the touch controls: the system-service module turns "on" into a short beeper
// pulse when button beeping is enabled.
function send(on) {
    if (typeof cpp_tool === "undefined" || !cpp_tool)
        return;
    cpp_tool.send_cmd("tavrio", on ? "Qml##Bee##1" : "Qml##Bee##0");
}
