#!/usr/bin/env bash
# Builds the .deb from the configured build tree into a private folder, unpacks it there and
# checks what an installation gets: the files, the control fields, valid desktop and
# AppStream metadata, and a companion that runs from the unpacked tree.
# Usage: package_test.sh CPACK CPACK_CONFIG
set -euo pipefail

cpack=$1
config=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/tallyglyph-package.XXXXXX")
trap 'rm -rf "$work"' EXIT

fail() {
    echo "package test: $*" >&2
    exit 1
}

if ! "$cpack" --config "$config" -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    fail "cpack failed"
fi
debs=("$work"/out/*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    fail "expected one .deb, found: ${debs[*]}"
fi
deb=${debs[0]}
[ "$(basename "$deb")" = "tallyglyph_1.00_$(dpkg --print-architecture).deb" ] ||
    fail "unexpected file name $(basename "$deb")"

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = tallyglyph ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = 1.00 ] || fail "Version is '$(field Version)'"
[ "$(field Maintainer)" = "Tallyglyph developers" ] || fail "Maintainer is '$(field Maintainer)'"
depends=$(field Depends)
# Releases rename libraries (Debian 13 adds "t64"), so a Qt library may carry a suffix.
for package in libqt6widgets6 libqt6gui6 libqt6core6; do
    grep -Eq "(^|, )$package[a-z0-9]*( |,|$)" <<<"$depends" || fail "Depends lacks $package: $depends"
done
for package in qt6-qpa-plugins fonts-liberation; do
    grep -Eq "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package: $depends"
done

root=$work/root
dpkg -x "$deb" "$root"
expected="usr/bin/tallyglyph
usr/bin/tallyglyph-cli
usr/share/applications/tallyglyph.desktop
usr/share/icons/hicolor/128x128/apps/tallyglyph.png
usr/share/icons/hicolor/16x16/apps/tallyglyph.png
usr/share/icons/hicolor/24x24/apps/tallyglyph.png
usr/share/icons/hicolor/256x256/apps/tallyglyph.png
usr/share/icons/hicolor/32x32/apps/tallyglyph.png
usr/share/icons/hicolor/48x48/apps/tallyglyph.png
usr/share/icons/hicolor/64x64/apps/tallyglyph.png
usr/share/man/man1/tallyglyph-cli.1.gz
usr/share/metainfo/tallyglyph.metainfo.xml"
actual=$(cd "$root" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
[ "$actual" = "$expected" ] || fail "installed files differ:
$(diff <(echo "$expected") <(echo "$actual") || true)"

for program in tallyglyph tallyglyph-cli; do
    [ -x "$root/usr/bin/$program" ] || fail "$program is not executable"
    ! ldd "$root/usr/bin/$program" | grep -q "not found" || fail "$program lacks libraries"
done
cmp -s "$root/usr/share/icons/hicolor/32x32/apps/tallyglyph.png" \
    "$(dirname "$0")/../../assets/icon.png" || fail "32x32 icon is not assets/icon.png"
cmp -s "$root/usr/share/icons/hicolor/128x128/apps/tallyglyph.png" \
    "$(dirname "$0")/../../assets/icon-128.png" || fail "128x128 icon is not assets/icon-128.png"
for size in 16 24 48 64 256; do
    cmp -s "$root/usr/share/icons/hicolor/${size}x${size}/apps/tallyglyph.png" \
        "$(dirname "$0")/../../assets/icon-$size.png" || fail "${size}x$size icon is not assets/icon-$size.png"
done

desktop-file-validate "$root/usr/share/applications/tallyglyph.desktop" ||
    fail "the desktop entry is not valid"
# The component is named after the program, as its file name is; there is no domain to
# give it a reverse-DNS name.
appstreamcli validate --no-net --override=cid-desktopapp-is-not-rdns=info \
    "$root/usr/share/metainfo/tallyglyph.metainfo.xml" >"$work/appstream.log" 2>&1 ||
    { cat "$work/appstream.log" >&2; fail "the AppStream metadata is not valid"; }
grep -q '<release version="1.00"' "$root/usr/share/metainfo/tallyglyph.metainfo.xml" ||
    fail "the AppStream metadata lacks release 1.00"
gzip -dc "$root/usr/share/man/man1/tallyglyph-cli.1.gz" | grep -q '^\.TH TALLYGLYPH-CLI 1 ' ||
    fail "the manual page is not a section 1 page for tallyglyph-cli"

line=$("$root/usr/bin/tallyglyph-cli" encode Sit Shake) || fail "the companion failed to run"
[ "$line" = 'set kv_emoteControl "2097153"' ] || fail "the companion printed '$line'"
echo "package test: $(basename "$deb") is complete"
