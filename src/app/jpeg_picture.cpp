#include "app/jpeg_picture.h"

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE declared first

#include <jpeglib.h>

namespace {

struct ErrorManager {
    jpeg_error_mgr base; // first, so that libjpeg's pointer to it is ours too
    std::jmp_buf escape;
};

[[noreturn]] void EscapeFromLibrary(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager *>(info->err)->escape, 1);
}

// libjpeg only warns about damaged data and fills what is missing with
// grey; a picture like that is treated as not decodable at all.
void EscapeOnWarning(j_common_ptr info, int level)
{
    if (level < 0)
        EscapeFromLibrary(info);
}

void StaySilent(j_common_ptr) {}

QImage::Format FormatFor(int components)
{
    switch (components) {
    case 1:
        return QImage::Format_Grayscale8;
    case 3:
        return QImage::Format_RGB888;
    default:
        return QImage::Format_Invalid;
    }
}

// Separate from DecodeJpeg so that a longjmp out of libjpeg skips no
// destructor: every object that has one lives in the caller's frame.
bool ReadPicture(jpeg_decompress_struct &info, ErrorManager &errors, const QByteArray &data,
                 JpegPicture &picture)
{
    if (setjmp(errors.escape))
        return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK)
        return false;
    jpeg_start_decompress(&info);
    const QImage::Format format = FormatFor(info.output_components);
    if (format == QImage::Format_Invalid)
        return false;
    picture.image = QImage(static_cast<int>(info.output_width),
                           static_cast<int>(info.output_height), format);
    if (picture.image.isNull())
        return false;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = picture.image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    picture.components = info.output_components;
    return true;
}

} // namespace

JpegPicture DecodeJpeg(const QByteArray &data)
{
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = EscapeFromLibrary;
    errors.base.emit_message = EscapeOnWarning;
    errors.base.output_message = StaySilent;

    JpegPicture picture;
    const bool decoded = ReadPicture(info, errors, data, picture);
    // Safe on an object whose creation failed half-way, too.
    jpeg_destroy_decompress(&info);
    return decoded ? picture : JpegPicture{};
}
