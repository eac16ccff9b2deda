// The first-run check of the main window's start-up: a program without its tables offers to run
// the download program, which installs them and starts the program again.
#pragma once

#include <string>

namespace ruvivavu::tools {

// The question asked (Yes / No) before the download program is started.
inline constexpr const char* kFirstRunQuestion =
    "O programa está ainda sem tabelas, é necessário baixá-las da Internet, continuar?";

// "download" ("download.exe" on Windows).
const char* downloadProgramName();

// The download program's path: beside the program (the build tree, a Windows folder) or in the
// installed layout's private folder ../libexec/ruvivavu (the name "download" would collide with
// anything in a folder on PATH), whichever holds it; the path beside the program when neither does.
std::string downloadProgramPath(const std::string& programFolder);

// Whether to ask the question: the data folder has no `lista.tab` and the download program is at
// hand.
bool shouldOfferDownload(const std::string& dataFolder, const std::string& programFolder);

// Starts a program with the given parameter text (split at blanks) detached from this one; the
// result is ignored by the first-run check, but reported here for whoever wants it.
bool executePrograma(const std::string& program, const std::string& parameters);

}  // namespace ruvivavu::tools
