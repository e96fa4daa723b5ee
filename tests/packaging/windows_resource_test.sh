#!/usr/bin/env bash
# Compiles the Windows resource script with the MinGW resource compiler and
# checks what a Windows program file would carry: the version record with file
# and product version in Japanese, and the icon group of a 32 and a 16 pixel
# 16-colour image.
#
#   windows_resource_test.sh RC_FILE VERSION
set -euo pipefail

rc_file=$1
version=$2

windres=$(command -v x86_64-w64-mingw32-windres) || {
    echo "x86_64-w64-mingw32-windres not found (Debian: binutils-mingw-w64-x86-64)" >&2
    exit 1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# windres would run the MinGW C compiler to preprocess; the script includes no
# header, so the host's preprocessor does the same job.
"$windres" --preprocessor=cpp -i "$rc_file" -O res -o "$work/tekuran.res"

# windres reads the binary back into script form: what it shows is what the
# compiled resource holds.
"$windres" -i "$work/tekuran.res" -O rc -o "$work/decompiled.rc"
decompiled=$(tr -d '\r' <"$work/decompiled.rc")

IFS=. read -r major minor <<<"$version"
numeric="$major, $((10#$minor)), 0, 0"

expect_line() { # description, fixed string
    grep -qF -- "$2" <<<"$decompiled" || fail "$1: no line with '$2'"
}
expect_line "numeric file version" "FILEVERSION $numeric"
expect_line "numeric product version" "PRODUCTVERSION $numeric"
expect_line "Japanese string block in code page 1200" 'BLOCK "041104B0"'
expect_line "file version string" "VALUE \"FileVersion\", \"$version\""
expect_line "product version string" "VALUE \"ProductVersion\", \"$version\""
expect_line "translation: Japanese, code page 1200" 'VALUE "Translation", 0x411, 1200'
expect_line "product name テク・ラン in UTF-16" 'VALUE "ProductName", L"\x30c6\x30af\x30fb\x30e9\x30f3"'

# Every resource is tagged Japanese (LANG_JAPANESE 0x11, SUBLANG_DEFAULT 1).
languages=$(grep -E '^LANGUAGE ' <<<"$decompiled" | sort -u)
[ "$languages" = "LANGUAGE 17, 1" ] || fail "resource languages are '$languages', not only Japanese (LANGUAGE 17, 1)"

# The icon group lists two images; each is stored as its own icon resource.
grep -q '^1 14 /\* RT_GROUP_ICON \*/' <<<"$decompiled" || fail "no icon group with id 1"
grep -q 'Has 2 elements' <<<"$decompiled" || fail "the icon group does not list 2 images"
icons=$(grep -c '^[0-9]* 3 /\* RT_ICON \*/' <<<"$decompiled" || true)
[ "$icons" -eq 2 ] || fail "$icons icon images, expected 2"

# The raw bytes as Windows' version API reads them: each key followed, after
# its padding, by the UTF-16LE value.
utf16() { printf '%s' "$1" | iconv -f UTF-8 -t UTF-16LE | od -An -v -tx1 | tr -d ' \n'; }
raw=$(od -An -v -tx1 "$work/tekuran.res" | tr -d ' \n')
for key in FileVersion ProductVersion; do
    pattern="$(utf16 "$key")0000(0000)?$(utf16 "$version")0000"
    grep -qE "$pattern" <<<"$raw" || fail "no UTF-16LE $key = $version in the compiled resource"
done

# The group directory names each image's size and colour depth: a 32 and a 16
# pixel entry with 16 colours, 1 plane and 4 bits a pixel (GRPICONDIRENTRY).
for size in 20 10; do
    grep -qE "${size}${size}100001000400" <<<"$raw" || fail "no ${size}h-pixel 16-colour 4-bit entry in the icon group"
done

if [ "$failures" -ne 0 ]; then
    echo "--- decompiled resource ---" >&2
    grep -v '^ *0x\|^ *"' "$work/decompiled.rc" >&2 || true
    exit 1
fi
echo "resource script compiles; version $version and the 32/16 px icon group are present"
