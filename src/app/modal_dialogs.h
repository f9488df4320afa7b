#pragma once

#include <QString>

#include <memory>

class QDialog;
class QMessageBox;
class QWidget;

// What a file dialog of one record kind starts with.
struct FileDialogRequest {
    QString filter;        // "description|pattern", as the kind table holds it
    QString defaultSuffix; // without the dot
    QString startFile;     // the kind's remembered path, possibly empty
};

// Every modal dialog of the editor goes through this seam, so that tests can
// answer them with a script instead of a user.
class ModalDialogs {
public:
    virtual ~ModalDialogs() = default;

    // The chosen path, or an empty text when the user cancelled.
    virtual QString openFileName(QWidget *parent, const FileDialogRequest &request) = 0;
    virtual QString saveFileName(QWidget *parent, const FileDialogRequest &request) = 0;
    // The message box for user errors.
    virtual void showMessage(QWidget *parent, const QString &text) = 0;
    // The general error report, given the text as it is shown.
    virtual void showErrorReport(QWidget *parent, const QString &text) = 0;
    // Shows a modal window and returns its result.
    virtual int exec(QDialog &dialog) = 0;
};

// The installed seam: the real dialogs unless a test installed a script.
ModalDialogs &Dialogs();
// Installs a seam (not owned); nullptr brings the real dialogs back.
void InstallDialogs(ModalDialogs *dialogs);

// The title of the application, the task button and the error report.
inline const QString kApplicationTitle = QStringLiteral("Vellgard Unit Editor");

// The report's text: the message with a full stop appended when its last
// character comes after the full stop in character order.
QString ErrorReportText(const QString &message);
// "Vellgard Army Files (*.ARM)|*.ARM" as a Qt name filter.
QString QtNameFilter(const QString &filter);

// The message box for user errors: the text and an OK button.
void ShowMessage(QWidget *parent, const QString &text);
// The general error report for an error no command handled.
void ShowErrorReport(QWidget *parent, const QString &message);

// The boxes the real seam shows.
std::unique_ptr<QMessageBox> MakeMessageBox(QWidget *parent, const QString &text);
std::unique_ptr<QMessageBox> MakeErrorReport(QWidget *parent, const QString &text);
