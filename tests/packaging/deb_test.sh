#!/usr/bin/env bash
# Builds the Debian package from the build tree, unpacks it into a scratch root
# and checks that a desktop finds everything where it looks: the program, its
# menu entry, its icon at every theme size and its AppStream entry, all valid,
# and that the package pulls in Qt's widget libraries and the Japanese font.
#
#   deb_test.sh CPACK CPACK_CONFIG APP_ID VERSION
set -euo pipefail

cpack=$1
config=$2
app_id=$3
version=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

if ! "$cpack" -G DEB --config "$config" -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    echo "FAIL: cpack could not build the package" >&2
    exit 1
fi

# The name the install instructions tell users to type.
deb="$work/out/tekuran_${version}_$(dpkg --print-architecture).deb"
if [ ! -f "$deb" ]; then
    echo "FAIL: no $(basename "$deb"); cpack wrote: $(ls "$work/out")" >&2
    exit 1
fi

# ---- Control file ----

[ "$(dpkg-deb -f "$deb" Package)" = tekuran ] || fail "package name is not tekuran"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 fonts-ipafont-gothic; do
    grep -qE "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package: $depends"
done

# ---- Files, exactly these: anything else is a stray install rule ----

root="$work/root"
dpkg -x "$deb" "$root"
expected=(
    "usr/bin/tekuran"
    "usr/share/applications/$app_id.desktop"
    "usr/share/metainfo/$app_id.metainfo.xml"
)
sizes=(16 32 48 128 256)
for size in "${sizes[@]}"; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
actual=$(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
if [ "$actual" != "$wanted" ]; then
    fail "package files differ from the expected set:"
    diff <(echo "$wanted") <(echo "$actual") >&2 || true
fi

# ---- The program ----

binary="$root/usr/bin/tekuran"
[ -x "$binary" ] || fail "usr/bin/tekuran is not executable"
file -b "$binary" | grep -q '^ELF' || fail "usr/bin/tekuran is not an ELF program: $(file -b "$binary")"

# ---- Menu entry ----

desktop="$root/usr/share/applications/$app_id.desktop"
if [ -f "$desktop" ]; then
    # Hints are allowed: listing both Education and Game earns one on purpose.
    report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate failed: $report"
    if grep -E '(error|warning):' <<<"$report" >&2; then
        fail "desktop-file-validate reports errors or warnings"
    fi
    key() { sed -n "s/^$1=//p" "$desktop" | head -n 1; }
    [ "$(key Name)" = "テク・ラン" ] || fail "menu name is '$(key Name)'"
    [ "$(key Icon)" = "$app_id" ] || fail "Icon= is '$(key Icon)', the theme icon is named $app_id"
    [ -x "$root/usr/bin/$(key Exec)" ] || fail "Exec=$(key Exec) names no installed program"
    for category in Education Game; do
        grep -qE "^Categories=(.*;)?$category;" "$desktop" || fail "not in category $category"
    done
fi

# ---- Icons at their stated sizes ----

for size in "${sizes[@]}"; do
    png="$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    [ -f "$png" ] || continue
    file -b "$png" | grep -q "^PNG image data, $size x $size," ||
        fail "${size}x${size} icon is $(file -b "$png")"
done

# ---- AppStream entry ----

metainfo="$root/usr/share/metainfo/$app_id.metainfo.xml"
if [ -f "$metainfo" ]; then
    report=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli validate failed: $report"
    # The tree check follows the launchable to the .desktop file and the icon.
    report=$(appstreamcli validate-tree --no-net "$root" 2>&1) || fail "appstreamcli validate-tree failed: $report"
    grep -qF "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
        fail "the AppStream entry does not launch $app_id.desktop"
    grep -qE "<release version=\"$version\"" "$metainfo" || fail "the AppStream entry has no release $version"
    grep -qE '<image>https://[^<]+</image>' "$metainfo" || fail "the AppStream entry has no screenshot address"
fi

if [ "$failures" -ne 0 ]; then
    exit 1
fi
echo "$(basename "$deb") installs a valid desktop entry, icons and AppStream entry; Depends: $depends"
