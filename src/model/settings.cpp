#include "model/settings.h"

#include <optional>

#include "common/decimal.h"
#include "common/string_ids.h"
#include "common/utf8.h"
#include "model/profile_section.h"
#include "platform/ports/colour_chooser.h"
#include "platform/ports/profile_port.h"
#include "platform/ports/string_table.h"
#include "platform/ports/system_info.h"

using namespace profile_names;

namespace {
constexpr unsigned kShortText = 80; // buffer of file names, sounds and colours
constexpr unsigned kFaceNameBuffer = 40;
constexpr int kDefaultX = 150;
constexpr int kDefaultY = 100;
constexpr char kUserFolder[] = "Kelvane"; // under %APPDATA%

struct ColourEntry {
    const char* key;
    unsigned defaultId;
};

ColourEntry EntryOf(ColourSetting which) {
    switch (which) {
    case ColourSetting::Highlite: return {"highlite", IDS_HIGHLITE_DEFAULT};
    case ColourSetting::Disable: return {"disable", IDS_DISABLE_DEFAULT};
    case ColourSetting::Mark: return {"mark", IDS_MARK_DEFAULT};
    case ColourSetting::Hint: return {"hint", IDS_HINT_DEFAULT};
    case ColourSetting::White: return {"white", IDS_WHITE_DEFAULT};
    case ColourSetting::DarkGray: return {"darkgray", IDS_DARKGRAY_DEFAULT};
    }
    return {"", 0};
}

constexpr ColourSetting kAllColours[] = {ColourSetting::Highlite, ColourSetting::Disable,
                                         ColourSetting::Mark,     ColourSetting::Hint,
                                         ColourSetting::White,    ColourSetting::DarkGray};
} // namespace

Settings::Settings(ProfilePort& profile, const StringTable& strings, SystemInfo& system,
                   ColourChooser& colours)
    : m_profile(profile), m_strings(strings), m_system(system), m_colours(colours) {}

void Settings::LoadSettings(const std::uint32_t* commandLineOptions) {
    m_strNone = m_strings.Get(IDS_NONE);
    m_strNotAssignable = m_strings.Get(IDS_NOT_ASSIGNABLE);
    m_strClickHint = m_strings.Get(IDS_CLICK_HINT);

    // The Windows directory is taken whole: the platform call fails rather
    // than cutting a directory too long for its buffer.
    m_strWindowsDir = m_system.WindowsDirectory();
    PlaceFiles();
    const std::string ini = m_strings.Get(IDS_INI_FILE), prg = m_strings.Get(IDS_PRG_FILE),
                      config = m_strings.Get(IDS_CFG_FILE);
    CarryOver({ini, prg, config});
    RewriteInUtf8({ini, prg, config});
    // The profile calls get full paths: a bare name means the Windows directory.
    m_strIniFile = InSettingsDir(ini);
    m_strPrgFile = InSettingsDir(prg);
    m_strCfgFile = InSettingsDir(config);

    const ProfileSection configuration =
        ReadProfileSection(m_profile, kCfgSection, m_strCfgFile.c_str());
    m_strFaceFile = configuration.Text(kFaceFile, m_strings.Get(IDS_FACE_FILE), kShortText);
    m_strKeyFile = configuration.Text(kKeyFile, m_strings.Get(IDS_KEY_FILE), kShortText);
    CarryOver({m_strFaceFile, m_strKeyFile}); // under the names the configuration gives
    RewriteInUtf8({m_strKeyFile});             // the face file is a picture

    const ProfileSection cfg = ReadProfileSection(m_profile, kCfgSection, m_strIniFile.c_str());
    const std::uint32_t commandLine = commandLineOptions ? *commandLineOptions : 0;
    const std::uint32_t stored = cfg.Int(kOptions, static_cast<int>(commandLine));
    m_nOptions = (stored & OPT_STORED_MASK) | commandLine;

    m_strStartupSound = cfg.Text(kStartupSound, "", kShortText);
    m_strSwitchToSound = cfg.Text(kSwitchToSound, "", kShortText);

    for (ColourSetting which : kAllColours) {
        const ColourEntry entry = EntryOf(which);
        Slot(which) = ReadColour(entry.defaultId, cfg, entry.key);
    }
}

// A 64-bit process gets no UAC file virtualization, nor does one whose
// manifest requests an execution level (ours: asInvoker). A standard user's
// writes to the Windows directory then simply fail, and the profile calls'
// results are not looked at, so every change would be lost at the next start.
// Hence the probe, and the user's roaming application-data folder
// (CSIDL_APPDATA) otherwise. See "How User Account Control (UAC) Affects Your
// Application" (learn.microsoft.com/cpp/security/how-user-account-control-uac-affects-your-application),
// "Create and Embed an Application Manifest (UAC)" (learn.microsoft.com/previous-versions/bb756929(v=msdn.10))
// and SHGetFolderPath's CSIDL_APPDATA (learn.microsoft.com/windows/win32/shell/csidl).
void Settings::PlaceFiles() {
    m_strSettingsDir = m_strWindowsDir;
    if (m_system.CanWriteFilesIn(m_strWindowsDir)) return;
    const std::string appData = m_system.UserAppData();
    if (appData.empty()) return; // nowhere better: as before
    const std::string folder = appData + "\\" + kUserFolder;
    if (m_system.MakeFolder(folder)) m_strSettingsDir = folder;
}

