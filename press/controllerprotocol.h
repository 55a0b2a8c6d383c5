#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// The text protocol of the press's controller board, panel side.
//
// Panel to controller: one register write ("$100=1800") or machine command ("M190") per line,
// framed as body + "*" + decimal XOR checksum + "\n"; the controller answers each with a text
// containing "ik". Between batches the panel asks "$?\n" and the controller answers with one
// status line of 13 "##"-separated fields such as "$99=1795".
namespace ControllerProtocol {

constexpr int kStatusFieldCount = 13;
// The pressure register carries the raw strain-gauge reading in hexadecimal.
constexpr int kPressureRegister = 105;
extern const char kStatusRequest[]; // "$?\n"

// XOR of the Latin-1 codes of every character of body.
int checksum(const QString &body);
// body + "*" + checksum + "\n".
QString frame(const QString &body);
// A value of a floating-point parameter as the controller expects it: 6 significant digits,
// no trailing zeros, no decimal point for whole numbers (like "%g").
QString formatReal(double value);

// One framed line per line of text (each ending "\n"); white space is removed and lines that
// are then empty are skipped. bodies, when given, receives the unframed bodies.
QStringList encodeBatch(const QString &text, QStringList *bodies = nullptr);

// Whether a chunk received during a batch acknowledges the line in flight.
inline bool isAcknowledgement(const QString &chunk)
{
    return chunk.contains(QLatin1String("ik"));
}

struct StatusField
{
    int reg = 0;
    qint64 value = 0; // decimal integer, or the unsigned hexadecimal reading of register 105
    QStringRef text;  // the value as received; valid while the parsed line lives
    // The value as a decimal fraction, for the signals that carry one.
    double real() const { return text.toDouble(); }
};

// Takes the last complete line out of the accumulated text. Returns false and leaves the text
// alone while no line feed has arrived; otherwise clears the text (a partial line after the last
// line feed goes too) and returns the line before the last line feed.
bool takeLastLine(QString &accumulated, QString *line);

// Decodes a status line into its register fields, in order. Returns false (fields empty) unless
// the line has exactly 13 fields. Fields without "$" and "=", or with more than one "=", are
// skipped; a field "$130=0" ends the line (neither it nor any field after it is returned).
// The fields refer into line, which must outlive them.
bool parseStatusLine(const QString &line, QVector<StatusField> *fields);

} // namespace ControllerProtocol
