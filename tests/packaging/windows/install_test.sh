#!/usr/bin/env bash
# The installer and the zip as a user meets them under Wine. The setup asks for no
# administrator rights and installs silently for the current user (twice, the second replacing
# the first), or with /AllUsers for every user: each with its Apps & features entry, one
# Start-menu shortcut and its folder on that scope's PATH, where a new console finds the
# companion. The silent uninstall leaves no file, registry mention or PATH entry behind.
# A second cpack run, signed with a certificate made here, signs the programs, the installer
# and the uninstaller it installs; the first signs nothing.
# Usage: install_test.sh CPACK CPACK_CONFIG
set -euo pipefail
drive_c=${WINEPREFIX:?run under scripts/with-wine}/drive_c
work=$(mktemp -d "${TMPDIR:-/tmp}/tallyglyph-install.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() { echo "install test: $*" >&2; exit 1; }
ours() { find "$drive_c" -iname '*tallyglyph*'; }
listed() { LC_ALL=C sort | xargs; }
pack() {
    "$cpack" --config "$config" -B "$work/$1" "${@:2}" >"$work/$1.log" 2>&1 ||
        { cat "$work/$1.log" >&2; fail "cpack $1 failed"; }
}
# A registry key's values as "NAME TYPE DATA" lines, sorted.
values() {
    { wine reg query "$@" 2>/dev/null || true; } | tr -d '\r' | sed -n 's/^    //p' |
        sed 's/    / /g' | LC_ALL=C sort
}
mentions() {
    for root in HKCU HKLM; do
        wine reg export "$root" "$work/$root.reg" /y >/dev/null
        iconv -f UTF-16 -t UTF-8 "$work/$root.reg"
    done | grep -i tallyglyph || true
}
verified() { osslsigncode verify -CAfile "$work/cert.pem" "$1" >/dev/null 2>&1; }
cpack=$1 config=$2
name=tallyglyph-${TALLYGLYPH_VERSION:?the project version, set by CTest}-win64
user_environment='HKCU\Environment'
system_environment='HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\Environment'
uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Tallyglyph'

# The packages without a certificate, and signed with one made for the test.
export TALLYGLYPH_SIGN_PASSWORD=test-password
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Tallyglyph test" \
    -addext extendedKeyUsage=codeSigning -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -out "$work/cert.p12" \
    -passout env:TALLYGLYPH_SIGN_PASSWORD
pack plain
pack signed -D TALLYGLYPH_SIGN_CERTIFICATE="$work/cert.p12"
zipped=$(cmake -E tar tf "$work/plain/$name.zip" |
    sed -n "s|^$name/\\(.*[^/]\\)\$|\\1|p" | listed)
[ "$zipped" = "LICENSE.txt README.txt tallyglyph-cli.exe tallyglyph.exe" ] ||
    fail "the zip holds: $zipped"
! verified "$work/plain/$name.exe" || fail "the setup is signed without a certificate"
cmake -E chdir "$work/signed" cmake -E tar xf "$name.zip"
for file in "$name.exe" "$name"/tallyglyph{,-cli}.exe; do
    verified "$work/signed/$file" || fail "osslsigncode does not verify the signed $file"
done

# The PATH a scope's installation should leave: its own with the folder added.
with_folder() { [ -n "$1" ] && echo "$1;$2" || echo "Path REG_EXPAND_SZ $2"; }
user_path=$(values "$user_environment" /v Path)
system_path=$(values "$system_environment" /v Path)
# Installs twice (the second run replacing the first), checks and uninstalls.
# Usage: check_scope PACKAGES FOLDER ROOT [SETUP_OPTION...]
check_scope() {
    local packages=$1 folder=$2 root=$3 options=${*:4}
    local setup=$work/$packages/$name.exe files
    [ -z "$(ours)" ] || fail "Tallyglyph is already installed"
    for _ in 1 2; do
        wine "$setup" /S "${@:4}" || fail "$options: the setup failed with status $?"
    done
    files=$(winepath -u "$folder")
    installed=$(ls "$files" | listed)
    [ "$installed" = "LICENSE.txt README.txt Uninstall.exe tallyglyph-cli.exe tallyglyph.exe" ] ||
        fail "$options: installed into $folder: $installed"
    for program in "$setup" "$files/Uninstall.exe"; do
        grep -aq 'requestedExecutionLevel level="asInvoker"' "$program" ||
            fail "$(basename "$program") asks for administrator rights"
        grep -aq '<dpiAware[^>]*>true</dpiAware>' "$program" ||
            fail "$(basename "$program") is not aware of the screen's scale"
    done
    if [ "$packages" = signed ]; then
        for program in Uninstall.exe tallyglyph.exe tallyglyph-cli.exe; do
            verified "$files/$program" || fail "the installed $program is not signed"
        done
    fi
    shortcuts=$(find "$drive_c" -ipath '*Start Menu*' -iname '*tallyglyph*')
    [[ $shortcuts == */"Start Menu/Programs/Tallyglyph.lnk" ]] ||
        fail "$options: Start menu: $shortcuts"

    size='EstimatedSize REG_DWORD 0x[1-9a-f][0-9a-f]*'
    entry=$(values "$root\\$uninstall_key" | sed "s/^$size\$/EstimatedSize (size)/")
    expected=$(LC_ALL=C sort <<EOF
DisplayIcon REG_SZ $folder\\Uninstall.exe
DisplayName REG_SZ Tallyglyph
DisplayVersion REG_SZ $TALLYGLYPH_VERSION
EstimatedSize (size)
InstallLocation REG_SZ $folder
NoModify REG_DWORD 0x1
NoRepair REG_DWORD 0x1
Publisher REG_SZ The Tallyglyph authors
QuietUninstallString REG_SZ "$folder\\Uninstall.exe" /S
UninstallString REG_SZ "$folder\\Uninstall.exe"
EOF
    )
    [ "$entry" = "$expected" ] ||
        fail "$options: the Apps & features entry differs: $(diff <(echo "$expected") <(echo "$entry"))"
    local want_user=$user_path want_system=$system_path
    if [ "$root" = HKCU ]; then
        want_user=$(with_folder "$user_path" "$folder")
    else
        want_system=$(with_folder "$system_path" "$folder")
    fi
    [ "$(values "$user_environment" /v Path)" = "$want_user" ] &&
        [ "$(values "$system_environment" /v Path)" = "$want_system" ] ||
        fail "$options: PATH is $(values "$user_environment" /v Path) $(values "$system_environment" /v Path)"
    [ "$(wine cmd /c tallyglyph-cli encode Sit Shake)" = 'set kv_emoteControl "2097153"' ] ||
        fail "$options: a new console does not find tallyglyph-cli"
    [ "$(wine "$folder\\tallyglyph.exe" --version)" = "tallyglyph $TALLYGLYPH_VERSION" ] ||
        fail "$options: the installed window does not answer --version"

    # The uninstaller starts a copy of itself from a temporary folder and returns at once.
    wine "$folder\\Uninstall.exe" /S || fail "$options: the uninstall failed with status $?"
    for _ in $(seq 1200); do [ -z "$(ours)" ] && break; sleep 0.1; done
    [ -z "$(ours)" ] || fail "$options: the uninstall left: $(ours)"
    [ -z "$(mentions)" ] || fail "$options: the uninstall left in the registry: $(mentions)"
    [ "$(values "$user_environment" /v Path)" = "$user_path" ] &&
        [ "$(values "$system_environment" /v Path)" = "$system_path" ] ||
        fail "$options: the uninstall changed PATH"
    echo "install test: the $packages setup $options installed twice, ran and uninstalled" \
        "without a trace"
}
check_scope plain "$(wine cmd /c 'echo %LOCALAPPDATA%' | tr -d '\r')\\Programs\\Tallyglyph" HKCU
check_scope signed 'C:\Program Files\Tallyglyph' HKLM /AllUsers
