#pragma once

#include <QByteArray>
#include <QMap>

// A controller status line of exactly `fields` fields: the registers given, padded with an
// unused register.
inline QByteArray statusLine(const QMap<int, QByteArray> &registers, int fields = 13)
{
    QByteArray line;
    int n = 0;
    for (auto it = registers.cbegin(); it != registers.cend(); ++it, ++n)
        line += (n ? "##$" : "$") + QByteArray::number(it.key()) + '=' + it.value();
    for (; n < fields; ++n)
        line += n ? "##$140=0" : "$140=0";
    return line + '\n';
}
