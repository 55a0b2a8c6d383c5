#include "panelinfo.h"

#include "board.h"

namespace PanelInfo {

QString softwareVersion()
{
    return QStringLiteral("R4_V1.02.011");
}

QString ssid(int timeoutMs)
{
    const Board::Result result = Board::instance().query(
        QStringLiteral("sh"),
        {QStringLiteral("-c"),
         QStringLiteral(
             "nmcli connection show mywifi | grep -w ssid | head -n1 | awk '{print $2}'")},
        timeoutMs);
    if (result.timedOut || result.exitCode != 0)
        return QString();
    return QString::fromUtf8(result.output).trimmed();
}

} // namespace PanelInfo
