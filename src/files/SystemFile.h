#pragma once

#include <string>
#include <string_view>

class System;

// The system file "<name>.sys": the system-wide settings, one key line each, CR LF.
class SystemFile
{
public:
    static std::string write(const System& system);
    // Applies every known key, compared without regard to case; the section a key stands in
    // does not matter. The password is decoded with the name read so far, so the name must
    // come first. Refused values keep the defaults.
    static void read(System& system, std::string_view text);
    // The stored password of a system file ("passwd"), for checking a typed password.
    static bool storedPassword(std::string_view text, std::string& stored);
    // The name a system file gives its system ("system_name").
    static bool systemName(std::string_view text, std::string& name);
    // A folder is a system when its file has a line naming the system.
    static bool namesSystem(std::string_view text);
};
