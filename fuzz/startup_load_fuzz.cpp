// Start-up's reading of the settings, configuration, key-layout and
// program-list files, and the popup lists' writing over the last, fed with
// arbitrary values. One input holds the four
// files' "[section]" and "key=value" lines separated by NUL bytes; a file
// without its part is absent.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/keyboard_frame.h"
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

    CKeyboardFrame frame(ports.Ports());
    const std::uint32_t commandLine = size ? data[0] : 0;
    frame.LoadSettings(&commandLine);
    frame.LoadKeyTable(0);
    frame.LoadAssignments();
    frame.OnFoldersRead(ports.shell.Read()); // the popup lists, compared with the file and written
    frame.SaveAssignments();
    if (frame.Keys().Count() < 0 || frame.Keys().Count() > KeyTable::kMaxKeys) __builtin_trap();
    return 0;
}
