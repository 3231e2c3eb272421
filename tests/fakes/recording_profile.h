#pragma once
#include <string>

#include "fakes/call_log.h"
#include "platform/ports/profile_port.h"

// A profile port that passes every call on to real profile files and logs it
// as "profile: get FILE SECTION KEY", "getint ..." or "write ... = VALUE"
// (a null part is written "-"), so a test can see what was read and when.
class RecordingProfile : public ProfilePort {
public:
    RecordingProfile(ProfilePort& files, CallLog& log) : m_files(files), m_log(log) {}

    unsigned GetString(const char* section, const char* key, const char* deflt, char* buffer,
                       unsigned size, const char* file) override {
        Log("get", section, key, file);
        return m_files.GetString(section, key, deflt, buffer, size, file);
    }
    unsigned GetInt(const char* section, const char* key, int deflt, const char* file) override {
        Log("getint", section, key, file);
        return m_files.GetInt(section, key, deflt, file);
    }
    bool WriteString(const char* section, const char* key, const char* value,
                     const char* file) override {
        Log("write", section, key, file, std::string(" = ") + Part(value));
        return m_files.WriteString(section, key, value, file);
    }

private:
    static const char* Part(const char* text) { return text ? text : "-"; }
    void Log(const char* what, const char* section, const char* key, const char* file,
             const std::string& rest = "") {
        m_log.Add("profile", std::string(what) + " " + Part(file) + " " + Part(section) + " " +
                                 Part(key) + rest);
    }

    ProfilePort& m_files;
    CallLog& m_log;
};
