#!/usr/bin/env bash
# Regenerates the screenshots of the README's tour: a fresh copy of the delivered store files,
# two tests taken on it by the scripted candidate (and a whole series of five on another
# copy, for the progress report), then each screen shown on a virtual display and captured.
#   usage: tools/screenshots.sh [BUILD_DIR] [OUT_DIR]
set -euo pipefail

if [ "${1:-}" = "--inside" ]; then
    # On the virtual display: one screen at a time, captured once it is up and painted.
    build=$2 two=$3 out=$4 five=$5
    shot() {
        local data=$1 name=$2; shift 2
        rm -f "$data"/*.enc "$data"/kaven.lock
        "$build/kaven_preview" "$data" "$@" &
        local pid=$!
        local window
        window=$(timeout 20 xdotool search --sync --onlyvisible --classname kaven_preview | head -1)
        sleep 1
        import -window "$window" "$out/$name.png"
        kill "$pid"
        wait "$pid" 2>/dev/null || true
        echo "  $out/$name.png"
    }
    shot "$two" summary summary
    shot "$two" quantitative quant "$QUANT_ANSWERED"
    shot "$two" verbal verbal "$VERBAL_ANSWERED"
    shot "$two" review review 1 "$EXPLAINED"
    shot "$five" progress progress
    exit 0
fi

build=$(realpath "${1:-build}")
out=$(realpath -m "${2:-docs/screenshots}")
here=$(dirname "$(realpath "$0")")
"$here/install-deps.sh" xvfb xauth imagemagick xdotool

data=$(mktemp -d)
series=$(mktemp -d)
trap 'rm -rf "$data" "$series"' EXIT
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$data}
cp "$build"/delivered/*xq42.dll "$data"/
cp "$build"/delivered/*xq42.dll "$series"/
"$build/kaven-drive" "$data" --tests 2 --quant alternate --verbal 31524 --pace 75
"$build/kaven-drive" "$series" --tests 5 --quant alternate --verbal alternate --pace 100
mkdir -p "$out"
# The Quantitative shot shows a question with a figure beside it; the Verbal one a reading
# passage with its question.
# The review is of the first test's Quantitative section, with one explanation open.
export QUANT_ANSWERED=${QUANT_ANSWERED:-21} VERBAL_ANSWERED=${VERBAL_ANSWERED:-6} EXPLAINED=${EXPLAINED:-2}
xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --inside "$build" "$data" "$out" "$series"
