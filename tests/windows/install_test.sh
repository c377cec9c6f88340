#!/usr/bin/env bash
# The installer and the zip of one cpack run, as a user meets them under Wine: the setup
# installs silently into Program Files with the Windows layout and an Apps & features entry,
# the installed companion prints the line, and the silent uninstall leaves no file and no
# registry key of ours.
# Usage: install_test.sh CPACK CPACK_CONFIG
set -euo pipefail
cpack=$1
config=$2
drive_c=${WINEPREFIX:?run under scripts/with-wine}/drive_c
work=$(mktemp -d "${TMPDIR:-/tmp}/tallyglyph-install.XXXXXX")
trap 'rm -rf "$work"' EXIT

fail() {
    echo "install test: $*" >&2
    exit 1
}

"$cpack" --config "$config" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack failed"; }
setup=$work/out/tallyglyph-1.00-win64.exe
zip=$work/out/tallyglyph-1.00-win64.zip
[ -f "$setup" ] && [ -f "$zip" ] || fail "expected the installer and the zip, found: $(ls "$work/out")"
programs="LICENSE.txt README.txt tallyglyph-cli.exe"
zipped=$(cmake -E tar tf "$zip" | grep -v '/$' | sed 's|^tallyglyph-1.00-win64/||' | LC_ALL=C sort | xargs)
[ "$zipped" = "$programs" ] || fail "the zip holds: $zipped"

ours() { find "$drive_c" -iname '*tallyglyph*'; }
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tallyglyph'
vendor_key='HKLM\Software\The Tallyglyph authors'
[ -z "$(ours)" ] || fail "Tallyglyph is already installed"

started=$(date +%s%N)
wine "$setup" /S || fail "the setup failed with status $?"
echo "install test: $(du -k "$setup" | cut -f1) KiB setup installed in" \
    "$((($(date +%s%N) - started) / 1000000)) ms"
folder="$drive_c/Program Files/Tallyglyph"
installed=$(cd "$folder" && ls | LC_ALL=C sort | xargs) || fail "nothing in $folder"
[ "$installed" = "LICENSE.txt README.txt Uninstall.exe tallyglyph-cli.exe" ] || fail "the installation holds: $installed"

wine 'C:\Program Files\Tallyglyph\tallyglyph-cli.exe' encode Sit Shake >"$work/line"
printf 'set kv_emoteControl "2097153"\n' | cmp -s - "$work/line" ||
    fail "the installed companion printed: $(od -c "$work/line")"

entry=$(wine reg query "$uninstall_key") || fail "no Apps & features entry"
for value in 'DisplayName.*Tallyglyph' 'DisplayVersion.*1\.00' 'Publisher.*The Tallyglyph authors' \
    'DisplayIcon.*Uninstall\.exe' 'EstimatedSize.*0x[1-9a-f]'; do
    grep -q "$value" <<<"$entry" || fail "the Apps & features entry lacks $value: $entry"
done

# The uninstaller starts a copy of itself from a temporary folder and returns at once.
wine 'C:\Program Files\Tallyglyph\Uninstall.exe' /S || fail "the uninstall failed with status $?"
for _ in $(seq 1 1200); do
    [ -z "$(ours)" ] && break
    sleep 0.1
done
[ -z "$(ours)" ] || fail "the uninstall left: $(ours)"
for key in "$uninstall_key" "$vendor_key"; do
    ! wine reg query "$key" >/dev/null 2>&1 || fail "the uninstall left $key"
done
echo "install test: installed, ran and uninstalled without a trace"
