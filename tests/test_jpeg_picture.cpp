#include "app/editor_look.h"
#include "app/jpeg_picture.h"

#include <QFile>
#include <QtTest>

#include <algorithm>
#include <cstdio> // jpeglib.h needs FILE declared first
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace {

QByteArray StoryPictureBytes()
{
    QFile file(QStringLiteral(":/pictures/story.jpg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A width x height JPEG of the given components, each sample a diagonal
// gradient offset by its component's index.
QByteArray EncodeJpeg(int width, int height, int components, J_COLOR_SPACE colorSpace)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = components;
    info.in_color_space = colorSpace;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(static_cast<size_t>(width * components));
    while (info.next_scanline < info.image_height) {
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < components; ++c)
                row[static_cast<size_t>(x * components + c)] =
                    static_cast<JSAMPLE>((x + static_cast<int>(info.next_scanline)) * 2 + c * 40);
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char *>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return bytes;
}

// Where the entropy-coded data of the first scan begins: after the start of
// scan marker and its header.
qsizetype ScanDataStart(const QByteArray &jpeg)
{
    const qsizetype marker = jpeg.indexOf("\xFF\xDA");
    const int headerLength = (static_cast<unsigned char>(jpeg.at(marker + 2)) << 8)
                             | static_cast<unsigned char>(jpeg.at(marker + 3));
    return marker + 2 + headerLength;
}

QByteArray WithScanDataOverwritten(QByteArray jpeg, char filler)
{
    const qsizetype start = ScanDataStart(jpeg);
    const qsizetype endOfImage = jpeg.size() - 2;
    for (qsizetype i = start; i < endOfImage; ++i)
        jpeg[i] = filler;
    return jpeg;
}

int LargestChannelDifference(const QImage &a, const QImage &b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        const uchar *rowA = a.constScanLine(y);
        const uchar *rowB = b.constScanLine(y);
        for (int i = 0; i < a.width() * 3; ++i)
            largest = std::max(largest, std::abs(rowA[i] - rowB[i]));
    }
    return largest;
}

} // namespace

class JpegPictureTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void storyPictureDecodesAsRgb();
    void storyPictureMatchesAnIndependentDecoder();
    void grayscaleDecodesAsOneComponent();
    void unsupportedComponentCountsFail_data();
    void unsupportedComponentCountsFail();
    void damagedDataFails_data();
    void damagedDataFails();
};

void JpegPictureTest::initTestCase()
{
    SetUpEditorApplication();
    QVERIFY2(!StoryPictureBytes().isEmpty(), "the story picture is not among the resources");
}

void JpegPictureTest::storyPictureDecodesAsRgb()
{
    const JpegPicture picture = DecodeJpeg(StoryPictureBytes());
    QCOMPARE(picture.image.size(), QSize(400, 500));
    QCOMPARE(picture.components, 3);
    QCOMPARE(picture.image.format(), QImage::Format_RGB888);
}

// Qt's own reader serves only as the reference here: a swapped channel, a
// wrong row stride or a missing row would show up as large differences.
void JpegPictureTest::storyPictureMatchesAnIndependentDecoder()
{
    const QByteArray bytes = StoryPictureBytes();
    const QImage reference = QImage::fromData(bytes, "JPG").convertToFormat(QImage::Format_RGB888);
    QVERIFY(!reference.isNull());
    const QImage decoded = DecodeJpeg(bytes).image;
    QCOMPARE(decoded.size(), reference.size());
    QCOMPARE_LE(LargestChannelDifference(decoded, reference), 2);
}

void JpegPictureTest::grayscaleDecodesAsOneComponent()
{
    const JpegPicture picture = DecodeJpeg(EncodeJpeg(37, 21, 1, JCS_GRAYSCALE));
    QCOMPARE(picture.components, 1);
    QCOMPARE(picture.image.format(), QImage::Format_Grayscale8);
    QCOMPARE(picture.image.size(), QSize(37, 21));
    // Odd sizes make rows that are not a multiple of four bytes long.
    QCOMPARE_LE(qGray(picture.image.pixel(0, 0)), 3);
    QCOMPARE_LE(std::abs(qGray(picture.image.pixel(36, 20)) - (36 + 20) * 2), 3);
}

void JpegPictureTest::unsupportedComponentCountsFail_data()
{
    QTest::addColumn<int>("components");
    QTest::addColumn<int>("colorSpace");
    QTest::newRow("two components") << 2 << int(JCS_UNKNOWN);
    QTest::newRow("CMYK") << 4 << int(JCS_CMYK);
}

void JpegPictureTest::unsupportedComponentCountsFail()
{
    QFETCH(int, components);
    QFETCH(int, colorSpace);
    const JpegPicture picture =
        DecodeJpeg(EncodeJpeg(16, 16, components, static_cast<J_COLOR_SPACE>(colorSpace)));
    QVERIFY(picture.image.isNull());
    QCOMPARE(picture.components, 0);
}

void JpegPictureTest::damagedDataFails_data()
{
    QTest::addColumn<QByteArray>("data");
    const QByteArray story = StoryPictureBytes();
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("garbage") << QByteArray(4096, '\x5A');
    QTest::newRow("start of image marker only") << story.left(2);
    QTest::newRow("cut inside the header") << story.left(ScanDataStart(story) / 2);
    QTest::newRow("cut where the scan data begins") << story.left(ScanDataStart(story));
    QTest::newRow("cut half-way") << story.left(story.size() / 2);
    QTest::newRow("end of image marker missing") << story.chopped(2);
    QTest::newRow("scan data all ones") << WithScanDataOverwritten(story, '\xFF');
    QTest::newRow("scan data all zeros") << WithScanDataOverwritten(story, '\x00');
    QTest::newRow("scan data a pattern") << WithScanDataOverwritten(story, '\xA7');
}

void JpegPictureTest::damagedDataFails()
{
    QFETCH(QByteArray, data);
    const JpegPicture picture = DecodeJpeg(data);
    QVERIFY(picture.image.isNull());
    QCOMPARE(picture.components, 0);
}

QTEST_MAIN(JpegPictureTest)
#include "test_jpeg_picture.moc"
