#!/bin/sh
# Rebuilds data/places.sql from the GeoNames cities that libgeonames carries
# (apt-get install libgeonames-dev) and the system's time-zone database.
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build="${root}/build-atlas"
cmake -S "${root}/tools/atlas" -B "${build}" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "${build}" --target generate_places
"${build}/generate_places" > "${root}/data/places.sql.new"
mv "${root}/data/places.sql.new" "${root}/data/places.sql"
