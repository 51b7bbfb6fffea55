#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// Every target also gets LLVMFuzzerInitialize from here, which quiets Qt's and
// libass's diagnostics: at thousands of runs they would bury a real report.
namespace FuzzSupport {

// Writes the input to a file of this process with the given suffix and returns its path.
QString writeInput(const uint8_t *data, size_t size, const char *suffix);

// A second file name of this process, for writing documents back.
QString scratchPath(const char *suffix);

}
