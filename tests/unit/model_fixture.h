#pragma once
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>

#include "app/keyboard_frame.h"
#include "fakes/fixed_system_info.h"
#include "fakes/recording_shell_folders.h"
#include "fakes/scripted_colour_chooser.h"
#include "model/profile_section_array.h"
#include "platform/portable/builtin_strings.h"
#include "platform/portable/ini_profile.h"

// A test name made of the letters and digits of a table case's `what`.
template <typename Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
    std::string name;
    for (const char* p = info.param.what; *p; ++p)
        if (std::isalnum(static_cast<unsigned char>(*p))) name += *p;
    return name;
}

// A Windows directory of our own for one test, removed afterwards.
class TempWindowsDir {
public:
    TempWindowsDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "klv-model-XXXXXX").string();
        if (mkdtemp(pattern.data())) m_path = pattern;
    }
    ~TempWindowsDir() {
        std::error_code ignored;
        if (!m_path.empty()) std::filesystem::remove_all(m_path, ignored);
    }
    TempWindowsDir(const TempWindowsDir&) = delete;
    TempWindowsDir& operator=(const TempWindowsDir&) = delete;

    const std::string& path() const { return m_path; }
    void Write(const std::string& name, const std::string& content) const {
        std::ofstream(m_path + "/" + name, std::ios::binary) << content;
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(m_path + "/" + name, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    bool Exists(const std::string& name) const {
        return std::filesystem::exists(m_path + "/" + name);
    }

private:
    std::string m_path;
};

// The main window's model over real profile files in a temporary Windows
// directory, the real string table, and fakes for the shell and colour dialog.
class ModelTest : public ::testing::Test {
protected:
    ModelTest() : profile(dir.path()), system(dir.path()) { frame = NewFrame(); }

    std::unique_ptr<CKeyboardFrame> NewFrame() {
        FramePorts ports;
        ports.profile = &profile;
        ports.strings = &strings;
        ports.shell = &shell;
        ports.colours = &colours;
        ports.system = &system;
        return std::make_unique<CKeyboardFrame>(ports);
    }

    // Start-up's order: settings, key table, then assignments.
    void LoadTable(std::uint32_t commandLine = 0, int faceIndex = 0) {
        frame->LoadSettings(&commandLine);
        frame->m_strWindowsDir = dir.path();
        frame->LoadKeyTable(faceIndex);
    }
    void Start(std::uint32_t commandLine = 0, int faceIndex = 0) {
        LoadTable(commandLine, faceIndex);
        frame->LoadAssignments();
    }

    // A value as the program would read it, or "<absent>".
    std::string Stored(const char* section, const char* key, const std::string& file) {
        char buffer[1024];
        unsigned n = profile.GetString(section, key, "<absent>", buffer, sizeof buffer,
                                       file.c_str());
        return std::string(buffer, n);
    }
    std::string Ini(const char* section, const char* key) {
        return Stored(section, key, "kelvane.ini");
    }

    FaceKey& Key(const std::string& character) {
        FaceKey* key = frame->FindKey(character);
        if (!key) throw std::runtime_error("no key " + character);
        return *key;
    }

    TempWindowsDir dir;
    IniProfile profile;
    BuiltinStrings strings;
    RecordingShellFolders shell;
    ScriptedColourChooser colours;
    FixedSystemInfo system;
    std::unique_ptr<CKeyboardFrame> frame;
};
