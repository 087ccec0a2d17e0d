#pragma once
// Runs one of our headless commands as people do, in a scratch folder, and
// gives its exit status and what it printed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

struct CommandResult {
    int status;
    std::string out;
    std::string err;
};

inline std::string ReadWholeFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class CommandTest : public ::testing::Test {
protected:
    explicit CommandTest(std::string program) : program_(std::move(program)) {}

    void SetUp() override
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = std::filesystem::temp_directory_path() /
                 (std::string("pixolen-") + test->name() + "-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    CommandResult Run(const std::string& arguments) const
    {
        const auto out = folder / "stdout", err = folder / "stderr";
        const std::string command = program_ + " " + arguments + " >" + out.string() + " 2>" + err.string();
        const int raw = std::system(command.c_str());
        return {WEXITSTATUS(raw), ReadWholeFile(out), ReadWholeFile(err)};
    }

    std::string Path(const char* name) const { return (folder / name).string(); }

    // A failure is one line on stderr, nothing on stdout, status 2.
    static void ExpectOneLineFailure(const CommandResult& r)
    {
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.out.empty());
        ASSERT_FALSE(r.err.empty());
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1);
    }

    std::filesystem::path folder;

private:
    std::string program_;
};
