#pragma once
// Access to INI-format profile files with the semantics of the Windows calls
// GetPrivateProfileStringA, GetPrivateProfileSectionA, GetPrivateProfileIntA
// and WritePrivateProfileStringA.
// A file name without a directory means the file of that name in the Windows
// directory.

class ProfilePort {
public:
    virtual ~ProfilePort() = default;

    // Copies the value (or, with a null key, the section's key names; with a
    // null section, the section names) into buffer and returns the number of
    // characters copied, not counting the terminating NUL.
    virtual unsigned GetString(const char* section, const char* key, const char* deflt,
                               char* buffer, unsigned size, const char* file) = 0;

    // The section's lines as the file holds them, "key=value" (or the key
    // alone on a line without "="), each ended by a NUL and the list by one
    // more; returns the characters copied without the last NUL. Lines that do
    // not fit are cut, and then size - 2 is returned.
    virtual unsigned GetSection(const char* section, char* buffer, unsigned size,
                                const char* file) = 0;

    // The value as a decimal integer; deflt when the key is missing or empty.
    virtual unsigned GetInt(const char* section, const char* key, int deflt,
                            const char* file) = 0;

    // Writes value; a null value deletes the key, a null key the whole section.
    virtual bool WriteString(const char* section, const char* key, const char* value,
                             const char* file) = 0;
};
