#!/bin/sh
# Takes the screenshots of the documentation into docs/ on Qt's offscreen
# platform, on a screen of 1024 x 768 pixels at 96 dots to the inch.
#   tools/screenshots.sh [build folder]
set -e
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
cmake --build "$build" --target jd_screenshots
config=$(mktemp)
trap 'rm -f "$config"' EXIT
cat > "$config" <<'JSON'
{ "screens": [ { "name": "screen", "x": 0, "y": 0, "width": 1024, "height": 768,
                 "logicalDpi": 96, "logicalBaseDpi": 96 } ] }
JSON
QT_QPA_PLATFORM="offscreen:configfile=$config" "$build/bin/jd_screenshots" "$here/docs"
