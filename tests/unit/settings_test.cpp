#include <array>
#include <string>
#include <utility>
#include <vector>

#include "model_fixture.h"

namespace {
using SettingsTest = PartsTest;
using Texts = std::vector<std::string>;

TEST_F(SettingsTest, WithoutFilesEverythingHasItsDefault) {
    const std::uint32_t commandLine = OPT_TOPMOST | OPT_ALLKEYS;
    settings.LoadSettings(&commandLine);
    EXPECT_EQ(settings.Options(), commandLine);
    using Colours = std::array<Colour, 6>;
    EXPECT_EQ((Colours{settings.Get(ColourSetting::Highlite), settings.Get(ColourSetting::Mark),
                       settings.Get(ColourSetting::Disable), settings.Get(ColourSetting::Hint),
                       settings.Get(ColourSetting::White), settings.Get(ColourSetting::DarkGray)}),
              (Colours{MakeColour(0, 0, 255), MakeColour(255, 0, 0), MakeColour(128, 128, 128),
                       MakeColour(255, 255, 128), MakeColour(255, 255, 255),
                       MakeColour(128, 128, 128)}));
    EXPECT_EQ((Texts{settings.IniFile(), settings.PrgFile(), settings.FaceFile(), settings.KeyFile(),
                     settings.StartupSound() + settings.SwitchToSound()}),
              (Texts{"kelvane.ini", "C:\\WINDOWS\\kelvane.prg", "kelvane.fac", "kelvane.key", ""}));
    EXPECT_FALSE(profile.HasFile("kelvane.ini")); // reading never creates a file
}

TEST_F(SettingsTest, OptionsWordIsMaskedAndOredWithTheCommandLine) {
    const struct {
        const char* stored; // nullptr: no "opts" entry
        std::uint32_t commandLine, expected;
    } cases[] = {
        {"8197", 0, 0x0005},        // bits from 0x2000 up are dropped
        {"8191", 0, 0x1FFF},        // unnamed bits below 0x2000 are kept
        {"5", OPT_TOPMOST, 0x0007}, // the command line adds its bits
        {nullptr, 0x0102, 0x0102},
    };
    for (const auto& c : cases) {
        profile.Load("kelvane.ini", c.stored ? std::string("[cfg]\nopts=") + c.stored + "\n" : "");
        settings.LoadSettings(&c.commandLine);
        EXPECT_EQ(settings.Options(), c.expected) << (c.stored ? c.stored : "(none)");
    }
}

// Each component modulo 256, a negative number keeping its low byte; missing
// components are 0, reading stops at a comma, and an empty value is no default.
TEST_F(SettingsTest, ColoursAreReadComponentByComponent) {
    for (const auto& [stored, colour] :
         {std::pair{"300 0 0", MakeColour(44, 0, 0)}, {"-1 0 0", MakeColour(255, 0, 0)},
          {"10 20", MakeColour(10, 20, 0)}, {"1,2,3", MakeColour(1, 0, 0)}, {"", Colour{0}}}) {
        profile.Load("kelvane.ini", std::string("[cfg]\nhighlite=") + stored + "\n");
        settings.LoadSettings(nullptr);
        EXPECT_EQ(settings.Get(ColourSetting::Highlite), colour) << stored;
    }
}

TEST_F(SettingsTest, LongTextsAreCutToTheirBuffers) {
    const std::string longName(200, 'x');
    profile.Load("kelvane.ini", "[cfg]\nstartup=" + longName + "\nface=" + longName + "\n");
    profile.Load("kelvane.cfg", "[cfg]\nkey=" + longName + "\n");
    settings.LoadSettings(nullptr);
    EXPECT_EQ(settings.StartupSound(), std::string(79, 'x'));
    EXPECT_EQ(settings.KeyFile(), std::string(79, 'x'));
    EXPECT_EQ(settings.ReadWindowState("FACE0").faceName, std::string(39, 'x'));
}

} // namespace
