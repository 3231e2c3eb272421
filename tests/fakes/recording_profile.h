#pragma once
#include <string>

#include "fakes/call_log.h"
#include "platform/portable/ini_profile.h"

// Real profile files with every call logged as "profile: get FILE SECTION KEY",
// "getint ..." or "write ... = VALUE" (a null part is written "-"), so a test
// can see what was read and written, and when.
class RecordingProfile : public IniProfile {
public:
    RecordingProfile(const std::string& windowsDirectory, CallLog& log)
        : IniProfile(windowsDirectory), m_log(log) {}

    unsigned GetString(const char* section, const char* key, const char* deflt, char* buffer,
                       unsigned size, const char* file) override {
        Log("get", file, section, key);
        return IniProfile::GetString(section, key, deflt, buffer, size, file);
    }
    unsigned GetInt(const char* section, const char* key, int deflt, const char* file) override {
        Log("getint", file, section, key);
        return IniProfile::GetInt(section, key, deflt, file);
    }
    bool WriteString(const char* section, const char* key, const char* value,
                     const char* file) override {
        Log("write", file, section, key, " = " + Part(value));
        return IniProfile::WriteString(section, key, value, file);
    }

private:
    static std::string Part(const char* text) { return text ? text : "-"; }
    void Log(const char* call, const char* file, const char* section, const char* key,
             const std::string& rest = "") {
        m_log.Add("profile",
                  call + (" " + Part(file)) + " " + Part(section) + " " + Part(key) + rest);
    }

    CallLog& m_log;
};
