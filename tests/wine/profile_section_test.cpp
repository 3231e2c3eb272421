// The program reads a profile section whole and answers from it what reads
// of single keys would answer. Both ways read the same damaged files here:
// for every name of a file's lines (as written, in upper case, padded) and
// a missing one, every buffer size the program reads with and defaults with
// quotes or trailing blanks, the texts and the integers agree, and so do a
// section's values listed through the key-name list.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "model/profile_section.h"
#include "model/profile_section_array.h"
#include "platform/win32/win32_profile.h"

namespace {

std::string Long(std::size_t n) { return std::string(n - 1, 'v') + "E"; }

std::string ManyKeys() { // more than the first read holds, more names than the name list
    std::string text = "[cmd]\r\n";
    for (int i = 1000; i < 1400; ++i) text += "key" + std::to_string(i) + "=" + Long(60) + "\r\n";
    return text;
}

const std::optional<std::string> kFiles[] = {
    "stray=before any section\r\n[cmd]\r\n; comment=1\r\nnoequals\r\n  spaced key  =  spaced  \r\n"
    "Fn-A=first\r\nfn-a=second\r\nFN-B\r\nFn-B=after a line without equals\r\nq1=\"quoted\"\r\n"
    "q2='single'\r\nq3=\"unpaired\r\nq4=\"\r\nq5=\"\"\r\nq6=\"\"\"\r\nq7=\"mixed'\r\nempty=\r\n"
    "tab\t=\tvalue\t\r\n[cmd\r\n=no name\r\nhidden=after no name\r\n[CMD]\r\nFn-C=second cmd\r\n",
    "[cmd]\r\ni1=0x10\r\ni2=0X10\r\ni3=-40\r\ni4=12abc\r\ni5=\" 7\"\r\ni6=0b101\r\ni7=+5\r\n"
    "i8=123456789012345678901234567890123\r\ni9=4294967297\r\ni10=\x01 5\r\ni11=0o19\r\n",
    "[cmd]\r\nL300=" + Long(300) + "\r\nL256=" + Long(256) + "\r\nL128=" + Long(128) + "\r\nL80=" +
        Long(80) + "\r\nL40=" + Long(40) + "\r\nQ256=\"" + Long(256) + "\"\r\nQ255=\"" + Long(255) +
        "\"\r\nQ127='" + Long(127) + "'\r\nQ79=\"" + Long(79) + "\"\r\n",
    "\xEF\xBB\xBF[cmd]\nlf=only\rcr=only\r\n\t\r\nk" + std::string(1, '\0') + "ey=va" +
        std::string(1, '\0') + "lue\r\nlast=no line end",
    ManyKeys(),
    "no section\r\nkey=value\r\n",
    std::nullopt, // no file at all
};

// The names of the first 40 lines, three ways each. Names beginning with ";"
// are comments: a section read leaves them out, a read of the name finds
// them. The program never asks for one (its keys are words and "Fn-" labels).
std::set<std::string> ProbeNames(const std::string& text) {
    std::set<std::string> names{"missing", "Fn-A", "key1399"}; // and the last of many
    for (std::size_t at = 0, lines = 0; at < text.size() && lines < 40; ++lines) {
        const std::size_t end = std::min(text.find_first_of("\r\n", at), text.size());
        std::string name = text.substr(at, std::min(text.find('=', at), end) - at);
        name.erase(0, name.find_first_not_of(" \t"));
        name.erase(name.find_last_not_of(" \t") + 1);
        if (!name.empty() && name[0] != ';' && name.find('\0') == std::string::npos) {
            std::string upper = name;
            CharUpperA(&upper[0]);
            names.insert({name, " " + name + "\t", upper});
        }
        at = end + 1;
    }
    return names;
}

// The values as single reads give them: the name list through 2048 bytes,
// then each name's value whole, through a buffer larger than any here.
std::vector<std::string> ValuesNameByName(const char* path) {
    char names[2048] = "";
    const DWORD length = GetPrivateProfileStringA("cmd", nullptr, "", names, sizeof names, path);
    std::vector<std::string> values;
    for (DWORD at = 0; at < length && names[at] != '\0'; at += lstrlenA(names + at) + 1) {
        char value[1024] = "";
        if (GetPrivateProfileStringA("cmd", names + at, "", value, sizeof value, path) > 0)
            values.push_back(value);
    }
    return values;
}

TEST(ProfileSection, AnswersAsReadsOfSingleKeysOnDamagedFiles) {
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    Win32Profile profile;
    for (std::size_t file = 0; file < std::size(kFiles); ++file) {
        // A new file each time, so that no cached copy of an earlier one answers.
        const std::string path = temp + std::string("klv-section-") + std::to_string(file) + ".ini";
        if (kFiles[file]) std::ofstream(path, std::ios::binary) << *kFiles[file];
        const ProfileSection section = ReadProfileSection(profile, "cmd", path.c_str());
        for (const std::string& name : ProbeNames(kFiles[file].value_or(""))) {
            SCOPED_TRACE("file " + std::to_string(file) + ", name '" + name + "'");
            for (unsigned size : {256u, 128u, 80u, 40u, 30u, 4u}) {
                for (const char* deflt : {"", "none", "d  ", "\"q\""}) {
                    char single[256] = "";
                    GetPrivateProfileStringA("cmd", name.c_str(), deflt, single, size, path.c_str());
                    ASSERT_EQ(section.Text(name, deflt, size), single) << size << " " << deflt;
                }
            }
            for (int deflt : {99, -7})
                ASSERT_EQ(section.Int(name, deflt),
                          GetPrivateProfileIntA("cmd", name.c_str(), deflt, path.c_str()));
        }
        EXPECT_EQ(CProfileSectionArray(profile, "cmd", path.c_str()), ValuesNameByName(path.c_str()))
            << "file " << file;
        DeleteFileA(path.c_str());
    }
}

} // namespace
