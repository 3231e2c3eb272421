#include <cstdint>
#include <cstdio>

#include "app/keyboard_frame.h"
#include "model/decimal.h"
#include "model/profile_text.h"
#include "platform/ports/profile_port.h"
#include "platform/ports/shell_folder_port.h"

namespace {
constexpr unsigned kValueBuffer = 256; // a stored value holds at most 255 characters

// Keys built not assignable, disabled, or standing for the program's own
// functions keep what their descriptor gave them and are never stored.
bool TakesPartInStore(const FaceKey& key) {
    return key.m_bAssignable && !key.m_bReserved;
}

// Writes the popup list `name` anew in the program-list file from the
// folder of that name; a folder that gives no items leaves no section.
void RefreshPopupList(ProfilePort& profile, ShellFolderPort& shell, const std::string& name,
                      const std::string& programListFile) {
    const char* file = programListFile.c_str();
    profile.WriteString(name.c_str(), nullptr, nullptr, file);
    ShortcutItems items;
    shell.CollectFolderItems(name, items); // only the items count, not the result
    for (std::size_t i = 0; i < items.size(); ++i) {
        char entry[24];
        std::snprintf(entry, sizeof entry, "key%02zu", i);
        const ShortcutItem& item = *items[i];
        const std::string value =
            item.title + " (" + item.command + ") [" + item.workingDirectory + "]";
        profile.WriteString(name.c_str(), entry, value.c_str(), file);
    }
}
} // namespace

void CKeyboardFrame::LoadAssignments() {
    ProfilePort& profile = *m_ports.profile;
    const char* ini = m_strIniFile.c_str();
    for (auto& [character, keyPointer] : m_mapKeys) {
        FaceKey& key = *keyPointer;
        if (!TakesPartInStore(key)) continue;
        const char* label = key.m_strLabel.c_str();

        key.m_strCommand =
            ReadProfileText(profile, "cmd", label, m_strNone.c_str(), kValueBuffer, ini);
        if (key.m_strCommand.empty()) key.m_strCommand = m_strNone;
        key.m_bAssigned = key.m_strCommand != m_strNone ? 1 : 0;
        key.m_strDirectory = ReadProfileText(profile, "cwd", label, "", kValueBuffer, ini);
        key.m_strDescription = ReadProfileText(profile, "desc", label, "", kValueBuffer, ini);
        const std::string options = ReadProfileText(profile, "opts", label, "", kValueBuffer, ini);
        key.m_nKeyOptions = static_cast<std::uint32_t>(LeadingDecimal(options.c_str()));
        if (key.m_nKeyOptions & KEY_DISABLED) key.m_bAssignable = 0;

        if (!key.m_strCommand.empty() && key.m_strCommand[0] == '@')
            RefreshPopupList(profile, *m_ports.shell, key.m_strCommand.substr(1), m_strPrgFile);
    }
}

void CKeyboardFrame::SaveAssignments() {
    ProfilePort& profile = *m_ports.profile;
    const char* ini = m_strIniFile.c_str();
    for (const auto& [character, keyPointer] : m_mapKeys) {
        const FaceKey& key = *keyPointer;
        if (!TakesPartInStore(key)) continue;
        const char* label = key.m_strLabel.c_str();

        const bool assigned = key.m_bAssigned && key.m_strCommand != m_strNone;
        profile.WriteString("cmd", label, assigned ? key.m_strCommand.c_str() : nullptr, ini);
        profile.WriteString("cwd", label, key.m_strDirectory.c_str(), ini);
        profile.WriteString("desc", label, key.m_strDescription.c_str(), ini);
        const std::string options = std::to_string(static_cast<std::int32_t>(key.m_nKeyOptions));
        profile.WriteString("opts", label, options.c_str(), ini);
    }
}
