#include "Execute.h"

#include "ChangeDescription.h"
#include "DecimalText.h"
#include "ErrorMessages.h"
#include "OutputWriter.h"
#include "ReplacementJob.h"
#include "Report.h"
#include "ScriptReader.h"
#include "StatusCaptions.h"

#include <array>
#include <new>
#include <optional>

namespace velb {

namespace {

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

constexpr std::array<ScriptReading, 3> kReadings = {ScriptReading{Bar::OldEnglish, status::kAnalysingFirst},
                                                    ScriptReading{Bar::OldChinese, status::kAnalysing},
                                                    ScriptReading{Bar::NewEnglish, status::kAnalysing}};

// The first script that gave the window's rule no dialog but holds headers of the other forms.
std::optional<std::size_t> firstPassedOver(const RunOutcome& outcome) {
    for (std::size_t i = 0; i < outcome.otherFormHeaders.size(); ++i) {
        if (outcome.otherFormHeaders[i] != 0)
            return i;
    }
    return std::nullopt;
}

std::u16string readEveryFormQuestion(const std::filesystem::path& script, int headerLines) {
    return u"「" + displayName(script.filename()) + u"」中沒有 DIALOG FIXED IMPURE 形式的對話框，但有 " +
           decimalText(headerLines) +
           u" 行是 DIALOG 或 DIALOGEX 形式的對話框標頭。要讀取這些對話框，並逐字串承接翻譯（包括功能表和字串表）嗎？";
}

// Everything from reading the first script to writing the report. Each input is taken from
// the view at the moment the run needs it: a script's path as its reading begins, the output
// mode as matching begins, the output path and the report option when they are written.
void runJob(ReplacementJob& job, RunView& view, FileSystem& files, const CodePage& codePage, RunExtras extras,
            RunOutcome& outcome) {
    const std::array scripts = {&job.oldEnglish, &job.oldChinese, &job.newEnglish};
    constexpr std::array kFields = {PathField::OldEnglish, PathField::OldChinese, PathField::NewEnglish};
    // The scripts as the changes file names them: by the paths they were read from.
    std::array<std::filesystem::path, 3> paths;
    for (std::size_t i = 0; i < scripts.size(); ++i) {
        if (i != 0)
            view.setStatus(status::kReadingScript);
        paths[i] = view.readPath(kFields[i]);
        ReadScript(*scripts[i], paths[i], kReadings[i], view, files, codePage, extras.headers);
    }
    view.setStatus(status::kReady);
    // A script of today's header forms gives the window's rule no dialog at all. What it
    // passed over lets velb-batch tell the user, and the window ask whether to read it.
    if (extras.headers == HeaderRule::FixedImpure) {
        for (std::size_t i = 0; i < scripts.size(); ++i) {
            if (scripts[i]->dialogs.empty())
                outcome.otherFormHeaders[i] = countOtherFormHeaders(scripts[i]->script);
        }
        const std::optional<std::size_t> passedOver = firstPassedOver(outcome);
        if (passedOver && view.askReadEveryHeaderForm(
                              readEveryFormQuestion(paths[*passedOver], outcome.otherFormHeaders[*passedOver]))) {
            // As velb-batch --any-dialog --strings: the scripts are cut again, shown as at first.
            extras.headers = HeaderRule::AnyForm;
            extras.carrying = Carrying::Strings;
            for (std::size_t i = 0; i < scripts.size(); ++i) {
                view.setStatus(kReadings[i].cuttingCaption);
                cutDialogs(*scripts[i], view, extras.headers);
            }
            view.setStatus(status::kReady);
        }
    }

    const OutputMode mode = view.readOutputMode();
    job.match = MatchDialogs(job.oldEnglish.dialogs, job.oldChinese.dialogs, job.newEnglish.dialogs, mode,
                             extras.carrying, view);
    if (extras.carrying == Carrying::Strings)
        job.match.outside = carryOutsideDialogs(job.oldEnglish, job.oldChinese, job.newEnglish);
    outcome.unreplacedList = job.match.unreplacedList;
    if (extras.describeChanges) {
        outcome.changes =
            DescribeChanges({job.oldEnglish, displayName(paths[0])}, {job.oldChinese, displayName(paths[1])},
                            {job.newEnglish, displayName(paths[2])}, job.match);
    }

    view.setStatus(status::kSaving);
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
        outcome.kind = RunOutcome::Kind::Failed;
        return outcome;
    }

    try {
        ReplacementJob job;
        runJob(job, view, files, codePage, extras, outcome);
        view.setStatus(status::kDone);
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
    view.setStatus(status::kReady);
    return outcome;
}

} // namespace velb
