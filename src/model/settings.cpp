#include <cstdio>

#include "app/keyboard_frame.h"
#include "model/decimal.h"
#include "model/profile_text.h"
#include "platform/ports/colour_chooser.h"
#include "platform/ports/profile_port.h"
#include "platform/ports/string_table.h"
#include "platform/ports/system_info.h"

namespace {
constexpr unsigned kShortText = 80; // buffer of file names, sounds and colours
constexpr const char* kSection = "cfg";

// String ids of the texts and file names.
enum : unsigned {
    kNone = 75,
    kNotAssignable = 76,
    kClickHint = 78,
    kIniFile = 80,
    kPrgFile = 81,
    kCfgFile = 82,
    kFaceFile = 83,
    kKeyFile = 84,
    kDisableDefault = 51,
    kHighliteDefault = 52,
    kMarkDefault = 54,
    kHintDefault = 55,
    kWhiteDefault = 56,
    kDarkGrayDefault = 57,
};
} // namespace

void CKeyboardFrame::LoadSettings(const std::uint32_t* commandLineOptions) {
    const StringTable& strings = *m_ports.strings;
    ProfilePort& profile = *m_ports.profile;
    m_strNone = strings.Get(kNone);
    m_strNotAssignable = strings.Get(kNotAssignable);
    m_strClickHint = strings.Get(kClickHint);
    m_strIniFile = strings.Get(kIniFile);
    m_strCfgFile = strings.Get(kCfgFile);
    m_strPrgFile = strings.Get(kPrgFile);
    m_strFaceFile = strings.Get(kFaceFile);
    m_strKeyFile = strings.Get(kKeyFile);

    // The program-list file is the only one kept as a full path. The Windows
    // directory is taken whole: the platform call fails rather than cutting a
    // directory too long for its buffer.
    m_strPrgFile = m_ports.system->WindowsDirectory() + "\\" + m_strPrgFile;

    const char* cfg = m_strCfgFile.c_str();
    m_strFaceFile = ReadProfileText(profile, kSection, "fac", m_strFaceFile.c_str(), kShortText, cfg);
    m_strKeyFile = ReadProfileText(profile, kSection, "key", m_strKeyFile.c_str(), kShortText, cfg);

    const char* ini = m_strIniFile.c_str();
    const std::uint32_t commandLine = commandLineOptions ? *commandLineOptions : 0;
    const std::uint32_t stored =
        profile.GetInt(kSection, "opts", static_cast<int>(commandLine), ini);
    m_nOptions = (stored & OPT_STORED_MASK) | commandLine;

    m_strStartupSound = ReadProfileText(profile, kSection, "startup", "", kShortText, ini);
    m_strSwitchToSound = ReadProfileText(profile, kSection, "switchto", "", kShortText, ini);

    m_crHighlite = ReadColour(kHighliteDefault, ini, "highlite");
    m_crDisable = ReadColour(kDisableDefault, ini, "disable");
    m_crMark = ReadColour(kMarkDefault, ini, "mark");
    m_crHint = ReadColour(kHintDefault, ini, "hint");
    m_crWhite = ReadColour(kWhiteDefault, ini, "white");
    m_crDarkGray = ReadColour(kDarkGrayDefault, ini, "darkgray");
}

Colour CKeyboardFrame::ReadColour(unsigned defaultId, const char* file, const char* key) {
    const std::string deflt = m_ports.strings->Get(defaultId);
    const std::string text =
        ReadProfileText(*m_ports.profile, kSection, key, deflt.c_str(), kShortText, file);
    // "%d %d %d": reading stops at the first part that is not a number; the
    // components not read are 0.
    int rgb[3] = {0, 0, 0};
    const char* p = text.c_str();
    for (int& component : rgb)
        if (!ScanDecimal(p, component)) break;
    // Each component modulo 256; a negative number keeps its low byte.
    return MakeColour(static_cast<unsigned>(rgb[0]), static_cast<unsigned>(rgb[1]),
                      static_cast<unsigned>(rgb[2]));
}

void CKeyboardFrame::SaveOptions() {
    const std::string word = std::to_string(static_cast<std::int32_t>(m_nOptions));
    m_ports.profile->WriteString(kSection, "opts", word.c_str(), m_strIniFile.c_str());
}

int CKeyboardFrame::PickColour(Colour* colour, const char* key) {
    Colour chosen = *colour;
    if (!m_ports.colours->Choose(*colour, chosen)) return 0;
    *colour = chosen;
    char text[40];
    std::snprintf(text, sizeof text, "%u %u %u", chosen & 0xFF, (chosen >> 8) & 0xFF,
                  (chosen >> 16) & 0xFF);
    m_ports.profile->WriteString(kSection, key, text, m_strIniFile.c_str());
    return 1;
}
