#!/bin/sh
# Every command of the window, as the replay driver writes it from the
# command table, stands in the README's table and the manual's.
#   key_tables_in_docs.sh path/to/orvane-replay SOURCE_ROOT
tab=$(printf '\t')
"$1" --keys | {
    status=0
    while IFS="$tab" read -r key name; do
        grep -qxF "| $key | $name |" "$2/README.md" || { echo "README.md lacks: $key $name"; status=1; }
        # tbl takes a lone = for a rule, so the manual writes it \&=.
        sed 's/^\\&//' "$2/data/orvane.1.in" | grep -qxF "$key$tab$name" ||
            { echo "orvane.1.in lacks: $key $name"; status=1; }
    done
    exit $status
}
