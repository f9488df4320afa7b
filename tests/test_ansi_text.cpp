#include "app/ansi_text.h"
#include "app/limited_memo.h"

#include <QLineEdit>
#include <QtTest>

class AnsiTextTest : public QObject {
    Q_OBJECT
private slots:
    void everyByteRoundTrips();
    void undefinedBytesMapAsWindowsDoes_data();
    void undefinedBytesMapAsWindowsDoes();
    void foreignCharactersBecomeOneQuestionMark();
    void bytesSurviveTheNameEditAndTheMemo();
};

void AnsiTextTest::everyByteRoundTrips()
{
    std::string all;
    for (int byte = 0; byte < 256; ++byte)
        all.push_back(static_cast<char>(byte));
    const QString text = FromAnsi(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(ToAnsi(text), all);
    QCOMPARE(text.at(0x80), QChar(0x20AC));
    QCOMPARE(text.at(0xE9), QChar(0xE9));
}

void AnsiTextTest::undefinedBytesMapAsWindowsDoes_data()
{
    QTest::addColumn<int>("byte");
    for (const int byte : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        QTest::newRow(qPrintable(QString::number(byte, 16))) << byte;
}

void AnsiTextTest::undefinedBytesMapAsWindowsDoes()
{
    QFETCH(int, byte);
    QCOMPARE(FromAnsi(std::string(1, static_cast<char>(byte))), QString(QChar(byte)));
}

void AnsiTextTest::foreignCharactersBecomeOneQuestionMark()
{
    QCOMPARE(ToAnsi(QStringLiteral("a\u0416b")), std::string("a?b"));
    QCOMPARE(ToAnsi(QString::fromUcs4(U"\U0001F409x")), std::string("?x"));
    QCOMPARE(ToAnsi(QString(QChar(0x80))), std::string("?"));
}

// The page controls hold the record's only copy of its texts.
void AnsiTextTest::bytesSurviveTheNameEditAndTheMemo()
{
    std::string all;
    for (int byte = 1; byte < 256; ++byte)
        if (byte != '\r' && byte != '\n')
            all.push_back(static_cast<char>(byte));
    QLineEdit edit;
    edit.setText(FromAnsi(all));
    QCOMPARE(ToAnsi(edit.text()), all);
    LimitedMemo memo;
    memo.setMaxLength(1000);
    memo.setMemoText(FromAnsi(all));
    QCOMPARE(ToAnsi(memo.memoText()), all);
}

QTEST_MAIN(AnsiTextTest)
#include "test_ansi_text.moc"
