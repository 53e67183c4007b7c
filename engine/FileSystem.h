#pragma once
// Every file the engine reads or writes goes through FileSystem, so that tests can put
// a failing disk in place of the real one. A failure is a FileError: what was being
// done, to which file, and the system's error code; the words the user reads are the
// run control's business.

#include <cstddef>
#include <filesystem>
#include <memory>
#include <span>
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

/// Why a file is refused before anything is read from it.
enum class FileRefusal {
    NotRegularFile = 1, ///< a folder, device, pipe or socket: it may never end, or never start
    TooLarge,           ///< larger than this machine's memory could hold once decoded
};
const std::error_category& fileRefusalCategory();
inline std::error_code make_error_code(FileRefusal refusal) {
    return {static_cast<int>(refusal), fileRefusalCategory()};
}

/// A file open for reading, read from start to end in pieces.
class InputFile {
public:
    virtual ~InputFile() = default;
    /// The file's size in bytes when it was opened, as a hint for the reader's buffers.
    virtual std::size_t size() const = 0;
    /// Reads up to buffer.size() bytes; returns how many, 0 at the end. Throws FileError.
    virtual std::size_t read(std::span<char> buffer) = 0;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    /// Opens a regular file for reading; anything else, or a file too large to hold, is
    /// refused with a FileRefusal. Throws FileError.
    virtual std::unique_ptr<InputFile> open(const std::filesystem::path& path) = 0;
    /// Makes bytes the whole content of the file at path: written to a temporary file
    /// beside it and renamed over it only when complete, so a failure leaves any former
    /// file intact. Throws FileError.
    virtual void replace(const std::filesystem::path& path, std::string_view bytes) = 0;
    /// The process's current directory at the moment of the call. Throws FileError when it
    /// cannot be named (it was deleted, say).
    virtual std::filesystem::path currentDirectory() = 0;
};

/// The real disk.
FileSystem& diskFileSystem();

/// A path as the user reads it in a message; never fails. A name whose bytes are not UTF-8,
/// the file system's text on this side, keeps them as escapes (see CodePage).
std::u16string displayName(const std::filesystem::path& path);

/// Removes the temporary file that the real disk is writing at this moment, if any, so that a
/// program stopped by a signal leaves nothing half-written. Safe in a signal handler.
void discardUnfinishedWrite() noexcept;

} // namespace velb

template <> struct std::is_error_code_enum<velb::FileRefusal> : std::true_type {};
