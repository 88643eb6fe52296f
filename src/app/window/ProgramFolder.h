#pragma once
// The folder beside the executable that holds all of the program's state:
// the configuration file, html/, data/ and the working files.

#include <string>

namespace zt {

// The executable's folder ending in "/", or the folder named by the
// environment variable ZARNOTOOL_HOME (for tests and portable set-ups).
std::string ProgramFolder();
// The configuration file: the executable's path with ".ini", or
// ZARNOTOOL_HOME + "zarnotool.ini".
std::string ConfigurationPath();
// Makes the folder the current directory; throws FileError when it cannot.
void EnterFolder(const std::string& folder);

} // namespace zt
