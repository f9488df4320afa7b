#include "app/about_box.h"
#include "app/intro_form.h"
#include "support/editor_fixture.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

namespace {

// Which banner picture shows after the counter reached a value; -1 is none yet.
int PictureShownAfter(int tick)
{
    if (tick == 0)
        return -1;
    const int counter = tick % 21;
    if (counter == 0 || counter == 7 || counter == 14)
        return 0;
    return counter < 7 ? 1 : counter < 14 ? 2 : 3;
}

QImage BannerPicture(int number)
{
    return QImage(QStringLiteral(":/pictures/banner_%1.png").arg(number)).convertToFormat(QImage::Format_RGB32);
}

QImage Shown(const EditorFixture &editor)
{
    return editor.find<QLabel>("Banner")->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class BannerTest : public QObject {
    Q_OBJECT
private slots:
    void bannerStepsThroughItsTable();
    void timerTicksEveryHalfSecondFromStartUp();
    void modalWindowsStopTheBannerAndKeepItsStep_data();
    void modalWindowsStopTheBannerAndKeepItsStep();
    void failedModalWindowStillRestartsTheBanner();
    void everyStoryIntroStartsAfresh();
};

void BannerTest::bannerStepsThroughItsTable()
{
    EditorFixture editor;
    QCOMPARE(editor.window->bannerCounter(), 0);
    QVERIFY(editor.find<QLabel>("Banner")->pixmap().isNull());
    for (int tick = 1; tick <= 42; ++tick) {
        editor.window->Timer1Timer();
        QCOMPARE(editor.window->bannerCounter(), tick % 21);
        QVERIFY2(Shown(editor) == BannerPicture(PictureShownAfter(tick)), qPrintable(QString::number(tick)));
    }
    QCOMPARE(BannerPicture(0).size(), QSize(342, 39));
}

void BannerTest::timerTicksEveryHalfSecondFromStartUp()
{
    EditorFixture editor;
    const auto *timer = editor.window->findChild<QTimer *>(QStringLiteral("Timer1"));
    QVERIFY(timer && timer->isActive());
    QCOMPARE(timer->interval(), 500);
}

void BannerTest::modalWindowsStopTheBannerAndKeepItsStep_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("caption");
    QTest::newRow("About menu item") << "About1" << "About";
    QTest::newRow("About tool button") << "SpeedButton5" << "About";
    QTest::newRow("banner click") << "Banner" << "Story Intro";
}

void BannerTest::modalWindowsStopTheBannerAndKeepItsStep()
{
    QFETCH(QString, how);
    QFETCH(QString, caption);
    EditorFixture editor;
    for (int tick = 0; tick < 9; ++tick)
        editor.window->Timer1Timer();
    const QImage before = Shown(editor);
    const auto *timer = editor.window->findChild<QTimer *>(QStringLiteral("Timer1"));
    bool timerRanMeanwhile = true;
    QWidget *owner = nullptr;
    editor.dialogs.onExec = [&](QDialog &window) {
        timerRanMeanwhile = timer->isActive();
        owner = window.parentWidget();
        return int(QDialog::Accepted);
    };
    if (how == QLatin1String("About1"))
        editor.trigger("About1");
    else
        QTest::mouseClick(editor.find(qPrintable(how)), Qt::LeftButton);
    QCOMPARE(editor.dialogs.shownWindows, QStringList{caption});
    QVERIFY(!timerRanMeanwhile);
    QCOMPARE(owner, editor.window.get());
    QVERIFY(timer->isActive());
    QCOMPARE(editor.window->bannerCounter(), 9);
    QVERIFY(Shown(editor) == before);
    QVERIFY(editor.window->findChildren<QDialog *>().isEmpty());
    editor.window->Timer1Timer();
    QCOMPARE(editor.window->bannerCounter(), 10);
}

void BannerTest::failedModalWindowStillRestartsTheBanner()
{
    EditorFixture editor;
    editor.dialogs.onExec = [](QDialog &) -> int { throw std::runtime_error("Out of ink"); };
    QTest::mouseClick(editor.find("Banner"), Qt::LeftButton);
    QCOMPARE(editor.dialogs.errorReports, QStringList{"Out of ink."});
    QVERIFY(editor.window->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
    QVERIFY(editor.window->findChildren<QDialog *>().isEmpty());
}

void BannerTest::everyStoryIntroStartsAfresh()
{
    EditorFixture editor;
    QList<int> scrollAtOpening;
    QPointer<QDialog> earlier;
    bool earlierWindowGone = true;
    bool scrolledAway = true;
    editor.dialogs.onExec = [&](QDialog &window) {
        earlierWindowGone = earlierWindowGone && !earlier;
        QScrollBar *bar = window.findChild<QScrollArea *>(QStringLiteral("ScrollBox1"))->verticalScrollBar();
        window.show();
        scrollAtOpening.append(bar->value());
        bar->setValue(bar->maximum());
        scrolledAway = scrolledAway && bar->value() > 0;
        earlier = &window;
        return int(QDialog::Accepted);
    };
    QTest::mouseClick(editor.find("Banner"), Qt::LeftButton);
    QTest::mouseClick(editor.find("Banner"), Qt::LeftButton);
    QCOMPARE(scrollAtOpening, (QList<int>{0, 0}));
    QVERIFY(earlierWindowGone);
    QVERIFY(scrolledAway);
    QCOMPARE(editor.dialogs.shownWindows, (QStringList{"Story Intro", "Story Intro"}));
}

QTEST_MAIN(BannerTest)
#include "test_banner.moc"
