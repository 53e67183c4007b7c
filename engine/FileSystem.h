#pragma once
// Every file the engine reads or writes goes through FileSystem, so that tests can put
// a failing disk in place of the real one. A failure is a FileError: what was being
// done, to which file, and the system's error code; the words the user reads are the
// run control's business.

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

namespace velb {

class FileError : public std::runtime_error {
public:
    enum class Operation { Read, Write };
    FileError(Operation operation, std::filesystem::path path, std::error_code code);

    Operation operation() const { return m_operation; }
    const std::filesystem::path& path() const { return m_path; }
    std::error_code code() const { return m_code; }

private:
    Operation m_operation;
    std::filesystem::path m_path;
    std::error_code m_code;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    /// The whole content of a file. Throws FileError.
    virtual std::string readAll(const std::filesystem::path& path) = 0;
    /// Makes bytes the whole content of the file at path: written to a temporary file
    /// beside it and renamed over it only when complete, so a failure leaves any former
    /// file intact. Throws FileError.
    virtual void replace(const std::filesystem::path& path, std::string_view bytes) = 0;
    /// The process's current directory at the moment of the call.
    virtual std::filesystem::path currentDirectory() = 0;
};

/// The real disk.
FileSystem& diskFileSystem();

} // namespace velb
