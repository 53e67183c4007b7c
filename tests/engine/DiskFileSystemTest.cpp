// The real disk: the reasons a read or write fails, and that a write is all or nothing.

#include "FileSystem.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

namespace velb {
namespace {

namespace fs = std::filesystem;

class DiskFileSystemTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("velb-disk-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    static std::errc failureOf(const std::function<void()>& action) {
        try {
            action();
        } catch (const FileError& error) {
            return static_cast<std::errc>(error.code().value());
        }
        return std::errc{};
    }

    fs::path m_dir;
    FileSystem& m_disk = diskFileSystem();
};

std::string readWhole(FileSystem& files, const fs::path& path) {
    const auto file = files.open(path);
    std::string bytes(file->size() + 1, '\0');
    bytes.resize(file->read(bytes));
    return bytes;
}

TEST_F(DiskFileSystemTest, ReadFailuresNameTheirReason) {
    EXPECT_EQ(failureOf([&] { m_disk.open(m_dir / "missing.rc"); }), std::errc::no_such_file_or_directory);
    EXPECT_EQ(failureOf([&] { m_disk.open(m_dir); }), std::errc::is_a_directory);
}

TEST_F(DiskFileSystemTest, ReplaceWritesWholeBytesAndLeavesNoTemporaryFile) {
    const fs::path path = m_dir / "out_已翻譯.rc";
    std::ofstream(path) << std::string(1000, 'x');
    m_disk.replace(path, std::string("a\r\n\0b", 5));
    EXPECT_EQ(readWhole(m_disk, path), std::string("a\r\n\0b", 5));
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);
}

TEST_F(DiskFileSystemTest, FailedWriteLeavesTheFormerFileAlone) {
    EXPECT_EQ(failureOf([&] { m_disk.replace(m_dir / "no-folder" / "out.rc", "x"); }),
              std::errc::no_such_file_or_directory);
    EXPECT_EQ(failureOf([&] { m_disk.replace(m_dir, "x"); }), std::errc::is_a_directory);
    // A folder where the temporary file would go makes the write fail before the target is touched.
    const fs::path path = m_dir / "out.rc";
    std::ofstream(path) << "former";
    fs::create_directory(m_dir / "out.rc.velb-tmp");
    EXPECT_NE(failureOf([&] { m_disk.replace(path, "new"); }), std::errc{});
    EXPECT_EQ(readWhole(m_disk, path), "former");
    EXPECT_TRUE(fs::is_directory(m_dir / "out.rc.velb-tmp"));
}

} // namespace
} // namespace velb
