#include "app/settings_file.h"

#include "app/record_file.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>

#include <SimpleIni.h>

namespace {

void LoadIni(const QString &path, CSimpleIniA &ini)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray data = file.readAll();
    ini.LoadData(data.constData(), static_cast<size_t>(data.size()));
}

} // namespace

QString SettingsPathFor(const QString &executablePath)
{
    const QFileInfo executable(executablePath);
    const QString name = executable.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot < 0 ? name : name.left(dot);
    return executable.dir().filePath(stem + QStringLiteral(".INI"));
}

QStringList ReadIniValues(const QString &path, const char *section, const QList<const char *> &keys)
{
    CSimpleIniA ini(true);
    LoadIni(path, ini);
    QStringList values;
    for (const char *key : keys)
        values.append(QString::fromUtf8(ini.GetValue(section, key, "")));
    return values;
}

bool WriteIniValues(const QString &path, const char *section, const QList<const char *> &keys,
                    const QStringList &values)
{
    CSimpleIniA ini(true);
    LoadIni(path, ini);
    for (qsizetype i = 0; i < keys.size(); ++i)
        ini.SetValue(section, keys[i], values.value(i).toUtf8().constData());
    ini.SetSpaces(false);
    std::string text;
    if (ini.Save(text) < 0)
        return false;
    return WriteFileSafely(path, QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
}
