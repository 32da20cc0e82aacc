#pragma once

#include <string>

// Where the program file lies: the settings file and the debug log sit beside it.
namespace ProgramLocation {

// Full path of the program file (from /proc/self/exe unless overridden).
std::string ProgramFile();
// Folder of the program file, ending with '/'.
std::string ProgramDir();
// The program file's name without its extension ("Setup" for ".../Setup" or ".../Setup.exe").
std::string ProgramBaseName();

// Makes the functions above answer for path instead (tests); an empty path ends the override.
void OverrideProgramFile(const std::string& path);

} // namespace ProgramLocation
