#!/usr/bin/env bash
# Rebuilds data/kaliyuga_years.sql from the program's own ephemeris.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
build="$root/build-kaliyuga"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target generate_kaliyuga_years
"$build/generate_kaliyuga_years" "$root/data/kaliyuga_years.sql.new"
mv "$root/data/kaliyuga_years.sql.new" "$root/data/kaliyuga_years.sql"
