#!/usr/bin/env bash
# Times a whole velb-batch job on the three generated scripts against iconv doing the same
# amount of code page conversion in the same run, so that both figures come from one machine
# in one state; prints the time ratio (target <= 1.0) and peak memory against the input size
# (target <= 2.6), and the time of the same job with --strings against it. Each timing is the best of three runs, after one untimed run that fills the
# page cache and produces the output whose size the iconv baseline encodes.
#
# Usage: bench/run_batch_bench.sh [DATA_DIRECTORY]   (default: bench/data, generated when missing)
set -euo pipefail

data_argument=${1:-}
# shellcheck source=bench/prepare.sh
source "$(dirname "$0")/prepare.sh" velb-batch
runs=3
velb=$source_dir/build/release/batch/velb-batch

# Prints "seconds peak_kb" for a command: the least time of $runs runs and the largest peak,
# so neither figure flatters.
measure() {
    local best="" peak=0 seconds kb
    for ((i = 0; i < runs; i++)); do
        /usr/bin/time -f '%e %M' -o "$work/time" "$@" >/dev/null 2>"$work/stderr" ||
            { cat "$work/stderr" >&2; return 1; }
        read -r seconds kb <"$work/time"
        if [[ -z $best ]] || awk -v a="$seconds" -v b="$best" 'BEGIN { exit !(a < b) }'; then best=$seconds; fi
        ((kb > peak)) && peak=$kb
    done
    echo "$best $peak"
}

# A locale with no legacy charset makes velb-batch read and write CP950, as iconv is told to.
velb_job=(env LC_ALL=C "$velb" "${inputs[@]}" "$work/out.rc")
# The same job carrying strings in the changed dialogs, the menus and the string tables.
strings_job=(env LC_ALL=C "$velb" --strings "${inputs[@]}" "$work/strings.rc")
# shellcheck disable=SC2016 # the inner shell expands its own arguments
iconv_job=(bash -c 'for input in "${@:1:3}"; do iconv -f CP950 -t UTF-16LE "$input"; done
                    iconv -f UTF-16LE -t CP950 "$4"' iconv "${inputs[@]}" "$work/output.utf16")

"${velb_job[@]}" >/dev/null 2>"$work/stderr" || { cat "$work/stderr" >&2; exit 1; }
iconv -f CP950 -t UTF-16LE "$work/out_已翻譯.rc" >"$work/output.utf16"

iconv_figures=$(measure "${iconv_job[@]}")
velb_figures=$(measure "${velb_job[@]}")
strings_figures=$(measure "${strings_job[@]}")
read -r strings_seconds strings_kb <<<"$strings_figures"
read -r iconv_seconds _ <<<"$iconv_figures"
read -r velb_seconds velb_kb <<<"$velb_figures"
input_bytes=$(stat -c %s "${inputs[@]}" | awk '{ total += $1 } END { print total }')
output_bytes=$(stat -c %s "$work/out_已翻譯.rc")

awk -v iconv="$iconv_seconds" -v velb="$velb_seconds" -v kb="$velb_kb" -v input="$input_bytes" \
    -v output="$output_bytes" -v strings="$strings_seconds" -v strings_kb="$strings_kb" 'BEGIN {
    printf "inputs           %.1f MB (3 scripts); iconv encodes %.1f MB of output\n", input / 1e6, output / 1e6
    printf "iconv            %.2f s\n", iconv
    printf "velb-batch       %.2f s\n", velb
    printf "time ratio       %.2f (target <= 1.0)\n", velb / iconv
    printf "peak RSS         %.1f MB\n", kb * 1024 / 1e6
    printf "memory ratio     %.2f (target <= 2.6)\n", kb * 1024 / input
    printf "--strings        %.2f s, %.2f times the run without it (target <= 1.5), peak RSS %.1f MB\n",
           strings, strings / velb, strings_kb * 1024 / 1e6
}'
