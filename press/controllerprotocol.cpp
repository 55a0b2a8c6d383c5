#include "controllerprotocol.h"

namespace ControllerProtocol {

const char kStatusRequest[] = "$?\n";

int checksum(const QString &body)
{
    int sum = 0;
    for (const QChar c : body)
        sum ^= static_cast<unsigned char>(c.toLatin1());
    return sum;
}

QString frame(const QString &body)
{
    return body + QLatin1Char('*') + QString::number(checksum(body)) + QLatin1Char('\n');
}

QString formatReal(double value)
{
    return QString::number(value, 'g', 6);
}

QStringList encodeBatch(const QString &text, QStringList *bodies)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    lines.removeLast(); // the text after the final line feed
    QStringList framed;
    for (const QString &line : qAsConst(lines)) {
        QString body;
        body.reserve(line.size());
        for (const QChar c : line) {
            if (!c.isSpace())
                body += c;
        }
        if (body.isEmpty())
            continue;
        framed << frame(body);
        if (bodies)
            *bodies << body;
    }
    return framed;
}

bool takeLastLine(QString &accumulated, QString *line)
{
    const int last = accumulated.lastIndexOf(QLatin1Char('\n'));
    if (last < 0)
        return false;
    const int previous = last > 0 ? accumulated.lastIndexOf(QLatin1Char('\n'), last - 1) : -1;
    *line = accumulated.mid(previous + 1, last - previous - 1);
    accumulated.clear();
    return true;
}

namespace {
// Parses one field between begin and end (exclusive) of line; false when it carries no register.
bool parseField(const QString &line, int begin, int end, StatusField *field)
{
    const QStringRef text = line.midRef(begin, end - begin);
    if (!text.contains(QLatin1Char('$')))
        return false;
    const int eq = text.indexOf(QLatin1Char('='));
    if (eq < 0 || text.indexOf(QLatin1Char('='), eq + 1) >= 0)
        return false;
    // The first character is dropped whatever it is; the controller puts "$" there.
    const QStringRef reg = text.mid(1, eq - 1);
    const QStringRef value = text.mid(eq + 1);
    field->reg = reg.toInt();
    bool ok = false;
    if (field->reg == kPressureRegister) {
        const uint hex = value.toUInt(&ok, 16); // either letter case
        field->value = ok ? hex : 0;
    } else {
        const int dec = value.toInt(&ok);
        field->value = ok ? dec : 0;
    }
    field->text = value;
    return true;
}
} // namespace

bool parseStatusLine(const QString &line, QVector<StatusField> *fields)
{
    fields->clear();
    // Find the field bounds first: a line that is not exactly 13 fields changes nothing.
    int bounds[kStatusFieldCount + 1];
    int count = 0;
    int begin = 0;
    bounds[0] = 0;
    for (;;) {
        const int sep = line.indexOf(QLatin1String("##"), begin);
        if (sep < 0)
            break;
        if (++count >= kStatusFieldCount)
            return false;
        bounds[count] = sep + 2;
        begin = sep + 2;
    }
    if (count != kStatusFieldCount - 1)
        return false;
    for (int i = 0; i < kStatusFieldCount; ++i) {
        const int start = bounds[i];
        const int end = i + 1 < kStatusFieldCount ? bounds[i + 1] - 2 : line.size();
        StatusField field;
        if (!parseField(line, start, end, &field))
            continue;
        if (field.reg == 130 && field.value == 0)
            break;
        fields->append(field);
    }
    return true;
}

} // namespace ControllerProtocol
