#!/usr/bin/env bash
# Prints the Windows architecture the tests run as on this machine: win32 when
# the kernel runs 32-bit x86 code, win64 otherwise (some virtual machines have
# no 32-bit compatibility mode, so 32-bit Wine cannot start there at all).
# Needs only binutils, which the compiler brings.
set -euo pipefail
if [ -n "${LUMENPATH_TEST_ARCH:-}" ]; then echo "$LUMENPATH_TEST_ARCH"; exit 0; fi
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
printf '.globl _start\n_start:\n movl $1, %%eax\n movl $0, %%ebx\n int $0x80\n' >"$dir/p.s"
if as --32 -o "$dir/p.o" "$dir/p.s" 2>/dev/null && ld -m elf_i386 -o "$dir/p" "$dir/p.o" 2>/dev/null \
   && "$dir/p" 2>/dev/null; then
  echo win32
else
  echo win64
fi
