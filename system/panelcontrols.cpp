#include "panelcontrols.h"

#include "board.h"
#include "systemlog.h"

namespace PanelControls {

const QString kBeeper = QStringLiteral("/sys/class/gpio/gpio362/value");
const QString kBacklightParam = QStringLiteral("/sys/kernel/debug/dispdbg/param");
const QString kBacklightStart = QStringLiteral("/sys/kernel/debug/dispdbg/start");

int backlightValue(int brightness)
{
    return 200 - brightness;
}

void setBacklight(int brightness)
{
    const int value = backlightValue(brightness);
    Board &board = Board::instance();
    board.writeDevice(kBacklightParam, QByteArray::number(value));
    systemLog(QStringLiteral("亮度:%1").arg(value));
    board.writeDevice(kBacklightStart, QByteArrayLiteral("1"));
}

int mixerValue(int volume)
{
    const int value = 40 - volume;
    return value <= 9 ? 10 : value;
}

QString mixerCommand(int volume)
{
    return QStringLiteral("amixer -D hw:audiocodec cset name='digital volume' %1")
        .arg(mixerValue(volume));
}

void setVolume(int volume)
{
    const QString command = mixerCommand(volume);
    Board::instance().system(command);
    systemLog(command);
}

void setBeeper(bool on)
{
    Board::instance().writeDevice(kBeeper, on ? QByteArrayLiteral("1") : QByteArrayLiteral("0"));
}

} // namespace PanelControls
