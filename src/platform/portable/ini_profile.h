#pragma once
#include <string>

#include "platform/ports/profile_port.h"

// Profile files in standard C++, with the results the Windows calls give
// (GetPrivateProfileStringA, GetPrivateProfileIntA, WritePrivateProfileStringA).
// How the file's lines are understood is described in ini_document.h; this
// class adds the calls' buffer rules, the default, numbers, file names and safe
// rewriting.
//
// Where the observed Windows behaviour does not settle a question, this
// follows Wine, so the conformance suite can check it under Wine too. Known
// differences from Windows that remain: the file is read as single bytes even
// when it starts with a UTF-16 byte-order mark; only ASCII letters compare
// without regard to case; values of 64 KiB and more are returned whole rather
// than with the 16-bit length wrap of the Windows calls.
class IniProfile : public ProfilePort {
public:
    // windowsDirectory is where a file name without a directory lives.
    explicit IniProfile(std::string windowsDirectory);

    unsigned GetString(const char* section, const char* key, const char* deflt, char* buffer,
                       unsigned size, const char* file) override;
    unsigned GetInt(const char* section, const char* key, int deflt, const char* file) override;
    bool WriteString(const char* section, const char* key, const char* value,
                     const char* file) override;

    // The path a profile file name stands for: a bare name is the file in the
    // Windows directory (no name at all means "win.ini" there); a name with a
    // '\' or '/' or a drive letter is used as it is, with backslashes turned
    // into '/' and the drive letter dropped ("C:\x\y.ini" is "/x/y.ini").
    // Empty for an empty name, which names no file.
    std::string PathOf(const char* file) const;

private:
    std::string windowsDirectory_;
};
