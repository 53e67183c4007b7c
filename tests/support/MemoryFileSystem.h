#pragma once
// A disk in memory for the run control's tests: files are a map from path to bytes, and
// any path can be made to fail on reading or writing with a chosen error.

#include "FileSystem.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>

namespace velb::testing {

/// A file whose bytes are a string, handed out at most readSize bytes at a time.
class StringFile : public InputFile {
public:
    explicit StringFile(std::string bytes, std::size_t readSize = SIZE_MAX)
        : m_bytes(std::move(bytes)), m_readSize(readSize) {}
    std::size_t size() const override { return m_bytes.size(); }
    std::size_t read(std::span<char> buffer) override {
        const std::size_t count = std::min({buffer.size(), m_readSize, m_bytes.size() - m_position});
        std::copy_n(m_bytes.data() + m_position, count, buffer.data());
        m_position += count;
        return count;
    }

private:
    std::string m_bytes;
    std::size_t m_readSize;
    std::size_t m_position = 0;
};

class MemoryFileSystem : public FileSystem {
public:
    std::map<std::filesystem::path, std::string> files;
    std::map<std::filesystem::path, std::errc> failing; ///< path -> error on any access
    std::filesystem::path current = "/work";
    std::vector<std::filesystem::path> writes; ///< successful writes, in order

    std::unique_ptr<InputFile> open(const std::filesystem::path& path) override {
        throwIfFailing(FileError::Operation::Read, path);
        const auto file = files.find(path);
        if (file == files.end())
            throw FileError(FileError::Operation::Read, path,
                            std::make_error_code(std::errc::no_such_file_or_directory));
        return std::make_unique<StringFile>(file->second);
    }
    void replace(const std::filesystem::path& path, std::string_view bytes) override {
        throwIfFailing(FileError::Operation::Write, path);
        files[path] = std::string(bytes);
        writes.push_back(path);
    }
    std::filesystem::path currentDirectory() override { return current; }

private:
    void throwIfFailing(FileError::Operation operation, const std::filesystem::path& path) {
        if (const auto failure = failing.find(path); failure != failing.end())
            throw FileError(operation, path, std::make_error_code(failure->second));
    }
};

} // namespace velb::testing
