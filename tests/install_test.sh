#!/usr/bin/env bash
# Installs the program into a temporary prefix and starts the installed copy headless, as a
# candidate with a fresh home would.   usage: install_test.sh BUILD_DIR KAVEN_DRIVE VERSION
# The installed program prints the screen it shows and ends when KAVEN_QUIT_WHEN_SHOWN is set.
set -euo pipefail
build=$1 drive=$2 version=$3
tmp=$(mktemp -d)
running=
trap '[ -n "$running" ] && kill "$running" 2>/dev/null; rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$tmp/usr" >/dev/null
export HOME=$tmp/home QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$tmp/run
unset XDG_DATA_HOME
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
kaven=$tmp/usr/bin/kaven delivered=$tmp/usr/share/kaven/delivered data=$HOME/.local/share/kaven
shown() { KAVEN_QUIT_WHEN_SHOWN=1 "$kaven" "$@" 2>&1 || fail "start $*: $?"; }
same_stores() { # same_stores FROM TO: every store file of FROM is in TO, byte for byte
    for f in "$1"/*xq42.dll; do cmp -s "$f" "$2/${f##*/}" || fail "${f##*/} differs in $2"; done
}

# The installation: the program, the delivered set, the menu entry and the icon; no tools.
files=$(cd "$tmp/usr" && find . -type f | sed 's|/[a-z0-9]*xq42\.dll$|/*xq42.dll|' | sort -u | tr '\n' ' ')
[ "$files" = "./bin/kaven ./share/applications/kaven.desktop ./share/icons/hicolor/scalable/apps/kaven.svg ./share/kaven/delivered/*xq42.dll " ] \
    || fail "installed: $files"
[ "$(ls "$delivered" | wc -l)" = 11 ] || fail "delivered set: $(ls "$delivered")"

# First start: the summary, on the delivered set laid in the candidate's own folder.
out=$(shown)
grep -q "^Take Test 1$" <<<"$out" || fail "first start showed: $out"
same_stores "$delivered" "$data"

# A test taken; the next start shows it and changes no answer.
"$drive" "$data" --tests 1 --quant alternate --verbal right >/dev/null
mkdir "$tmp/answers" && cp "$data"/*xq42.dll "$tmp/answers/"
out=$(shown)
grep -q "^Take Test 2$" <<<"$out" || fail "second start showed: $out"
same_stores "$tmp/answers" "$data"

# No new series while a copy runs on the folder; a copy that was killed holds it no more.
"$kaven" 2>/dev/null & running=$!
for _ in $(seq 100); do [ -e "$data/kaven.lock" ] && break; sleep 0.1; done
status=0; out=$("$kaven" --new-series 2>&1) || status=$?
[ "$status" = 1 ] && grep -q "in another window" <<<"$out" || fail "new series beside a running copy: $status $out"
kill "$running"; wait "$running" 2>/dev/null || true; running=

# A new series: the series so far in its dated folder, a fresh set in its place.
out=$("$kaven" --new-series) || fail "new series: $out"
kept=$(sed -n 's/^The series so far is kept in //p' <<<"$out")
[[ "$kept" == "$data"/series-20[0-9][0-9]-[01][0-9]-[0-3][0-9]-[0-2][0-9][0-5][0-9][0-5][0-9] ]] || fail "kept in '$kept'"
grep -q "^A fresh series is ready in $data$" <<<"$out" || fail "new series said: $out"
same_stores "$tmp/answers" "$kept"
same_stores "$delivered" "$data"
grep -q "^Take Test 1$" <<<"$(shown)" || fail "the fresh series does not start at test 1"

# Bad input: a message that names what is wrong, status 1, and nothing written.
mkdir "$tmp/broken" && cp "$delivered"/*xq42.dll "$tmp/broken/" && printf '"VS1,\r\n' >"$tmp/broken/vsmastxq42.dll"
# Files with their size and time; folders by name (a folder's time moves with a probe file).
listing() { find "$tmp" \( -type f -printf '%p %s %T@\n' \) -o -printf '%p\n' | sort; }
before=$(listing)
refuses() { # refuses TEXT COMMAND...
    local text=$1 status=0; shift
    out=$("$@" 2>&1) || status=$?
    [ "$status" = 1 ] && grep -qF -- "$text" <<<"$out" || fail "'$*': status $status, said: $out"
}
refuses "Unknown option 'bogus'" "$kaven" --bogus
refuses "Unexpected argument 'extra'" "$kaven" extra
refuses "$tmp/nowhere does not exist" "$kaven" --new-series --data-dir "$tmp/nowhere"
refuses "$tmp/broken/vsmastxq42.dll\", line 1" "$kaven" --new-series --data-dir "$tmp/broken"
mv "$delivered" "$tmp/away"
refuses "missing from the installation" env HOME="$tmp/other" "$kaven" --new-series
mv "$tmp/away" "$delivered"
[ "$(listing)" = "$before" ] || fail "bad input wrote a file"

"$kaven" --help | grep -q -- "--data-dir <DIR>" || fail "--help"
[ "$("$kaven" --version)" = "kaven $version" ] || fail "--version"
echo "installed program: 1 passed, 0 failed"
