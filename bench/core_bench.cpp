// The core's share of start-up and of painting, without any window: reading
// the settings, building the key table and loading every key's assignment
// through real profile files; and composing the whole face with every key
// assigned. Both should take well under a millisecond.
//
// The portable profile reads and parses its file anew on every call, as the
// Windows calls promise to see every change; the second start-up variant
// answers repeated questions from memory, which leaves the core's own work.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "app/keyboard_frame.h"
#include "fakes/fixed_system_info.h"
#include "fakes/recording_shell_folders.h"
#include "fakes/served_assets.h"
#include "platform/portable/builtin_strings.h"
#include "platform/portable/ini_profile.h"

namespace {
// The layouts measured: the 63 built-in keys of face 0, or 100 keys (the most a
// table holds) from a key-layout file.
enum Layout { kBuiltIn = 0, kHundredFromFile = 1 };

// Profile answers kept after the first time a question is asked. Start-up
// writes nothing while it loads (no key holds a popup list here), so every
// answer stays right.
class MemoizedProfile : public ProfilePort {
public:
    explicit MemoizedProfile(ProfilePort& files) : m_files(files) {}
    unsigned GetString(const char* section, const char* key, const char* deflt, char* buffer,
                       unsigned size, const char* file) override {
        const auto question = std::make_tuple(Text(section), Text(key), Text(deflt), size, Text(file));
        auto found = m_strings.find(question);
        if (found == m_strings.end()) {
            std::string answer(size, '\0');
            const unsigned length =
                m_files.GetString(section, key, deflt, answer.data(), size, file);
            found = m_strings.emplace(question, std::make_pair(answer, length)).first;
        }
        std::copy(found->second.first.begin(), found->second.first.end(), buffer);
        return found->second.second;
    }
    unsigned GetInt(const char* section, const char* key, int deflt, const char* file) override {
        const auto question = std::make_tuple(Text(section), Text(key), deflt, Text(file));
        auto found = m_ints.find(question);
        if (found == m_ints.end())
            found = m_ints.emplace(question, m_files.GetInt(section, key, deflt, file)).first;
        return found->second;
    }
    bool WriteString(const char*, const char*, const char*, const char*) override { return false; }

private:
    static std::string Text(const char* text) { return text ? text : "\x01null"; }
    ProfilePort& m_files;
    std::map<std::tuple<std::string, std::string, std::string, unsigned, std::string>,
             std::pair<std::string, unsigned>>
        m_strings;
    std::map<std::tuple<std::string, std::string, int, std::string>, unsigned> m_ints;
};

// A Windows directory of settings files in which every assignable key carries
// a command, a working directory and a description.
class SettingsDir {
public:
    explicit SettingsDir(Layout layout) {
        std::string pattern = (std::filesystem::temp_directory_path() / "klv-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        m_path = pattern;
        if (layout == kHundredFromFile) WriteHundredKeyLayout();
        // Build the table once and let the store write every key's assignment.
        Frame frame(*this);
        frame.Load();
        for (int i = 0; i < frame->m_nKeys; ++i) {
            FaceKey& key = *frame->m_keys[i];
            key.m_strCommand = "C:\\Programs\\Tool" + std::to_string(i) + "\\tool.exe -open";
            key.m_strDirectory = "C:\\Work\\Project" + std::to_string(i);
            key.m_strDescription = "Tool number " + std::to_string(i);
            key.m_bAssigned = 1;
        }
        frame->SaveAssignments();
    }
    ~SettingsDir() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    SettingsDir(const SettingsDir&) = delete;
    SettingsDir& operator=(const SettingsDir&) = delete;

    const std::string& path() const { return m_path; }

    // One main window's logic over this directory, as start-up makes it.
    class Frame {
    public:
        Frame(const SettingsDir& dir, ProfilePort* profile = nullptr)
            : m_dir(dir), m_profile(dir.path()), m_system(dir.path()) {
            FramePorts ports;
            ports.profile = profile ? profile : &m_profile;
            ports.strings = &m_strings;
            ports.shell = &m_shell;
            ports.system = &m_system;
            ports.assets = &m_assets;
            m_frame = std::make_unique<CKeyboardFrame>(ports);
        }
        // Start-up's core work: settings, key table, assignments.
        void Load() {
            std::uint32_t commandLine = 0;
            m_frame->LoadSettings(&commandLine);
            m_frame->m_strWindowsDir = m_dir.path();
            m_frame->LoadKeyTable(0);
            m_frame->LoadAssignments();
        }
        bool LoadBuiltInFace() {
            m_assets.ServeFaces(std::string(KLV_SOURCE_DIR) + "/resources");
            return m_frame->LoadFace("FACE0");
        }
        CKeyboardFrame* operator->() { return m_frame.get(); }

    private:
        const SettingsDir& m_dir;
        IniProfile m_profile;
        BuiltinStrings m_strings;
        RecordingShellFolders m_shell;
        FixedSystemInfo m_system;
        ServedAssets m_assets;
        std::unique_ptr<CKeyboardFrame> m_frame;
    };

private:
    // Ten rows of ten keys over the face, codes 33 to 132 (one character each).
    void WriteHundredKeyLayout() {
        std::ofstream out(m_path + "/kelvane.key");
        out << "[keys]\n";
        for (int i = 0; i < 100; ++i) {
            char line[80];
            std::snprintf(line, sizeof line, "key%02d=%d 1 0 K%d %d %d 30 12\n", i, 33 + i, i,
                          2 + 32 * (i % 10), 2 + 13 * (i / 10));
            out << line;
        }
    }

    std::string m_path;
};

void StartupCoreWork(benchmark::State& state) {
    const SettingsDir dir(static_cast<Layout>(state.range(0)));
    int keys = 0, assigned = 0;
    IniProfile files(dir.path());
    MemoizedProfile memoized(files);
    ProfilePort* profile = state.range(1) ? &memoized : nullptr;
    for (auto _ : state) {
        SettingsDir::Frame frame(dir, profile);
        frame.Load();
        keys = frame->m_nKeys;
        benchmark::DoNotOptimize(keys);
    }
    SettingsDir::Frame frame(dir, profile);
    frame.Load();
    for (int i = 0; i < frame->m_nKeys; ++i) assigned += frame->m_keys[i]->m_bAssigned;
    state.counters["keys"] = keys;
    state.counters["assigned"] = assigned;
}
// Arguments: the layout, and whether profile answers come from memory.
BENCHMARK(StartupCoreWork)
    ->Args({kBuiltIn, 0})
    ->Args({kHundredFromFile, 0})
    ->Args({kBuiltIn, 1})
    ->Args({kHundredFromFile, 1})
    ->Unit(benchmark::kMicrosecond);

void FullFacePaint(benchmark::State& state) {
    const SettingsDir dir(static_cast<Layout>(state.range(0)));
    SettingsDir::Frame frame(dir);
    frame.Load();
    if (!frame.LoadBuiltInFace()) {
        state.SkipWithError("the built-in face could not be loaded");
        return;
    }
    for (auto _ : state) {
        const Image& painted = frame->OnPaint();
        benchmark::DoNotOptimize(painted.Pixels().data());
    }
    state.counters["keys"] = frame->m_nKeys;
}
BENCHMARK(FullFacePaint)->Arg(kBuiltIn)->Arg(kHundredFromFile)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
