// The core's share of start-up and of painting, without any window: reading
// the settings, building the key table and loading every key's assignment
// from profile files held in memory; and composing the whole face with every
// key assigned. Both should take well under a millisecond.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "app/keyboard_frame.h"
#include "fakes/fake_ports.h"

namespace {
// The layouts measured: the 63 built-in keys of face 0, or 100 keys (the most a
// table holds) from a key-layout file.
enum Layout { kBuiltIn = 0, kHundredFromFile = 1 };

// Settings files in which every assignable key carries a command, a working
// directory and a description, and the ports a frame needs over them.
class Files : public FakePorts {
public:
    explicit Files(Layout layout) {
        if (layout == kHundredFromFile) profile.Load("kelvane.key", HundredKeyLayout());
        CKeyboardFrame frame(Ports());
        Load(frame);
        std::string ini = "[cmd]\n";
        for (int i = 0; i < frame.Keys().Count(); ++i)
            ini += frame.Keys().InLoadOrder(i).m_strLabel + "=C:\\Programs\\Tool" +
                   std::to_string(i) + "\\tool.exe -open\n";
        ini += "[cwd]\n";
        for (int i = 0; i < frame.Keys().Count(); ++i)
            ini += frame.Keys().InLoadOrder(i).m_strLabel + "=C:\\Work\\Project" + std::to_string(i) + "\n";
        profile.Load("kelvane.ini", ini);
    }

    // Start-up's core work: settings, key table, assignments.
    static void Load(CKeyboardFrame& frame) {
        const std::uint32_t commandLine = 0;
        frame.LoadSettings(&commandLine);
        frame.LoadKeyTable(0);
        frame.LoadAssignments();
    }

private:
    // Ten rows of ten keys over the face, codes 33 to 132 (one character each).
    static std::string HundredKeyLayout() {
        std::string text = "[keys]\n";
        for (int i = 0; i < 100; ++i) {
            char line[80];
            std::snprintf(line, sizeof line, "key%02d=%d 1 0 K%d %d %d 30 12\n", i, 33 + i, i,
                          2 + 32 * (i % 10), 2 + 13 * (i / 10));
            text += line;
        }
        return text;
    }
};

int Assigned(const CKeyboardFrame& frame) {
    int assigned = 0;
    for (int i = 0; i < frame.Keys().Count(); ++i) assigned += frame.Keys().InLoadOrder(i).m_bAssigned;
    return assigned;
}

void StartupCoreWork(benchmark::State& state) {
    Files files(static_cast<Layout>(state.range(0)));
    for (auto _ : state) {
        CKeyboardFrame frame(files.Ports());
        Files::Load(frame);
        benchmark::DoNotOptimize(frame.Keys().Count());
    }
    CKeyboardFrame frame(files.Ports());
    Files::Load(frame);
    state.counters["keys"] = frame.Keys().Count();
    state.counters["assigned"] = Assigned(frame);
}
BENCHMARK(StartupCoreWork)->Arg(kBuiltIn)->Arg(kHundredFromFile)->Unit(benchmark::kMicrosecond);

void FullFacePaint(benchmark::State& state) {
    Files files(static_cast<Layout>(state.range(0)));
    CKeyboardFrame frame(files.Ports());
    Files::Load(frame);
    if (!frame.LoadFace("FACE0")) {
        state.SkipWithError("the built-in face could not be loaded");
        return;
    }
    for (auto _ : state) {
        const Image& painted = frame.OnPaint();
        benchmark::DoNotOptimize(painted.Get(0, 0));
    }
    state.counters["keys"] = frame.Keys().Count();
    state.counters["assigned"] = Assigned(frame);
}
BENCHMARK(FullFacePaint)->Arg(kBuiltIn)->Arg(kHundredFromFile)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
