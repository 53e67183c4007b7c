#pragma once
// A program stopped by a signal (Ctrl+C, a terminal closed, a kill) while it writes a file
// first removes the temporary file it was writing, then ends with 128 + the signal's number,
// so that no half-written file is left under any name.

namespace velb {

/// Installs the handlers for SIGINT and SIGTERM (and SIGHUP where there is one), and makes a
/// write past the file-size limit an ordinary write error instead of a signal.
void stopCleanlyOnSignals();

} // namespace velb
