#include "app/ansi_text.h"

#include <QList>

#include <algorithm>
#include <array>

namespace {

// Bytes 0x80..0x9F. The five bytes the code page leaves undefined keep their
// own value as a control character, as Windows maps them.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t CharacterOf(unsigned char byte)
{
    return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : char16_t(byte);
}

char ByteOf(char32_t character)
{
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return static_cast<char>(character);
    const auto match = std::find(kHighControls.begin(), kHighControls.end(), character);
    return match == kHighControls.end() ? '?' : static_cast<char>(0x80 + (match - kHighControls.begin()));
}

} // namespace

QString FromAnsi(std::string_view bytes)
{
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char byte : bytes)
        text.append(QChar(CharacterOf(static_cast<unsigned char>(byte))));
    return text;
}

vellgard::ByteText ToAnsi(const QString &text)
{
    vellgard::ByteText bytes;
    for (const char32_t character : text.toUcs4())
        bytes.push_back(ByteOf(character));
    return bytes;
}
