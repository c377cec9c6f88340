#!/usr/bin/env bash
# Builds the two .debs from the configured build tree into a private folder and checks what
# each installation would get, without installing: the files, the control fields and
# dependencies, lintian's verdict, valid desktop and AppStream metadata, and a companion
# that runs from its unpacked tree.
# Usage: debian_packages_test.sh CPACK CPACK_CONFIG
set -euo pipefail

cpack=$1
config=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/tallyglyph-package.XXXXXX")
trap 'rm -rf "$work"' EXIT
app_id=org.tallyglyph.Tallyglyph
arch=$(dpkg --print-architecture)
version=${TALLYGLYPH_VERSION:?the project version, set by CTest}

fail() {
    echo "package test: $*" >&2
    exit 1
}

if ! "$cpack" --config "$config" -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    fail "cpack failed"
fi
cli_deb=$work/out/tallyglyph-cli_${version}_$arch.deb
window_deb=$work/out/tallyglyph_${version}_$arch.deb
debs=$(cd "$work/out" && ls -- *.deb | LC_ALL=C sort | tr '\n' ' ')
[ "$debs" = "tallyglyph-cli_${version}_$arch.deb tallyglyph_${version}_$arch.deb " ] ||
    fail "expected the two packages, found: $debs"

field() { dpkg-deb --field "$1" "$2"; }
for deb in "$cli_deb" "$window_deb"; do
    [ "$(field "$deb" Version)" = "$version" ] || fail "$deb: Version is '$(field "$deb" Version)'"
    [ "$(field "$deb" Section)" = utils ] || fail "$deb: Section is '$(field "$deb" Section)'"
    field "$deb" Maintainer | grep -Eq '^[^<>]+ <[^<>@ ]+@[^<>@ ]+>$' ||
        fail "$deb: Maintainer is '$(field "$deb" Maintainer)'"
done

# Each dependency on its own line, with its version constraint dropped.
dependencies() { field "$1" Depends | sed 's/ *([^)]*)//g; s/, */\n/g'; }
cli_depends=$(dependencies "$cli_deb")
grep -Eq '^libstdc\+\+6' <<<"$cli_depends" || fail "the companion lacks the C++ run-time: $cli_depends"
! grep -Eq '^(libqt|libx|libgl|fonts-)' <<<"$cli_depends" ||
    fail "the companion depends on graphical libraries: $cli_depends"
window_depends=$(dependencies "$window_deb")
# Releases rename libraries (Debian 13 adds "t64"), so a Qt library may carry a suffix.
for library in libqt6widgets6 libqt6gui6 libqt6core6; do
    grep -Eq "^$library[a-z0-9]*$" <<<"$window_depends" ||
        fail "the window lacks $library: $window_depends"
done
grep -Fxq 'fonts-liberation | fonts-liberation2' <<<"$window_depends" ||
    fail "the window lacks its font: $window_depends"
[ "$(field "$window_deb" Recommends)" = qt6-wayland ] ||
    fail "the window does not recommend qt6-wayland: $(field "$window_deb" Recommends)"
! grep -q '^qt6-qpa-plugins' <<<"$window_depends" ||
    fail "the window depends on qt6-qpa-plugins, which holds no plugin it uses"

files_in() { dpkg-deb --contents "$1" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./||' | LC_ALL=C sort; }
expect_files() {
    local deb=$1 expected=$2 actual
    actual=$(files_in "$deb")
    [ "$actual" = "$expected" ] || fail "$(basename "$deb") holds other files:
$(diff <(echo "$expected") <(echo "$actual") || true)"
}
expect_files "$cli_deb" "usr/bin/tallyglyph-cli
usr/share/doc/tallyglyph-cli/changelog.gz
usr/share/doc/tallyglyph-cli/copyright
usr/share/man/man1/tallyglyph-cli.1.gz"
expect_files "$window_deb" "usr/bin/tallyglyph
usr/share/applications/$app_id.desktop
usr/share/doc/tallyglyph/changelog.gz
usr/share/doc/tallyglyph/copyright
usr/share/icons/hicolor/128x128/apps/$app_id.png
usr/share/icons/hicolor/16x16/apps/$app_id.png
usr/share/icons/hicolor/24x24/apps/$app_id.png
usr/share/icons/hicolor/256x256/apps/$app_id.png
usr/share/icons/hicolor/32x32/apps/$app_id.png
usr/share/icons/hicolor/48x48/apps/$app_id.png
usr/share/icons/hicolor/64x64/apps/$app_id.png
usr/share/man/man1/tallyglyph.1.gz
usr/share/metainfo/$app_id.metainfo.xml"

lintian --pedantic --fail-on error,warning \
    "$cli_deb" "$window_deb" >"$work/lintian.log" 2>&1 ||
    { cat "$work/lintian.log" >&2; fail "lintian reports errors or warnings"; }

root=$work/root
dpkg -x "$cli_deb" "$root"
dpkg -x "$window_deb" "$root"
for program in tallyglyph tallyglyph-cli; do
    [ -x "$root/usr/bin/$program" ] || fail "$program is not executable"
    ! ldd "$root/usr/bin/$program" | grep -q "not found" || fail "$program lacks libraries"
done
assets=$(dirname "$0")/../../assets
for size in 16 24 32 48 64 128 256; do
    icon=$assets/icon-$size.png
    [ "$size" = 32 ] && icon=$assets/icon.png
    cmp -s "$root/usr/share/icons/hicolor/${size}x$size/apps/$app_id.png" "$icon" ||
        fail "the ${size}x$size icon is not $(basename "$icon")"
done
for package in tallyglyph tallyglyph-cli; do
    grep -q '^License: Expat' "$root/usr/share/doc/$package/copyright" ||
        fail "the copyright file of $package names no licence"
    gzip -dc "$root/usr/share/doc/$package/changelog.gz" | grep -q "^$package (${version//./\\.}) " ||
        fail "the changelog of $package does not open with version $version"
done

desktop-file-validate "$root/usr/share/applications/$app_id.desktop" ||
    fail "the desktop entry is not valid"
appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml" \
    >"$work/appstream.log" 2>&1 ||
    { cat "$work/appstream.log" >&2; fail "the AppStream metadata is not valid"; }
grep -qF "<release version=\"$version\"" "$root/usr/share/metainfo/$app_id.metainfo.xml" ||
    fail "the AppStream metadata lacks release $version"
for page in tallyglyph tallyglyph-cli; do
    gzip -dc "$root/usr/share/man/man1/$page.1.gz" |
        grep -Eq "^\.TH ${page^^} 1 \"[0-9]{4}-[0-9]{2}-[0-9]{2}\" \"$page ${version//./\\.}\"" ||
        fail "the manual page of $page is not a dated section 1 page of version $version"
done

line=$("$root/usr/bin/tallyglyph-cli" encode Sit Shake) || fail "the companion failed to run"
[ "$line" = 'set kv_emoteControl "2097153"' ] || fail "the companion printed '$line'"
echo "package test: $debs are complete"
