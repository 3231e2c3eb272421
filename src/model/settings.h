#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>

#include "common/geometry.h"
#include "common/options.h"

class ColourChooser;
class ProfilePort;
class ProfileSection;
class StringTable;
class SystemInfo;

// The names of every section and key of the program's profile files.
namespace profile_names {
// The settings file, section "cfg".
constexpr char kCfgSection[] = "cfg";
constexpr char kOptions[] = "opts";
constexpr char kFaceName[] = "face";
constexpr char kX[] = "x";
constexpr char kY[] = "y";
constexpr char kMinimized[] = "fIcon";
constexpr char kStartupSound[] = "startup";
constexpr char kSwitchToSound[] = "switchto";
// The configuration file, section "cfg".
constexpr char kFaceFile[] = "fac";
constexpr char kKeyFile[] = "key";
// The key-layout file.
constexpr char kKeysSection[] = "keys";
constexpr char kKeyOptsSection[] = "opts";
constexpr char kScale[] = "scale";
// The settings file: one entry per key, named by the key's label.
constexpr char kCommandSection[] = "cmd";
constexpr char kDirectorySection[] = "cwd";
constexpr char kDescriptionSection[] = "desc";
constexpr char kKeyOptionsSection[] = "opts";
// The program-list file: one section per list, entries "key00", "key01" ...
constexpr char kListEntryPrefix[] = "key"; // and at least two digits
// The program-list file: the index of the lists, Program Manager's groups by position.
constexpr char kListIndexSection[] = "class";
} // namespace profile_names

// The colours the user can set, with their key in section "cfg".
enum class ColourSetting { Highlite, Disable, Mark, Hint, White, DarkGray };

// The main window's state as the settings file keeps it.
struct StoredWindowState {
    std::string faceName; // the face's resource name
    int x = 0, y = 0;     // the client area's top-left corner
    bool minimized = false;
};

// The program's settings: the options word, the colours, the file names and
// texts, and the main window's stored place. Read by LoadSettings; the
// options word and colours are written back where the user changes them.
class Settings {
public:
    Settings(ProfilePort& profile, const StringTable& strings, SystemInfo& system,
             ColourChooser& colours);

    // Decides the folder of the five files (see PlaceFiles), then reads the
    // settings. commandLineOptions (may be null) are OR-ed into the stored options word.
    void LoadSettings(const std::uint32_t* commandLineOptions);
    void SaveOptions();

    std::uint32_t Options() const { return m_nOptions; }
    bool Has(std::uint32_t bit) const { return (m_nOptions & bit) != 0; }
    void ToggleOption(std::uint32_t bit); // and saves the word

    Colour Get(ColourSetting which) const;
    // Opens the colour dialog on the colour; OK stores the choice. False on Cancel.
    bool PickColour(ColourSetting which);

    const std::string& None() const { return m_strNone; }
    const std::string& NotAssignable() const { return m_strNotAssignable; }
    const std::string& ClickHint() const { return m_strClickHint; }
    const std::string& IniFile() const { return m_strIniFile; } // a full path
    const std::string& PrgFile() const { return m_strPrgFile; } // a full path
    const std::string& FaceFile() const { return m_strFaceFile; }
    const std::string& KeyFile() const { return m_strKeyFile; }
    const std::string& WindowsDir() const { return m_strWindowsDir; }
    // The folder of the settings files: the Windows directory or the user's own.
    const std::string& SettingsDir() const { return m_strSettingsDir; }
    std::string InSettingsDir(const std::string& file) const { return m_strSettingsDir + "\\" + file; }
    const std::string& StartupSound() const { return m_strStartupSound; }
    const std::string& SwitchToSound() const { return m_strSwitchToSound; }

    // The main window's stored state, read anew (the configuration library
    // may have changed it since LoadSettings); defaultFace when no face name
    // is stored.
    StoredWindowState ReadWindowState(const std::string& defaultFace);
    void StorePosition(int x, int y);
    void StoreMinimized(bool minimized);

private:
    // The folder decision: the Windows directory when the program may write
    // there, otherwise %APPDATA%\Kelvane.
    void PlaceFiles();
    // Copies each named file of the Windows directory that the settings
    // folder lacks; nothing when the two are one.
    void CarryOver(std::initializer_list<std::string> names);
    // Rewrites each named settings file that is not UTF-8 in UTF-8, when the
    // program's text is UTF-8.
    void RewriteInUtf8(std::initializer_list<std::string> names);
    Colour ReadColour(unsigned defaultId, const ProfileSection& cfg, const char* key) const;
    Colour& Slot(ColourSetting which);
    // Writes a key of the window's state unless the file holds that text
    // already, as last read or written: creating, sizing and showing the
    // window repeat the same place.
    void StoreWindowValue(const char* key, const std::string& value, std::string& written);

    ProfilePort& m_profile;
    const StringTable& m_strings;
    SystemInfo& m_system;
    ColourChooser& m_colours;

    std::uint32_t m_nOptions = 0;
    Colour m_crHighlite = 0, m_crDisable = 0, m_crMark = 0, m_crHint = 0, m_crWhite = 0,
           m_crDarkGray = 0;
    std::string m_strNone, m_strNotAssignable, m_strClickHint;
    std::string m_strIniFile, m_strCfgFile, m_strPrgFile, m_strFaceFile, m_strKeyFile;
    std::string m_strWindowsDir, m_strSettingsDir;
    std::string m_strStartupSound, m_strSwitchToSound;
    std::string m_writtenX, m_writtenY, m_writtenMinimized; // empty: not known
};
