// Start-up's reading of the settings, configuration, key-layout and
// program-list files, and the popup lists' writing over the last, fed with
// arbitrary values. One input holds the four
// files' "[section]" and "key=value" lines separated by NUL bytes; a file
// without its part is absent. The settings file, in the system's old code
// page when it is no UTF-8, must be UTF-8 afterwards.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/keyboard_frame.h"
#include "common/utf8.h"
#include "fakes/fake_ports.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FakePorts ports;
    MemoryProfile& profile = ports.profile;

    const std::string input(reinterpret_cast<const char*>(data), size);
    std::size_t start = 0;
    for (const char* name : {"kelvane.ini", "kelvane.cfg", "kelvane.key", "kelvane.prg"}) {
        if (start > input.size()) break;
        std::size_t end = input.find('\0', start);
        if (end == std::string::npos) end = input.size();
        profile.Load(name, input.substr(start, end - start));
        start = end + 1;
    }
    // Fn-Q's popup-list folder holds one item made from its own name.
    if (auto command = profile.Value("kelvane.ini", "cmd", "Fn-Q"); command && !command->empty())
        ports.shell.folders[command->substr(1)] = {{*command, *command + "\\x.exe", *command}};

    // The settings file's bytes too, which are rewritten when they are no UTF-8.
    const std::string iniPath = "C:\\WINDOWS\\kelvane.ini";
    ports.system.utf8 = true;
    ports.system.contents[iniPath] = input.substr(0, input.find('\0'));

    CKeyboardFrame frame(ports.Ports());
    const std::uint32_t commandLine = size ? data[0] : 0;
    frame.LoadSettings(&commandLine);
    frame.LoadKeyTable(0);
    frame.LoadAssignments();
    frame.OnFoldersRead(ports.shell.Read()); // the popup lists, compared with the file and written
    frame.SaveAssignments();
    if (frame.Keys().Count() < 0 || frame.Keys().Count() > KeyTable::kMaxKeys) __builtin_trap();
    if (!IsUtf8(ports.system.contents[iniPath])) __builtin_trap();
    return 0;
}
