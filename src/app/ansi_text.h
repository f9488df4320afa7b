#pragma once

#include "records/field_io.h"

#include <QString>

// The one boundary between the records' byte texts (Windows-1252) and Qt's
// strings. Every byte 0..255 maps to one character and back to the same byte.
QString FromAnsi(std::string_view bytes);
// Characters the code page cannot hold become '?', one byte each.
vellgard::ByteText ToAnsi(const QString &text);
