#pragma once
// One table of profile-file cases, run against every ProfilePort: natively
// against IniProfile and under Wine against the kernel32 calls. Each case
// starts from given file bytes (or no file), performs calls and checks their
// results and the bytes of the file afterwards.
//
// A case whose notUnderWine reason is set shows where Wine differs from
// Windows; there IniProfile follows Windows and the Wine run skips the case.
// Windows results come from documented behaviour, Wine's own test-suite (whose
// expectations are checked on Windows) and published tests run on Windows.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "platform/ports/profile_port.h"

namespace profile_cases {

using namespace std::string_literals;

struct Step {
    enum class Op { Get, GetInt, Write };
    Op op;
    const char* section;
    const char* key;
    const char* text;   // the default (Get) or the value (Write)
    unsigned size;      // Get: the buffer size
    int intDefault;     // GetInt: the default
    unsigned expected;  // characters (Get), number (GetInt), 1 for success (Write)
    std::string bytes;  // Get: the buffer must start with these bytes
};

// GetString into a buffer of `size` bytes; returns `count` and fills `bytes`.
inline Step Get(const char* section, const char* key, const char* deflt, unsigned size,
                unsigned count, std::string bytes) {
    return {Step::Op::Get, section, key, deflt, size, 0, count, std::move(bytes)};
}
inline Step Int(const char* section, const char* key, int deflt, unsigned number) {
    return {Step::Op::GetInt, section, key, nullptr, 0, deflt, number, ""};
}
inline Step Put(const char* section, const char* key, const char* value, bool succeeds = true) {
    return {Step::Op::Write, section, key, value, 0, 0, succeeds ? 1u : 0u, ""};
}

// Where the case's file lives and how it is named to the port.
enum class Where {
    TempDirectory,     // a full path in a fresh directory
    WindowsDirectory,  // a bare file name, so the file in the Windows directory
    MissingDirectory,  // a full path in a directory that does not exist
};

struct Case {
    Case(std::string caseName, std::optional<std::string> fileBefore, std::vector<Step> caseSteps)
        : name(std::move(caseName)), before(std::move(fileBefore)), steps(std::move(caseSteps)) {}

    std::string name;
    std::optional<std::string> before;  // the file's bytes first; nullopt: no file
    std::vector<Step> steps;
    std::optional<std::string> after;   // the file's bytes at the end, when checked
    bool noFileAfter = false;
    Where where = Where::TempDirectory;
    const char* notUnderWine = nullptr;  // why Wine, differing from Windows, is not asked

