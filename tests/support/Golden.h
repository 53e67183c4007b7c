#pragma once
// Expected text kept as a file under tests/data rather than in test code. With
// VELB_UPDATE_GOLDEN=1 in the environment the file is written from what the test saw instead,
// and the change is read in `git diff` before it is committed, so a typo still fails.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace velb::testing {

inline std::string fileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

/// The file's bytes, to compare with actual; after an update, actual itself.
inline std::string golden(const std::filesystem::path& file, std::string_view actual) {
    if (const char* update = std::getenv("VELB_UPDATE_GOLDEN"); update && std::string_view(update) == "1") {
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << actual;
    }
    return fileBytes(file);
}

/// Lines joined with LF, each ended, as a golden file holds them; a line break inside a line
/// is written as \r or \n.
template <typename Lines> std::string joinedLines(const Lines& lines) {
    std::string text;
    for (const std::string_view line : lines) {
        for (const char c : line)
            text += c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
        text += '\n';
    }
    return text;
}

} // namespace velb::testing
