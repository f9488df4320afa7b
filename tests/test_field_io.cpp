#include "records/field_io.h"
#include "records/record_name.h"

#include <QtTest>

using namespace vellgard;

namespace {

ByteBuffer Bytes(std::initializer_list<int> values)
{
    ByteBuffer bytes;
    for (const int value : values)
        bytes.push_back(static_cast<std::uint8_t>(value));
    return bytes;
}

ByteBuffer BytesOf(std::string_view text)
{
    return ByteBuffer(text.begin(), text.end());
}

} // namespace

class FieldIoTest : public QObject {
    Q_OBJECT
private slots:
    void paddedTextKeepsItsWidth_data();
    void paddedTextKeepsItsWidth();
    void zeroRunsIgnoreCountsBelowOne();
    void bytesAndWordsRoundTrip_data();
    void bytesAndWordsRoundTrip();
    void textReadStopsAtStopByteCountOrEnd_data();
    void textReadStopsAtStopByteCountOrEnd();
    void byteReadFailsOnlyPastTheEnd();
    void wordReadTakesWhatIsThere_data();
    void wordReadTakesWhatIsThere();
    void loaderStopsAtFirstByteFieldPastTheEnd();
    void recordNameRule_data();
    void recordNameRule();
};

void FieldIoTest::paddedTextKeepsItsWidth_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("knight in 9") << QByteArray("knight") << 9 << QByteArray("knight\0\0\0", 9);
    QTest::newRow("empty in 16") << QByteArray() << 16 << QByteArray(16, '\0');
    QTest::newRow("15 characters in 16") << QByteArray(15, 'x') << 16 << QByteArray(15, 'x') + QByteArray(1, '\0');
    QTest::newRow("too long is cut to leave one zero")
        << QByteArray(130, 'd') << 128 << QByteArray(127, 'd') + QByteArray(1, '\0');
    QTest::newRow("high bytes kept") << QByteArray("\xE9\xFF\x80", 3) << 4 << QByteArray("\xE9\xFF\x80\0", 4);
}

void FieldIoTest::paddedTextKeepsItsWidth()
{
    QFETCH(QByteArray, text);
    QFETCH(int, width);
    QFETCH(QByteArray, expected);
    RecordWriter out;
    out.WritePaddedText(std::string_view(text.constData(), static_cast<std::size_t>(text.size())), width);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(out.bytes().data()), static_cast<qsizetype>(out.bytes().size())),
             expected);
}

void FieldIoTest::zeroRunsIgnoreCountsBelowOne()
{
    RecordWriter out;
    out.WriteZeros(0);
    out.WriteZeros(-3);
    QVERIFY(out.bytes().empty());
    out.WriteZeros(13);
    QCOMPARE(out.bytes(), ByteBuffer(13, 0));
}

void FieldIoTest::bytesAndWordsRoundTrip_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("word");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::newRow("byte 255") << 255 << false << 255 << -1;
    QTest::newRow("byte 200") << 200 << false << 200 << -1;
    QTest::newRow("byte keeps the low 8 bits") << 0x1FE << false << 0xFE << -1;
    QTest::newRow("word 100") << 100 << true << 100 << 0;
    QTest::newRow("word 1000") << 1000 << true << 232 << 3;
    QTest::newRow("word 9990") << 9990 << true << 6 << 39;
    QTest::newRow("word 9999") << 9999 << true << 15 << 39;
    QTest::newRow("word 32767") << 32767 << true << 255 << 127;
}

void FieldIoTest::bytesAndWordsRoundTrip()
{
    QFETCH(int, value);
    QFETCH(bool, word);
    QFETCH(int, low);
    QFETCH(int, high);
    RecordWriter out;
    word ? out.WriteWord(value) : out.WriteByte(value);
    const ByteBuffer expected = word ? Bytes({low, high}) : Bytes({low});
    QCOMPARE(out.bytes(), expected);
    const RecordReader in(out.bytes());
    if (word)
        QCOMPARE(in.ReadWordAt(0), value);
    else
        QCOMPARE(int(*in.ReadByteAt(0)), low);
}

void FieldIoTest::textReadStopsAtStopByteCountOrEnd_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("stopByte");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("orc then zeros") << QByteArray("orc\0\0\0\0\0\0", 9) << 0 << 8 << 0 << QByteArray("orc");
    QTest::newRow("eight non-zero bytes") << QByteArray("abcdefghij") << 0 << 8 << 0 << QByteArray("abcdefgh");
    QTest::newRow("at an offset") << QByteArray("xxorc\0yy", 8) << 2 << 8 << 0 << QByteArray("orc");
    QTest::newRow("first byte is the stop byte") << QByteArray("\0abc", 4) << 0 << 3 << 0 << QByteArray();
    QTest::newRow("ends with the file") << QByteArray("ab") << 0 << 8 << 0 << QByteArray("ab");
    QTest::newRow("wholly past the end") << QByteArray("ab") << 5 << 8 << 0 << QByteArray();
    QTest::newRow("no stop byte keeps zeros")
        << QByteArray("a\0b", 3) << 0 << 3 << RecordReader::kNoStopByte << QByteArray("a\0b", 3);
}

