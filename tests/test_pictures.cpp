#include "app/editor_look.h"

#include <QBitmap>
#include <QtTest>

class PicturesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetUpEditorApplication(); }
    void itemPicturesLoad();
    void toolBarMedallionsAreSeeThroughOutsideTheCircle_data();
    void toolBarMedallionsAreSeeThroughOutsideTheCircle();
    void itemFrame();
};

void PicturesTest::itemPicturesLoad()
{
    QSet<QByteArray> distinct;
    for (int number = 0; number < 32; ++number) {
        const QString path = QStringLiteral(":/pictures/items/item_%1.png").arg(number, 2, 10, QLatin1Char('0'));
        const QImage picture(path);
        QVERIFY2(!picture.isNull(), qPrintable(path));
        QCOMPARE(picture.size(), QSize(32, 32));
        // The bottom-left pixel holds the see-through colour, which the item
        // itself leaves alone around its edges.
        const QRgb seeThrough = picture.pixel(0, 31);
        QCOMPARE(picture.pixel(31, 0), seeThrough);
        distinct.insert(QByteArray(reinterpret_cast<const char *>(picture.constBits()), picture.sizeInBytes()));
    }
    QCOMPARE(distinct.size(), 32);
}

void PicturesTest::toolBarMedallionsAreSeeThroughOutsideTheCircle_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"new", "open", "save", "exit", "about"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void PicturesTest::toolBarMedallionsAreSeeThroughOutsideTheCircle()
{
    QFETCH(QString, name);
    const QPixmap picture = MagentaKeyedPixmap(QStringLiteral(":/pictures/toolbar_%1.png").arg(name));
    QCOMPARE(picture.size(), QSize(39, 39));
    const QImage mask = picture.mask().toImage();
    QCOMPARE(mask.pixelIndex(0, 0), 0);
    QCOMPARE(mask.pixelIndex(38, 38), 0);
    QCOMPARE(mask.pixelIndex(19, 19), 1);
}

void PicturesTest::itemFrame()
{
    const QImage frame(QStringLiteral(":/pictures/item_frame.png"));
    QCOMPARE(frame.size(), QSize(75, 75));
    QCOMPARE(QColor(frame.pixel(0, 74)), QColor(255, 0, 255));
}

QTEST_MAIN(PicturesTest)
#include "test_pictures.moc"
