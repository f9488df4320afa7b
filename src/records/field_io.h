#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vellgard {

using ByteBuffer = std::vector<std::uint8_t>;

// Texts are byte strings in the Windows-1252 code page, one char per byte.
using ByteText = std::string;

// Builds a record in one forward pass, field after field.
class RecordWriter {
public:
    void WriteText(std::string_view text);
    void WriteZeros(int count);
    // A padded field never changes its width: a text that would leave no
    // closing zero byte is cut to width - 1 bytes.
    void WritePaddedText(std::string_view text, int width);
    void WriteByte(int value);
    void WriteWord(int value);

    const ByteBuffer &bytes() const { return buffer; }

private:
    ByteBuffer buffer;
};

// Reads fields at absolute offsets of a record's bytes, which may be shorter
// than the record.
class RecordReader {
public:
    explicit RecordReader(std::span<const std::uint8_t> bytes) : data(bytes) {}

    static constexpr int kNoStopByte = -1;

    // Up to count bytes from offset, ending before the stop byte or at the end.
    ByteText ReadTextAt(std::size_t offset, int count, int stopByte = 0) const;
    // Empty past the end of the bytes: the one read that fails.
    std::optional<std::uint8_t> ReadByteAt(std::size_t offset) const;
    // First byte + 256 x second byte; what is there when the bytes end early.
    int ReadWordAt(std::size_t offset) const;

private:
    std::span<const std::uint8_t> data;
};

// A decoder's walk through a record in ascending offsets. The first byte field
// past the end stops the load: that field and every later one keep the values
// they had, and stoppedAt() tells where it happened.
class FieldLoader {
public:
    explicit FieldLoader(std::span<const std::uint8_t> bytes) : reader(bytes) {}

    void Text(std::size_t offset, int count, ByteText &field);
    void Byte(std::size_t offset, int &field);
    void Word(std::size_t offset, int &field);

    bool stopped() const { return stopOffset.has_value(); }
    std::optional<std::size_t> stoppedAt() const { return stopOffset; }

private:
    RecordReader reader;
    std::optional<std::size_t> stopOffset;
};

// A decoded record, and the offset where a short file stopped its load.
template <typename Record>
struct RecordLoad {
    Record record;
    std::optional<std::size_t> stoppedAt;
};

} // namespace vellgard
