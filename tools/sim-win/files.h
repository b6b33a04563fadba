// Small file helpers for the substitutes, whose files all live beside the
// executable so that every start finds them whatever its working directory.
#pragma once

#include <string>

namespace sc::tools {

// The executable's folder, without a trailing backslash.
std::string ExeDir();
// The executable's file name without ".exe", e.g. "itunes".
std::string ExeBaseName();
std::string BesideExe(const std::string& file_name);

// An unreadable or missing file reads as empty.
std::string ReadTextFile(const std::string& path);
bool WriteTextFile(const std::string& path, const std::string& text);
bool FileExists(const std::string& path);
bool DeleteFileIfThere(const std::string& path);

}  // namespace sc::tools
