#include "FileSystem.h"

#include <cerrno>
#include <fstream>
#include <utility>

namespace velb {

FileError::FileError(Operation operation, std::filesystem::path path, std::error_code code)
    : std::runtime_error((operation == Operation::Read ? "cannot read " : "cannot write ") + path.string() + ": " +
                         code.message()),
      m_operation(operation), m_path(std::move(path)), m_code(code) {}

namespace {

std::error_code lastError() {
    return {errno, std::generic_category()};
}

// Writes bytes as the whole content of a new file; on failure, removes what it created.
std::error_code writeWhole(const std::filesystem::path& path, std::string_view bytes) {
    errno = 0;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return lastError();
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (out)
        return {};
    const std::error_code code = errno ? lastError() : std::make_error_code(std::errc::io_error);
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    return code;
}

class DiskInputFile : public InputFile {
public:
    explicit DiskInputFile(const std::filesystem::path& path) : m_path(path) {
        errno = 0;
        m_in.open(path, std::ios::binary);
        if (!m_in)
            throw FileError(FileError::Operation::Read, path, lastError());
        std::error_code code;
        const auto size = std::filesystem::file_size(path, code);
        m_size = code ? 0 : static_cast<std::size_t>(size);
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
        std::error_code code;
        // A folder opens as a stream on some systems; name the real reason instead.
        if (std::filesystem::is_directory(path, code))
            throw FileError(FileError::Operation::Read, path, std::make_error_code(std::errc::is_a_directory));
        return std::make_unique<DiskInputFile>(path);
    }

    void replace(const std::filesystem::path& path, std::string_view bytes) override {
        std::filesystem::path temporary = path;
        temporary += ".velb-tmp";
        // A folder at path is found by the rename, which refuses to put a file in its place.
        std::error_code code = writeWhole(temporary, bytes);
        if (code)
            throw FileError(FileError::Operation::Write, path, code);
        std::filesystem::rename(temporary, path, code);
        if (code) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            throw FileError(FileError::Operation::Write, path, code);
        }
    }

    std::filesystem::path currentDirectory() override { return std::filesystem::current_path(); }
};

} // namespace

FileSystem& diskFileSystem() {
    static DiskFileSystem disk;
    return disk;
}

} // namespace velb
