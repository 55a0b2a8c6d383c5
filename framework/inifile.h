#pragma once

#include <QMap>
#include <QString>
#include <QVariant>

// One helper for every INI file the panel keeps (settings, materials, users, records).
//
// Files are written by QSettings in INI format with UTF-8 and values as text. Every write makes
// the complete new file under a hidden temporary name and renames it over the old one, so a power
// cut leaves either the old or the new file, never a truncated one, and no lock behind. A key
// "Group/key" lives in [Group]; a key without a group lives in [General].
namespace Ini {

// A stored value as text; a list (an unquoted value with commas, written by hand) is joined back.
QString text(const QVariant &value);

QString read(const QString &file, const QString &key, const QString &defaultValue = QString());
bool contains(const QString &file, const QString &key);
// Writes one key; returns false when the file could not be written.
bool write(const QString &file, const QString &key, const QString &value);
bool write(const QString &file, const QMap<QString, QString> &values);
// All keys of a file ("Group/key" for keys inside a section other than General).
QMap<QString, QString> readAll(const QString &file, bool *ok = nullptr);
// Replaces the whole file with exactly these keys.
bool replaceAll(const QString &file, const QMap<QString, QString> &values);

} // namespace Ini
