// The program reads a profile section whole and answers from it what reads
// of single keys would answer. Here both ways read the same damaged files
// through the platform: for every name of a file's lines (as written, in
// other letter case, padded with blanks) and a missing one, every buffer
// size and default the program reads with, the texts and the integers
// agree; and a section's values listed from the whole-section read equal
// those read name by name through the key-name list.
#include <windows.h>

#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "model/profile_section.h"
#include "model/profile_section_array.h"
#include "platform/win32/win32_profile.h"

namespace {

constexpr char kSection[] = "cmd";

// A value of n characters, marked at its end.
std::string Long(std::size_t n) { return std::string(n - 1, 'v') + "E"; }

std::string BigSection() {
    std::string text = "[cmd]\r\n";
    for (int i = 0; i < 400; ++i) text += "key" + std::to_string(1000 + i) + "=" + Long(60) + "\r\n";
    return text;
}

// The files; the last one is not there at all.
const std::optional<std::string> kFiles[] = {
    // Comments, lines without "=", blanks, duplicates in any letter case,
    // quotes, a line without a name, a broken header and second sections.
    "stray=before any section\r\n[cmd]\r\n; comment=1\r\n;Fn-A=commented\r\nnoequals\r\n"
    "  spaced key  =  spaced value  \r\nFn-A=first\r\nfn-a=second\r\nFN-B\r\n"
    "Fn-B=after a line without equals\r\nq1=\"quoted\"\r\nq2='single'\r\nq3=\"unpaired\r\n"
    "q4=\"\r\nq5=\"\"\r\nq6=\"\"\"\r\nq7=\"mixed'\r\nq8= \" padded \" \r\nempty=\r\n"
    "tab\t=\tvalue\t\r\n[cmd\r\nafter=broken header\r\n=no name\r\nhidden=after no name\r\n"
    "[other]\r\nFn-C=other section\r\n[CMD]\r\nFn-C=second cmd section\r\n",
    // Integers as the platform reads them.
    "[cmd]\r\ni1=0x10\r\ni2=0X10\r\ni3=-40\r\ni4=12abc\r\ni5=\" 7\"\r\n"
    "i6=123456789012345678901234567890123\r\ni7=0b101\r\ni8=+5\r\ni9=\r\ni10=4294967297\r\n"
    "i11=\x01 5\r\ni12=abc\r\ni13=0o19\r\n",
    // Values around every cut the program reads with, bare and quoted.
    "[cmd]\r\nL300=" + Long(300) + "\r\nL256=" + Long(256) + "\r\nL255=" + Long(255) +
        "\r\nL128=" + Long(128) + "\r\nL127=" + Long(127) + "\r\nL80=" + Long(80) + "\r\nL79=" +
        Long(79) + "\r\nL40=" + Long(40) + "\r\nL30=" + Long(30) + "\r\nQ256=\"" + Long(256) +
        "\"\r\nQ255=\"" + Long(255) + "\"\r\nQ254=\"" + Long(254) + "\"\r\nQ127='" + Long(127) +
        "'\r\n",
    // Other line ends, a byte-order mark, NUL bytes inside a line.
    "\xEF\xBB\xBF[cmd]\nunix=lf only\rmac=cr only\r\n\r\n\t\r\nk" + std::string(1, '\0') +
        "ey=va" + std::string(1, '\0') + "lue\r\nlast=no line end",
    // More than the first read of a section holds, and more names than the
    // key-name list holds.
    BigSection(),
    "",
    "no section at all\r\nkey=value\r\n",
    std::nullopt,
};

// The names a file's lines give, as written, in upper case and padded,
// the first 40 of them, and one that is missing. Names that begin with ";"
// are left out: those lines are comments, which a section read does not
// give but a read of that one name finds; the program never asks for such
// a name (its keys are fixed words and labels beginning with "Fn-").
std::vector<std::string> ProbeNames(const std::string& text) {
    std::set<std::string> names{"missing", "Fn-A"};
    std::size_t taken = 0;
    for (std::size_t at = 0; at < text.size() && taken < 40;) {
        std::size_t end = text.find_first_of("\r\n", at);
        if (end == std::string::npos) end = text.size();
        std::string name = text.substr(at, std::min(text.find('=', at), end) - at);
        name.erase(0, name.find_first_not_of(" \t"));
        name.erase(name.find_last_not_of(" \t") + 1);
        if (!name.empty() && name[0] != ';' && name.find('\0') == std::string::npos &&
            names.insert(name).second) {
            ++taken;
            std::string upper = name;
            for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            names.insert(upper);
            names.insert(" " + name + "\t");
        }
        at = end + 1;
    }
    return {names.begin(), names.end()};
}

// The section's values the way the program read them before: the key-name
// list, then every name's value.
std::vector<std::string> ValuesNameByName(const char* path) {
    char names[CProfileSectionArray::kNamesBufferSize] = "";
    const DWORD length = GetPrivateProfileStringA(kSection, nullptr, "", names, sizeof names, path);
    std::vector<std::string> values;
    for (DWORD at = 0; at < length && names[at] != '\0'; at += lstrlenA(names + at) + 1) {
        char value[CProfileSectionArray::kValueBufferSize] = "";
        if (GetPrivateProfileStringA(kSection, names + at, "", value, sizeof value, path) > 0)
            values.push_back(value);
    }
    return values;
}

std::string Shown(const std::string& text) {
    return text.size() > 40 ? text.substr(0, 20) + "..." + text.substr(text.size() - 5) + " (" +
                                  std::to_string(text.size()) + ")"
                            : "'" + text + "'";
}

TEST(ProfileSection, AnswersAsReadsOfSingleKeysOnDamagedFiles) {
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    Win32Profile profile;
    int compared = 0;
    for (std::size_t file = 0; file < std::size(kFiles); ++file) {
        SCOPED_TRACE("file " + std::to_string(file));
        // A file of its own each time, so no cached copy of an earlier one answers.
        const std::string path = temp + std::string("klv-section-") + std::to_string(file) + ".ini";
        const std::string text = kFiles[file].value_or("");
        if (kFiles[file]) std::ofstream(path, std::ios::binary) << text;

        const ProfileSection section = ReadProfileSection(profile, kSection, path.c_str());
        std::vector<std::string> differences;
        for (const std::string& name : ProbeNames(text)) {
            for (unsigned size : {256u, 128u, 80u, 40u, 30u, 4u}) {
                for (const char* deflt : {"", "none", "d  ", "\"q\""}) {
                    char single[256] = "";
                    GetPrivateProfileStringA(kSection, name.c_str(), deflt, single, size, path.c_str());
                    const std::string parsed = section.Text(name, deflt, size);
                    if (parsed != single)
                        differences.push_back(Shown(name) + " size " + std::to_string(size) +
                                              " default " + deflt + ": single " + Shown(single) +
                                              ", parsed " + Shown(parsed));
                    ++compared;
                }
            }
            for (int deflt : {99, -7}) {
                const UINT single = GetPrivateProfileIntA(kSection, name.c_str(), deflt, path.c_str());
                const unsigned parsed = section.Int(name, deflt);
                if (parsed != single)
                    differences.push_back(Shown(name) + " as integer: single " +
                                          std::to_string(single) + ", parsed " + std::to_string(parsed));
            }
        }
        EXPECT_EQ(CProfileSectionArray(profile, kSection, path.c_str()), ValuesNameByName(path.c_str()));
        for (std::size_t i = 0; i < differences.size() && i < 10; ++i) ADD_FAILURE() << differences[i];
        EXPECT_EQ(differences.size(), 0u);
        DeleteFileA(path.c_str());
    }
    EXPECT_GT(compared, 5000); // every file was probed
}

} // namespace
