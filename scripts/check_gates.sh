#!/usr/bin/env bash
# One way in, one way out. Product code reads files only through the
# bounded reader (settings/bounded_read), and tqrprofile prints only through
# its escaping writer (cli/console); this check names every other place
# that opens a file or prints, so a new feature inherits the limits instead
# of deciding them again. Exits 1 and lists file and line when it finds one.
set -euo pipefail
cd "$(dirname "$0")/.."

PRODUCT=(settings tables framework resources editors app cli mail providers removable)
READS='ifstream|fopen\(|fdopen\(|QFile\b|[^a-z_]open\('
PRINTS='std::cout|std::cerr|[^/a-z_]stdout\b|[^/a-z_]stderr\b|[^a-z_]printf\(|fprintf\(|fputs\(|[^a-z_]puts\('

# The places allowed, each with its reason.
declare -A ALLOWED=(
    [settings/bounded_read.cpp]="the bounded reader itself"
    [settings/file_ops.h]="the save's one seam to the file system: opens files to write them, and the card's new PROFILE.BIN to read it back"
    [settings/file_ops.cpp]="the same seam"
    [settings/settings_files.cpp]="the save writes through the seam; the store file's loading reads a prefix of any length by its own rules, without waiting and only from a regular file"
    [framework/removable_volumes.cpp]="the kernel's own tables (/proc/self/mountinfo, /sys), which nobody names"
    [framework/win_app.cpp]="TQRSetup's one line when there is no display"
    [app/main.cpp]="TQRSetup's own --help, --version and option messages"
    [cli/console.cpp]="tqrprofile's escaping writer itself"
)

found=0
while IFS= read -r hit; do
    file=${hit%%:*}
    [ -n "${ALLOWED[$file]:-}" ] && continue
    echo "$hit"
    found=1
done < <(grep -rnE "$READS|$PRINTS" "${PRODUCT[@]}" --include='*.cpp' --include='*.h' | grep -vE '^[^:]+:[0-9]+:\s*//')

if [ "$found" -ne 0 ]; then
    echo "These lines read a file or print outside the bounded reader and the escaping writer." >&2
    echo "Use read_bounded (settings/bounded_read.h) or standard_output()/standard_error() (cli/console.h)," >&2
    echo "or add the file to ALLOWED in scripts/check_gates.sh with its reason." >&2
    exit 1
fi
echo "Gates: every file read goes through the bounded reader, every print through the writer."
