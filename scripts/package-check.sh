#!/usr/bin/env bash
# Builds the Debian package from the release preset, checks it and the files it describes the
# program with, then installs it on this machine, runs velb-batch from /usr/bin and removes it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh dpkg-dev file lintian desktop-file-utils appstream
cmake --preset release >/dev/null
# Only what the package holds: its tests are run by the other presets.
cmake --build --preset release --target Velb velb-batch
cpack --preset release
version=$(grep -oP 'project\(Velbrix VERSION \K[0-9.]+' CMakeLists.txt)
package=build/release/velbrix_${version}_amd64.deb

desktop-file-validate ui/velb.desktop
appstreamcli validate --no-net ui/*.metainfo.xml
# Software centres tell the version from the metainfo's newest release.
grep -q "<release version=\"$version\"" ui/*.metainfo.xml
# Every warning fails the check too.
lintian --fail-on warning "$package"

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo dpkg -i "$package"
trap '$sudo dpkg -r velbrix' EXIT
/usr/bin/velb-batch --version
work=$(mktemp -d)
(cd "$work" && /usr/bin/velb-batch "$OLDPWD"/examples/{old_en,old_zh,new_en}.rc new.rc)
ls "$work"
