#pragma once

#include "app/main_window.h"
#include "support/scripted_dialogs.h"

#include <QAction>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// A main window as the editor starts it, with scripted dialogs and its
// settings file in a folder of its own.
class EditorFixture {
public:
    EditorFixture();
    ~EditorFixture();

    // A window as after the next start of the editor.
    void restart();
    QString settingsPath() const { return folder.filePath(QStringLiteral("vellgard-editor.INI")); }
    QString pathOf(const QString &fileName) const { return folder.filePath(fileName); }
    void useSettingsPath(const QString &path);

    template <typename Widget = QWidget>
    Widget *find(const char *objectName) const
    {
        auto *widget = window->findChild<Widget *>(QString::fromLatin1(objectName));
        if (!widget)
            qFatal("no widget %s", objectName);
        return widget;
    }
    void trigger(const char *actionName) const;
    void showPage(RecordKind kind) const;

    QTemporaryDir folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<TForm1> window;

private:
    QString settings;
};

QByteArray FileBytes(const QString &path);
void WriteBytes(const QString &path, const QByteArray &bytes);
