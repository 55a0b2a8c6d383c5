#pragma once

#include <QString>

// What the information pages show about the panel itself.
namespace PanelInfo {

QString softwareVersion(); // "R4_V1.02.011"

// The SSID of the wireless profile "mywifi" as NetworkManager reports it; empty when nmcli is
// missing, fails or takes longer than timeoutMs.
QString ssid(int timeoutMs = 3000);

} // namespace PanelInfo
