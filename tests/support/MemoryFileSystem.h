#pragma once
// A disk in memory for the run control's tests: files are a map from path to bytes, and
// any path can be made to fail on reading or writing with a chosen error.

#include "FileSystem.h"

#include <map>
#include <string>

namespace velb::testing {

class MemoryFileSystem : public FileSystem {
public:
    std::map<std::filesystem::path, std::string> files;
    std::map<std::filesystem::path, std::errc> failing; ///< path -> error on any access
    std::filesystem::path current = "/work";
    std::vector<std::filesystem::path> writes; ///< successful writes, in order

    std::string readAll(const std::filesystem::path& path) override {
        throwIfFailing(FileError::Operation::Read, path);
        const auto file = files.find(path);
        if (file == files.end())
            throw FileError(FileError::Operation::Read, path,
                            std::make_error_code(std::errc::no_such_file_or_directory));
        return file->second;
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
