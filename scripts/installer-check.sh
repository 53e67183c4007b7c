#!/usr/bin/env bash
# Tries the Windows setup program that `cpack --preset windows` made, under Wine in a prefix of
# its own: installs it silently for the user and then for every user, checks the files, the
# Start-menu shortcut and the uninstall entry, runs the installed velb-batch, uninstalls
# silently and checks that nothing of it is left.
set -euo pipefail
cd "$(dirname "$0")/.."

setup=$(echo "$PWD"/build/windows/velbrix-*-setup.exe)
version=$(grep -oP 'project\(Velbrix VERSION \K[0-9.]+' CMakeLists.txt)
WINEPREFIX=$(mktemp -d)
export WINEPREFIX WINEDEBUG=-all
trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
wineboot -i >/dev/null 2>&1
wineserver -w

# What Wine prints ends its lines with CR.
say() { wine cmd /c echo "$1" | tr -d '\r"'; }
entry() { wine reg query "$key" /v "$1" | tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z]* *//p"; }
expect() {
    [ "$2" = "$3" ] || { echo "$1: expected [$3], found [$2]" >&2; exit 1; }
}
# The uninstaller runs from a copy in the temporary folder, which Windows removes when it
# restarts; everything else is compared.
listing() { (cd "$WINEPREFIX/drive_c" && find . | grep -v '^\./users/[^/]*/Temp/' | sort); }

before=$(listing)
for mode in "" /AllUsers; do
    if [ -z "$mode" ]; then
        key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velbrix'
        folder=$(say '%LOCALAPPDATA%\Programs\Velbrix')
        menu=$(say '%APPDATA%\Microsoft\Windows\Start Menu\Programs')
    else
        key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velbrix'
        folder=$(say '%ProgramFiles%\Velbrix')
        menu=$(say '%ProgramData%\Microsoft\Windows\Start Menu\Programs')
    fi
    echo "== install ${mode:-for the user}: $folder"
    wine "$setup" /S $mode
    wineserver -w
    comm -13 <(echo "$before") <(listing)
    wine reg query "$key" | tr -d '\r'

    for file in Velb.exe velb-batch.exe README.txt LICENSE.txt uninstall.exe; do
        [ -f "$(winepath -u "$folder\\$file")" ] || { echo "missing: $folder\\$file" >&2; exit 1; }
    done
    head -1 "$(winepath -u "$folder\\README.txt")" | grep -q $'\r$'
    [ -f "$(winepath -u "$menu\\Velbrix.lnk")" ] || { echo "missing: $menu\\Velbrix.lnk" >&2; exit 1; }
    expect DisplayName "$(entry DisplayName)" Velbrix
    expect DisplayVersion "$(entry DisplayVersion)" "$version"
    expect DisplayIcon "$(entry DisplayIcon)" "$folder\\Velb.exe,0"
    expect UninstallString "$(entry UninstallString)" "\"$folder\\uninstall.exe\"${mode:+ $mode}"
    expect --version "$(wine "$folder\\velb-batch.exe" --version | tr -d '\r')" "velb-batch $version"

    echo "== uninstall ${mode:-for the user}"
    wine "$folder\\uninstall.exe" /S $mode
    wineserver -w
    if ! diff <(echo "$before") <(listing); then
        echo "left after the uninstall: the lines marked >" >&2
        exit 1
    fi
    if wine reg query "$key" >/dev/null 2>&1; then
        echo "left after the uninstall: $key" >&2
        exit 1
    fi
done
echo "installed, run and uninstalled cleanly, for the user and for every user"
