// What differs between Linux and Windows: every call of a system's own interface (POSIX or Win32)
// is made in platform.cpp, so the rest of the program builds on both as it is.
#pragma once

#include <string>
#include <vector>

namespace ruvivavu::platform {

// This process's id (temporary file names).
long processId();

// Whether a process with this id runs on this machine (false when the system says there is none).
bool processRunning(long id);

// The running program's file, as the system tells it (UTF-8); empty where it cannot.
std::string runningProgramPath();

// Whether standard input and output are both a terminal (someone can be asked).
bool interactiveTerminal();

// Standard output written byte for byte (Windows would turn "\n" into "\r\n").
void binaryStandardOutput();

// Whether standard error is a terminal (a progress line can be redrawn on it).
bool errorIsTerminal();

// A shared library loaded at run time (UTF-8 path); null, with the reason in `error`, when it
// cannot be loaded. Libraries stay loaded until the program ends.
void* loadLibrary(const std::string& path, std::string& error);
// The address of an exported function of a loaded library; null when it has none by that name.
void* librarySymbol(void* library, const char* name);
// The file name a shared library `name` has on this system ("name.so", "name.dll").
std::string libraryFileName(const std::string& name);

// Starts a program detached from the caller (it outlives it), with the given arguments (UTF-8).
// Answers false, with the reason in `error`, when it could not be started.
bool startDetached(const std::string& program, const std::vector<std::string>& arguments, std::string& error);

}  // namespace ruvivavu::platform