// Each file once: never over one the folder has, so later starts keep the user's changes.
void Settings::CarryOver(std::initializer_list<std::string> names) {
    if (m_strSettingsDir == m_strWindowsDir) return;
    for (const std::string& name : names) {
        const std::string from = m_strWindowsDir + "\\" + name, to = InSettingsDir(name);
        if (!name.empty() && m_system.FileExists(from) && !m_system.FileExists(to))
            m_system.CopyNewFile(from, to);
    }
}

// Kelvane's text is UTF-8 where Windows lets a program choose it (the
// manifest's active code page), while files written before hold the system's
// ANSI code page, whose bytes from 0x80 mostly are no UTF-8: read as UTF-8
// they would become U+FFFD. So a file that is not UTF-8 is rewritten in UTF-8
// once, before anything reads it; a file that is UTF-8 (plain ASCII among
// them) is left as it is. See "Use UTF-8 code pages in Windows apps"
// (learn.microsoft.com/windows/apps/design/globalizing/use-utf8-code-page).
void Settings::RewriteInUtf8(std::initializer_list<std::string> names) {
    if (!m_system.AnsiIsUtf8()) return;
    for (const std::string& name : names) {
        if (name.empty()) continue;
        const std::string path = InSettingsDir(name);
        const std::optional<std::string> bytes = m_system.ReadFileBytes(path);
        if (!bytes || IsUtf8(*bytes)) continue;
        if (const std::optional<std::string> utf8 = m_system.SystemAnsiToUtf8(*bytes))
            m_system.ReplaceFileBytes(path, *utf8);
    }
}

Colour Settings::ReadColour(unsigned defaultId, const ProfileSection& cfg, const char* key) const {
    const std::string text = cfg.Text(key, m_strings.Get(defaultId), kShortText);
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

void Settings::SaveOptions() {
    const std::string word = std::to_string(static_cast<std::int32_t>(m_nOptions));
    m_profile.WriteString(kCfgSection, kOptions, word.c_str(), m_strIniFile.c_str());
}

void Settings::ToggleOption(std::uint32_t bit) {
    m_nOptions ^= bit;
    SaveOptions();
}

Colour Settings::Get(ColourSetting which) const {
    return const_cast<Settings*>(this)->Slot(which);
}

Colour& Settings::Slot(ColourSetting which) {
    switch (which) {
    case ColourSetting::Highlite: return m_crHighlite;
    case ColourSetting::Disable: return m_crDisable;
    case ColourSetting::Mark: return m_crMark;
    case ColourSetting::Hint: return m_crHint;
    case ColourSetting::White: return m_crWhite;
    case ColourSetting::DarkGray: break;
    }
    return m_crDarkGray;
}

bool Settings::PickColour(ColourSetting which) {
    Colour& colour = Slot(which);
    Colour chosen = colour;
    if (!m_colours.Choose(colour, chosen)) return false;
    colour = chosen;
    const std::string text = std::to_string(chosen & 0xFF) + ' ' +
                             std::to_string((chosen >> 8) & 0xFF) + ' ' +
                             std::to_string((chosen >> 16) & 0xFF);
    m_profile.WriteString(kCfgSection, EntryOf(which).key, text.c_str(), m_strIniFile.c_str());
    return true;
}

StoredWindowState Settings::ReadWindowState(const std::string& defaultFace) {
    const ProfileSection cfg = ReadProfileSection(m_profile, kCfgSection, m_strIniFile.c_str());
    StoredWindowState state;
    state.faceName = cfg.Text(kFaceName, defaultFace, kFaceNameBuffer);
    state.x = static_cast<int>(cfg.Int(kX, kDefaultX));
    state.y = static_cast<int>(cfg.Int(kY, kDefaultY));
    state.minimized = cfg.Int(kMinimized, 0) != 0;
    // Creating and showing the window store its place and state: not again
    // where the file holds them already.
    m_writtenX = cfg.Stored(kX);
    m_writtenY = cfg.Stored(kY);
    m_writtenMinimized = cfg.Stored(kMinimized);
    return state;
}

void Settings::StorePosition(int x, int y) {
    StoreWindowValue(kX, std::to_string(x), m_writtenX);
    StoreWindowValue(kY, std::to_string(y), m_writtenY);
}

void Settings::StoreMinimized(bool minimized) {
    StoreWindowValue(kMinimized, minimized ? "1" : "0", m_writtenMinimized);
}

void Settings::StoreWindowValue(const char* key, const std::string& value, std::string& written) {
    if (value == written) return;
    m_profile.WriteString(kCfgSection, key, value.c_str(), m_strIniFile.c_str());
    written = value;
}
