#include "editing/command_fields.h"

#include <algorithm>
#include <tuple>

#include "common/string_ids.h"
#include "common/value_limit.h"
#include "platform/ports/string_table.h"

namespace command_fields {
Fields OfBrowsedFile(const std::string& path) {
    const auto slash = path.rfind('\\');
    if (slash == std::string::npos) return {path, "", path};
    return {path, path.substr(0, slash), path.substr(slash + 1)};
}

std::string WithoutTrailingBackslash(std::string directory) {
    if (!directory.empty() && directory.back() == '\\') directory.pop_back();
    return directory;
}

bool RefusedUntested(const std::string& directory) {
    return directory.size() >= 4 && directory.back() == '\\';
}

std::optional<TooLong> FirstTooLong(const Fields& fields, const StringTable& strings) {
    const std::tuple<Field, const std::string&, unsigned> inTabOrder[] = {
        {Field::Description, fields.description, IDS_DESCRIPTION_TOO_LONG},
        {Field::Command, fields.command, IDS_COMMAND_TOO_LONG},
        {Field::WorkingDirectory, fields.workingDirectory, IDS_DIRECTORY_TOO_LONG},
    };
    for (const auto& [field, text, message] : inTabOrder)
        if (!FitsValueLimit(text)) return TooLong{field, WithValueLimit(strings.Get(message))};
    return std::nullopt;
}

std::string OpenFileFilter(const StringTable& strings) {
    std::string filter, part;
    for (unsigned id = IDS_FILTER_FIRST; id <= IDS_FILTER_LAST && strings.Load(id, part); ++id)
        filter += part;
    std::replace(filter.begin(), filter.end(), '|', '\0');
    return filter;
}
} // namespace command_fields
