#pragma once
// A folder of the test's own under the system's temporary folder, which is also the current
// folder (where the report goes) while it exists; removed with everything in it afterwards.

#include "Golden.h"

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace velb::testing {

class TemporaryFolder {
public:
    TemporaryFolder() {
        std::filesystem::create_directories(m_path);
        std::filesystem::current_path(m_path);
    }
    ~TemporaryFolder() {
        std::filesystem::current_path(m_previous);
        std::filesystem::remove_all(m_path);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    /// Removes what is in it.
    void empty() const {
        for (const auto& entry : std::filesystem::directory_iterator(m_path))
            std::filesystem::remove_all(entry.path());
    }
    /// The names of the files in it, sorted, in UTF-8.
    std::vector<std::string> files() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_path))
            names.push_back(utf8(entry.path().filename()));
        std::ranges::sort(names);
        return names;
    }

private:
    // Named at random, so that two runs of the suite side by side never share one.
    std::filesystem::path m_path =
        std::filesystem::temp_directory_path() / ("velb-test-" + std::to_string(std::random_device{}()));
    std::filesystem::path m_previous = std::filesystem::current_path();
};

} // namespace velb::testing
