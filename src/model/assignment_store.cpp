#include "model/assignment_store.h"

#include <cstdint>

#include "common/decimal.h"
#include "common/options.h"
#include "model/key_table.h"
#include "model/profile_section.h"
#include "model/settings.h"
#include "platform/ports/profile_port.h"

using namespace profile_names;

namespace {
// Values are read whole: the dialog keeps them within kMaxValueChars
// (common/value_limit.h), and a longer one written by hand must not start
// as a different, cut command.
constexpr unsigned kWhole = ProfileSection::kWholeValue;

// Keys built not assignable, disabled, or standing for the program's own
// functions keep what their descriptor gave them and are never stored.
bool TakesPartInStore(const FaceKey& key) {
    return key.m_bAssignable && !key.m_bReserved;
}
} // namespace

std::vector<std::string> AssignmentStore::LoadAssignments(KeyTable& keys) {
    const std::string& none = m_settings.None();
    // Each section read once; nothing is written.
    const char* ini = m_settings.IniFile().c_str();
    const ProfileSection commands = ReadProfileSection(m_profile, kCommandSection, ini);
    const ProfileSection directories = ReadProfileSection(m_profile, kDirectorySection, ini);
    const ProfileSection descriptions = ReadProfileSection(m_profile, kDescriptionSection, ini);
    const ProfileSection keyOptions = ReadProfileSection(m_profile, kKeyOptionsSection, ini);
    std::vector<std::string> popupFolders;
    for (FaceKey* keyPointer : keys.ByCharacter()) {
        FaceKey& key = *keyPointer;
        if (!TakesPartInStore(key)) continue;
        const std::string& label = key.m_strLabel;

        key.m_strCommand = commands.Text(label, none, kWhole);
        if (key.m_strCommand.empty()) key.m_strCommand = none;
        key.m_bAssigned = key.m_strCommand != none ? 1 : 0;
        key.m_strDirectory = directories.Text(label, "", kWhole);
        key.m_strDescription = descriptions.Text(label, "", kWhole);
        const std::string options = keyOptions.Text(label, "", kWhole);
        key.m_nKeyOptions = static_cast<std::uint32_t>(LeadingDecimal(options.c_str()));
        if (key.m_nKeyOptions & KEY_DISABLED) key.m_bAssignable = 0;

        if (!key.m_strCommand.empty() && key.m_strCommand[0] == '@')
            popupFolders.push_back(key.m_strCommand.substr(1));
    }
    return popupFolders;
}

void AssignmentStore::SaveAssignments(KeyTable& keys) {
    const char* ini = m_settings.IniFile().c_str();
    for (const FaceKey* keyPointer : keys.ByCharacter()) {
        const FaceKey& key = *keyPointer;
        if (!TakesPartInStore(key)) continue;
        const char* label = key.m_strLabel.c_str();

        const bool assigned = key.m_bAssigned && key.m_strCommand != m_settings.None();
        m_profile.WriteString(kCommandSection, label, assigned ? key.m_strCommand.c_str() : nullptr, ini);
        m_profile.WriteString(kDirectorySection, label, key.m_strDirectory.c_str(), ini);
        m_profile.WriteString(kDescriptionSection, label, key.m_strDescription.c_str(), ini);
        const std::string options = std::to_string(static_cast<std::int32_t>(key.m_nKeyOptions));
        m_profile.WriteString(kKeyOptionsSection, label, options.c_str(), ini);
    }
}
