#include "Execute.h"

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

// Everything from reading the first script to writing the report.
void runJob(ReplacementJob& job, RunView& view, FileSystem& files, RunOutcome& outcome) {
    ReadScript(job.oldEnglish, {PathField::OldEnglish, Bar::OldEnglish, std::nullopt, u"進行資源檔案分析..."}, view,
               files);
    ReadScript(job.oldChinese, {PathField::OldChinese, Bar::OldChinese, kReadingScript, u"進行資源檔分析..."}, view,
               files);
    ReadScript(job.newEnglish, {PathField::NewEnglish, Bar::NewEnglish, kReadingScript, u"進行資源檔分析..."}, view,
               files);
    view.setStatus(kReady);

    job.match = MatchDialogs(job.oldEnglish.dialogs, job.oldChinese.dialogs, job.newEnglish.dialogs, view);
    outcome.unreplacedList = job.match.unreplacedList;

    view.setStatus(kSaving);
    outcome.written = WriteOutput(job.newEnglish, job.match, view.readPath(PathField::Output), files);
    if (view.readReportOption()) {
        outcome.written.push_back(WriteReport(static_cast<int>(job.oldEnglish.dialogs.size()),
                                              static_cast<int>(job.oldChinese.dialogs.size()), job.match.unreplacedList,
                                              files));
    }
}

} // namespace

RunOutcome Execute(RunView& view, FileSystem& files) {
    RunOutcome outcome;
    view.setExecuteAndExitEnabled(false);
    view.setUnreplacedList({});
    zeroBars(view);
    if (!validate(view)) {
        view.setExecuteAndExitEnabled(true);
        outcome.kind = RunOutcome::Kind::Invalid;
        return outcome;
    }

    // The job outlives the error box: the view may still show the job's unreplaced list.
    ReplacementJob job;
    try {
        runJob(job, view, files, outcome);
        view.setStatus(kDone);
        view.showCompletion();
    } catch (const RunStopped&) {
        outcome.kind = RunOutcome::Kind::Stopped;
        return outcome;
    } catch (const FileError& error) {
        // Nothing more is written; the window goes back to Ready.
        view.showError(FileErrorMessage(error));
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
