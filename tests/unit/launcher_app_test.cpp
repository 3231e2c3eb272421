#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/launcher_app.h"
#include "face/bmp_decoder.h"
#include "fakes/recording_launcher_platform.h"
#include "fakes/recording_startup_port.h"
#include "frame_fixture.h"
#include "model/options.h"

namespace {
using Calls = std::vector<std::string>;
using Bytes = std::vector<std::uint8_t>;

const std::string kResources = std::string(KLV_SOURCE_DIR) + "/resources/";
const char kPopup[] = "platform: system menu popup &KLV Configuration...";

Image BuiltInFace(const char* file) {
    const Bytes bytes = ServedAssets::ReadWholeFile(kResources + file);
    return DecodeBitmapFile(bytes.data(), bytes.size()).value_or(Image());
}

void PutU16(Bytes& b, std::size_t at, unsigned v) {
    b[at] = v & 0xFF;
    b[at + 1] = (v >> 8) & 0xFF;
}
void PutU32(Bytes& b, std::size_t at, unsigned v) {
    PutU16(b, at, v & 0xFFFF);
    PutU16(b, at + 2, v >> 16);
}

// A two-colour bitmap file, width x height, black and white stripes.
Bytes StripedBitmapFile(unsigned width, unsigned height) {
    const unsigned stride = (width + 31) / 32 * 4;
    const unsigned offset = 14 + 40 + 8;
    Bytes b(offset + stride * height, 0);
    b[0] = 'B';
    b[1] = 'M';
    PutU32(b, 2, static_cast<unsigned>(b.size()));
    PutU32(b, 10, offset);
    PutU32(b, 14, 40);
    PutU32(b, 18, width);
    PutU32(b, 22, height);
    PutU16(b, 26, 1);
    PutU16(b, 28, 1);
    PutU32(b, 34, stride * height);
    for (int i = 0; i < 3; ++i) b[58 + i] = 255; // entry 1 white
    for (unsigned y = 0; y < height; y += 2)
        std::fill(b.begin() + offset + y * stride, b.begin() + offset + (y + 1) * stride, 0xFF);
    return b;
}

class StartupTest : public FrameTest {
protected:
    StartupTest() : platform(log), startup(log) {}

    std::unique_ptr<CKeyboardFrame> Run(const std::string& commandLine) {
        return Run(commandLine, Ports());
    }
    std::unique_ptr<CKeyboardFrame> Run(const std::string& commandLine, const FramePorts& ports) {
        CLauncherApp app(ports, platform, startup);
        return app.InitInstance(commandLine);
    }
    void WriteIni(const std::string& cfgLines) { dir.Write("kelvane.ini", "[cfg]\n" + cfgLines); }
    std::string FaceFilePath() const { return dir.path() + "\\kelvane.fac"; }