    Case& Leaves(std::string bytes) { after = std::move(bytes); return *this; }
    Case& LeavesNoFile() { noFileAfter = true; return *this; }
    Case& At(Where place) { where = place; return *this; }
    Case& NotUnderWine(const char* why) { notUnderWine = why; return *this; }
};

inline void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

// The file most read cases use (it is the one of Wine's own tests).
inline const std::string kSample = "[s]\r\nname1=val1\r\nname2=\"val2\"\r\nname3\r\nname4=a\r\n[t]\r\n";

inline const std::vector<Case>& AllCases() {
    static const std::vector<Case> cases = {
        // ---- Reading one value ----
        Case{"Read_ValueByNamesOfAnyCase", kSample, {
            Get("s", "name1", "def", 100, 4, "val1\0"s),
            Get("S", "NAME1", "def", 100, 4, "val1\0"s),
            Get("s", "Name4", "def", 100, 1, "a\0"s)}},
        Case{"Read_BlanksAroundNamesAndValuesAreTrimmed",
             "[s]\r\n  key one \t=\t  spaced value  \r\n\tk2=v2\r\n"s, {
            Get("s", "key one", "d", 100, 12, "spaced value\0"s),
            Get("  s ", "  key one  ", "d", 100, 12, "spaced value\0"s),
            Get("s", nullptr, "d", 100, 11, "key one\0k2\0\0"s)}},
        Case{"Read_MatchingQuotesAreRemoved",
             "[q]\r\nd=\"  x  \"\r\ns='y'\r\nm=\"z'\r\nn=\"\r\ne=\"\"\r\n"s, {
            Get("q", "d", "def", 100, 5, "  x  \0"s),
            Get("q", "s", "def", 100, 1, "y\0"s),
            Get("q", "m", "def", 100, 3, "\"z'\0"s),
            Get("q", "n", "def", 100, 1, "\"\0"s),
            Get("q", "e", "def", 100, 0, "\0"s)}},
        Case{"Read_MissingKeyGivesTheDefaultLessItsTrailingSpaces", kSample, {
            Get("s", "nope", "def", 100, 3, "def\0"s),
            Get("zz", "name1", "def", 100, 3, "def\0"s),
            Get("s", "", "def", 100, 3, "def\0"s),
            Get("s", "name3", "def", 100, 3, "def\0"s),  // a line without '=' is no key
            Get("s", "nope", nullptr, 100, 0, "\0"s),
            Get("s", "nope", "  d  ", 100, 3, "  d\0"s),
            Get("s", "nope", "d\t ", 100, 2, "d\t\0"s)}},
        Case{"Read_MissingFileGivesDefaultAndNoSections", std::nullopt, {
            Get("s", "k", "def", 100, 3, "def\0"s),
            Get(nullptr, nullptr, "def", 100, 0, "\0"s),
            Int("s", "k", 7, 7)}}.LeavesNoFile(),
        Case{"Read_EmptyValueIsNotTheDefault", "[s]\r\ne=\r\nb=   \r\nk=a=b\r\n"s, {
            Get("s", "e", "def", 100, 0, "\0"s),
            Get("s", "b", "def", 100, 0, "\0"s),
            Get("s", "k", "def", 100, 3, "a=b\0"s)}},
        Case{"Read_DefaultKeepsItsQuotes", kSample, {
            Get("s", "nope", "\"q\"", 100, 3, "\"q\"\0"s)}}
            .NotUnderWine("Wine removes quotes from the default; Windows copies it as given"),
        Case{"Read_ValuesAndListsAreCutToTheBuffer", kSample, {
            Get("s", "name1", "def", 5, 4, "val1\0"s),
            Get("s", "name1", "def", 4, 3, "val\0"s),
            Get("s", "name1", "def", 0, 0, ""),
            Get("s", "nope", "default", 4, 3, "def\0"s),
            Get("s", nullptr, "def", 0, 0, ""),
            Get("s", nullptr, "def", 1, 0, "\0"s),
            Get(nullptr, nullptr, "def", 1, 0, "\0"s)}},
        Case{"Read_QuotesGoBeforeTheValueIsCut", kSample, {
            Get("s", "name2", "def", 5, 4, "val2\0"s),
            Get("s", "name2", "def", 4, 3, "val\0"s)}}
            .NotUnderWine("Wine cuts the quoted text first and so loses a character when the "
                          "unquoted value just fits"),
        Case{"Read_CommentsAreNoKeys", "[s]\r\n;c=1\r\n  ;d=2\r\nk=;no comment\r\n"s, {
            Get("s", nullptr, "def", 100, 2, "k\0\0"s),
            Get("s", "k", "def", 100, 11, ";no comment\0"s)}},
        Case{"Read_CommentCannotBeReadByItsText", "[s]\r\n;c=1\r\n  ;d=2\r\n"s, {
            Get("s", ";c", "def", 100, 3, "def\0"s),
            Get("s", ";d", "def", 100, 3, "def\0"s)}}
            .NotUnderWine("Wine finds a comment line when asked for a key named like it"),
        Case{"Read_FirstOfDuplicateKeysWinsOnlyTheFirstSectionIsSearched",
             "[a]\r\nx=1\r\ny=2\r\nx=3\r\n[b]\r\n[A]\r\nz=2\r\nx=4\r\n"s, {
            Get("a", "x", "def", 100, 1, "1\0"s),
            Get("a", nullptr, "", 100, 6, "x\0y\0x\0\0"s),
            Get("a", "z", "def", 100, 3, "def\0"s),
            Get(nullptr, nullptr, "", 100, 6, "a\0b\0A\0\0"s)}},
        Case{"Read_EntriesBeforeTheFirstSectionAreUnreachable", "x=0\r\n[a]\r\nx=1\r\n"s, {
            Get("", "x", "def", 100, 3, "def\0"s),
            Get("a", "x", "def", 100, 1, "1\0"s)}}
            .NotUnderWine("Wine takes the lines before the first header for a section named \"\""),
        Case{"Read_AnyLineBreakEndsALineJunkLinesAreIgnored",
             "junk\0\x01 bytes\r\n[a]\rx=1\ry=2\r[b]\nz=3\n[c]\r\nw=4"s, {
            Get("a", "y", "def", 100, 1, "2\0"s),
            Get("b", "z", "def", 100, 1, "3\0"s),
            Get("c", "w", "def", 100, 1, "4\0"s),
            Get(nullptr, nullptr, "", 100, 6, "a\0b\0c\0\0"s)}},
        Case{"Read_HeaderBlanksAndTextAfterBracket", "  [ e ]  \r\nw=4\r\n[f]x=1\r\n"s, {
            Get("e", "w", "def", 100, 1, "4\0"s),
            Get("f", "x", "def", 100, 3, "def\0"s),
            Get(nullptr, nullptr, "", 100, 4, "e\0f\0\0"s)}},
        Case{"Read_HeaderEndsAtFirstBracketOrLineEnd", "[b\r\ny=2\r\n[c]d]\r\nz=3\r\n"s, {
            Get("b", "y", "def", 100, 1, "2\0"s),
            Get("c", "z", "def", 100, 1, "3\0"s),
            Get(nullptr, nullptr, "", 100, 4, "b\0c\0\0"s)}}
            .NotUnderWine("Wine ends a header at its last ']' and ignores a header without one"),
        Case{"Read_EmptySectionName", "[]\r\ne=1\r\n"s, {
            Get("", "e", "def", 100, 1, "1\0"s)}}
            .NotUnderWine("Wine takes the lines before the first header for the section named "
                          "\"\" and so never reaches \"[]\""),
        Case{"Read_Utf8MarkSpoilsTheFirstLine", "\xEF\xBB\xBF[a]\r\nx=1\r\n[b]\r\ny=2\r\n"s, {
            Get("a", "x", "def", 100, 3, "def\0"s),
            Get("b", "y", "def", 100, 1, "2\0"s),
            Get(nullptr, nullptr, "", 100, 2, "b\0\0"s)}}
            .NotUnderWine("Wine decodes UTF-8 after the byte-order mark; Windows reads the mark "
                          "as part of the first line"),
        Case{"Read_NulInsideAValueIsACharacter", "[a]\r\nx=v\0w\r\n"s, {
            Get("a", "x", "def", 100, 3, "v\0w\0"s)}}
            .NotUnderWine("Wine ends the value at the NUL; Windows treats the file as counted "
                          "text (it keeps NULs when it rewrites a file), and so does IniProfile"),

        // ---- Lists of names ----
        Case{"List_KeyAndSectionNames", kSample, {
            Get("s", nullptr, "def", 100, 18, "name1\0name2\0name4\0\0"s),
            Get("s", nullptr, "def", 20, 18, "name1\0name2\0name4\0\0"s),
            Get(nullptr, nullptr, "def", 100, 4, "s\0t\0\0"s),
            Get(nullptr, "name1", "def", 100, 4, "s\0t\0\0"s)}},
        Case{"List_TruncatedListEndsInTwoNuls", kSample, {
            Get("s", nullptr, "def", 16, 14, "name1\0name2\0na\0\0"s),
            Get("s", nullptr, "def", 19, 17, "name1\0name2\0name4\0\0"s),
            Get(nullptr, nullptr, "def", 5, 3, "s\0t\0\0"s),
            Get(nullptr, nullptr, "def", 4, 2, "s\0\0\0"s),
            Get("s", nullptr, "def", 2, 0, "\0\0"s)}}
            .NotUnderWine("the ANSI call of Wine leaves the last byte of the buffer unwritten, "
                          "and with two bytes left it gives the default"),
        Case{"List_EmptyOrMissingSectionGivesDefault", kSample + "[c]\r\n;k=v\r\nno equals\r\n", {
            Get("t", nullptr, "def", 100, 3, "def\0"s),
            Get("c", nullptr, "def", 100, 3, "def\0"s),
            Get("zz", nullptr, "def", 100, 3, "def\0"s)}},

        // ---- Numbers ----
        Case{"Int_DecimalSignBlanksAndWrap",
             "[i]\r\nb= -5\r\nc=+7\r\nd=4294967297\r\nf=12abc\r\ng=-\r\nq=\"9\"\r\nl=007\r\n"s, {
            Int("i", "b", 99, 4294967291u),
            Int("i", "c", 99, 7),
            Int("i", "d", 99, 1),
            Int("i", "f", 99, 12),
            Int("i", "g", 99, 0),
            Int("i", "q", 99, 9),
            Int("i", "l", 99, 7)}},
        Case{"Int_DefaultOnlyWhenMissingOrEmpty", "[i]\r\nh=\r\nz=\"\"\r\n"s, {
            Int("i", "h", 99, 99),
            Int("i", "z", 99, 99),
            Int("i", "nope", 99, 99),
            Int("i", "nope", -1, 4294967295u)}},
        Case{"Int_PrefixedBases",
             "[i]\r\nf=0xFF\r\no=0o17\r\nb=0b101\r\nx=0x\r\nn=-0x10\r\nw=1x34\r\n"s, {
            Int("i", "f", 99, 255),
            Int("i", "o", 99, 15),
            Int("i", "b", 99, 5),
            Int("i", "x", 99, 0),
            Int("i", "n", 99, 4294967280u),
            Int("i", "w", 99, 1)}},

        // ---- Writing ----
        Case{"Write_EmptyAndQuotedValuesIntoEmptyFile", ""s, {
            Put("App", "key", ""),
            Put("App", "q", "\"q\""),
            Get("App", "key", "def", 100, 0, "\0"s),
            Get("App", "q", "def", 100, 1, "q\0"s)}}
            .Leaves("[App]\r\nkey=\r\nq=\"q\"\r\n"),
        Case{"Write_NewSectionsAndKeysInOrder", std::nullopt, {
            Put("App1", "key1", "string1"),
            Put("App1", "key2", "string2"),
            Put("App2", "key4", "string4"),
            Put("App3", "key5", "string5"),
            Get("App1", "key2", "def", 100, 7, "string2\0"s)}}
            .Leaves("[App1]\r\nkey1=string1\r\nkey2=string2\r\n"
                    "[App2]\r\nkey4=string4\r\n[App3]\r\nkey5=string5\r\n"),
        Case{"Write_DeleteKeysAndSections",
             "[App1]\r\nkey1=string1\r\nkey2=string2\r\nkey3=string3\r\n"
             "[App2]\r\nkey4=string4\r\n[App3]\r\nkey5=string5\r\n"s, {
            Put("App1", "key2", nullptr),
            Put("app1", nullptr, "string1"),
            Put("App2", nullptr, nullptr),
            Put("App3", "KEY5", nullptr),
            Get("App3", nullptr, "def", 100, 3, "def\0"s)}}
            .Leaves("[App3]\r\n"),
        Case{"Write_ReplaceKeepsNamesAndPlaceNewKeyEndsItsSection",
             "[Sec]\r\nKey=old\r\nz=1\r\n[b]\r\ny=2\r\n"s, {
            Put("SEC", "KEY", "new"),
            Put("sec", "w", "9"),
            Get("sec", "key", "def", 100, 3, "new\0"s)}}
            .Leaves("[Sec]\r\nKey=new\r\nz=1\r\nw=9\r\n[b]\r\ny=2\r\n"),
        Case{"Write_NamesAreTrimmedTheValueIsNot", std::nullopt, {
            Put("   sec   ", "  key  ", " value "),
            Get("sec", "key", "def", 100, 5, "value\0"s),
            Get("   sec   ", "  key  ", "def", 100, 5, "value\0"s)}}
            .Leaves("[sec]\r\nkey= value \r\n")
            .NotUnderWine("Wine keeps the trailing spaces of new names and drops the leading "
                          "spaces of the value"),
        Case{"Write_DeletingWhatIsMissingOrANullSectionChangesNothing", "[a]\r\nx=1\r\n"s, {
            Put("a", "y", nullptr),
            Put("zz", "x", nullptr),
            Put("zz", nullptr, nullptr),
            Put(nullptr, "x", "2", false)}}
            .Leaves("[a]\r\nx=1\r\n"),
        Case{"Write_DeletingInMissingFileCreatesNone", std::nullopt, {
            Put("a", "k", nullptr),
            Put("a", nullptr, nullptr)}}
            .LeavesNoFile(),
        Case{"Write_ReplaceOnUnterminatedLastLine", "[a]\r\nx=1"s, {
            Put("a", "x", "2")}}
            .Leaves("[a]\r\nx=2\r\n"),
        Case{"Write_KeyAfterUnterminatedHeader", "[a]\r\nk=1\r\n[b]"s, {
            Put("b", "y", "2")}}
            .Leaves("[a]\r\nk=1\r\n[b]\r\ny=2\r\n"),
        Case{"Write_SectionAfterUnterminatedLine", "[a]\r\nx=1"s, {
            Put("c", "z", "3")}}
            .Leaves("[a]\r\nx=1\r\n[c]\r\nz=3\r\n"),
        Case{"Write_FlushRequestSucceeds", "[a]\r\nx=1\r\n"s, {
            Put(nullptr, nullptr, nullptr, true)}}
            .Leaves("[a]\r\nx=1\r\n")
            .NotUnderWine("Wine reports failure for the request to flush its cache (its own test "
                          "marks this)"),
        Case{"Write_MissingDirectoryFails", std::nullopt, {
            Put("a", "k", "v", false),
            Get("a", "k", "def", 100, 3, "def\0"s)}}
            .At(Where::MissingDirectory).LeavesNoFile(),
        Case{"Write_BareNameMeansWindowsDirectory", std::nullopt, {
            Put("a", "k", "v"),
            Get("a", "k", "def", 100, 1, "v\0"s)}}
            .At(Where::WindowsDirectory).Leaves("[a]\r\nk=v\r\n"),
        Case{"Write_UntouchedLinesKeepTheirBytes",
             "; lead\r\n[a]\r\n; c1\r\nx = 1\r\n\r\nodd line\r\n[b]\ny=2\n\n[c]\r\nz=3"s, {
            Put("a", "w", "9"),
            Put("b", "y", "5"),
            Put("c", "q", "7")}}
            .Leaves("; lead\r\n[a]\r\n; c1\r\nx = 1\r\nw=9\r\n\r\nodd line\r\n[b]\ny=5\r\n\n"
                    "[c]\r\nz=3\r\nq=7\r\n")
            .NotUnderWine("Wine rewrites the whole file in its own layout: no blank lines, no "
                          "blanks around '=', CR LF everywhere"),
        Case{"Write_NulsBeforeFirstSectionAreKept", "Data \0 before \0 first \0 section"s, {
            Put("section1", "key1", "string1")}}
            .Leaves("Data \0 before \0 first \0 section\r\n[section1]\r\nkey1=string1\r\n"s)
            .NotUnderWine("Wine drops what follows a NUL on a line (its own test marks this)"),
        Case{"Write_DeletedSectionLeavesItsComments",
             ";comment0\r\n[s]\r\n;comment1\r\n[s2]\r\n;comment2\r\n"s, {
            Put("s", nullptr, ""),
            Put("s2", nullptr, "")}}
            .Leaves(";comment0\r\n;comment1\r\n;comment2\r\n")
            .NotUnderWine("Wine deletes the comments under a deleted section"),
        Case{"Write_NewKeysFollowTheLastKey",
             ";comment0\r\n[s]\r\n;comment1\r\nb=value\r\n;comment2\r\na=value\r\n"s, {
            Put("s", "z", ""),
            Put("s", ";x", ""),
            Put("s", "y", ""),
            Put("s", "a", ""),
            Put("s", "b", "")}}
            .Leaves(";comment0\r\n[s]\r\n;comment1\r\nb=\r\n;comment2\r\na=\r\nz=\r\ny=\r\n;x=\r\n")
            .NotUnderWine("Wine takes comment lines for keys, so new keys follow them"),
        Case{"Write_Utf8MarkedFileStaysBytes", "\xEF\xBB\xBF[a]\r\nx=1\r\n"s, {
            Put("a", "x", "2"),
            Get("a", "x", "def", 100, 1, "2\0"s)}}
            .Leaves("\xEF\xBB\xBF[a]\r\nx=1\r\n[a]\r\nx=2\r\n")
            .NotUnderWine("Wine decodes the file as UTF-8 and finds the first section"),
    };
    return cases;
}

// ---- Running a case ----

// Bytes shown with escapes, so a failure shows NULs and line breaks.
inline std::string Escaped(const std::string& bytes) {
    std::string text;
    for (unsigned char c : bytes) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\x%02x", c);
        text += c >= 0x20 && c < 0x7f && c != '\\' ? std::string(1, static_cast<char>(c)) : hex;
    }
    return text;
}

