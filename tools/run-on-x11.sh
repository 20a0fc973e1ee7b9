#!/usr/bin/env bash
# Runs a program on a virtual X server of its own (xvfb-run -a). Exits 77,
# which the test suite counts as skipped, when no X server can start here.
set -u
if ! command -v xvfb-run >/dev/null || ! xvfb-run -a true >/dev/null 2>&1; then
  echo "No X server can start here: skipped." >&2
  exit 77
fi
exec xvfb-run -a "$@"
