#!/usr/bin/env bash
# Installs the build into a scratch prefix (or unpacks the Debian package
# given as a third argument there), moves the tree elsewhere, and uses it from
# there: the program must find its player and PDF helper beside itself.
set -euo pipefail
build=$(cd "$1" && pwd) version=$2 deb=${3:-}
scratch=$(mktemp -d "${TMPDIR:-/tmp}/install.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

if [ -n "$deb" ]; then
  dpkg -x "$deb" "$scratch/unpacked"
  mv "$scratch/unpacked/usr" "$scratch/first"
else
  cmake --install "$build" --prefix "$scratch/first" > /dev/null
fi
mv "$scratch/first" "$scratch/moved"
root=$scratch/moved
cd "$scratch"

for f in bin/Tessaly lib/tessaly/Tessaly lib/tessaly/Tavorun.dll lib/tessaly/libpdfweld.so \
         lib/tessaly/libtessaly_bells.so lib/tessaly/libtessaly_manual.so \
         share/applications/Orlinde.Mirado.Tessaly.1.00.desktop share/mime/packages/tessaly.xml \
         share/icons/hicolor/scalable/apps/tessaly.svg share/icons/hicolor/48x48/apps/tessaly.png \
         share/man/man1/Tessaly.1 share/man/man1/Tavorun.1 share/doc/tessaly/examples/Sample.tvl \
         share/doc/tessaly/Manual.pdf; do
  [ -e "$root/$f" ] || fail "$f is not installed"
done
[ "$(readlink "$root/bin/Tessaly")" = ../lib/tessaly/Tessaly ] || fail "bin/Tessaly is not a relative link"
for module in libtessaly_bells.so libtessaly_manual.so; do
  ! ldd "$root/lib/tessaly/$module" | grep -q "not found" || fail "$module lacks a library"
done
cmp -s "$build/app/Tavorun.dll" "$root/lib/tessaly/Tavorun.dll" || fail "Tavorun.dll changed on the way"
grep -q "Tessaly $version" "$root/share/man/man1/Tessaly.1" || fail "the man page lacks the version"
cmp -s "$build/app/Manual.pdf" "$root/share/doc/tessaly/Manual.pdf" || fail "the manual is not the one built"
cmp -s "$build/app/Manual.pdf" "$root/lib/tessaly/Manual.pdf" || fail "the manual is not beside the program"

tessaly=$root/bin/Tessaly
sample=$root/share/doc/tessaly/examples/Sample.tvl
[ "$("$tessaly" --version)" = "Tessaly $version" ] || fail "--version"
"$tessaly" --render-slide 1 --out one.png "$sample" || fail "--render-slide"
[ "$(head -c 8 one.png | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "one.png is no PNG"
# Joining the pages needs the PDF helper, the package the player.
"$tessaly" --export-pdf all.pdf "$sample" 2> pdf.err || fail "--export-pdf: $(cat pdf.err)"
[ "$(head -c 5 all.pdf)" = "%PDF-" ] || fail "all.pdf is no PDF"
"$tessaly" --package show.run "$sample" 2> package.err || fail "--package: $(cat package.err)"
[ "$(./show.run --version)" = "Tavorun $version" ] || fail "the package does not run"
echo "installed tree works"
