#!/usr/bin/env bash
# The desktop entry, the MIME types, the icons and the man pages as the
# system's own tools read them.
set -euo pipefail
dist=$1
scratch=$(mktemp -d "${TMPDIR:-/tmp}/desktop.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

desktop-file-validate "$dist"/*.desktop || fail "desktop entry"
xmllint --noout "$dist/tessaly-mime.xml" "$dist/icons/tessaly.svg" || fail "XML"

# A MIME database of our types alone: both globs land, and a presentation is
# a kind of cabinet.
mkdir -p "$scratch/mime/packages"
cp "$dist/tessaly-mime.xml" "$scratch/mime/packages/tessaly.xml"
update-mime-database "$scratch/mime" > "$scratch/update.log" 2>&1 || fail "update-mime-database: $(cat "$scratch/update.log")"
! grep -qi "error\|warning\|unknown" "$scratch/update.log" || fail "$(cat "$scratch/update.log")"
grep -qx "50:application/x-tessaly:\*.tvl" "$scratch/mime/globs2" || fail "no .tvl glob"
grep -qx "50:application/x-tessaly-show:\*.run" "$scratch/mime/globs2" || fail "no .run glob"
grep -qx "application/x-tessaly application/vnd.ms-cab-compressed" "$scratch/mime/subclasses" || fail "not a cabinet"
grep -qx "application/x-tessaly-show application/x-executable" "$scratch/mime/subclasses" || fail "not a program"

# Every icon is the size its folder says.
for size in 16 22 24 32 48 64 128 256; do
  ihdr=$(od --endian=big -An -tu4 -j16 -N8 "$dist/icons/tessaly-$size.png" | tr -s ' ' | sed 's/^ //')
  [ "$ihdr" = "$size $size" ] || fail "tessaly-$size.png is not ${size}x$size"
done

for page in "$dist"/man/*.1; do
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 > /dev/null)
  [ -z "$warnings" ] || fail "$page: $warnings"
done
echo "desktop files pass"