    RecordingLauncherPlatform platform;
    RecordingStartupPort startup;
};

TEST_F(StartupTest, FreshStartShowsTheBuiltInFaceWithItsKeys) {
    const auto started = Run("");
    ASSERT_TRUE(started);
    EXPECT_EQ(log.Of("platform"), (Calls{"raise Kelvane", "configuration library 0",
                                         "create Kelvane with menu at 150,100", "size 323 x 138",
                                         "show"}));
    // Creation and sizing report a window that can be seen.
    EXPECT_EQ(log.Of("window"), (Calls{"hide status bar", "accept drops", "accept drops"}));
    EXPECT_EQ(log.Of("startup"), Calls{});
    EXPECT_EQ(started->m_bmpFace, BuiltInFace("face0.bmp"));
    EXPECT_EQ(started->m_nKeys, 63);
    for (int i = 0; i < started->m_nKeys; ++i) EXPECT_FALSE(started->m_keys[i]->m_bAssigned) << i;
    EXPECT_EQ(started->m_nOptions, 0u);
    EXPECT_EQ(started->m_bDebug, 0);
    EXPECT_EQ(started->m_strWindowsDir, dir.path());
    // The keys are built after the window is shown: its first paint finds them.
    EXPECT_LT(log.IndexOf("platform: show"), log.IndexOf("profile: get kelvane.ini cmd Fn-Q"));
}

TEST_F(StartupTest, WindowStartsAtTheStoredPlace) {
    WriteIni("x=-20\ny=5\n");
    ASSERT_TRUE(Run(""));
    EXPECT_EQ(log.Of("platform")[2], "create Kelvane with menu at -20,5");
}

TEST_F(StartupTest, FailedWindowCreationEndsStartUp) {
    platform.creationFails = true;
    EXPECT_FALSE(Run(""));
    EXPECT_EQ(log.Of("platform").back(), "create Kelvane with menu at 150,100");
    EXPECT_EQ(log.Of("assets"), Calls{});
}

TEST_F(StartupTest, MenuBarOrConfigurationPopupOnTheSystemMenu) {
    const struct {
        const char* line;
        const char* created;
        bool popup;
        bool noMenuBit;
    } cases[] = {
        {"", "create Kelvane with menu at 150,100", false, false},
        {"-nomenu", "create Kelvane without menu at 150,100", true, true},
        {"-nomenu -menu", "create Kelvane with menu at 150,100", false, false},
        {"-menu -nomenu", "create Kelvane without menu at 150,100", true, true},
        {"-NOMENU", "create Kelvane with menu at 150,100", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        log.Clear();
        const auto started = Run(c.line);
        ASSERT_TRUE(started);
        const Calls calls = log.Of("platform");
        EXPECT_EQ(calls[2], c.created);
        // The popup comes last, once keys and assignments exist.
        EXPECT_EQ(log.All().back() == kPopup, c.popup);
        EXPECT_EQ(std::count(log.All().begin(), log.All().end(), kPopup), c.popup ? 1 : 0);
        EXPECT_EQ((started->m_nOptions & OPT_NOMENU) != 0, c.noMenuBit);
    }
}

TEST_F(StartupTest, RunningInstanceEndsStartUpBeforeAnythingIsTouched) {
    const struct {
        const char* line;
        Calls calls;
    } cases[] = {
        {"", {"platform: raise Kelvane"}},
        {"-top -icon -face 1 -db -nomenu", {"platform: raise Kelvane"}},
        {"-quit -top", {"startup: logoff", "platform: raise Kelvane"}},
    };
    platform.otherInstance = true;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        log.Clear();
        EXPECT_FALSE(Run(c.line));
        EXPECT_EQ(log.All(), c.calls); // no settings read, no window, no face
    }
    EXPECT_FALSE(dir.Exists("kelvane.ini"));
}

TEST_F(StartupTest, OneShotOptionsEndBeforeTheInstanceCheck) {
    const struct {
        const char* line;
        Calls calls;
    } cases[] = {
        {"-vol 20", {"startup: volume 16384"}},
        {"-play x", {"startup: play x"}},
        {"-play x -top", {"startup: play x"}},
        {"-top -vol 7 -nomenu", {"startup: volume 28672"}},
        {"-cwd -top", {"startup: cwd"}},
    };
    platform.otherInstance = true;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        log.Clear();
        EXPECT_FALSE(Run(c.line));
        EXPECT_EQ(log.All(), c.calls);
    }
}

// The key that a logged profile call reads, with its section: "cfg x".
std::string SectionAndKey(const std::string& call) {
    std::istringstream words(call);
    std::string port, verb, file, section, key;
    words >> port >> verb >> file >> section >> key;
    return section + " " + key;
}

