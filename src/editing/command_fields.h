#pragma once
#include <optional>
#include <string>

class StringTable;

// The rules of the Add/Edit Command dialog's fields.
namespace command_fields {
struct Fields {
    std::string command, workingDirectory, description;
};

// Browse...: the file's path, its name with the extension, and the part
// before the last backslash (empty when there is none).
Fields OfBrowsedFile(const std::string& path);
// Applications...: a working directory loses one trailing backslash, D:\ included.
std::string WithoutTrailingBackslash(std::string directory);
// A working directory of 4 or more characters ending in a backslash is
// refused before the directory itself is looked at.
bool RefusedUntested(const std::string& directory);
// OK refuses a field longer than kMaxValueChars (common/value_limit.h),
// counted as Windows counts characters: the first, in the dialog's tab
// order, with the message naming it and the limit.
enum class Field { Description, Command, WorkingDirectory };
struct TooLong {
    Field field;
    std::string message;
};
std::optional<TooLong> FirstTooLong(const Fields& fields, const StringTable& strings);
// The open-file filter from strings 90 to 99, up to the first missing one:
// "name|patterns|" pairs ended by "||", the bars turned to NULs.
std::string OpenFileFilter(const StringTable& strings);
} // namespace command_fields
