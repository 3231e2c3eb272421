#include "platform/portable/ini_document.h"

#include <algorithm>
#include <utility>

namespace {

bool IsFileBlank(char c) { return c == ' ' || c == '\t' || c == '\v'; }

// Names passed by the caller lose spaces only: a tab is part of the name.
std::string_view TrimSpaces(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

char FoldAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](char x, char y) { return FoldAscii(x) == FoldAscii(y); });
}

std::string_view WithoutQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

}  // namespace

IniDocument::IniDocument(std::string bytes) : bytes_(std::move(bytes)) { Parse(); }

void IniDocument::Parse() {
    lines_.clear();
    const std::size_t size = bytes_.size();
    std::size_t begin = 0;
    while (begin < size) {
        std::size_t end = begin;
        while (end < size && bytes_[end] != '\r' && bytes_[end] != '\n') ++end;
        std::size_t next = end;
        if (next < size) next += (bytes_[next] == '\r' && next + 1 < size && bytes_[next + 1] == '\n') ? 2 : 1;
        lines_.push_back(Classify(begin, end, next));
        begin = next;
    }
}

IniDocument::Line IniDocument::Classify(std::size_t begin, std::size_t end, std::size_t next) const {
    Line line;
    line.begin = begin;
    line.end = end;
    line.next = next;
    std::size_t first = begin;
    while (first < end && IsFileBlank(bytes_[first])) ++first;
    auto trimmedEnd = [&](std::size_t from, std::size_t to) {
        while (to > from && IsFileBlank(bytes_[to - 1])) --to;
        return to;
    };
    auto skipBlanks = [&](std::size_t from, std::size_t to) {
        while (from < to && IsFileBlank(bytes_[from])) ++from;
        return from;
    };
    if (first == end) {
        line.kind = Kind::Blank;
    } else if (bytes_[first] == ';') {
        line.kind = Kind::Comment;
    } else if (bytes_[first] == '[') {
        line.kind = Kind::Header;
        std::size_t close = first + 1;
        while (close < end && bytes_[close] != ']') ++close;
        line.nameBegin = skipBlanks(first + 1, close);
        line.nameEnd = trimmedEnd(line.nameBegin, close);
    } else {
        std::size_t equals = first;
        while (equals < end && bytes_[equals] != '=') ++equals;
        if (equals == end) return line;  // Kind::Other
        line.kind = Kind::Entry;
        line.nameBegin = first;
        line.nameEnd = trimmedEnd(first, equals);
        line.afterEquals = equals + 1;
        line.valueBegin = skipBlanks(equals + 1, end);
        line.valueEnd = trimmedEnd(line.valueBegin, end);
    }
    return line;
}

std::string_view IniDocument::NameOf(const Line& line) const {
    return std::string_view(bytes_).substr(line.nameBegin, line.nameEnd - line.nameBegin);
}

std::size_t IniDocument::FindSection(std::string_view section) const {
    section = TrimSpaces(section);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind == Kind::Header && SameName(NameOf(lines_[i]), section)) return i;
    }
    return npos;
}

std::size_t IniDocument::SectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < lines_.size() && lines_[i].kind != Kind::Header) ++i;
    return i;
}

std::size_t IniDocument::FindEntry(std::size_t header, std::string_view key) const {
    key = TrimSpaces(key);
    const std::size_t end = SectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        if (lines_[i].kind == Kind::Entry && SameName(NameOf(lines_[i]), key)) return i;
    }
    return npos;
}

std::vector<std::string> IniDocument::SectionNames() const {
    std::vector<std::string> names;
    for (const Line& line : lines_) {
        if (line.kind == Kind::Header && line.nameEnd > line.nameBegin) names.emplace_back(NameOf(line));
    }
    return names;
}

std::vector<std::string> IniDocument::KeyNames(std::string_view section) const {
    std::vector<std::string> names;
    const std::size_t header = FindSection(section);
    if (header == npos) return names;
    const std::size_t end = SectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        const Line& line = lines_[i];
        if (line.kind == Kind::Entry && line.nameEnd > line.nameBegin) names.emplace_back(NameOf(line));
    }
    return names;
}

std::optional<std::string> IniDocument::Value(std::string_view section, std::string_view key) const {
    const std::size_t header = FindSection(section);
    if (header == npos) return std::nullopt;
    const std::size_t entry = FindEntry(header, key);
    if (entry == npos) return std::nullopt;
    const Line& line = lines_[entry];
    return std::string(WithoutQuotes(
        std::string_view(bytes_).substr(line.valueBegin, line.valueEnd - line.valueBegin)));
}

void IniDocument::SetValue(std::string_view section, std::string_view key, std::string_view value) {
    const std::string entryLine = std::string(TrimSpaces(key)) + "=" + std::string(value) + "\r\n";
    const std::size_t header = FindSection(section);
    if (header == npos) {
        // A last line without a line break gets one, so the header starts a line.
        if (!bytes_.empty() && bytes_.back() != '\n' && bytes_.back() != '\r') bytes_ += "\r\n";
        bytes_ += "[" + std::string(TrimSpaces(section)) + "]\r\n" + entryLine;
    } else if (const std::size_t entry = FindEntry(header, key); entry != npos) {
        const Line& line = lines_[entry];
        bytes_.replace(line.afterEquals, line.next - line.afterEquals, std::string(value) + "\r\n");
    } else {
        std::size_t anchor = header;
        const std::size_t end = SectionEnd(header);
        for (std::size_t i = header + 1; i < end; ++i) {
            if (lines_[i].kind == Kind::Entry) anchor = i;
        }
        const Line& line = lines_[anchor];
        const bool unterminated = line.next == line.end;
        bytes_.insert(line.next, (unterminated ? "\r\n" : "") + entryLine);
    }
    Parse();
}

bool IniDocument::DeleteKey(std::string_view section, std::string_view key) {
    const std::size_t header = FindSection(section);
    if (header == npos) return false;
    const std::size_t entry = FindEntry(header, key);
    if (entry == npos) return false;
    bytes_.erase(lines_[entry].begin, lines_[entry].next - lines_[entry].begin);
    Parse();
    return true;
}

bool IniDocument::DeleteSection(std::string_view section) {
    const std::size_t header = FindSection(section);
    if (header == npos) return false;
    // From the back, so the offsets of the lines still to go stay valid.
    for (std::size_t i = SectionEnd(header); i-- > header;) {
        const Line& line = lines_[i];
        if (i == header || line.kind == Kind::Entry) bytes_.erase(line.begin, line.next - line.begin);
    }
    Parse();
    return true;
}
