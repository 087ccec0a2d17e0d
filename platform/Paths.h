#pragma once
// Paths are the platform's: the folder part of a name ends at its last "/".
#include <string>

// Everything up to and including the last "/"; empty when there is none.
std::string ExtractFilePath(const std::string& name);
// The folder without its final "/", except that the root keeps it.
std::string ExtractFileDir(const std::string& name);
bool FileExists(const std::string& name); // a file, not a folder
bool SetCurrentDir(const std::string& folder);
