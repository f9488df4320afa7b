#include "app/about_box.h"
#include "app/editor_look.h"
#include "app/intro_form.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryFile>
#include <QtTest>

#include <memory>

namespace {

std::unique_ptr<QDialog> MakeDialog(const QString &kind, QWidget *parent)
{
    if (kind == QLatin1String("about"))
        return std::make_unique<TForm2>(parent);
    return std::make_unique<TIntroForm>(parent);
}

void AddDialogRows()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("about") << QStringLiteral("about");
    QTest::newRow("intro") << QStringLiteral("intro");
}

template <typename T>
T *Child(QWidget &window, const char *name)
{
    return window.findChild<T *>(QLatin1String(name));
}

} // namespace

class AboutIntroTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void captionAndFixedClientSize_data();
    void captionAndFixedClientSize();
    void aboutBoxHasOnlyTheSystemMenu();
    void introHasNoBorderIconsAndStaysOnTop();
    void buttonsClose_data();
    void buttonsClose();
    void geometries_data();
    void geometries();
    void centredOverParent_data();
    void centredOverParent();
    void aboutTextsFitTheirBoxes();
    void aboutLabelsSitInsideTheirFrames();
    void introShowsTheStoryFromTheTop();
    void introScrollsThePicture();
    void introOpensWithAnUndecodablePicture_data();
    void introOpensWithAnUndecodablePicture();
};

void AboutIntroTest::initTestCase()
{
    // The look of the running editor, so that text measurements match it.
    SetUpEditorApplication();
}

void AboutIntroTest::captionAndFixedClientSize_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("clientSize");
    QTest::newRow("about") << QStringLiteral("about") << QStringLiteral("About") << QSize(283, 212);
    QTest::newRow("intro") << QStringLiteral("intro") << QStringLiteral("Story Intro")
                           << QSize(427, 330);
}

void AboutIntroTest::captionAndFixedClientSize()
{
    QFETCH(QString, kind);
    QFETCH(QString, caption);
    QFETCH(QSize, clientSize);
    const auto dialog = MakeDialog(kind, nullptr);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QCOMPARE(dialog->windowTitle(), caption);
    QCOMPARE(dialog->size(), clientSize);
    dialog->resize(clientSize * 2);
    QCOMPARE(dialog->size(), clientSize);
}

void AboutIntroTest::aboutBoxHasOnlyTheSystemMenu()
{
    const TForm2 about(nullptr);
    const Qt::WindowFlags flags = about.windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));
}

void AboutIntroTest::introHasNoBorderIconsAndStaysOnTop()
{
    const TIntroForm intro(nullptr);
    const Qt::WindowFlags flags = intro.windowFlags();
    QCOMPARE(intro.windowType(), Qt::Dialog);
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));
}

void AboutIntroTest::buttonsClose_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("buttonText");
    QTest::addColumn<bool>("byEnter");
    QTest::newRow("about, Enter") << QStringLiteral("about") << QStringLiteral("&Ok") << true;
    QTest::newRow("about, click") << QStringLiteral("about") << QStringLiteral("&Ok") << false;
    QTest::newRow("intro, Enter") << QStringLiteral("intro") << QStringLiteral("&Close") << true;
    QTest::newRow("intro, click") << QStringLiteral("intro") << QStringLiteral("&Close") << false;
}

void AboutIntroTest::buttonsClose()
{
    QFETCH(QString, kind);
    QFETCH(QString, buttonText);
    QFETCH(bool, byEnter);
    const auto dialog = MakeDialog(kind, nullptr);
    auto *button = Child<QPushButton>(*dialog, "Button1");
    QVERIFY(button);
    QCOMPARE(button->text(), buttonText);
    QVERIFY(button->isDefault());
    dialog->setResult(QDialog::Rejected);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    if (byEnter)
        QTest::keyClick(dialog.get(), Qt::Key_Return);
    else
        QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
}

void AboutIntroTest::geometries_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("about Button1") << QStringLiteral("about") << QStringLiteral("Button1")
                                   << QRect(208, 80, 65, 25);
    QTest::newRow("intro ScrollBox1") << QStringLiteral("intro") << QStringLiteral("ScrollBox1")
                                      << QRect(1, 2, 425, 297);
    QTest::newRow("intro Image1") << QStringLiteral("intro") << QStringLiteral("Image1")
                                  << QRect(0, 0, 400, 500);
    QTest::newRow("intro Button1") << QStringLiteral("intro") << QStringLiteral("Button1")
                                   << QRect(168, 302, 75, 25);
}

void AboutIntroTest::geometries()
{
    QFETCH(QString, kind);
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    const auto dialog = MakeDialog(kind, nullptr);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    const auto *widget = dialog->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
}

