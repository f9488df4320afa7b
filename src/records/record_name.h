#pragma once

#include "records/field_io.h"

namespace vellgard {

// The short name a record carries: the base file name of the path without its
// last four characters (the dot and a three-letter extension). Both '/' and
// '\\' separate folders.
ByteText RecordNameOf(std::string_view path);

} // namespace vellgard
