// Start-up's reading of the settings, configuration, key-layout and
// program-list files, fed with arbitrary contents. One input holds the four
// files' contents separated by NUL bytes; a file without its part is absent.
// The files live in a directory of this process under TMPDIR; TMPDIR=/dev/shm
// makes runs several times faster.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/keyboard_frame.h"
#include "platform/portable/builtin_strings.h"
#include "platform/portable/ini_profile.h"
#include "platform/ports/shell_folder_port.h"
#include "platform/ports/system_info.h"

namespace {
// A Windows directory for this process, removed when it ends.
struct ProcessDir {
    ProcessDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "klv-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        path = pattern;
    }
    ~ProcessDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::string path;
};

class FixedDirectory : public SystemInfo {
public:
    explicit FixedDirectory(std::string path) : m_path(std::move(path)) {}
    std::string WindowsDirectory() const override { return m_path; }

private:
    std::string m_path;
};

// Every folder holds a few items made from its own name.
class NameEchoShell : public ShellFolderPort {
public:
    int CollectFolderItems(const std::string& folderPath, ShortcutItems& items) override {
        for (std::size_t i = 0; i < folderPath.size() % 4; ++i) {
            auto item = std::make_unique<ShortcutItem>();
            item->title = folderPath.substr(i);
            item->command = folderPath + "\\x.exe";
            item->workingDirectory = folderPath.substr(0, i);
            items.push_back(std::move(item));
        }
        return 1;
    }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static ProcessDir dir;
    static const BuiltinStrings strings;
    static NameEchoShell shell;
    static const FixedDirectory system(dir.path);

    const std::string input(reinterpret_cast<const char*>(data), size);
    const char* const names[] = {"kelvane.ini", "kelvane.cfg", "kelvane.key", "kelvane.prg"};
    std::size_t start = 0;
    for (const char* name : names) {
        const std::string path = dir.path + "/" + name;
        if (start > input.size()) {
            std::filesystem::remove(path);
            continue;
        }
        std::size_t end = input.find('\0', start);
        if (end == std::string::npos) end = input.size();
        const std::string part = input.substr(start, end - start);
        // The configuration file names the key-layout file; keep it inside
        // this directory so a name like ..\..\dev\zero is not followed.
        if (name == names[1] && part.find("..") != std::string::npos) return 0;
        std::ofstream(path, std::ios::binary | std::ios::trunc) << part;
        start = end + 1;
    }

    IniProfile profile(dir.path);
    FramePorts ports;
    ports.profile = &profile;
    ports.strings = &strings;
    ports.shell = &shell;
    ports.system = &system;
    CKeyboardFrame frame(ports);
    const std::uint32_t commandLine = size ? data[0] : 0;
    frame.LoadSettings(&commandLine);
    frame.m_strWindowsDir = dir.path;
    frame.LoadKeyTable(0);
    frame.LoadAssignments();
    if (frame.m_nKeys < 0 || frame.m_nKeys > CKeyboardFrame::kMaxKeys) __builtin_trap();
    return 0;
}
