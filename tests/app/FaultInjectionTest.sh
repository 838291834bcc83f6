#!/usr/bin/env bash
# Every command that writes a file, against a full disk (a filled tmpfs), a
# read-only folder (a read-only bind mount) and an unusable work folder: it
# fails with its message, the earlier file is untouched, nothing is left over.
# The mounts need a private user and mount namespace (unshare -rm).
set -uo pipefail
tessaly=$1 sample=$2
scratch=$(mktemp -d "${TMPDIR:-/tmp}/faults.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
work=$TMPDIR/Tessaly-$(id -u)
failures=0

mkdir -p "$scratch/probe"
if ! unshare -rm mount -t tmpfs -o size=64k tmpfs "$scratch/probe" 2> /dev/null; then
  echo "no user namespaces here: the full-disk and read-only rows are skipped"
  namespaces=no
fi

# operation | its target in the folder | the message it must show
operations=(
  "--save-as d/old.tvl|old.tvl|ファイルの保存に失敗"
  "--export-pdf d/old.pdf|old.pdf|PDFファイルへの情報の書き込みに失敗しました"
  "--print-to d/old.pdf|old.pdf|ファイルの保存に失敗"
  "--package d/old.run|old.run|ファイルの"
  "--export-images d/img|img/Slide01.jpeg|ファイルの保存に失敗"
)
# fault | before the earlier files are made | after | message that replaces the operation's own
faults=(
  "full disk|mount -t tmpfs -o size=256k tmpfs d|(dd if=/dev/zero of=d/filler bs=4k 2> /dev/null; true)|"
  "nearly full disk|mount -t tmpfs -o size=256k tmpfs d && head -c 12288 /dev/zero > d/room|(dd if=/dev/zero of=d/filler bs=4k 2> /dev/null; rm d/room)|"
  "read-only folder|true|mount --bind d d && mount -o remount,ro,bind d|"
  "unusable work folder|true|true|作業フォルダの取得に失敗しました"
)

for fault_row in "${faults[@]}"; do
  IFS='|' read -r fault before after fault_message <<< "$fault_row"
  [ "$fault" != "unusable work folder" ] && [ "${namespaces:-yes}" = no ] && continue
  for row in "${operations[@]}"; do
    IFS='|' read -r operation target message <<< "$row"
    [ "$fault" = "read-only folder" ] && [ "$target" = old.tvl ] && message="書き込み場所にアクセス権がない可能性があります"
    [ -n "$fault_message" ] && message=$fault_message
    [ "$fault" = "unusable work folder" ] && [ "$target" = old.run ] && continue  # packages never touch it
    dir=$scratch/case && rm -rf "$dir" && mkdir -p "$dir/d" && cd "$dir"
    prepare="$before && mkdir -p d/img && for f in old.tvl old.pdf old.run img/Slide01.jpeg; do echo old > d/\$f; done && $after"
    if [ "$fault" = "unusable work folder" ]; then
      rm -rf "$work" && echo "not a folder" > "$work"
    fi
    if [ "$fault" != "unusable work folder" ]; then
      unshare -rm sh -c "$prepare && ls -AR d > listing.before && \"\$0\" $operation \"\$1\" 2> stderr; echo \$? > status; ls -AR d > listing.after; cat d/$target > target.after" \
        "$tessaly" "$sample"
    else
      sh -c "$prepare && ls -AR d > listing.before && \"\$0\" $operation \"\$1\" 2> stderr; echo \$? > status; ls -AR d > listing.after; cat d/$target > target.after" \
        "$tessaly" "$sample"
    fi
    [ "$fault" = "unusable work folder" ] && rm -f "$work"
    problem=""
    [ "$(cat status)" != 0 ] || problem+=" it reported success;"
    grep -q "$message" stderr || problem+=" no \"$message\" (got: $(grep -v QStandardPaths stderr | tr '\n' ' '));"
    [ "$(cat target.after)" = old ] || problem+=" the earlier file changed;"
    cmp -s listing.before listing.after || problem+=" files left: $(diff listing.before listing.after | tr '\n' ' ');"
    if [ -n "$problem" ]; then
      echo "FAIL [$fault] $operation:$problem"
      failures=$((failures + 1))
    else
      echo "ok   [$fault] $operation"
    fi
    cd "$scratch"
  done
done
# Nothing of this process is left in the work folder.
leftovers=$(find "$work" -mindepth 1 2> /dev/null | grep -v "/Copy.tmp$")
[ -z "$leftovers" ] || { echo "FAIL: left in the work folder: $leftovers"; failures=$((failures + 1)); }
exit $((failures > 0))