TEST_F(StartupTest, ConfigurationLibraryRunsOnceBetweenSettingsAndWindow) {
    const std::set<std::string> settings = {"cfg fac", "cfg key", "cfg opts", "cfg highlite",
                                            "cfg disable", "cfg mark", "cfg hint", "cfg white",
                                            "cfg darkgray"};
    const std::set<std::string> later = {"cfg face", "cfg x", "cfg y", "cfg fIcon"};
    const struct {
        const char* line;
        int debug;
    } cases[] = {{"", 0}, {"-db", 1}, {"-db -db", 0}, {"-top -db -face 1", 1}, {"-DB", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        log.Clear();
        const auto started = Run(c.line);
        ASSERT_TRUE(started);
        EXPECT_EQ(started->m_bDebug, c.debug);
        const std::string call = "platform: configuration library " + std::to_string(c.debug);
        const Calls& all = log.All();
        EXPECT_EQ(std::count_if(all.begin(), all.end(),
                                [](const std::string& s) {
                                    return s.rfind("platform: configuration library", 0) == 0;
                                }),
                  1);
        const int library = log.IndexOf(call);
        ASSERT_GE(library, 0);
        std::set<std::string> seenBefore;
        for (int i = 0; i < static_cast<int>(all.size()); ++i) {
            if (all[i].rfind("profile: ", 0) != 0) continue;
            const std::string read = SectionAndKey(all[i]);
            if (settings.count(read)) {
                EXPECT_LT(i, library) << all[i];
                seenBefore.insert(read);
            }
            if (later.count(read)) {
                EXPECT_GT(i, library) << all[i];
            }
        }
        EXPECT_EQ(seenBefore, settings);
        EXPECT_LT(library, log.IndexOf("platform: create Kelvane with menu at 150,100"));
    }
}

TEST_F(StartupTest, FaceNameFromTheSettingsFileWinsOverTheCommandLine) {
    const struct {
        const char* what;
        const char* ini;
        const char* line;
        const char* resource;
        const char* picture;
        int keys;
    } cases[] = {
        {"default", "", "", "FACE0", "face0.bmp", 63},
        {"face option", "", "-face 1", "face1", "face1.bmp", 0},
        {"file wins for the picture", "face=FACE0\n", "-face 1", "FACE0", "face0.bmp", 0},
        {"file alone", "face=FACE1\n", "", "FACE1", "face1.bmp", 63},
        {"lower case name", "face=face1\n", "", "face1", "face1.bmp", 63},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteIni(c.ini);
        log.Clear();
        const auto started = Run(c.line);
        ASSERT_TRUE(started);
        EXPECT_EQ(log.Of("assets").back(), std::string("resource ") + c.resource);
        EXPECT_EQ(started->m_bmpFace, BuiltInFace(c.picture));
        EXPECT_EQ(started->m_nKeys, c.keys);
        EXPECT_EQ(log.Of("platform")[3], "size 323 x 138");
    }
}

TEST_F(StartupTest, IconFlagAndStoredStateChooseAMinimizedStart) {
    const struct {
        const char* line;
        const char* ini;
        const char* shown;
    } cases[] = {
        {"", "", "show"},
        {"-icon", "", "show minimized"},
        {"-icon -icon", "", "show"},
        {"-icon -icon", "fIcon=1\n", "show minimized"},
        {"", "fIcon=1\n", "show minimized"},
        {"", "fIcon=0\n", "show"},
        {"", "fIcon=-3\n", "show minimized"},
        {"-icon", "fIcon=0\n", "show minimized"},
        {"-ICON", "", "show"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.line) + " / " + c.ini);
        WriteIni(c.ini);
        log.Clear();
        ASSERT_TRUE(Run(c.line));
        EXPECT_EQ(log.Of("platform")[4], c.shown);
        // What the next start finds.
        EXPECT_EQ(Ini("cfg", "fIcon"), c.shown == std::string("show") ? "0" : "1");
    }
}

