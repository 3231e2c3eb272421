#!/usr/bin/env bash
# Writes the packages users download, dist/kelvane-<version>-windows-x64.zip
# and -x86.zip, from the programs built in build/win64 and build/win32: each
# holds KLV.exe, klv_hotkeys.exe and user-guide.html, the guide with its
# pictures inside, so that Windows opens it in any browser. The same commit
# gives the same bytes: the programs carry no link time, and every file goes
# in with the same time and mode, in the same order, without extra attributes.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
version=$(head -n1 "$root/VERSION")
stage="$root/build/package"
rm -rf "$stage"
mkdir -p "$stage" "$root/dist"

# The guide from docs/user-guide.md; each picture it shows, a file of docs/,
# becomes a data URI.
guide="$stage/user-guide.html"
{
    printf '<!DOCTYPE html>\n<html lang="en">\n<head>\n<meta charset="utf-8">\n'
    printf '<title>Kelvane %s User Guide</title>\n' "$version"
    printf '<style>body{font-family:Segoe UI,sans-serif;max-width:50em;margin:auto;padding:1em;line-height:1.4}'
    printf 'table{border-collapse:collapse}td,th{border:1px solid #ccc;padding:.2em .5em;vertical-align:top}'
    printf 'code{background:#f3f3f3}</style>\n</head>\n<body>\n'
    cmark-gfm --extension table "$root/docs/user-guide.md"
    printf '</body>\n</html>\n'
} >"$guide"
for picture in $(grep -o 'src="[^"]*"' "$guide" | sed 's/^src="//; s/"$//' | sort -u); do
    [[ $picture =~ ^[A-Za-z0-9_-]+\.png$ ]] || {
        echo "docs/user-guide.md: picture $picture is not a PNG file of docs/" >&2
        exit 1
    }
    data=$(base64 -w0 "$root/docs/$picture")
    sed -i "s|src=\"$picture\"|src=\"data:image/png;base64,$data\"|g" "$guide"
done

for arch in x64:win64 x86:win32; do
    dir="$stage/${arch%%:*}"
    mkdir "$dir"
    cp "$root/build/${arch#*:}/KLV.exe" "$root/build/${arch#*:}/klv_hotkeys.exe" "$guide" "$dir/"
    chmod 0644 "$dir"/*
    touch -d '2026-01-01 00:00:00 UTC' "$dir"/*
    zip="$root/dist/kelvane-$version-windows-${arch%%:*}.zip"
    rm -f "$zip"
    (cd "$dir" && TZ=UTC zip -X -q "$zip" KLV.exe klv_hotkeys.exe user-guide.html)
    echo "$zip"
done
