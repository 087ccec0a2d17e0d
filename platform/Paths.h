#pragma once
// Paths are the platform's: the folder part of a name ends at its last "/".
#include <filesystem>
#include <string>

// File names travel as UTF-8 text; the file system wants its own path type.
inline std::filesystem::path PathFromUtf8(const std::string& utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// Everything up to and including the last "/"; empty when there is none.
std::string ExtractFilePath(const std::string& name);
// The folder without its final "/", except that the root keeps it.
std::string ExtractFileDir(const std::string& name);
bool FileExists(const std::string& name); // a file, not a folder
bool SetCurrentDir(const std::string& folder);
