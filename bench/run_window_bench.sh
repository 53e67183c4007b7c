#!/usr/bin/env bash
# Times a run through the main window (velb-window-bench on Qt's offscreen platform) against
# velb-batch on the same three generated scripts, both writing separate outputs and the report;
# prints the time ratio (target <= 1.3) and the longest time the window went without processing
# its events (target < 50 ms), over the whole run and with the writing of the output left out,
# which processes no events by design. Times are the best of three runs after one untimed run
# that fills the page cache; gaps are the longest seen in any of the three, so none flatters.
#
# Usage: bench/run_window_bench.sh [DATA_DIRECTORY]   (default: bench/data, generated when missing)
set -euo pipefail

data_argument=${1:-}
# shellcheck source=bench/prepare.sh
source "$(dirname "$0")/prepare.sh" velb-window-bench velb-batch
runs=3
velb=$source_dir/build/release/batch/velb-batch
window_bench=$source_dir/build/release/bench/velb-window-bench

# A locale with no legacy charset makes both read and write CP950.
batch_job=(env LC_ALL=C "$velb" "${inputs[@]}" "$work/out.rc")
window_job=(env LC_ALL=C QT_QPA_PLATFORM=offscreen "$window_bench" "${inputs[@]}" "$work/out.rc")

"${batch_job[@]}" >/dev/null 2>"$work/stderr" || { cat "$work/stderr" >&2; exit 1; }

# The least wall time of $runs runs of velb-batch.
batch_seconds=""
for ((i = 0; i < runs; i++)); do
    /usr/bin/time -f '%e' -o "$work/time" "${batch_job[@]}" >/dev/null 2>"$work/stderr" ||
        { cat "$work/stderr" >&2; exit 1; }
    seconds=$(<"$work/time")
    if [[ -z $batch_seconds ]] || awk -v a="$seconds" -v b="$batch_seconds" 'BEGIN { exit !(a < b) }'; then
        batch_seconds=$seconds
    fi
done

# The window bench measures itself, from the click on Execute to its return; its lines of all
# runs are gathered and reduced to the least run time and the longest of each gap.
: >"$work/window"
for ((i = 0; i < runs; i++)); do
    "${window_job[@]}" >>"$work/window" 2>"$work/stderr" || { cat "$work/stderr" >&2; exit 1; }
done

awk -F'\t' -v batch="$batch_seconds" '
    $1 == "run" && (run == "" || $2 + 0 < run) { run = $2 + 0 }
    $1 ~ /^gap/ && (!($1 in ms) || $2 + 0 > ms[$1]) { ms[$1] = $2 + 0; at[$1] = $3; line[$1] = $4; set[$1] = $5 }
    function where(name) {
        return sprintf("at %.2f s, status line 「%s」, run set: %s", at[name], line[name],
                       set[name] == "" ? "nothing" : set[name])
    }
    END {
        printf "velb-batch           %.2f s\n", batch
        printf "window run           %.2f s\n", run
        printf "time ratio           %.2f (target <= 1.3)\n", run / batch
        printf "longest gap          %.1f ms (target < 50), %s\n", ms["gap"], where("gap")
        printf "  without writing    %.1f ms (target < 50), %s\n", ms["gap-before-saving"], where("gap-before-saving")
        printf "  writing the output %.1f ms, %s\n", ms["gap-writing"], where("gap-writing")
    }' "$work/window"
