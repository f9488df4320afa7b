#include "app/document_commands.h"

#include "app/ansi_text.h"
#include "app/modal_dialogs.h"
#include "records/record_name.h"

#include <QFileInfo>

namespace {

FileDialogRequest RequestFor(const RecordKindEntry &kind, const QString &lastFile)
{
    return {kind.filter, kind.extension, lastFile};
}

// The dialog's answer with the default extension, stored as the kind's
// last path before anything else is done with it.
std::optional<QString> TakeChosenPath(const QString &answer, const RecordKindEntry &kind, QString &lastFile)
{
    if (answer.isEmpty())
        return std::nullopt;
    lastFile = WithDefaultExtension(answer, kind.extension);
    return lastFile;
}

QString NameLimitMessage(int limit)
{
    return QStringLiteral("The filename length must be up to %1 characters!").arg(limit);
}

} // namespace

QString DocumentCaption(const QString &path)
{
    return QStringLiteral("Vellgard Army/Hero Editor - ") + path;
}

QString WithDefaultExtension(const QString &path, const QString &extension)
{
    if (QFileInfo(path).fileName().contains(QLatin1Char('.')))
        return path;
    return path + QLatin1Char('.') + extension;
}

std::optional<QString> OpenPattern(QWidget *parent, const RecordKindEntry &kind, QString &lastFile)
{
    const auto chosen = TakeChosenPath(Dialogs().openFileName(parent, RequestFor(kind, lastFile)), kind, lastFile);
    if (!chosen)
        return std::nullopt;
    const QString path = *chosen;
    switch (kind.read(path)) {
    case LoadStatus::CannotOpen:
        // The caption still takes the path, as after a load.
        ShowMessage(parent, QStringLiteral("Cannot open file ") + path);
        break;
    case LoadStatus::StoppedShort:
        ShowErrorReport(parent, QStringLiteral("Range check error"));
        return std::nullopt;
    case LoadStatus::Loaded:
        break;
    }
    return DocumentCaption(path);
}

std::optional<QString> SaveAsPattern(QWidget *parent, const RecordKindEntry &kind, QString &lastFile)
{
    const auto chosen = TakeChosenPath(Dialogs().saveFileName(parent, RequestFor(kind, lastFile)), kind, lastFile);
    if (!chosen)
        return std::nullopt;
    const QString path = *chosen;
    if (static_cast<int>(vellgard::RecordNameOf(ToAnsi(path)).size()) > kind.nameLimit) {
        ShowMessage(parent, NameLimitMessage(kind.nameLimit));
        return std::nullopt;
    }
    if (!kind.write(path)) {
        ShowMessage(parent, QStringLiteral("Cannot write file ") + path);
        return std::nullopt;
    }
    return DocumentCaption(path);
}
