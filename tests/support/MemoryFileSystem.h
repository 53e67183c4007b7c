#pragma once
// A disk in memory: files are a map from path to bytes, and any path can be made to fail on
// reading or writing with a chosen error.

#include "FileSystem.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace velb::testing {

/// A file whose bytes are a string, handed out at most readSize bytes at a time.
class StringFile : public InputFile {
public:
    explicit StringFile(std::string bytes, std::size_t readSize = SIZE_MAX)
        : m_bytes(std::move(bytes)), m_readSize(readSize) {}
    std::size_t size() const override { return m_bytes.size(); }
    std::size_t read(std::span<char> buffer) override {
        const std::size_t count = std::min({buffer.size(), m_readSize, m_bytes.size() - m_position});
        m_position += m_bytes.copy(buffer.data(), count, m_position);
        return count;
    }

private:
    std::string m_bytes;
    std::size_t m_readSize;
    std::size_t m_position = 0;
};

struct MemoryFileSystem : FileSystem {
    std::map<std::filesystem::path, std::string> files;
    std::map<std::filesystem::path, std::errc> failing; ///< path -> error on any access
    std::vector<std::filesystem::path> writes;          ///< successful writes, in order

    std::unique_ptr<InputFile> open(const std::filesystem::path& path) override {
        const auto file = files.find(path);
        fail(FileError::Operation::Read, path,
             file == files.end() ? std::errc::no_such_file_or_directory : std::errc{});
        return std::make_unique<StringFile>(file->second);
    }
    void replace(const std::filesystem::path& path, std::string_view bytes) override {
        fail(FileError::Operation::Write, path, std::errc{});
        files[path] = std::string(bytes);
        writes.push_back(path);
    }
    // Ending in a separator, so that a file's path in it reads the same on every platform.
    std::filesystem::path currentDirectory() override { return "/home/translator/"; }

    void fail(FileError::Operation operation, const std::filesystem::path& path, std::errc otherwise) const {
        const auto failure = failing.find(path);
        const std::errc error = failure != failing.end() ? failure->second : otherwise;
        if (error != std::errc{})
            throw FileError(operation, path, std::make_error_code(error));
    }
};

} // namespace velb::testing
