#include "records/field_io.h"

#include <algorithm>

namespace vellgard {

void RecordWriter::WriteText(std::string_view text)
{
    buffer.insert(buffer.end(), text.begin(), text.end());
}

void RecordWriter::WriteZeros(int count)
{
    if (count > 0)
        buffer.insert(buffer.end(), static_cast<std::size_t>(count), 0);
}

void RecordWriter::WritePaddedText(std::string_view text, int width)
{
    const auto room = static_cast<std::size_t>(std::max(width - 1, 0));
    const std::string_view fitting = text.substr(0, std::min(text.size(), room));
    WriteText(fitting);
    WriteZeros(width - static_cast<int>(fitting.size()));
}

void RecordWriter::WriteByte(int value)
{
    buffer.push_back(static_cast<std::uint8_t>(value & 0xFF));
}

void RecordWriter::WriteWord(int value)
{
    WriteByte(value % 256);
    WriteByte(value / 256);
}

ByteText RecordReader::ReadTextAt(std::size_t offset, int count, int stopByte) const
{
    ByteText text;
    for (std::size_t at = offset; at < data.size() && at - offset < static_cast<std::size_t>(std::max(count, 0)); ++at) {
        if (data[at] == stopByte)
            break;
        text.push_back(static_cast<char>(data[at]));
    }
    return text;
}

std::optional<std::uint8_t> RecordReader::ReadByteAt(std::size_t offset) const
{
    if (offset >= data.size())
        return std::nullopt;
    return data[offset];
}

int RecordReader::ReadWordAt(std::size_t offset) const
{
    const ByteText bytes = ReadTextAt(offset, 2, kNoStopByte);
    int value = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        value += static_cast<std::uint8_t>(bytes[i]) << (8 * i);
    return value;
}

void FieldLoader::Text(std::size_t offset, int count, ByteText &field)
{
    if (!stopped())
        field = reader.ReadTextAt(offset, count);
}

void FieldLoader::Byte(std::size_t offset, int &field)
{
    if (stopped())
        return;
    if (const auto value = reader.ReadByteAt(offset))
        field = *value;
    else
        stopOffset = offset;
}

void FieldLoader::Word(std::size_t offset, int &field)
{
    if (!stopped())
        field = reader.ReadWordAt(offset);
}

} // namespace vellgard
