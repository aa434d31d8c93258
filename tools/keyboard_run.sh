#!/usr/bin/env bash
# A whole test taken with the keyboard alone, as a candidate without a mouse takes it: the
# program on a fresh copy of the delivered store, on a virtual display, driven by xdotool
# key presses only (Space, Tab, Return, Alt+N and the answer keys A to E and 1 to 5).
# Pictures of the steps go to OUT_DIR; at the end the store must hold one answer per
# question, each the one keyed, and the two sections' records.
#   usage: tools/keyboard_run.sh [BUILD_DIR] [OUT_DIR]
set -euo pipefail

keys=(a b c d e 1 2 3 4 5) # answer n of a section is keys[(n - 1) % 10]

if [ "${1:-}" = "--inside" ]; then
    data=$2 out=$3
    "$data/kaven" >"$out/kaven.log" 2>&1 &
    pid=$!
    trap 'kill $pid 2>/dev/null || true' EXIT
    focus() { # no window manager here: the window takes the input focus itself
        local window
        window=$(timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -1)
        xdotool windowfocus --sync "$window"
        sleep 0.5
    }
    key() { xdotool key --delay 50 "$@"; sleep 0.2; }
    shot() { sleep 0.4; import -window root "$out/$1.png"; echo "  $out/$1.png"; }
    section() { # $1 questions; pictures of question 1 after its key and after Next
        for n in $(seq 1 "$1"); do
            key "${keys[$(((n - 1) % 10))]}"
            [ "$n" = 1 ] && shot "$2-chosen"
            key alt+n
            [ "$n" = 1 ] && shot "$2-next"
            key space # Next leaves the focus on Confirm
        done
        sleep 0.5
        shot "$2-over"
        key Return
    }
    focus "KAVEN Test Series"
    shot 1-summary
    key space # Take Test 1 has the focus
    focus "General Directions"
    key Tab
    shot 2-directions
    key space
    focus "Section - Quantitative"
    key space # Continue
    key h     # not an answer key: nothing is chosen
    shot 3-quant
    section 37 4-quant
    focus "Verbal"
    key space
    section 41 5-verbal
    focus "KAVEN Test Series"
    shot 6-summary
    key Tab Tab
    shot 7-summary-link
    key space
    focus "Explanation"
    key Tab Tab space
    shot 8-review
    exit 0
fi

build=$(realpath "${1:-build}")
out=$(realpath -m "${2:-build/keyboard_run}")
here=$(dirname "$(realpath "$0")")
"$here/install-deps.sh" xvfb xauth imagemagick xdotool

data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$data}
cp "$build"/delivered/*xq42.dll "$data"/
cp "$build/kaven" "$data"/ # the program keeps its data beside itself
mkdir -p "$out"
xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --inside "$data" "$out"

# Every answer as keyed, in order, and both sections recorded.
expected=$(for n in $(seq 1 37) $(seq 1 41); do echo $(((n - 1) % 5 + 1)); done)
given=$(cut -d, -f5 "$data/userprofxq42.dll" | tr -d '\r')
sections=$(cut -d, -f2 "$data/tesdetxq42.dll" | tr -d '\r"' | paste -sd' ')
if [ "$given" != "$expected" ] || [ "$sections" != "Quantitative Verbal" ]; then
    echo "keyboard run: the store does not hold the answers keyed (sections: $sections)" >&2
    exit 1
fi
echo "keyboard run: 78 answers keyed and recorded, both sections in the test details"
