// The two ways the program opens its input file. The one place where Windows and POSIX differ.
#pragma once

#include <cstdint>
#include <cstdio>

// Opens `path` for reading without sharing, only if it exists, takes its size and closes it again.
// Returns false, leaving *size alone, when the file cannot be opened that way: missing, a directory,
// or (on Windows) held open by another process. Where no such sharing mode exists, an ordinary
// read-only opening serves.
bool QueryInputFileSize(const char* path, uint64_t* size);

// Opens `path` for the checksum pass with mode "rb". On Windows other processes may read the file
// but not write it while it is open. nullptr when it cannot be opened; a directory cannot.
std::FILE* OpenInputForPass(const char* path);
