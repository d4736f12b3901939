#!/usr/bin/env bash
# The README's table of languages and how much of each is translated,
# counted from translations/tqrsetup_*.ts; written between the README's
# two translation-table marks. With --check it only compares, and exits 1
# when the README's table is not the one the .ts files give.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A NAMES=(
    [da]="Danish (dansk)" [de]="German (Deutsch)" [es]="Spanish (español)" [fi]="Finnish (suomi)"
    [fr]="French (français)" [it]="Italian (italiano)" [nb]="Norwegian Bokmål (norsk bokmål)"
    [nl]="Dutch (Nederlands)" [sv]="Swedish (svenska)"
)
BEGIN='<!-- translation-table: made by scripts/translation_table.sh from translations/*.ts -->'
END='<!-- /translation-table -->'

table() {
    echo "$BEGIN"
    echo "| Language | \`--lang\` | Texts translated |"
    echo "|---|---|---|"
    echo "| English | \`en\` | the source texts |"
    for ts in translations/tqrsetup_*.ts; do
        local code=${ts#translations/tqrsetup_}
        code=${code%.ts}
        # Texts the code no longer has (vanished, obsolete) do not count;
        # an unfinished one counts as not translated.
        awk -v code="$code" -v name="${NAMES[$code]:-$code}" '
            /<translation/ {
                if ($0 ~ /type="(vanished|obsolete)"/) next
                total++
                if ($0 !~ /type="unfinished"/) done++
            }
            END {
                printf "| %s | `%s` | %d of %d (%d %%) |\n", name, code, done, total,
                       total ? int(100 * done / total) : 0
            }' "$ts"
    done
    echo "$END"
}

new=$(awk -v begin="$BEGIN" -v end="$END" -v table="$(table)" '
    $0 == begin { print table; skip = 1; found = 1; next }
    $0 == end { skip = 0; next }
    !skip { print }
    END { if (!found) exit 3 }' README.md) || {
    echo "README.md lacks the line: $BEGIN" >&2
    exit 2
}

if [ "${1:-}" = "--check" ]; then
    if [ "$new" != "$(cat README.md)" ]; then
        echo "README.md's table of languages is out of date: run bash scripts/translation_table.sh" >&2
        exit 1
    fi
    echo "README.md's table of languages matches translations/*.ts."
else
    printf '%s\n' "$new" >README.md
fi
