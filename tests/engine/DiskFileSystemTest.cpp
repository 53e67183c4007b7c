// The real disk: the reasons a read or write fails, and that a write is all or nothing.

#include "FileSystem.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>

namespace velb {
namespace {

namespace fs = std::filesystem;

template <typename Action> std::errc failureOf(Action action) {
    try {
        action();
    } catch (const FileError& error) {
        return static_cast<std::errc>(error.code().value());
    }
    return std::errc{};
}

TEST(DiskFileSystem, WritesAllOrNothingAndNamesWhyItFailed) {
    const fs::path dir = fs::temp_directory_path() / ("velb-disk-" + std::to_string(std::random_device{}()));
    fs::remove_all(dir);
    fs::create_directories(dir / "folder.rc");
    fs::create_directory(dir / "taken.rc.velb-tmp"); // where the temporary file of taken.rc would go
    std::ofstream(dir / "taken.rc") << "former";
    FileSystem& disk = diskFileSystem();
    const auto read = [&disk](const fs::path& path) {
        const auto file = disk.open(path);
        std::string bytes(file->size() + 1, '\0');
        bytes.resize(file->read(bytes));
        return bytes;
    };

    disk.replace(dir / "out_已翻譯.rc", std::string("a\r\n\0b", 5));
    EXPECT_EQ(read(dir / "out_已翻譯.rc"), std::string("a\r\n\0b", 5));
    EXPECT_EQ(failureOf([&] { disk.open(dir / "missing.rc"); }), std::errc::no_such_file_or_directory);
    EXPECT_EQ(failureOf([&] { disk.open(dir / "folder.rc"); }), std::errc::is_a_directory);
    if (fs::exists("/proc/self/mem")) { // opens, and fails at the first read
        EXPECT_EQ(failureOf([&] { read("/proc/self/mem"); }), std::errc::io_error);
    }
    EXPECT_EQ(failureOf([&] { disk.replace(dir / "no-folder" / "out.rc", "x"); }),
              std::errc::no_such_file_or_directory);
    EXPECT_EQ(failureOf([&] { disk.replace(dir / "folder.rc", "x"); }), std::errc::is_a_directory);
    EXPECT_EQ(failureOf([&] { disk.replace(dir / "taken.rc", "new"); }), std::errc::is_a_directory);
    EXPECT_EQ(read(dir / "taken.rc"), "former");
    // Only the one good write is left, and no temporary file of a failed one.
    std::vector<fs::path> names(fs::directory_iterator(dir), fs::directory_iterator{});
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names,
              (std::vector{dir / "folder.rc", dir / "out_已翻譯.rc", dir / "taken.rc", dir / "taken.rc.velb-tmp"}));
    fs::remove_all(dir);
}

} // namespace
} // namespace velb
