#pragma once
// File names travel as UTF-8 text; the file system wants its own path type.
#include <filesystem>
#include <string>

inline std::filesystem::path PathFromUtf8(const std::string& utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}
