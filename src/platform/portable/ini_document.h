#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The bytes of one profile file, read and edited the way the Windows profile
// functions treat them. Every byte is kept as it is; only the lines a write
// touches change, and the lines it adds end in CR LF. NULs and other control
// bytes are ordinary characters (Windows keeps them when it rewrites a file).
//
// How a line is read:
// - Lines end at CR LF, LF or a lone CR.
// - Blanks are space, tab and vertical tab; they are skipped at the start of a
//   line and trimmed around names and values.
// - A line whose first non-blank is ';' is a comment; one whose first non-blank
//   is '[' is a section header, its name ending at the first ']' (or at the end
//   of the line when there is none); text after the ']' is ignored.
// - Any other line with an '=' is an entry: the key name before the first '=',
//   the value after it. A line without '=' is neither, and reads ignore it.
// - Entries before the first header belong to no section and cannot be read.
// - Section and key names given by the caller lose their leading and trailing
//   spaces (spaces only) and are compared ignoring ASCII case. When a section
//   or a key occurs twice, only the first counts.
// - A UTF-8 byte-order mark is not special: it is part of the first line, so a
//   header on that line is not recognised (as on Windows, unlike Wine).
class IniDocument {
public:
    explicit IniDocument(std::string bytes = {});

    const std::string& Bytes() const { return bytes_; }

    // The names of all section headers in file order, duplicates included;
    // headers with an empty name are left out.
    std::vector<std::string> SectionNames() const;

    // The key names of the first section called `section`, in file order;
    // empty when there is no such section. Comments and entries with an empty
    // key name are left out.
    std::vector<std::string> KeyNames(std::string_view section) const;

    // The value of the first entry `key` of the first section `section`, with
    // one pair of matching quotes ('...' or "...") around it removed;
    // nullopt when there is no such entry.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;

    // Sets the value of `key`. An existing entry keeps its bytes up to the '='
    // and gets the new value; a new entry goes right after the last entry of
    // its section (or after the header); a new section goes at the end.
    void SetValue(std::string_view section, std::string_view key, std::string_view value);

    // Removes the line of the first entry `key`; false when there is none.
    bool DeleteKey(std::string_view section, std::string_view key);

    // Removes the header of the first section `section` and the entries under
    // it; comments, blank lines and lines without '=' stay. False when there is
    // no such section.
    bool DeleteSection(std::string_view section);

private:
    enum class Kind { Blank, Comment, Header, Entry, Other };
    struct Line {
        std::size_t begin = 0;   // first byte of the line
        std::size_t end = 0;     // end of its text, before the line break
        std::size_t next = 0;    // start of the next line (after the line break)
        Kind kind = Kind::Other;
        std::size_t nameBegin = 0, nameEnd = 0;    // header or key name, trimmed
        std::size_t valueBegin = 0, valueEnd = 0;  // entry value, trimmed
        std::size_t afterEquals = 0;               // entry: the byte after its '='
    };
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    void Parse();
    Line Classify(std::size_t begin, std::size_t end, std::size_t next) const;
    std::string_view NameOf(const Line& line) const;
    std::size_t FindSection(std::string_view section) const;
    std::size_t FindEntry(std::size_t header, std::string_view key) const;
    std::size_t SectionEnd(std::size_t header) const;

    std::string bytes_;
    std::vector<Line> lines_;
};