TEST_F(StartupTest, StatusBarAndTopmostAreAppliedAtCreation) {
    const struct {
        const char* line;
        const char* ini;
        Calls window;
    } cases[] = {
        {"", "", {"hide status bar"}},
        {"-status", "", {"show status bar"}},
        {"-top", "", {"hide status bar", "post 482 -1"}},
        {"", "opts=514\n", {"show status bar", "post 482 -1"}},
        {"-icon -status", "", {"show status bar"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        WriteIni(c.ini);
        log.Clear();
        ASSERT_TRUE(Run(c.line));
        Calls window = log.Of("window");
        window.resize(std::min(window.size(), c.window.size())); // what OnCreate asked
        EXPECT_EQ(window, c.window);
    }
}

struct FaceFileCase {
    const char* what;
    const char* line;
    const char* ini; // cfg lines of kelvane.ini
    const char* cfg; // cfg lines of kelvane.cfg
    const char* fileName;
    Bytes file; // empty: no file
    bool fileRead;
    bool fileShown;
    const char* size;
};

class FaceFileStart : public StartupTest, public ::testing::WithParamInterface<FaceFileCase> {};

TEST_P(FaceFileStart, FileIsUsedUnlessForbiddenOrDamaged) {
    const FaceFileCase& c = GetParam();
    WriteIni(c.ini);
    dir.Write("kelvane.cfg", std::string("[cfg]\n") + c.cfg);
    const std::string path = dir.path() + "\\" + c.fileName;
    if (!c.file.empty()) assets.ServeFile(path, c.file);
    const auto started = Run(c.line);
    ASSERT_TRUE(started);
    const Calls asked = log.Of("assets");
    EXPECT_EQ(std::count(asked.begin(), asked.end(), "file " + path), c.fileRead ? 1 : 0);
    const Image expected = c.fileShown ? DecodeBitmapFile(c.file.data(), c.file.size()).value()
                                       : BuiltInFace("face0.bmp");
    EXPECT_EQ(started->m_bmpFace, expected);
    EXPECT_EQ(log.Of("platform")[3], c.size);
    EXPECT_EQ(started->m_nKeys, 63);
}

Bytes Cut(Bytes bytes, std::size_t size) {
    bytes.resize(size);
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Faces, FaceFileStart,
    ::testing::Values(
        FaceFileCase{"FileWins", "", "", "", "kelvane.fac", StripedBitmapFile(40, 20), true, true,
                     "size 41 x 22"},
        FaceFileCase{"NamedInConfiguration", "", "", "fac=mine.bmp\n", "mine.bmp",
                     StripedBitmapFile(33, 7), true, true, "size 34 x 9"},
        FaceFileCase{"NoOverrideOption", "-noover", "", "", "kelvane.fac",
                     StripedBitmapFile(40, 20), false, false, "size 323 x 138"},
        FaceFileCase{"NoOverrideStored", "", "opts=2048\n", "", "kelvane.fac",
                     StripedBitmapFile(40, 20), false, false, "size 323 x 138"},
        FaceFileCase{"FaceOptionForcesBuiltIn", "-face 0", "", "", "kelvane.fac",
                     StripedBitmapFile(40, 20), false, false, "size 323 x 138"},
        FaceFileCase{"CutShort", "", "", "", "kelvane.fac", Cut(StripedBitmapFile(40, 20), 100),
                     true, false, "size 323 x 138"},
        FaceFileCase{"HeaderOnly", "", "", "", "kelvane.fac", Cut(StripedBitmapFile(40, 20), 14),
                     true, false, "size 323 x 138"},
        FaceFileCase{"NotABitmap", "", "", "", "kelvane.fac", Bytes{'n', 'o', 't', ' ', 'a'},
                     true, false, "size 323 x 138"},
        FaceFileCase{"NoFile", "", "", "", "kelvane.fac", Bytes{}, true, false,
                     "size 323 x 138"}),
    CaseName<FaceFileCase>);

TEST_F(StartupTest, WithoutAnyFaceTheWindowIsEmptyAndRuns) {
    ServedAssets nothing(log);
    FramePorts ports = Ports();
    ports.assets = &nothing;
    const auto started = Run("", ports);
    ASSERT_TRUE(started);
    EXPECT_EQ(log.Of("platform"),
              (Calls{"raise Kelvane", "configuration library 0",
                     "create Kelvane with menu at 150,100", "size 0 x 0", "show"}));
    EXPECT_EQ(started->m_nKeys, 63);
    EXPECT_TRUE(started->OnPaint().Empty());
}

} // namespace
