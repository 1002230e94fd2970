#!/bin/sh
# Exits 0 when this machine can run 32-bit x86 programs, 1 when it cannot.
# It tries: a kernel built without IA-32 emulation, or with it switched off,
# refuses the tiniest 32-bit program with "Exec format error", whatever its
# version says. The program is written here byte by byte (an ELF header, one
# loadable segment and `exit(0)` through int 0x80), so no 32-bit library or
# compiler is needed to ask.
set -u
probe=$(mktemp "${TMPDIR:-/tmp}/ribi-probe32.XXXXXX") || exit 1
trap 'rm -f "$probe"' EXIT

# ELF identification: 32-bit, little-endian, version 1, System V.
printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000' >"$probe"
# Executable for i386; entry 0x08048054 (just after the headers); program
# headers at 52; a 52-byte header and one 32-byte program header.
printf '\002\000\003\000\001\000\000\000\124\200\004\010\064\000\000\000' >>"$probe"
printf '\000\000\000\000\000\000\000\000\064\000\040\000\001\000\000\000\000\000\000\000' >>"$probe"
# One PT_LOAD of the whole file's 93 bytes at 0x08048000, read and execute.
printf '\001\000\000\000\000\000\000\000\000\200\004\010\000\200\004\010' >>"$probe"
printf '\135\000\000\000\135\000\000\000\005\000\000\000\000\020\000\000' >>"$probe"
# xor ebx, ebx; mov eax, 1; int 0x80: exit(0).
printf '\061\333\270\001\000\000\000\315\200' >>"$probe"
chmod +x "$probe"
"$probe" 2>/dev/null
