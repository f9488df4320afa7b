#pragma once

#include "app/modal_dialogs.h"

#include <QList>
#include <QStringList>

#include <functional>

// Answers the editor's modal dialogs from a script while it is alive, and
// remembers what was asked.
class ScriptedDialogs final : public ModalDialogs {
public:
    struct FileDialogCall {
        bool save;
        FileDialogRequest request;
    };

    ScriptedDialogs() { InstallDialogs(this); }
    ~ScriptedDialogs() override { InstallDialogs(nullptr); }

    // The next answers of file dialogs, in order; "" is a cancel.
    QStringList fileAnswers;
    // What a modal window does while shown; by default it is accepted at once.
    std::function<int(QDialog &)> onExec;

    QList<FileDialogCall> fileDialogs;
    QStringList messages;
    QStringList errorReports;
    QStringList shownWindows; // the captions of the modal windows shown
    int unansweredFileDialogs = 0;

    QString openFileName(QWidget *parent, const FileDialogRequest &request) override;
    QString saveFileName(QWidget *parent, const FileDialogRequest &request) override;
    void showMessage(QWidget *parent, const QString &text) override;
    void showErrorReport(QWidget *parent, const QString &text) override;
    int exec(QDialog &dialog) override;

private:
    QString answer(bool save, const FileDialogRequest &request);
};
