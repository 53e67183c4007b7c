#include "FileSystem.h"

#include "CodePage.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <random>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace velb {

FileError::FileError(Operation operation, std::filesystem::path path, std::error_code code)
    : std::runtime_error((operation == Operation::Read ? "cannot read " : "cannot write ") + toUtf8(displayName(path)) +
                         ": " + code.message()),
      m_operation(operation), m_path(std::move(path)), m_code(code) {}

std::u16string displayName(const std::filesystem::path& path) {
#ifdef _WIN32
    const std::wstring& name = path.native();
    return std::u16string(name.begin(), name.end());
#else
    static const CodePage utf8(kUtf8CodePage);
    std::u16string name;
    utf8.decodeAppend(path.native(), name);
    return name;
#endif
}

const std::error_category& fileRefusalCategory() {
    static const struct : std::error_category {
        const char* name() const noexcept override { return "velb file refusal"; }
        std::string message(int refusal) const override {
            return refusal == static_cast<int>(FileRefusal::TooLarge) ? "too large to hold in memory"
                                                                      : "not a regular file";
        }
    } category;
    return category;
}

namespace {

// A script takes about two and a half times its size in memory (its text in UTF-16, the line
// offsets, its share of the output), and all three are held at once: one larger than a third
// of the machine's memory cannot be carried whole, and would only make the system swap.
std::uintmax_t largestScript() {
#ifdef _WIN32
    MEMORYSTATUSEX memory{};
    memory.dwLength = sizeof memory;
    const std::uintmax_t total = GlobalMemoryStatusEx(&memory) ? memory.ullTotalPhys : 0;
#else
    const std::uintmax_t total =
        static_cast<std::uintmax_t>(sysconf(_SC_PHYS_PAGES)) * static_cast<std::uintmax_t>(sysconf(_SC_PAGE_SIZE));
#endif
    return total > 0 ? total / 3 : UINTMAX_MAX;
}

std::error_code lastError() {
    return {errno, std::generic_category()};
}

// The temporary file being written, kept where a signal handler can remove it: in a fixed
// buffer, since a handler may not allocate. Set once the file exists, cleared once it is gone.
std::filesystem::path::value_type g_unfinished[4096];
volatile std::sig_atomic_t g_unfinishedSet = 0;

void markUnfinished(const std::filesystem::path& temporary) {
    const auto& name = temporary.native();
    if (name.size() >= std::size(g_unfinished))
        return;
    std::copy(name.begin(), name.end(), g_unfinished);
    g_unfinished[name.size()] = 0;
    g_unfinishedSet = 1;
}

#ifdef _WIN32

std::error_code lastSystemError() {
    return {static_cast<int>(GetLastError()), std::system_category()};
}

bool nameTaken(std::error_code code) {
    return code.value() == ERROR_FILE_EXISTS || code.value() == ERROR_ALREADY_EXISTS;
}

// Writes bytes into a file created at path, which must not exist yet.
std::error_code writeNewFile(const std::filesystem::path& path, std::string_view bytes) {
    const HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return lastSystemError();
    markUnfinished(path);
    std::error_code code;
    for (std::size_t done = 0; done < bytes.size() && !code;) {
        const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 30));
        DWORD count = 0;
        if (WriteFile(file, bytes.data() + done, piece, &count, nullptr))
            done += count;
        else
            code = lastSystemError();
    }
    if (!CloseHandle(file) && !code)
        code = lastSystemError();
    return code;
}

// Puts the file at from in place of the file at to. Asked of the system directly: the library's
// rename gives an I/O error for most of the reasons it fails. Windows refuses to put a file in
// place of a folder as it refuses one it may not touch; the two are told apart here.
std::error_code moveOver(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING))
        return {};
    const std::error_code code = lastSystemError();
    std::error_code ignored;
    if (code == std::errc::permission_denied && std::filesystem::is_directory(to, ignored))
        return std::make_error_code(std::errc::is_a_directory);
    return code;
}

#else

bool nameTaken(std::error_code code) {
    return code == std::errc::file_exists;
}

// Writes bytes into a file created at path, which must not exist yet.
std::error_code writeNewFile(const std::filesystem::path& path, std::string_view bytes) {
    const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (file < 0)
        return lastError();
    markUnfinished(path);
    std::error_code code;
    for (std::size_t done = 0; done < bytes.size() && !code;) {
        const ssize_t count = ::write(file, bytes.data() + done, bytes.size() - done);
        if (count >= 0)
            done += static_cast<std::size_t>(count);
        else if (errno != EINTR)
            code = lastError();
    }
    if (::close(file) != 0 && !code)
        code = lastError();
    return code;
}

