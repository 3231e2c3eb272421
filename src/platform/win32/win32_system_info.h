#pragma once
#include "platform/ports/system_info.h"

// The facts of the Windows installation, from the API.
class Win32SystemInfo : public SystemInfo {
public:
    std::string WindowsDirectory() const override;
    Wow64Facts Wow64() const override;
    bool CanWriteFilesIn(const std::string& dir) override;
    std::string UserAppData() override;
    bool MakeFolder(const std::string& dir) override;
    bool FileExists(const std::string& path) override;
    void CopyNewFile(const std::string& from, const std::string& to) override;
    bool AnsiIsUtf8() const override;
    std::optional<std::string> ReadFileBytes(const std::string& path) override;
    std::optional<std::string> SystemAnsiToUtf8(const std::string& text) override;
    bool ReplaceFileBytes(const std::string& path, const std::string& bytes) override;
};
