#!/usr/bin/env bash
# Checks that an ELF executable carries the hardening Debian expects of its
# packages: PIE, full RELRO (GNU_RELRO plus BIND_NOW), the stack protector and
# fortified libc calls. Prints one line per property; fails if one is missing.
# Fortification only shows in the binary where a call could be checked; with
# the build's compile_commands.json as second argument, a binary without such
# calls passes when every source was compiled with _FORTIFY_SOURCE=2.
set -euo pipefail
binary=$1
commands=${2:-}
headers=$(readelf -W -h -l "$binary")
dynamic=$(readelf -W -d "$binary")
symbols=$(readelf -W --dyn-syms "$binary")
status=0
check() {
    if eval "$2"; then echo "yes  $1"; else echo "NO   $1"; status=1; fi
}
check "position-independent executable" 'grep -q "Type:[[:space:]]*DYN" <<<"$headers"'
check "read-only relocations (RELRO)" 'grep -q "GNU_RELRO" <<<"$headers"'
check "immediate binding (BIND_NOW)" 'grep -Eq "BIND_NOW|FLAGS.*NOW" <<<"$dynamic"'
check "stack protector" 'grep -q "__stack_chk_fail" <<<"$symbols"'
fortified() {
    grep -Eq "__[a-z_]+_chk(@|$| )" <<<"$symbols" && return 0
    [ -n "$commands" ] && [ -f "$commands" ] || return 1
    # Every compile command of the build defines _FORTIFY_SOURCE=2 and optimises.
    ! grep '"command"' "$commands" | grep -v -e '-D_FORTIFY_SOURCE=2' -q &&
        ! grep '"command"' "$commands" | grep -v -E -e ' -O[123s]' -q
}
check "fortified libc functions (_FORTIFY_SOURCE=2)" fortified
exit $status
