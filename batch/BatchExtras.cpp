#include "BatchExtras.h"

#include "ConsoleText.h"
#include "DecimalText.h"
#include "ErrorMessages.h"

namespace velb {

void tellPassedOverHeaders(const RunOutcome& outcome, const std::array<std::filesystem::path, 3>& scripts) {
    for (std::size_t i = 0; i < scripts.size(); ++i) {
        if (outcome.otherFormHeaders[i] == 0)
            continue;
        writeConsoleText(stderr, u"「" + displayName(scripts[i]) + u"」中沒有 DIALOG FIXED IMPURE 形式的對話框，但有 " +
                                     decimalText(outcome.otherFormHeaders[i]) +
                                     u" 行是其他形式的對話框標頭；加上 --any-dialog 就會讀取這些對話框。\n");
    }
}

bool writeChangesFile(std::u16string_view changes, const std::filesystem::path& path) {
    try {
        // Through a temporary file like every file of the run, so a failure leaves no half of it.
        diskFileSystem().replace(path, toUtf8(changes));
    } catch (const FileError& error) {
        writeConsoleText(stderr, fileErrorMessage(error) + u"\n");
        return false;
    }
    writeConsoleText(stderr, u"已寫入 " + displayName(path) + u"\n");
    return true;
}

} // namespace velb
