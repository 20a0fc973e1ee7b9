#!/usr/bin/env bash
# Rebuilds data/chartsmaster.sql from the rules in chartsmaster_rules.h.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
"${CXX:-c++}" -std=c++20 -O2 -Wall -Wextra -o "$tmp/generate_chartsmaster" "$here/generate_chartsmaster.cpp"
"$tmp/generate_chartsmaster" "$root/data/chartsmaster.sql"
