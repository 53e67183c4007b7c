// The real disk: the reasons a read or write fails, and that a write is all or nothing.

#include "FileSystem.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>

#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace velb {
namespace {

namespace fs = std::filesystem;

template <typename Action> std::error_code failureOf(Action action) {
    try {
        action();
    } catch (const FileError& error) {
        return error.code();
    }
    return {};
}

#ifndef _WIN32
// Lets files grow no larger than `bytes`, so that a write fails halfway, as on a full disk;
// returns the limit as it was.
rlimit limitFileSize(rlim_t bytes) {
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    const rlimit limited{bytes, before.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limited);
    return before;
}
#endif

TEST(DiskFileSystem, WritesAllOrNothingAndNamesWhyItFailed) {
    const testing::TemporaryFolder folder;
    const fs::path& dir = folder.path();
    fs::create_directories(dir / "folder.rc");
    std::ofstream(dir / "out.rc") << "former";
    std::ofstream(dir / "out.rc.velb-tmp") << "the user's";    // a temporary name of old: now the user's
    const std::string longest = std::string(252, 'n') + ".rc"; // as long as a name may be
    FileSystem& disk = diskFileSystem();
    const auto read = [&disk](const fs::path& path) {
        const auto file = disk.open(path);
        std::string bytes(file->size() + 1, '\0');
        bytes.resize(file->read(bytes));
        return bytes;
    };

    disk.replace(dir / u8"out_已翻譯.rc", std::string("a\r\n\0b", 5));
    EXPECT_EQ(read(dir / u8"out_已翻譯.rc"), std::string("a\r\n\0b", 5));
    disk.replace(dir / "out.rc", "new");
    disk.replace(dir / longest, "x");
    EXPECT_EQ(read(dir / "out.rc") + read(dir / "out.rc.velb-tmp") + read(dir / longest), "newthe user'sx");
    EXPECT_EQ(failureOf([&] { disk.open(dir / "missing.rc"); }), std::errc::no_such_file_or_directory);
    EXPECT_EQ(failureOf([&] { disk.open(dir / "folder.rc"); }), std::errc::is_a_directory);
    EXPECT_EQ(failureOf([&] { disk.replace(dir / "no-folder" / "out.rc", "x"); }),
              std::errc::no_such_file_or_directory);
    EXPECT_EQ(failureOf([&] { disk.replace(dir / "folder.rc", "x"); }), std::errc::is_a_directory);
#ifndef _WIN32
    if (fs::exists("/proc/self/mem")) { // opens, and fails at the first read
        EXPECT_EQ(failureOf([&] { read("/proc/self/mem"); }), std::errc::io_error);
    }
    // A write that fails halfway: the file may grow no larger than one byte.
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit before = limitFileSize(1);
    const std::error_code halfway = failureOf([&] { disk.replace(dir / "big.rc", "xx"); });
    setrlimit(RLIMIT_FSIZE, &before);
    EXPECT_EQ(halfway, std::errc::file_too_large);
#endif
    // The files written are there, and no temporary file of any write, good or failed.
    std::vector<fs::path> names(fs::directory_iterator(dir), fs::directory_iterator{});
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector{dir / "folder.rc", dir / longest, dir / "out.rc", dir / "out.rc.velb-tmp",
                                  dir / u8"out_已翻譯.rc"}));
}

#ifndef _WIN32
TEST(DiskFileSystemDeathTest, ProgramStoppedBySignalMidWriteLeavesNoTemporaryFile) {
    // The file-size limit makes the system signal in the middle of the write, every time.
    const testing::TemporaryFolder folder;
    const fs::path& dir = folder.path();
    EXPECT_EXIT(
        {
            std::signal(SIGXFSZ, [](int signal) {
                discardUnfinishedWrite();
                std::_Exit(128 + signal);
            });
            limitFileSize(1);
            diskFileSystem().replace(dir / "out.rc", "xx");
        },
        ::testing::ExitedWithCode(128 + SIGXFSZ), "");
    EXPECT_TRUE(fs::is_empty(dir));
}
#endif

} // namespace
} // namespace velb
