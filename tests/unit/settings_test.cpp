#include <string>

#include "model_fixture.h"

namespace {
using SettingsTest = ModelTest;

TEST_F(SettingsTest, WithoutFilesEverythingHasItsDefault) {
    const std::uint32_t commandLine = OPT_TOPMOST | OPT_ALLKEYS;
    frame->LoadSettings(&commandLine);
    EXPECT_EQ(frame->m_nOptions, commandLine);
    EXPECT_EQ(frame->m_crHighlite, MakeColour(0, 0, 255));
    EXPECT_EQ(frame->m_crMark, MakeColour(255, 0, 0));
    EXPECT_EQ(frame->m_crDisable, MakeColour(128, 128, 128));
    EXPECT_EQ(frame->m_crHint, MakeColour(255, 255, 128));
    EXPECT_EQ(frame->m_crWhite, MakeColour(255, 255, 255));
    EXPECT_EQ(frame->m_crDarkGray, MakeColour(128, 128, 128));
    EXPECT_EQ(frame->m_strStartupSound, "");
    EXPECT_EQ(frame->m_strSwitchToSound, "");
    EXPECT_EQ(frame->m_strNone, "none");
    EXPECT_EQ(frame->m_strNotAssignable, "Not assignable");
    EXPECT_EQ(frame->m_strClickHint, "Left click to run, right to edit");
    EXPECT_EQ(frame->m_strIniFile, "kelvane.ini");
    EXPECT_EQ(frame->m_strCfgFile, "kelvane.cfg");
    EXPECT_EQ(frame->m_strPrgFile, dir.path() + "\\kelvane.prg");
    EXPECT_EQ(frame->m_strFaceFile, "kelvane.fac");
    EXPECT_EQ(frame->m_strKeyFile, "kelvane.key");
    EXPECT_FALSE(std::filesystem::exists(dir / "kelvane.ini")); // reading never creates a file
}

struct OptionsCase {
    const char* stored; // nullptr: no "opts" entry
    std::uint32_t commandLine, expected;
};
const OptionsCase kOptions[] = {
    {"8197", 0, 0x0005},                      // bits from 0x2000 up are dropped
    {"0", OPT_TOPMOST, OPT_TOPMOST},          // the command line adds its bits
    {"5", OPT_TOPMOST, 0x0007},
    {nullptr, 0x0102, 0x0102},                // no entry: the command line's bits
    {"8191", 0, 0x1FFF},                      // unnamed bits below 0x2000 are kept
    {"abc", OPT_NOMARK, OPT_NOMARK},          // not a number reads as 0
    {"12x", 0, 12},                           // the number stops at the first non-digit
};

TEST_F(SettingsTest, OptionsWordIsMaskedAndOredWithTheCommandLine) {
    for (const OptionsCase& c : kOptions) {
        dir.Write("kelvane.ini", c.stored ? std::string("[cfg]\nopts=") + c.stored + "\n" : "");
        frame->LoadSettings(&c.commandLine);
        EXPECT_EQ(frame->m_nOptions, c.expected) << (c.stored ? c.stored : "(none)");
    }
}

TEST_F(SettingsTest, CommandLineBitsAreStoredFromTheNextSave) {
    dir.Write("kelvane.ini", "[cfg]\nopts=0\n");
    const std::uint32_t top = OPT_TOPMOST;
    frame->LoadSettings(&top);
    frame->m_nOptions |= OPT_MINIMIZE;
    frame->SaveOptions();
    EXPECT_EQ(Stored("cfg", "opts"), "6");
}

struct ColourCase {
    const char* stored;
    Colour expected;
};
const ColourCase kColours[] = {
    {"300 0 0", MakeColour(44, 0, 0)},        // each component modulo 256
    {"000 000 255", MakeColour(0, 0, 255)},   // leading zeros
    {"10 20", MakeColour(10, 20, 0)},         // missing components are 0
    {"7", MakeColour(7, 0, 0)},
    {"", 0},                                  // present but empty: not the default
    {"-1 0 0", MakeColour(255, 0, 0)},        // a negative number keeps its low byte
    {"1,2,3", MakeColour(1, 0, 0)},           // reading stops at the comma
    {"99999999999 1 1", MakeColour(255, 1, 1)}, // saturates at INT_MAX
    {"red green blue", 0},
};

TEST_F(SettingsTest, ColoursAreReadComponentByComponent) {
    for (const ColourCase& c : kColours) {
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
    dir.Write("kelvane.ini", "[cfg]\nstartup=" + longName + "\nswitchto=ding.wav\n");
    dir.Write("kelvane.cfg", "[cfg]\nkey=" + longName + "\n");
    frame->LoadSettings(nullptr);
    EXPECT_EQ(frame->m_strStartupSound, std::string(79, 'x'));
    EXPECT_EQ(frame->m_strSwitchToSound, "ding.wav");
    EXPECT_EQ(frame->m_strKeyFile, std::string(79, 'x'));
}

TEST_F(SettingsTest, JunkSettingsGiveDefaults) {
    std::string junk = "[cfg]\nopts=\xff\xfe\x01\nhighlite=\x80\x81\x82\n";
    for (int i = 0; i < 256; ++i) junk += static_cast<char>(i);
    junk += "\n[cfg\nhint=]]]\n=\n==\n";
    dir.Write("kelvane.ini", junk);
    dir.Write("kelvane.cfg", std::string("\0\0\0[cfg]\0key=\0", 14));
    Start();
    EXPECT_EQ(frame->m_nOptions, 0u);
    EXPECT_EQ(frame->m_crHighlite, 0u);
    EXPECT_EQ(frame->m_crMark, MakeColour(255, 0, 0));
    EXPECT_EQ(frame->m_nKeys, 63);
}

TEST_F(SettingsTest, PickColourStoresTheChoiceOnOk) {
    frame->LoadSettings(nullptr);
    colours.answer = MakeColour(0, 0, 255);
    EXPECT_EQ(frame->PickColour(&frame->m_crHint, "hint"), 1);
    EXPECT_EQ(colours.startedFrom, std::vector<Colour>{MakeColour(255, 255, 128)});
    EXPECT_EQ(frame->m_crHint, MakeColour(0, 0, 255));
    EXPECT_EQ(Stored("cfg", "hint"), "0 0 255");
    // Read back as the next start would.
    EXPECT_EQ(frame->ReadColour(55, "kelvane.ini", "hint"), MakeColour(0, 0, 255));
}

TEST_F(SettingsTest, PickColourChangesNothingOnCancel) {
    frame->LoadSettings(nullptr);
    colours.pressOk = false;
    colours.answer = MakeColour(1, 2, 3);
    EXPECT_EQ(frame->PickColour(&frame->m_crMark, "mark"), 0);
    EXPECT_EQ(frame->m_crMark, MakeColour(255, 0, 0));
    EXPECT_EQ(Stored("cfg", "mark"), "<absent>");
}
} // namespace
