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
    std::string read(const fs::path& path) {
        const auto file = m_disk.open(path);
        std::string bytes(file->size() + 1, '\0');
        bytes.resize(file->read(bytes));
        return bytes;
    }
    // The names in the folder, which a write must leave as it found them but for its target.
    std::vector<fs::path> names() const {
        std::vector<fs::path> found(fs::directory_iterator(m_dir), fs::directory_iterator{});
        std::sort(found.begin(), found.end());
        return found;
    }

    const fs::path m_dir =
        fs::temp_directory_path() /
        ("velb-disk-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    FileSystem& m_disk = diskFileSystem();
};

TEST_F(DiskFileSystemTest, ReadFailuresNameTheirReason) {
    EXPECT_EQ(failureOf([&] { m_disk.open(m_dir / "missing.rc"); }), std::errc::no_such_file_or_directory);
    EXPECT_EQ(failureOf([&] { m_disk.open(m_dir); }), std::errc::is_a_directory);
}

TEST_F(DiskFileSystemTest, ReplaceWritesWholeBytesAndLeavesNoTemporaryFile) {
    const fs::path path = m_dir / "out_已翻譯.rc";
    std::ofstream(path) << std::string(1000, 'x');
    m_disk.replace(path, std::string("a\r\n\0b", 5));
    EXPECT_EQ(read(path), std::string("a\r\n\0b", 5));
    EXPECT_EQ(names(), std::vector{path});
}

TEST_F(DiskFileSystemTest, FailedWriteLeavesEverythingAsItWas) {
    const fs::path folder = m_dir / "folder.rc";
    const fs::path path = m_dir / "out.rc";
    fs::create_directory(folder);
    std::ofstream(path) << "former";
    // A folder where the temporary file would go makes the write fail before the target is touched.
    fs::create_directory(m_dir / "out.rc.velb-tmp");
    const auto before = names();
    EXPECT_EQ(failureOf([&] { m_disk.replace(m_dir / "no-folder" / "out.rc", "x"); }),
              std::errc::no_such_file_or_directory);
    EXPECT_EQ(failureOf([&] { m_disk.replace(folder, "x"); }), std::errc::is_a_directory);
    EXPECT_EQ(failureOf([&] { m_disk.replace(path, "new"); }), std::errc::is_a_directory);
    EXPECT_EQ(read(path), "former");
    EXPECT_EQ(names(), before);
}

} // namespace
} // namespace velb
