#pragma once
// Expected text kept as a file under tests/data rather than in test code. With
// VELB_UPDATE_GOLDEN=1 in the environment the file is written from what the test saw instead,
// and the change is read in `git diff` before it is committed, so a typo still fails.

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ranges>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

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

inline std::string utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

/// The text with slashes for backslashes, and each of the paths in it, so written, as its name.
inline std::string withPathsNamed(std::string text, std::initializer_list<std::pair<std::string, const char*>> paths) {
    std::ranges::replace(text, '\\', '/');
    for (auto [path, name] : paths) {
        std::ranges::replace(path, '\\', '/');
        for (std::size_t at; !path.empty() && (at = text.find(path)) != std::string::npos;)
            text.replace(at, path.size(), name);
    }
    return text;
}

/// The rows of a table of cases under tests/data: one a line, its columns parted by " | ", with
/// blank lines and lines opening with # left out.
inline std::vector<std::vector<std::string>> tableRows(const std::filesystem::path& file) {
    std::vector<std::vector<std::string>> rows;
    std::ifstream in(file, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line.front() == '#')
            continue;
        auto& row = rows.emplace_back();
        for (const auto column : std::views::split(line, std::string_view(" | ")))
            row.emplace_back(column.begin(), column.end());
    }
    return rows;
}

/// UTF-8 text as UTF-16.
inline std::u16string utf16(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end())).u16string();
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