void AboutIntroTest::centredOverParent_data()
{
    AddDialogRows();
}

void AboutIntroTest::centredOverParent()
{
    QFETCH(QString, kind);
    QWidget mainWindow;
    mainWindow.setGeometry(90, 60, 548, 450);
    mainWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
    const auto dialog = MakeDialog(kind, &mainWindow);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    const QPoint offset = dialog->frameGeometry().center() - mainWindow.frameGeometry().center();
    QCOMPARE_LE(offset.manhattanLength(), 2);
}

void AboutIntroTest::aboutTextsFitTheirBoxes()
{
    TForm2 about(nullptr);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const QList<QLabel *> labels = about.findChildren<QLabel *>();
    QVERIFY(!labels.isEmpty());
    for (const QLabel *label : labels) {
        const int flags = label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine;
        const QRect needed = label->fontMetrics().boundingRect(
            QRect(QPoint(0, 0), QSize(label->width(), 1000)), flags, label->text());
        QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height(),
                 qPrintable(label->objectName()));
        for (const QLabel *other : labels)
            QVERIFY2(other == label || !other->geometry().intersects(label->geometry()),
                     qPrintable(label->objectName() + " overlaps " + other->objectName()));
    }
}

void AboutIntroTest::aboutLabelsSitInsideTheirFrames()
{
    TForm2 about(nullptr);
    QList<QRect> insides;
    for (const QFrame *frame : about.findChildren<QFrame *>()) {
        if (qobject_cast<const QLabel *>(frame))
            continue;
        QCOMPARE(frame->frameShadow(), QFrame::Sunken);
        insides << frame->geometry().marginsRemoved(QMargins(1, 1, 1, 1) * frame->frameWidth());
    }
    QCOMPARE(insides.size(), 3);
    for (const QLabel *label : about.findChildren<QLabel *>()) {
        const bool inside = std::any_of(insides.cbegin(), insides.cend(), [label](const QRect &rect) {
            return rect.contains(label->geometry());
        });
        QVERIFY2(inside, qPrintable(label->objectName()));
    }
}

void AboutIntroTest::introShowsTheStoryFromTheTop()
{
    TIntroForm intro(nullptr);
    intro.show();
    QVERIFY(QTest::qWaitForWindowExposed(&intro));
    const auto *image = Child<QLabel>(intro, "Image1");
    const auto *scrollBox = Child<QScrollArea>(intro, "ScrollBox1");
    QVERIFY(image && scrollBox);
    QCOMPARE(image->pixmap().size(), QSize(400, 500));
    QCOMPARE(scrollBox->widget(), image);
    const QScrollBar *bar = scrollBox->verticalScrollBar();
    QVERIFY(bar->isVisible());
    QVERIFY(bar->hasTracking());
    QCOMPARE(bar->value(), bar->minimum());
    QCOMPARE(image->pos(), QPoint(0, 0));
    QVERIFY(!scrollBox->horizontalScrollBar()->isVisible());
    QCOMPARE_LE(image->width(), scrollBox->viewport()->width());
}

void AboutIntroTest::introScrollsThePicture()
{
    TIntroForm intro(nullptr);
    intro.show();
    QVERIFY(QTest::qWaitForWindowExposed(&intro));
    auto *scrollBox = Child<QScrollArea>(intro, "ScrollBox1");
    QScrollBar *bar = scrollBox->verticalScrollBar();
    QCOMPARE(bar->maximum(), 500 - scrollBox->viewport()->height());
    bar->setValue(bar->maximum());
    QCOMPARE(Child<QLabel>(intro, "Image1")->pos(), QPoint(0, -bar->maximum()));
}

void AboutIntroTest::introOpensWithAnUndecodablePicture_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("exists");
    QTest::newRow("missing file") << QByteArray() << false;
    QTest::newRow("not a JPEG") << QByteArray("GIF89a, or so it claims") << true;
    QTest::newRow("JPEG start only") << QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF", 10) << true;
}

void AboutIntroTest::introOpensWithAnUndecodablePicture()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, exists);
    QTemporaryFile file;
    QVERIFY(file.open());
    file.write(contents);
    file.close();
    const QString path = exists ? file.fileName() : file.fileName() + QStringLiteral(".none");
    TIntroForm intro(nullptr, path);
    intro.show();
    QVERIFY(QTest::qWaitForWindowExposed(&intro));
    QVERIFY(Child<QLabel>(intro, "Image1")->pixmap().isNull());
    QTest::keyClick(&intro, Qt::Key_Return);
    QCOMPARE(intro.result(), int(QDialog::Accepted));
}

QTEST_MAIN(AboutIntroTest)
#include "test_about_intro.moc"
