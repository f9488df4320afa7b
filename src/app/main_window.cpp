#include "app/main_window.h"

#include "app/about_box.h"
#include "app/editor_look.h"
#include "app/intro_form.h"
#include "app/modal_dialogs.h"
#include "app/settings_file.h"
#include "army/army_page.h"
#include "ui_main_window.h"

#include <QCloseEvent>
#include <QLayout>
#include <QScopeGuard>

#include <exception>

namespace {

constexpr int kClientWidth = 548;
constexpr int kClientHeight = 406;
constexpr int kBannerIntervalMs = 500;
constexpr int kLastBannerStep = 20;
const char *const kSettingsSection = "FILES";

// Which picture of BannerList each counter value brings up; -1 keeps the one shown.
constexpr std::array<int, kLastBannerStep + 1> kBannerPictureAt = {
    0, 1, -1, -1, -1, -1, -1, 0, 2, -1, -1, -1, -1, -1, 0, 3, -1, -1, -1, -1, -1,
};

template <typename Page, typename Load>
LoadStatus ShowLoad(Page *page, const std::optional<Load> &load)
{
    if (!load)
        return LoadStatus::CannotOpen;
    page->showRecord(load->record);
    return load->stoppedAt ? LoadStatus::StoppedShort : LoadStatus::Loaded;
}

} // namespace

