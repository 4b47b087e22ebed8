#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that a desktop finds
# everything it needs there: programs, help, launcher entry, file type,
# AppStream data and icons. With --package it also builds the Debian
# package and checks its dependencies were found.
set -euo pipefail
build=$1
package=${2:-}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

status=0
expect() {
  for f in "$@"; do
    [ -s "$prefix/$f" ] || { echo "missing after install: $f"; status=1; }
  done
}
expect bin/qxp-r46 bin/qxp-r46-cli bin/qz-r46-sim \
  share/qxp-r46/help/index.html share/qxp-r46/help/help.css \
  share/applications/org.queldor.QxpR46.desktop \
  share/metainfo/org.queldor.QxpR46.metainfo.xml \
  share/mime/packages/qxp-r46.xml \
  share/icons/hicolor/scalable/apps/qxp-r46.svg \
  share/man/man1/qxp-r46.1 share/man/man1/qxp-r46-cli.1 share/man/man1/qz-r46-sim.1
for size in 16 32 48 64 128 256; do
  expect "share/icons/hicolor/${size}x${size}/apps/qxp-r46.png"
done
for f in "$prefix"/bin/*; do
  [ -x "$f" ] || { echo "not executable: $f"; status=1; }
done

# The validators print hints for what is allowed; only errors fail them.
desktop-file-validate "$prefix/share/applications/org.queldor.QxpR46.desktop" || status=1
appstreamcli validate --no-net --explain "$prefix/share/metainfo/org.queldor.QxpR46.metainfo.xml" || status=1
# The file type must really claim *.46, or a double click opens an editor.
mimedir=$prefix/share/mime
update-mime-database "$mimedir" >/dev/null 2>&1 || true
grep -q 'application/x-qxp-r46:\*\.46$' "$mimedir/globs" 2>/dev/null ||
  { echo "*.46 is not registered as application/x-qxp-r46"; status=1; }
grep -q '^MimeType=.*application/x-qxp-r46;' "$prefix/share/applications/org.queldor.QxpR46.desktop" ||
  { echo "the launcher entry does not open application/x-qxp-r46"; status=1; }

if [ "$package" = "--package" ]; then
  out=$(mktemp -d)
  trap 'rm -rf "$prefix" "$out"' EXIT
  (cd "$build" && cpack -G DEB -B "$out" >/dev/null 2>&1) || { echo "cpack failed"; exit 1; }
  deb=$(ls "$out"/qxp-r46_*.deb)
  depends=$(dpkg-deb -f "$deb" Depends)
  echo "Depends: $depends"
  case $depends in
    *libqt6widgets6*) ;;
    *) echo "package dependencies were not found from the binaries"; status=1 ;;
  esac
  contents=$(dpkg-deb -c "$deb")
  for f in usr/bin/qxp-r46 usr/bin/qxp-r46-cli usr/bin/qz-r46-sim usr/share/applications/org.queldor.QxpR46.desktop; do
    grep -q "\./$f\$" <<<"$contents" || { echo "package lacks /$f"; status=1; }
  done
fi
exit $status
