#include "platform/Paths.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

std::string ExtractFilePath(const std::string& name)
{
    const auto slash = name.rfind('/');
    return slash == std::string::npos ? std::string() : name.substr(0, slash + 1);
}

std::string ExtractFileDir(const std::string& name)
{
    std::string folder = ExtractFilePath(name);
    if (folder.size() > 1) folder.pop_back();
    return folder;
}

bool FileExists(const std::string& name)
{
    std::error_code error;
    return fs::is_regular_file(PathFromUtf8(name), error);
}

bool SetCurrentDir(const std::string& folder)
{
    std::error_code error;
    fs::current_path(PathFromUtf8(folder), error);
    return !error;
}
