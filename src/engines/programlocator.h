#pragma once

#include <string>

// Finds the system program a launcher hands its work to.
namespace ProgramLocator {

// The program named by the environment variable when it is set (a path, or a name looked up
// on PATH), otherwise the first executable called name on PATH. A launcher that shares the
// program's name never finds itself. Empty when nothing fits.
std::string find(const std::string &name, const char *environmentVariable);

}
