#!/usr/bin/env bash
# Writes one seed file per line of a sequence list: each button number N
# becomes the byte N-1, which the fuzzer decodes as a click on CommandN.
set -euo pipefail
list=$1 out=$2
mkdir -p "$out"
n=0
grep -v -e '^#' -e '^[[:space:]]*$' "$list" | while read -r line; do
    n=$((n + 1))
    : > "$out/seed-$n"
    for number in $line; do
        printf "\\$(printf '%03o' $((number - 1)))" >> "$out/seed-$n"
    done
done