// Puts the file at from in place of the file at to.
std::error_code moveOver(const std::filesystem::path& from, const std::filesystem::path& to) {
    return std::rename(from.c_str(), to.c_str()) == 0 ? std::error_code() : lastError();
}

#endif

// Writes bytes into a new file beside target under a name of its own, created only if no file
// has it: never a file of the user's, nor another run's. The name is short, so a target whose
// name is as long as the file system allows still has room beside it. On failure nothing is
// left behind.
std::error_code writeTemporary(const std::filesystem::path& target, std::string_view bytes,
                               std::filesystem::path& temporary) {
    static std::mt19937_64 random{std::random_device{}()};
    constexpr int kAttempts = 100;
    std::error_code code;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        char name[32];
        std::snprintf(name, sizeof name, ".velb-%016llx.tmp", static_cast<unsigned long long>(random()));
        temporary = target.parent_path() / name;
        code = writeNewFile(temporary, bytes);
        if (!code || !nameTaken(code))
            break;
    }
    if (code && !nameTaken(code)) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
    }
    return code;
}

class DiskInputFile : public InputFile {
public:
    // size: the file's size as looked at before opening it.
    DiskInputFile(const std::filesystem::path& path, std::uintmax_t size)
        : m_path(path), m_size(static_cast<std::size_t>(size)) {
        errno = 0;
        m_in.open(path, std::ios::binary);
        if (!m_in)
            throw FileError(FileError::Operation::Read, path, lastError());
    }

    std::size_t size() const override { return m_size; }

    std::size_t read(std::span<char> buffer) override {
        errno = 0;
        std::streamsize count = -1;
        try {
            count = m_in.rdbuf()->sgetn(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        } catch (const std::ios_base::failure&) {
            // The stream buffer itself throws when the system fails a read; errno says why.
        }
        if (count < 0 || m_in.bad())
            throw FileError(FileError::Operation::Read, m_path,
                            errno ? lastError() : std::make_error_code(std::errc::io_error));
        return static_cast<std::size_t>(count);
    }

private:
    std::filesystem::path m_path;
    std::ifstream m_in;
    std::size_t m_size = 0;
};

class DiskFileSystem : public FileSystem {
public:
    std::unique_ptr<InputFile> open(const std::filesystem::path& path) override {
        // Looked at before opening: a pipe with no writer would block the open itself.
        std::error_code code;
        const auto status = std::filesystem::status(path, code);
        if (std::filesystem::is_directory(status))
            throw FileError(FileError::Operation::Read, path, std::make_error_code(std::errc::is_a_directory));
        if (!code && !std::filesystem::is_regular_file(status))
            throw FileError(FileError::Operation::Read, path, FileRefusal::NotRegularFile);
        const std::uintmax_t size = code ? 0 : std::filesystem::file_size(path, code);
        if (!code && size > largestScript())
            throw FileError(FileError::Operation::Read, path, FileRefusal::TooLarge);
        return std::make_unique<DiskInputFile>(path, code ? 0 : size);
    }

    void replace(const std::filesystem::path& path, std::string_view bytes) override {
        struct Finished {
            ~Finished() { g_unfinishedSet = 0; }
        } finished;
        std::filesystem::path temporary;
        // A folder at path is found by the rename, which refuses to put a file in its place.
        std::error_code code = writeTemporary(path, bytes, temporary);
        if (code)
            throw FileError(FileError::Operation::Write, path, code);
        code = moveOver(temporary, path);
        if (code) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            throw FileError(FileError::Operation::Write, path, code);
        }
    }

    std::filesystem::path currentDirectory() override {
        std::error_code code;
        std::filesystem::path directory = std::filesystem::current_path(code);
        if (code)
            throw FileError(FileError::Operation::Read, ".", code);
        return directory;
    }
};

} // namespace

void discardUnfinishedWrite() noexcept {
    if (!g_unfinishedSet)
        return;
#ifdef _WIN32
    DeleteFileW(g_unfinished);
#else
    ::unlink(g_unfinished);
#endif
}

FileSystem& diskFileSystem() {
    static DiskFileSystem disk;
    return disk;
}

} // namespace velb
