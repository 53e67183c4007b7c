#pragma once
// velb-batch run as scripts and CI run it: in a temporary folder of the test's own, under a
// chosen locale, with its standard output and standard error kept in files of that folder.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include <sys/wait.h>

namespace velb::testing {

namespace fs = std::filesystem;

inline std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::string quoted(const fs::path& path) {
    return "'" + path.string() + "'";
}

class BatchRun : public ::testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    /// Runs velb-batch in the folder under the C locale, standard output going to the file
    /// "stdout"; returns its exit status.
    int run(const std::string& arguments) {
        const std::string command = "cd " + quoted(m_dir) + " && LC_ALL=C '" VELB_BATCH "' " + arguments + " >" +
                                    quoted(m_dir / "stdout") + " 2>" + quoted(m_dir / "stderr");
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string output(const fs::path& name) const { return contents(m_dir / name); }
    static std::string golden(const fs::path& name) { return contents(fs::path(VELB_GOLDEN) / name); }

    // A folder of its own, so that two runs of the suite side by side never share one.
    const fs::path m_dir = fs::temp_directory_path() / ("velb-batch-" + std::to_string(std::random_device{}()));
};

} // namespace velb::testing
