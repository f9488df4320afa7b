#pragma once

#include <QString>
#include <QStringList>

// The settings file beside the executable: its path with the extension
// replaced by ".INI", or ".INI" appended where it has none.
QString SettingsPathFor(const QString &executablePath);

// The values of the keys in one section; a missing file or key gives "".
QStringList ReadIniValues(const QString &path, const char *section, const QList<const char *> &keys);

// Sets the keys in one section, keeping every other section and key of an
// existing file and the order in which they stand.
bool WriteIniValues(const QString &path, const char *section, const QList<const char *> &keys,
                    const QStringList &values);
