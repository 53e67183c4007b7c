#include "SignalStop.h"

#include "FileSystem.h"

#include <csignal>
#include <cstdlib>

namespace velb {

namespace {

void stopOnSignal(int signal) {
    discardUnfinishedWrite();
    std::_Exit(128 + signal);
}

} // namespace

void stopCleanlyOnSignals() {
    std::signal(SIGINT, stopOnSignal);
    std::signal(SIGTERM, stopOnSignal);
#ifdef SIGHUP
    std::signal(SIGHUP, stopOnSignal);
#endif
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

} // namespace velb
