#include "model/profile_section_array.h"

#include "model/profile_section.h"

CProfileSectionArray::CProfileSectionArray(ProfilePort& profile, const char* section, const char* file) {
    const ProfileSection lines = ReadProfileSection(profile, section, file);
    for (const std::string& name : lines.KeyNames(kNamesBufferSize)) {
        std::string value = lines.Text(name, "", ProfileSection::kWholeValue);
        if (!value.empty()) push_back(std::move(value));
    }
}
