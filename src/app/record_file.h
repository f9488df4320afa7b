#pragma once

#include "records/field_io.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

// At most recordSize bytes from the start of the file, so that a huge file
// picked by mistake costs nothing; empty when the file cannot be opened.
std::optional<vellgard::ByteBuffer> ReadRecordBytes(const QString &path, std::size_t recordSize);

// Replaces the file only once every byte is written; an existing file stays
// intact when writing fails.
bool WriteFileSafely(const QString &path, QByteArrayView bytes);
