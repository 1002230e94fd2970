#!/bin/sh
# Builds packages a second time, as someone else would: from a copy of the
# sources at another path, in another build folder, later, under another
# time zone, locale and umask. Each must come out the same byte for byte as
# the first build's, which are in FIRST:
#   deb      the Debian package (FIRST: the folder it is in)
#   windows  ribi.exe, its zip and its installer package (FIRST: the build folder)
#   web      ribi.html and each file of the folder for a web server (FIRST: the build folder)
# The second build is configured with BUILD_TYPE and the CMAKE_ARGS given.
# Usage: reproducible_test.sh deb|windows|web SOURCE_DIR FIRST BUILD_TYPE [CMAKE_ARG...]
set -eu
kind=$1 source=$2 first=$3 build_type=$4
shift 4
case "$kind" in
deb | windows | web) ;;
*) echo "reproducible: no packages called '$kind'" && exit 2 ;;
esac
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# The sources as they are, without build folders or history: the time every
# package carries is the first build's, as a rebuilder is given it.
SOURCE_DATE_EPOCH=$(sh "$source/scripts/source-date-epoch.sh")
export SOURCE_DATE_EPOCH
copy=$scratch/sources-elsewhere
mkdir "$copy"
tar -C "$source" --exclude='./build*' --exclude=./.git -cf - . | tar -C "$copy" -xf -

# Whatever the first build had, the second has something else.
if [ "$(umask)" = 0077 ]; then umask 0022; else umask 0077; fi
if [ "$(locale charmap 2>/dev/null)" = UTF-8 ]; then LC_ALL=C; else LC_ALL=C.UTF-8; fi
TZ=RIBI-14 # UTC+14, named in POSIX's form, which needs no zone database
export LC_ALL TZ
second=$scratch/build
build() {
    folder=$1
    shift
    cmake --build "$folder" -j "$(nproc)" --target "$@" >/dev/null
}
# Where two Debian packages differ: their members, the modes and times of
# their files, and the files' contents.
listing() {
    ar tv "$1"
    dpkg-deb -c "$1"
    rm -rf "$scratch/unpacked" && mkdir "$scratch/unpacked" && dpkg -x "$1" "$scratch/unpacked"
    (cd "$scratch/unpacked" && find . -type f -exec sha256sum {} + | sort -k2)
}

cmake -S "$copy" -B "$second" -DCMAKE_BUILD_TYPE="$build_type" -DBUILD_TESTING=OFF "$@" >/dev/null

# Each line: a name, the first build's file, the second's.
case "$kind" in
deb)
    build "$second" ribi ribi_docs
    sh "$copy/packaging/linux/make-deb.sh" "$second" "$second/packages" >/dev/null
    deb=$(cd "$first" && ls ribi_*.deb)
    echo "$deb $first/$deb $second/packages/$deb" >"$scratch/pairs"
    ;;
windows)
    build "$second" zip msi
    for file in ribi.exe packages/ribi-*-win32.zip packages/ribi-*.msi; do
        name=$(cd "$first" && ls $file) # the version is in the names
        echo "$name $first/$name $second/$name"
    done >"$scratch/pairs"
    ;;
web)
    build "$second" ribi_webapp
    for file in ribi.html $(cd "$first" && ls packages/ribi-web/*); do
        echo "$file $first/$file $second/$file"
    done >"$scratch/pairs"
    ;;
esac

differ=0
while read -r name one other; do
    if cmp -s "$one" "$other"; then
        echo "reproducible: $name the same, $(sha256sum <"$one" | cut -d' ' -f1)"
    else
        echo "reproducible: $name differs: $(cmp "$one" "$other" 2>&1 | head -n 1)"
        differ=1
        if [ "$kind" = deb ]; then
            listing "$one" >"$scratch/one"
            listing "$other" >"$scratch/other"
            diff "$scratch/one" "$scratch/other" || true
        fi
    fi
done <"$scratch/pairs"
exit "$differ"
