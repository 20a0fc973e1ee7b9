#!/usr/bin/env bash
# Runs a program on a virtual X server of its own (xvfb-run -a). Exits 77,
# which the test suite counts as skipped, when no X server can start here.
# With --window-manager first, openbox runs on that server beside the program
# (JD_WINDOW_MANAGER=1 tells the program to wait for it); skipped where
# openbox is not installed.
set -u
if ! command -v xvfb-run >/dev/null || ! xvfb-run -a true >/dev/null 2>&1; then
  echo "No X server can start here: skipped." >&2
  exit 77
fi
if [ "${1:-}" = "--window-manager" ]; then
  shift
  if ! command -v openbox >/dev/null; then
    echo "No window manager (openbox) here: skipped." >&2
    exit 77
  fi
  export JD_WINDOW_MANAGER=1
  exec xvfb-run -a bash -c 'openbox --sm-disable >/dev/null 2>&1 & wm=$!; "$@"; rc=$?; kill $wm; exit $rc' bash "$@"
fi
exec xvfb-run -a "$@"
