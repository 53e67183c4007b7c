# Sourced by the bench scripts: builds the release targets named as arguments, makes sure the
# three generated scripts exist and are no older than the generator, and leaves in
# `source_dir`, `data`, `inputs` and `work` (a temporary folder, removed on exit, that is the
# current directory: the programs write their report there).
#
# Expects `data_argument` to hold the script's optional DATA_DIRECTORY argument.

source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
data=$(realpath -m "${data_argument:-$source_dir/bench/data}")

(cd "$source_dir" && cmake --preset release >/dev/null && cmake --build --preset release --target "$@")

inputs=("$data/old_en.rc" "$data/old_zh.rc" "$data/new_en.rc")
for input in "${inputs[@]}"; do
    if [[ ! -f $input || $input -ot $source_dir/bench/generate_scripts.py ]]; then
        python3 "$source_dir/bench/generate_scripts.py" "$data"
        break
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
