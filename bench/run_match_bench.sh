#!/usr/bin/env bash
# Times matching 20,000 dialogs with velb::MatchDialogs and with the nested scan the tests keep
# as reference, on the dialog tables of the generated scripts, and prints the speed-up
# (target >= 100). Both the wall-clock and the CPU figure are given: on a busy machine only the
# second is steady.
#
# Usage: bench/run_match_bench.sh [DATA_DIRECTORY]   (default: bench/data, generated when missing)
set -euo pipefail

data_argument=${1:-}
# shellcheck source=bench/prepare.sh
source "$(dirname "$0")/prepare.sh" velb-match-bench

"$source_dir/build/release/bench/velb-match-bench" --benchmark_out="$work/match.json" --benchmark_out_format=json "$data"

python3 - "$work/match.json" <<'EOF'
import json
import sys

with open(sys.argv[1]) as report:
    runs = {run["name"]: run for run in json.load(report)["benchmarks"]}
if any(run.get("error_occurred") for run in runs.values()):
    sys.exit("a case failed; no speed-up to give")
for clock in ("real_time", "cpu_time"):
    speedup = runs["nestedScan"][clock] / runs["matchDialogs"][clock]
    print(f"speed-up ({clock.replace('_', ' ')}): {speedup:.0f}x (target >= 100)")
EOF
