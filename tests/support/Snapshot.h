#pragma once
// Snapshot files: how a window starts, as text compared whole with its file under tests/data/windows
// (UTF-8, LF line ends). With VELB_UPDATE_SNAPSHOTS=1 the test writes the file instead, to be read in the diff.

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace velb::testing {

/// Whether the file (a path under tests/data/windows) holds text; if not, prints both and where they part.
inline bool matchesSnapshot(const std::string& file, const std::string& text) {
    const std::string path = VELB_TEST_DATA "/windows/" + file;
    if (const char* update = std::getenv("VELB_UPDATE_SNAPSHOTS"); update && update == std::string("1"))
        return std::cout << "Writing the snapshot " << path << '\n' && std::ofstream(path, std::ios::binary) << text;
    std::ostringstream stored;
    stored << std::ifstream(path, std::ios::binary).rdbuf();
    const std::string was = stored.str();
    if (was != text)
        std::cerr << "--- " + path + " (VELB_UPDATE_SNAPSHOTS=1 rewrites it)\n" + was + "--- the window\n" + text
                  << "--- they differ from line "
                  << std::count(was.begin(), std::ranges::mismatch(was, text).in1, '\n') + 1 << '\n';
    return was == text;
}

} // namespace velb::testing
