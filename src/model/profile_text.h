#pragma once
#include <string>

class ProfilePort;

// One value of a profile file read into a buffer of bufferSize bytes, as the
// platform call does: the default when the key is missing, and at most
// bufferSize - 1 characters of it.
std::string ReadProfileText(ProfilePort& profile, const char* section, const char* key,
                            const char* deflt, unsigned bufferSize, const char* file);