TForm1::TForm1(const QString &settingsPath, QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::TForm1>()), settingsPath(settingsPath), Timer1(this)
{
    ui->setupUi(this);
    armyPage = ui->ArmySheet;
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    ui->ClientArea->setFixedSize(kClientWidth, kClientHeight);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    move(197, 104);
    setUpToolBar();
    setUpKinds();
    connectCommands();
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::setUpToolBar()
{
    const std::array<std::pair<QToolButton *, const char *>, 5> buttons = {{
        {ui->SpeedButton1, ":/pictures/toolbar_new.png"},
        {ui->SpeedButton2, ":/pictures/toolbar_open.png"},
        {ui->SpeedButton3, ":/pictures/toolbar_save.png"},
        {ui->SpeedButton6, ":/pictures/toolbar_exit.png"},
        {ui->SpeedButton5, ":/pictures/toolbar_about.png"},
    }};
    for (const auto &[button, picture] : buttons)
        button->setIcon(QIcon(MagentaKeyedPixmap(QString::fromLatin1(picture))));
    for (std::size_t i = 0; i < BannerList.size(); ++i)
        BannerList[i] = QPixmap(QStringLiteral(":/pictures/banner_%1.png").arg(i));
    ui->Banner->installEventFilter(this);
}

void TForm1::setUpKinds()
{
    ArmyPage *army = armyPage;
    kinds[static_cast<int>(RecordKind::Army)] = {
        QStringLiteral("Vellgard Army Files (*.ARM)|*.ARM"), QStringLiteral("ARM"), "LastArmy", 8,
        [army] { army->ResetArmyPage(); },
        [army](const QString &path) { return ShowLoad(army, ReadArmyFile(path)); },
        [army](const QString &path) { return WriteArmyFile(path, army->record()); },
    };
    kinds[static_cast<int>(RecordKind::Hero)] = {QStringLiteral("Vellgard Hero Files (*.HER)|*.HER"),
                                                 QStringLiteral("HER"), "LastHero", 7, {}, {}, {}};
    kinds[static_cast<int>(RecordKind::Spell)] = {QStringLiteral("Vellgard Spell Files (*.SPL)|*.SPL"),
                                                  QStringLiteral("SPL"), "LastSpell", 8, {}, {}, {}};
    kinds[static_cast<int>(RecordKind::Item)] = {QStringLiteral("Vellgard Item Files (*.ITM)|*.ITM"),
                                                 QStringLiteral("ITM"), "LastItem", 8, {}, {}, {}};
    kinds[static_cast<int>(RecordKind::Site)] = {QStringLiteral("Vellgard Site Files (*.SIT)|*.SIT"),
                                                 QStringLiteral("SIT"), "LastSite", 8, {}, {}, {}};
}

void TForm1::connectCommands()
{
    const std::array<std::pair<QAction *, void (TForm1::*)()>, 5> commands = {{
        {ui->New1, &TForm1::New1Click},
        {ui->Open1, &TForm1::Open1Click},
        {ui->SaveAs1, &TForm1::SaveAs1Click},
        {ui->Exit1, &TForm1::Exit1Click},
        {ui->About1, &TForm1::About1Click},
    }};
    for (const auto &[action, handler] : commands)
        connect(action, &QAction::triggered, this, [this, handler = handler] { runCommand([this, handler] { (this->*handler)(); }); });
    const std::array<std::pair<QToolButton *, QAction *>, 5> buttons = {{
        {ui->SpeedButton1, ui->New1},
        {ui->SpeedButton2, ui->Open1},
        {ui->SpeedButton3, ui->SaveAs1},
        {ui->SpeedButton6, ui->Exit1},
        {ui->SpeedButton5, ui->About1},
    }};
    for (const auto &[button, action] : buttons)
        connect(button, &QToolButton::clicked, action, &QAction::trigger);
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(kBannerIntervalMs);
    connect(&Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
}

void TForm1::FormCreate()
{
    LastFiles.fill(QString());
    armyPage->ResetArmyPage();
    const QStringList remembered = ReadIniValues(settingsPath, kSettingsSection, settingsKeys());
    std::copy(remembered.begin(), remembered.end(), LastFiles.begin());
    Timer1.start();
}

QList<const char *> TForm1::settingsKeys() const
{
    QList<const char *> keys;
    for (const RecordKindEntry &kind : kinds)
        keys.append(kind.iniKey);
    return keys;
}

void TForm1::FormClose()
{
    if (!WriteIniValues(settingsPath, kSettingsSection, settingsKeys(), QStringList(LastFiles.begin(), LastFiles.end())))
        ShowErrorReport(this, QStringLiteral("Unable to write to ") + settingsPath);
}

void TForm1::closeEvent(QCloseEvent *event)
{
    runCommand([this] { FormClose(); });
    event->accept();
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->Banner && event->type() == QEvent::MouseButtonRelease) {
        runCommand([this] { BannerClick(); });
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::runCommand(const std::function<void()> &command)
{
    try {
        command();
    } catch (const std::exception &error) {
        ShowErrorReport(this, QString::fromLocal8Bit(error.what()));
    }
}

RecordKindEntry &TForm1::activeKind()
{
    return kinds[static_cast<std::size_t>(ui->PageControl1->currentIndex())];
}

QString &TForm1::activeLastFile()
{
    return LastFiles[static_cast<std::size_t>(ui->PageControl1->currentIndex())];
}

void TForm1::New1Click()
{
    if (!activeKind().served())
        return;
    activeKind().reset();
    setWindowTitle(kDesignCaption);
}

void TForm1::Open1Click()
{
    if (!activeKind().served())
        return;
    if (const auto caption = OpenPattern(this, activeKind(), activeLastFile()))
        setWindowTitle(*caption);
}

void TForm1::SaveAs1Click()
{
    if (!activeKind().served())
        return;
    if (const auto caption = SaveAsPattern(this, activeKind(), activeLastFile()))
        setWindowTitle(*caption);
}

void TForm1::Exit1Click()
{
    close();
}

// The banner stands still while the About box or the story intro is open.
template <typename Window>
void TForm1::showModalWindow()
{
    // Runs after the window is gone, even when showing it failed.
    const auto restartBanner = qScopeGuard([this] { Timer1.start(); });
    Window window(this);
    Timer1.stop();
    Dialogs().exec(window);
}

void TForm1::About1Click()
{
    showModalWindow<TForm2>();
}

void TForm1::BannerClick()
{
    showModalWindow<TIntroForm>();
}

void TForm1::Timer1Timer()
{
    StepBanner();
}

void TForm1::StepBanner()
{
    bannerStep = bannerStep >= kLastBannerStep ? 0 : bannerStep + 1;
    const int picture = kBannerPictureAt[static_cast<std::size_t>(bannerStep)];
    if (picture >= 0)
        ui->Banner->setPixmap(BannerList[static_cast<std::size_t>(picture)]);
}
