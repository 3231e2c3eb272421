#!/usr/bin/env bash
# Retakes the pictures under docs/ that README.md and the user guide show,
# from the screenshots the end-to-end tests saved in build/screenshots
# (`make pictures` runs the tests first). Without time stamps, so that the
# same screenshot gives the same file.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
for picture in "$root"/docs/*.png; do
    name=$(basename "$picture" .png)
    convert-im6.q16 "$root/build/screenshots/$name.bmp" -strip "$picture"
    echo "docs/$name.png"
done
