#include "support/scripted_dialogs.h"

#include <QDialog>

QString ScriptedDialogs::answer(bool save, const FileDialogRequest &request)
{
    fileDialogs.append({save, request});
    if (fileAnswers.isEmpty()) {
        ++unansweredFileDialogs;
        return {};
    }
    return fileAnswers.takeFirst();
}

QString ScriptedDialogs::openFileName(QWidget *, const FileDialogRequest &request)
{
    return answer(false, request);
}

QString ScriptedDialogs::saveFileName(QWidget *, const FileDialogRequest &request)
{
    return answer(true, request);
}

void ScriptedDialogs::showMessage(QWidget *, const QString &text)
{
    messages.append(text);
}

void ScriptedDialogs::showErrorReport(QWidget *, const QString &text)
{
    errorReports.append(text);
}

int ScriptedDialogs::exec(QDialog &dialog)
{
    shownWindows.append(dialog.windowTitle());
    return onExec ? onExec(dialog) : QDialog::Accepted;
}
