#include "records/record_name.h"

namespace vellgard {

ByteText RecordNameOf(std::string_view path)
{
    // The last character is never taken as the separator.
    const std::string_view searched = path.substr(0, path.empty() ? 0 : path.size() - 1);
    const auto separator = searched.find_last_of("/\\");
    const std::string_view base = separator == std::string_view::npos ? path : path.substr(separator + 1);
    if (base.size() <= 4)
        return {};
    return ByteText(base.substr(0, base.size() - 4));
}

} // namespace vellgard
