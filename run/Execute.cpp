#include "Execute.h"

#include "ChangeDescription.h"
#include "ErrorMessages.h"
#include "OutputWriter.h"
#include "ReplacementJob.h"
#include "Report.h"
#include "ScriptReader.h"

#include <array>
#include <new>

namespace velb {

namespace {

constexpr std::u16string_view kReady = u"就緒...";
constexpr std::u16string_view kReadingScript = u"讀取資源檔...";
constexpr std::u16string_view kAnalysing = u"進行資源檔分析...";
constexpr std::u16string_view kSaving = u"完成替換，儲存中...";
constexpr std::u16string_view kDone = u"工作完成...";
constexpr std::u16string_view kOutOfMemory = u"記憶體不足，無法完成這次工作。";
constexpr std::array kBars = {Bar::OldEnglish, Bar::OldChinese, Bar::NewEnglish, Bar::Matching};

struct FieldCheck {
    PathField field;
    std::u16string_view emptyMessage;
};
constexpr std::array kFieldChecks = {
    FieldCheck{PathField::OldEnglish, u"您未指定【舊版英文】資料!"},
    FieldCheck{PathField::OldChinese, u"您未指定【舊版中文】資料!"},
    FieldCheck{PathField::NewEnglish, u"您未指定【新版英文】資料!"},
    FieldCheck{PathField::Output, u"您未提供【新版中文】資料!"},
};

void zeroBars(RunView& view) {
    for (const Bar bar : kBars)
        view.setBarPosition(bar, 0);
}

// Reports the first empty path field; true when all four are filled.
bool validate(RunView& view) {
    for (const FieldCheck& check : kFieldChecks) {
        if (view.readPath(check.field).empty()) {
            view.showError(check.emptyMessage);
            return false;
        }
    }
    return true;
}

// Everything from reading the first script to writing the report. Each input is taken from
// the view at the moment the run needs it: a script's path as its reading begins, the output
// mode as matching begins, the output path and the report option when they are written.
void runJob(ReplacementJob& job, RunView& view, FileSystem& files, const CodePage& codePage, const RunExtras& extras,
            RunOutcome& outcome) {
    // Returns the script as the changes file names it: by the path it was read from.
    auto read = [&](LoadedScript& into, PathField field, const ScriptReading& reading) {
        const std::filesystem::path path = view.readPath(field);
        ReadScript(into, path, reading, view, files, codePage, extras.headers);
        return displayName(path);
    };
    const std::u16string oldEnglishName =
        read(job.oldEnglish, PathField::OldEnglish, {Bar::OldEnglish, u"進行資源檔案分析..."});
    view.setStatus(kReadingScript);
    const std::u16string oldChineseName = read(job.oldChinese, PathField::OldChinese, {Bar::OldChinese, kAnalysing});
    view.setStatus(kReadingScript);
    const std::u16string newEnglishName = read(job.newEnglish, PathField::NewEnglish, {Bar::NewEnglish, kAnalysing});
    view.setStatus(kReady);
    // A script of today's header forms gives the window's rule no dialog at all; what it
    // passed over lets velb-batch tell the user.
    if (extras.headers == HeaderRule::FixedImpure) {
        const std::array scripts = {&job.oldEnglish, &job.oldChinese, &job.newEnglish};
        for (std::size_t i = 0; i < scripts.size(); ++i) {
            if (scripts[i]->dialogs.empty())
                outcome.otherFormHeaders[i] = countOtherFormHeaders(scripts[i]->script);
        }
    }

    const OutputMode mode = view.readOutputMode();
    job.match = MatchDialogs(job.oldEnglish.dialogs, job.oldChinese.dialogs, job.newEnglish.dialogs, mode,
                             extras.carrying, view);
    if (extras.carrying == Carrying::Strings)
        job.match.outside = carryOutsideDialogs(job.oldEnglish, job.oldChinese, job.newEnglish);
    outcome.unreplacedList = job.match.unreplacedList;
    if (extras.describeChanges) {
        outcome.changes = DescribeChanges({job.oldEnglish, oldEnglishName}, {job.oldChinese, oldChineseName},
                                          {job.newEnglish, newEnglishName}, job.match);
    }

    view.setStatus(kSaving);
    writeOutput(job.newEnglish, job.match, view.readPath(PathField::Output), files, outcome.written, codePage);
    if (view.readReportOption()) {
        outcome.written.push_back(writeReport(static_cast<int>(job.oldEnglish.dialogs.size()),
                                              static_cast<int>(job.oldChinese.dialogs.size()), job.match.unreplacedList,
                                              files, codePage));
    }
}

} // namespace

RunOutcome Execute(RunView& view, FileSystem& files, const CodePage& codePage, const RunExtras& extras) {
    RunOutcome outcome;
    view.setExecuteAndExitEnabled(false);
    view.clearUnreplacedList();
    zeroBars(view);
    if (!validate(view)) {
        view.setExecuteAndExitEnabled(true);
        outcome.kind = RunOutcome::Kind::Invalid;
        return outcome;
    }

    try {
        ReplacementJob job;
        runJob(job, view, files, codePage, extras, outcome);
        view.setStatus(kDone);
        view.showCompletion();
    } catch (const RunStopped&) {
        outcome.kind = RunOutcome::Kind::Stopped;
        return outcome;
    } catch (const FileError& error) {
        // Nothing more is written; the window goes back to Ready.
        view.showError(fileErrorMessage(error));
        outcome.kind = RunOutcome::Kind::Failed;
    } catch (const std::bad_alloc&) {
        // Scripts too large for this machine: the same way back, with its own words.
        view.showError(kOutOfMemory);
        outcome.kind = RunOutcome::Kind::Failed;
    }
    view.setExecuteAndExitEnabled(true);
    zeroBars(view);
    view.setStatus(kReady);
    return outcome;
}

} // namespace velb
