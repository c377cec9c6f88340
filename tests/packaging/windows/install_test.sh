#!/usr/bin/env bash
# The installer and the zip of one cpack run, as a user meets them under Wine: the setup
# installs silently into Program Files with an Apps & features entry, the installed companion
# prints the line, and the silent uninstall leaves no file and no registry key of ours.
# Usage: install_test.sh CPACK CPACK_CONFIG
set -euo pipefail
drive_c=${WINEPREFIX:?run under scripts/with-wine}/drive_c
work=$(mktemp -d "${TMPDIR:-/tmp}/tallyglyph-install.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() { echo "install test: $*" >&2; exit 1; }
ours() { find "$drive_c" -iname '*tallyglyph*'; }
listed() { LC_ALL=C sort | xargs; }
name=tallyglyph-${TALLYGLYPH_VERSION:?the project version, set by CTest}-win64

"$1" --config "$2" -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack failed"; }
zipped=$(cmake -E tar tf "$work/$name.zip" | sed -n "s|^$name/\\(.*[^/]\\)\$|\\1|p" | listed)
[ "$zipped" = "LICENSE.txt README.txt tallyglyph-cli.exe tallyglyph.exe" ] ||
    fail "the zip holds: $zipped"
[ -z "$(ours)" ] || fail "Tallyglyph is already installed"

started=$(date +%s%N)
wine "$work/$name.exe" /S || fail "the setup failed with status $?"
echo "install test: the $(du -k "$work/$name.exe" | cut -f1) KiB setup installed" \
    "in $((($(date +%s%N) - started) / 1000000)) ms"
installed=$(ls "$drive_c/Program Files/Tallyglyph" | listed)
[ "$installed" = "LICENSE.txt README.txt Uninstall.exe tallyglyph-cli.exe tallyglyph.exe" ] ||
    fail "installed: $installed"
[ -n "$(find "$drive_c" -path '*Start Menu*' -iname 'Tallyglyph.lnk')" ] ||
    fail "no Start menu shortcut"
[ "$(wine 'C:\Program Files\Tallyglyph\tallyglyph.exe' --version)" = "tallyglyph $TALLYGLYPH_VERSION" ] ||
    fail "the installed window does not answer --version"
wine 'C:\Program Files\Tallyglyph\tallyglyph-cli.exe' encode Sit Shake >"$work/line"
printf 'set kv_emoteControl "2097153"\n' | cmp -s - "$work/line" ||
    fail "printed: $(od -c "$work/line")"
entry=$(wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tallyglyph')
for value in 'DisplayName.*Tallyglyph' "DisplayVersion.*${TALLYGLYPH_VERSION//./\\.}" 'Publisher.*The Tallyglyph authors' \
    'DisplayIcon.*Uninstall\.exe' 'EstimatedSize.*0x[1-9a-f]'; do
    grep -q "$value" <<<"$entry" || fail "the Apps & features entry lacks $value: $entry"
done

# The uninstaller starts a copy of itself from a temporary folder and returns at once.
wine 'C:\Program Files\Tallyglyph\Uninstall.exe' /S || fail "the uninstall failed with status $?"
for _ in $(seq 1200); do [ -z "$(ours)" ] && break; sleep 0.1; done
[ -z "$(ours)" ] || fail "the uninstall left: $(ours)"
for key in 'Microsoft\Windows\CurrentVersion\Uninstall\Tallyglyph' 'The Tallyglyph authors'; do
    ! wine reg query "HKLM\Software\\$key" >/dev/null 2>&1 || fail "the uninstall left the key $key"
done
echo "install test: installed, ran and uninstalled without a trace"