// Runs the steps of c on port, naming the file `file` in the calls; `path` is
// where the file really is, to set it up and read it back.
inline void RunCase(const Case& c, ProfilePort& port, const std::string& file, const std::string& path) {
    if (c.before) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        ASSERT_TRUE(out.write(c.before->data(), static_cast<std::streamsize>(c.before->size())))
            << "cannot write " << path;
    }
    for (std::size_t i = 0; i < c.steps.size(); ++i) {
        const Step& step = c.steps[i];
        SCOPED_TRACE("step " + std::to_string(i + 1));
        switch (step.op) {
        case Step::Op::Get: {
            // Sixteen guard bytes after the buffer show any write beyond its size.
            std::vector<char> buffer(step.size + 16, '\xcc');
            const unsigned count = port.GetString(step.section, step.key, step.text, buffer.data(),
                                                  step.size, file.c_str());
            EXPECT_EQ(count, step.expected);
            EXPECT_EQ(Escaped(std::string(buffer.data(), step.bytes.size())), Escaped(step.bytes));
            EXPECT_EQ(std::count(buffer.begin() + step.size, buffer.end(), '\xcc'), 16)
                << "written past the buffer";
            break;
        }
        case Step::Op::GetInt:
            EXPECT_EQ(port.GetInt(step.section, step.key, step.intDefault, file.c_str()), step.expected);
            break;
        case Step::Op::Write:
            EXPECT_EQ(port.WriteString(step.section, step.key, step.text, file.c_str()) ? 1u : 0u,
                      step.expected);
            break;
        }
    }
    std::ifstream in(path, std::ios::binary);
    if (c.noFileAfter) {
        EXPECT_FALSE(in.is_open()) << "a file was created";
    }
    if (c.after) {
        ASSERT_TRUE(in.is_open()) << "no file afterwards";
        EXPECT_EQ(Escaped(std::string(std::istreambuf_iterator<char>(in), {})), Escaped(*c.after));
    }
}

// gtest parameter names: the case names.
struct CaseName {
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const { return info.param.name; }
};

}  // namespace profile_cases
