#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;

enum class RecordKind { Army, Hero, Spell, Item, Site };
constexpr int kRecordKindCount = 5;

enum class LoadStatus { Loaded, CannotOpen, StoppedShort };

// What the Open and Save As patterns need to know of one record kind.
struct RecordKindEntry {
    QString filter;    // "description|pattern"
    QString extension; // the default extension, without the dot
    const char *iniKey;
    int nameLimit; // the most characters a record name may have
    std::function<void()> reset;
    std::function<LoadStatus(const QString &path)> read;
    std::function<bool(const QString &path)> write;

    bool served() const { return static_cast<bool>(reset); }
};

inline const QString kDesignCaption = QStringLiteral("Vellgard Army/Hero Editor v.1.0");
QString DocumentCaption(const QString &path);

// A typed name without an extension gets a dot and the default extension.
QString WithDefaultExtension(const QString &path, const QString &extension);

// Both patterns store the chosen path in lastFile and return the caption the
// main window takes, or nothing when it keeps its own.
std::optional<QString> OpenPattern(QWidget *parent, const RecordKindEntry &kind, QString &lastFile);
std::optional<QString> SaveAsPattern(QWidget *parent, const RecordKindEntry &kind, QString &lastFile);
