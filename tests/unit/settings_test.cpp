#include <array>
#include <string>
#include <vector>

#include "model_fixture.h"

namespace {
using SettingsTest = ModelTest;

TEST_F(SettingsTest, WithoutFilesEverythingHasItsDefault) {
    const std::uint32_t commandLine = OPT_TOPMOST | OPT_ALLKEYS;
    frame->LoadSettings(&commandLine);
    EXPECT_EQ(frame->m_nOptions, commandLine);
    using Colours = std::array<Colour, 6>;
    EXPECT_EQ((Colours{frame->m_crHighlite, frame->m_crMark, frame->m_crDisable, frame->m_crHint,
                       frame->m_crWhite, frame->m_crDarkGray}),
              (Colours{MakeColour(0, 0, 255), MakeColour(255, 0, 0), MakeColour(128, 128, 128),
                       MakeColour(255, 255, 128), MakeColour(255, 255, 255),
                       MakeColour(128, 128, 128)}));
    using Texts = std::vector<std::string>;
    EXPECT_EQ((Texts{frame->m_strNone, frame->m_strNotAssignable, frame->m_strClickHint}),
              (Texts{"none", "Not assignable", "Left click to run, right to edit"}));
    EXPECT_EQ((Texts{frame->m_strIniFile, frame->m_strCfgFile, frame->m_strPrgFile,
                     frame->m_strFaceFile, frame->m_strKeyFile}),
              (Texts{"kelvane.ini", "kelvane.cfg", dir.path() + "\\kelvane.prg", "kelvane.fac",
                     "kelvane.key"}));
    EXPECT_EQ(frame->m_strStartupSound + frame->m_strSwitchToSound, "");
    EXPECT_FALSE(std::filesystem::exists(dir / "kelvane.ini")); // reading never creates a file
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
        dir.Write("kelvane.ini", c.stored ? std::string("[cfg]\nopts=") + c.stored + "\n" : "");
        frame->LoadSettings(&c.commandLine);
        EXPECT_EQ(frame->m_nOptions, c.expected) << (c.stored ? c.stored : "(none)");
    }
}

TEST_F(SettingsTest, ColoursAreReadComponentByComponent) {
    const struct {
        const char* stored;
        Colour expected;
    } cases[] = {
        {"300 0 0", MakeColour(44, 0, 0)}, // each component modulo 256
        {"-1 0 0", MakeColour(255, 0, 0)}, // a negative number keeps its low byte
        {"99999999999 1 1", MakeColour(255, 1, 1)}, // saturates at INT_MAX
        {"10 20", MakeColour(10, 20, 0)},  // missing components are 0
        {"1,2,3", MakeColour(1, 0, 0)},    // reading stops at the comma
        {"", 0},                           // present but empty: not the default
    };
    for (const auto& c : cases) {
        dir.Write("kelvane.ini", std::string("[cfg]\nhighlite=") + c.stored + "\n");
        EXPECT_EQ(frame->ReadColour(52, "kelvane.ini", "highlite"), c.expected) << c.stored;
    }
}

TEST_F(SettingsTest, ConfigurationFileNamesTheFaceAndKeyLayoutFiles) {
    dir.Write("kelvane.cfg", "[cfg]\nfac=other.fac\nkey=other.key\n");
    dir.Write("other.key", "[keys]\na=65 1 0 A 1 1 1 1\n");
    Start();
    EXPECT_EQ(frame->m_strFaceFile, "other.fac");
    EXPECT_EQ(frame->m_strKeyFile, "other.key");
    EXPECT_EQ(frame->m_nKeys, 1);
}

TEST_F(SettingsTest, LongTextsAreCutToTheirBuffers) {
    const std::string longName(200, 'x');
    dir.Write("kelvane.ini", "[cfg]\nstartup=" + longName + "\n");
    dir.Write("kelvane.cfg", "[cfg]\nkey=" + longName + "\n");
    frame->LoadSettings(nullptr);
    EXPECT_EQ(frame->m_strStartupSound, std::string(79, 'x'));
    EXPECT_EQ(frame->m_strKeyFile, std::string(79, 'x'));
}
} // namespace