void FieldIoTest::textReadStopsAtStopByteCountOrEnd()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, offset);
    QFETCH(int, count);
    QFETCH(int, stopByte);
    QFETCH(QByteArray, expected);
    const ByteBuffer buffer = BytesOf(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    const ByteText text = RecordReader(buffer).ReadTextAt(static_cast<std::size_t>(offset), count, stopByte);
    QCOMPARE(QByteArray(text.data(), static_cast<qsizetype>(text.size())), expected);
}

void FieldIoTest::byteReadFailsOnlyPastTheEnd()
{
    const ByteBuffer bytes = Bytes({7, 0});
    const RecordReader in(bytes);
    QCOMPARE(in.ReadByteAt(0), std::optional<std::uint8_t>(7));
    QCOMPARE(in.ReadByteAt(1), std::optional<std::uint8_t>(0));
    QVERIFY(!in.ReadByteAt(2).has_value());
    QVERIFY(!in.ReadByteAt(1000).has_value());
}

void FieldIoTest::wordReadTakesWhatIsThere_data()
{
    QTest::addColumn<int>("fileLength");
    QTest::addColumn<int>("expected");
    QTest::newRow("whole field") << 4 << 15 + 256 * 39;
    QTest::newRow("ends after the first byte") << 3 << 15;
    QTest::newRow("ends at the field") << 2 << 0;
    QTest::newRow("ends before the field") << 1 << 0;
}

void FieldIoTest::wordReadTakesWhatIsThere()
{
    QFETCH(int, fileLength);
    QFETCH(int, expected);
    ByteBuffer bytes = Bytes({1, 1, 15, 39});
    bytes.resize(static_cast<std::size_t>(fileLength));
    QCOMPARE(RecordReader(bytes).ReadWordAt(2), expected);
}

void FieldIoTest::loaderStopsAtFirstByteFieldPastTheEnd()
{
    const ByteBuffer bytes = Bytes({'h', 'i', 0, 9, 3});
    FieldLoader in(bytes);
    ByteText name = "old";
    int first = -1, second = -1, word = -1, afterStop = -1;
    ByteText textAfterStop = "kept";
    in.Text(0, 3, name);
    in.Byte(3, first);
    in.Word(4, word);
    in.Byte(5, second);
    in.Text(0, 3, textAfterStop);
    in.Byte(2, afterStop);
    QCOMPARE(name, ByteText("hi"));
    QCOMPARE(first, 9);
    QCOMPARE(word, 3);
    QCOMPARE(second, -1);
    QCOMPARE(textAfterStop, ByteText("kept"));
    QCOMPARE(afterStop, -1);
    QCOMPARE(in.stoppedAt(), std::optional<std::size_t>(5));
}

void FieldIoTest::recordNameRule_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QByteArray>("recordName");
    QTest::newRow("backslash path") << QByteArray("C:\\Units\\Paladin2.HER") << QByteArray("Paladin2");
    QTest::newRow("slash path") << QByteArray("/home/me/units/Knight.ARM") << QByteArray("Knight");
    QTest::newRow("mixed separators") << QByteArray("/home/me\\units/orc.ARM") << QByteArray("orc");
    QTest::newRow("case kept") << QByteArray("/x/knight.ARM") << QByteArray("knight");
    QTest::newRow("short extension cuts into the name") << QByteArray("/x/knight.a") << QByteArray("knig");
    QTest::newRow("four characters give nothing") << QByteArray("\\A.B") << QByteArray();
    QTest::newRow("exactly four") << QByteArray("/x/.ARM") << QByteArray();
    QTest::newRow("no folder") << QByteArray("Ranger.SPL") << QByteArray("Ranger");
    QTest::newRow("no extension") << QByteArray("/x/Wizardry") << QByteArray("Wiza");
    QTest::newRow("separator in the last place is not a separator")
        << QByteArray("/x/abcde/") << QByteArray("ab");
    QTest::newRow("empty") << QByteArray() << QByteArray();
}

void FieldIoTest::recordNameRule()
{
    QFETCH(QByteArray, path);
    QFETCH(QByteArray, recordName);
    const ByteText name = RecordNameOf(std::string_view(path.constData(), static_cast<std::size_t>(path.size())));
    QCOMPARE(QByteArray(name.data(), static_cast<qsizetype>(name.size())), recordName);
}

QTEST_APPLESS_MAIN(FieldIoTest)
#include "test_field_io.moc"
