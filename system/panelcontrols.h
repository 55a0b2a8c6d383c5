#pragma once

#include <QString>

// The panel's display, sound and key-click hardware.
namespace PanelControls {

extern const QString kBeeper;         // GPIO line of the beeper, exported as an output
extern const QString kBacklightParam; // display debug interface: value, then "1" into start
extern const QString kBacklightStart;

// The screens' brightness runs 0 to 200, the display's value the other way round.
int backlightValue(int brightness);
void setBacklight(int brightness);

// The screens' volume runs 0 to 40; the codec's attenuation runs the other way, and below 10
// the codec distorts, so the loud end stops there.
int mixerValue(int volume);
QString mixerCommand(int volume);
void setVolume(int volume); // runs mixerCommand

void setBeeper(bool on);

} // namespace PanelControls
