#!/bin/sh
# Runs Debian's Bulgarian hunspell dictionary over every built-in text and
# fails, listing the words, when a rejected word is not a reviewed exception.
# Usage: sh spelling_test.sh DUMP_TEXTS EXCEPTIONS_FILE
set -eu
dump=$1
exceptions=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
spell() { hunspell -d bg_BG -i UTF-8 -l; }

# A dictionary that accepts everything, or input read in the wrong encoding,
# would make the check meaningless: make sure it tells a word from a typo.
good=$(printf 'риба\n' | spell) || good=error
bad=$(printf 'рбиа\n' | spell) || bad=
if [ -n "$good" ] || [ -z "$bad" ]; then
    echo "FAIL: hunspell bg_BG does not tell 'риба' from 'рбиа' (Debian: apt-get install hunspell hunspell-bg)" >&2
    exit 1
fi

# The texts join a number to its unit with a no-break space: the unit
# must still reach the dictionary as a word of its own, or a Latin one
# ("5 cm") would pass unseen.
latin=$(printf '5\302\240cm\n' | spell) || latin=
if [ "$latin" != cm ]; then
    echo "FAIL: hunspell bg_BG does not reject the Latin unit in '5<no-break space>cm'" >&2
    exit 1
fi

"$dump" >"$tmp/texts"
[ -s "$tmp/texts" ] || { echo "FAIL: $dump printed nothing" >&2; exit 1; }
spell <"$tmp/texts" | LC_ALL=C sort -u >"$tmp/rejected"
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
