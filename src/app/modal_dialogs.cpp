#include "app/modal_dialogs.h"

#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace {

// Qt's own dialog matches "*.ARM" whatever the case of a file's extension,
// where the platform dialogs would hide lower-case files.
QString RunFileDialog(QWidget *parent, const FileDialogRequest &request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, mode == QFileDialog::AcceptOpen ? QStringLiteral("Open") : QStringLiteral("Save As"));
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QtNameFilter(request.filter));
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.startFile.isEmpty()) {
        dialog.setDirectory(QFileInfo(request.startFile).absolutePath());
        dialog.selectFile(request.startFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

class PlatformDialogs final : public ModalDialogs {
public:
    QString openFileName(QWidget *parent, const FileDialogRequest &request) override
    {
        return RunFileDialog(parent, request, QFileDialog::AcceptOpen);
    }
    QString saveFileName(QWidget *parent, const FileDialogRequest &request) override
    {
        return RunFileDialog(parent, request, QFileDialog::AcceptSave);
    }
    void showMessage(QWidget *parent, const QString &text) override { MakeMessageBox(parent, text)->exec(); }
    void showErrorReport(QWidget *parent, const QString &text) override { MakeErrorReport(parent, text)->exec(); }
    int exec(QDialog &dialog) override { return dialog.exec(); }
};

PlatformDialogs platformDialogs;
ModalDialogs *installedDialogs = &platformDialogs;

std::unique_ptr<QMessageBox> MakeBox(QWidget *parent, QMessageBox::Icon icon, const QString &text)
{
    auto box = std::make_unique<QMessageBox>(icon, kApplicationTitle, text, QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    return box;
}

} // namespace

ModalDialogs &Dialogs()
{
    return *installedDialogs;
}

void InstallDialogs(ModalDialogs *dialogs)
{
    installedDialogs = dialogs ? dialogs : &platformDialogs;
}

QString ErrorReportText(const QString &message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

QString QtNameFilter(const QString &filter)
{
    return filter.section(QLatin1Char('|'), 0, 0);
}

void ShowMessage(QWidget *parent, const QString &text)
{
    Dialogs().showMessage(parent, text);
}

void ShowErrorReport(QWidget *parent, const QString &message)
{
    Dialogs().showErrorReport(parent, ErrorReportText(message));
}

std::unique_ptr<QMessageBox> MakeMessageBox(QWidget *parent, const QString &text)
{
    return MakeBox(parent, QMessageBox::NoIcon, text);
}

std::unique_ptr<QMessageBox> MakeErrorReport(QWidget *parent, const QString &text)
{
    return MakeBox(parent, QMessageBox::Critical, text);
}
