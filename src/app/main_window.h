#pragma once

#include "app/document_commands.h"

#include <QMainWindow>
#include <QPixmap>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>

class ArmyPage;

namespace Ui {
class TForm1;
}

// The main window: menu, tool bar with the banner, and one page per record kind.
class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    // settingsPath: the settings file that remembers the last path of each kind.
    explicit TForm1(const QString &settingsPath, QWidget *parent = nullptr);
    ~TForm1() override;

    const std::array<QString, kRecordKindCount> &lastFiles() const { return LastFiles; }
    int bannerCounter() const { return bannerStep; }

    void New1Click();
    void Open1Click();
    void SaveAs1Click();
    void Exit1Click();
    void About1Click();
    void BannerClick();
    void Timer1Timer();
    void StepBanner();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void FormClose();
    void setUpToolBar();
    void setUpKinds();
    void connectCommands();
    QList<const char *> settingsKeys() const;
    // An error that escapes a command ends it and goes to the error report.
    void runCommand(const std::function<void()> &command);
    RecordKindEntry &activeKind();
    QString &activeLastFile();
    template <typename Window>
    void showModalWindow();

    std::unique_ptr<Ui::TForm1> ui;
    ArmyPage *armyPage = nullptr;
    QString settingsPath;
    std::array<QString, kRecordKindCount> LastFiles;
    std::array<RecordKindEntry, kRecordKindCount> kinds;
    std::array<QPixmap, 4> BannerList;
    QTimer Timer1;
    int bannerStep = 0; // 0..20
};
