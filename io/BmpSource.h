#pragma once
// Where the reader takes its bytes from: a buffer already in memory, or a file
// read piece by piece so that large pixel rows land straight in the picture.
// Every read that finds too few bytes throws EReadError.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <span>
#include <string>
#include <vector>

class BmpSource {
public:
    virtual ~BmpSource() = default;
    virtual std::uint64_t Size() const = 0;      // the whole file
    virtual std::uint64_t Remaining() const = 0; // not read yet
    virtual void Read(void* target, std::size_t count) = 0;
    // The next `count` bytes as a view, valid until the next call.
    virtual std::span<const std::uint8_t> Take(std::size_t count) = 0;
    void Skip(std::size_t count) { Take(count); }
};

class BmpSpanSource final : public BmpSource {
public:
    explicit BmpSpanSource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::uint64_t Size() const override { return bytes_.size(); }
    std::uint64_t Remaining() const override { return bytes_.size() - at_; }
    void Read(void* target, std::size_t count) override;
    std::span<const std::uint8_t> Take(std::size_t count) override;

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

class BmpFileSource final : public BmpSource {
public:
    // EFOpenError ("ファイル %s は開けません") when the path is missing, a folder or unreadable.
    explicit BmpFileSource(const std::string& utf8Path);
    std::uint64_t Size() const override { return size_; }
    std::uint64_t Remaining() const override { return size_ - at_; }
    void Read(void* target, std::size_t count) override;
    std::span<const std::uint8_t> Take(std::size_t count) override;

private:
    std::ifstream file_;
    std::uint64_t size_ = 0;
    std::uint64_t at_ = 0;
    std::vector<std::uint8_t> taken_;
};
