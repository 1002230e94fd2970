#!/bin/sh
# Runs Debian's Bulgarian hunspell dictionary over every built-in text and
# fails, listing the words, when a rejected word is not a reviewed exception.
#
# usage: sh spelling_test.sh DUMP_TEXTS EXCEPTIONS_FILE

set -u

if [ $# -ne 2 ]; then
    echo "usage: sh spelling_test.sh DUMP_TEXTS EXCEPTIONS_FILE" >&2
    exit 2
fi
dump=$1
exceptions=$2

if ! command -v hunspell >/dev/null 2>&1; then
    echo "FAIL: hunspell is not installed (Debian: apt-get install hunspell hunspell-bg)" >&2
    exit 1
fi
if ! hunspell -d bg_BG -i UTF-8 -l </dev/null >/dev/null 2>&1; then
    echo "FAIL: hunspell has no bg_BG dictionary (Debian: apt-get install hunspell-bg)" >&2
    exit 1
fi
if [ ! -r "$exceptions" ]; then
    echo "FAIL: cannot read the exceptions file $exceptions" >&2
    exit 1
fi

tmp=$(mktemp -d) || exit 1
trap 'rm -rf "$tmp"' EXIT

# A dictionary that accepts everything, or input read in the wrong encoding,
# would make the check meaningless: make sure it tells a word from a typo.
printf 'риба\n' | hunspell -d bg_BG -i UTF-8 -l >"$tmp/good"
printf 'рбиа\n' | hunspell -d bg_BG -i UTF-8 -l >"$tmp/bad"
if [ -s "$tmp/good" ] || [ ! -s "$tmp/bad" ]; then
    echo "FAIL: hunspell bg_BG does not tell 'риба' from 'рбиа'; check its setup" >&2
    exit 1
fi

if ! "$dump" >"$tmp/texts"; then
    echo "FAIL: $dump failed" >&2
    exit 1
fi
if [ ! -s "$tmp/texts" ]; then
    echo "FAIL: $dump printed nothing" >&2
    exit 1
fi

hunspell -d bg_BG -i UTF-8 -l <"$tmp/texts" | LC_ALL=C sort -u >"$tmp/rejected" || exit 1
grep -v '^[[:space:]]*#' "$exceptions" | sed 's/[[:space:]]*$//' | grep -v '^$' | LC_ALL=C sort -u >"$tmp/allowed"

LC_ALL=C comm -23 "$tmp/rejected" "$tmp/allowed" >"$tmp/unknown"
LC_ALL=C comm -13 "$tmp/rejected" "$tmp/allowed" >"$tmp/unused"

if [ -s "$tmp/unused" ]; then
    echo "note: exceptions no text uses any more (they can go):"
    sed 's/^/  /' "$tmp/unused"
fi
if [ -s "$tmp/unknown" ]; then
    echo "FAIL: words the bg_BG dictionary rejects and $exceptions does not list:"
    sed 's/^/  /' "$tmp/unknown"
    exit 1
fi
echo "spelling: $(wc -l <"$tmp/rejected" | tr -d ' ') rejected words, all listed exceptions"
exit 0
