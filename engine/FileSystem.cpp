#include "FileSystem.h"

#include <algorithm>
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

class DiskFileSystem : public FileSystem {
public:
    std::string readAll(const std::filesystem::path& path) override {
        std::error_code code;
        // A folder opens as a stream on some systems; name the real reason instead.
        if (std::filesystem::is_directory(path, code))
            throw FileError(FileError::Operation::Read, path, std::make_error_code(std::errc::is_a_directory));
        errno = 0;
        std::ifstream in(path, std::ios::binary);
        if (!in)
            throw FileError(FileError::Operation::Read, path, lastError());
        std::string bytes;
        in.seekg(0, std::ios::end);
        bytes.resize(static_cast<std::size_t>(std::max<std::streamoff>(in.tellg(), 0)));
        in.seekg(0, std::ios::beg);
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (in.bad() || in.gcount() != static_cast<std::streamsize>(bytes.size()))
            throw FileError(FileError::Operation::Read, path, std::make_error_code(std::errc::io_error));
        return bytes;
    }

    void replace(const std::filesystem::path& path, std::string_view bytes) override {
        std::error_code code;
        if (std::filesystem::is_directory(path, code))
            throw FileError(FileError::Operation::Write, path, std::make_error_code(std::errc::is_a_directory));
        std::filesystem::path temporary = path;
        temporary += ".velb-tmp";
        code = writeWhole(temporary, bytes);
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
