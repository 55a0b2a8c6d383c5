#pragma once

#include <QString>
#include <QStringList>

// Board-level chores of every start that need no operator.
namespace DeviceFixups {

// "/home/rvk/fixNoAudioOutput.txt": present once a device has had its one-time set-up.
extern const QString kAudioMarker;
// The desktop's error logs looked at on each start, in order.
QStringList errorLogs();
constexpr qint64 kMiB = 1048576;
constexpr qint64 kErrorLogLimitMiB = 100;

// A new device gets audio access for the desktop user, that user as the display manager's login,
// the watchdog device for that user, and a reboot to take it all in; later starts only hand the
// watchdog device over again (device rights do not survive a reboot).
void fixNoAudioOutput();

// Removes any error log of more than 100 whole MiB: the desktop writes them without bound and a
// full storage stops the panel.
void cleanErrorLogs();
bool isOversizedErrorLog(qint64 bytes);

} // namespace DeviceFixups
