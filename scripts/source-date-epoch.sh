#!/bin/sh
# The one build time every package carries: the last commit's, so that the
# same sources give the same bytes whenever and wherever they are built.
# SOURCE_DATE_EPOCH, when already set, wins; outside git, the changelog's
# date stands in.
# Usage: source-date-epoch.sh              prints it
#        source-date-epoch.sh COMMAND...   runs COMMAND with it exported
set -eu
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    source=$(cd "$(dirname "$0")/.." && pwd)
    # Only these sources' own history: a copy of them inside another
    # repository must not take that one's last commit.
    if [ -e "$source/.git" ]; then
        SOURCE_DATE_EPOCH=$(git -C "$source" log -1 --format=%ct)
    else
        SOURCE_DATE_EPOCH=$(date -d "$(sed -n 's/^ -- .*>  //p' "$source/packaging/linux/changelog" | head -n 1)" +%s)
    fi
fi
if [ $# -eq 0 ]; then
    echo "$SOURCE_DATE_EPOCH"
else
    export SOURCE_DATE_EPOCH
    exec "$@"
fi
