#!/usr/bin/env bash
# Starts the program, or says in one line how to when there is no display to show it on.
set -euo pipefail
program=$1
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found: start the program under a virtual one with 'xvfb-run -a $program'." >&2
    exit 0
fi
exec "$program"
