#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// The per-day production record file: one key "yyyy/MM/dd" per day on which pieces were pressed,
// its value that day's count. Keys of any other form are not records and are left alone.
namespace ProductionRecords {

constexpr int kMaxDays = 30;

// Removes the oldest date keys beyond kMaxDays; returns the keys removed (oldest first).
QStringList trim(const QString &file, int maxDays = kMaxDays);
// Creates the file empty when it does not exist; the folder is not created.
bool createEmpty(const QString &file);
// Deletes every plain file whose name starts with "Production" in folder; returns their paths.
QStringList deleteAll(const QString &folder);
// Deletes the settings lock companions of baseName in folder, whatever their age; returns the
// paths deleted. Details of each file found go to the log.
QStringList removeStaleLocks(const QString &folder, const QString &baseName);

} // namespace ProductionRecords
