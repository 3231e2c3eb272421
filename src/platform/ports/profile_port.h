#pragma once
// Access to INI-format profile files with the semantics of the Windows calls
// GetPrivateProfileSectionA, GetPrivateProfileSectionNamesA, GetPrivateProfileIntA,
// WritePrivateProfileStringA and WritePrivateProfileSectionA.
// Values are read a whole section at a time (ProfileSection answers from it).
// A file name without a directory means the file of that name in the Windows
// directory.

class ProfilePort {
public:
    virtual ~ProfilePort() = default;

    // The section's lines as the file holds them, "key=value" (or the key
    // alone on a line without "="), each ended by a NUL and the list by one
    // more; returns the characters copied without the last NUL. Lines that do
    // not fit are cut, and then size - 2 is returned.
    virtual unsigned GetSection(const char* section, char* buffer, unsigned size,
                                const char* file) = 0;

    // The file's section names in file order, each ended by a NUL and the
    // list by one more; the same return and cutting as GetSection.
    virtual unsigned GetSectionNames(char* buffer, unsigned size, const char* file) = 0;

    // The value as a decimal integer; deflt when the key is missing or empty.
    virtual unsigned GetInt(const char* section, const char* key, int deflt,
                            const char* file) = 0;

    // Writes value; a null value deletes the key, a null key the whole section.
    virtual bool WriteString(const char* section, const char* key, const char* value,
                             const char* file) = 0;

    // Replaces the section's lines with lines ("key=value", each ended by a
    // NUL, the list by one more); a missing section is added at the end.
    virtual bool WriteSection(const char* section, const char* lines, const char* file) = 0;
};
