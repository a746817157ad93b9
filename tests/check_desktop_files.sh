#!/bin/sh
# Installs the build into a scratch prefix and validates its desktop entry and
# AppStream metadata as a software centre would.
set -eu
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/celforo bin/celforo-calc share/icons/hicolor/scalable/apps/org.celforo.Celforo.svg \
    share/icons/hicolor/48x48/apps/org.celforo.Celforo.png \
    share/icons/hicolor/256x256/apps/org.celforo.Celforo.png; do
  [ -f "$prefix/$file" ] || { echo "not installed: $file" >&2; exit 1; }
done
desktop-file-validate "$prefix"/share/applications/org.celforo.Celforo.desktop
appstreamcli validate --no-net --explain "$prefix"/share/metainfo/org.celforo.Celforo.metainfo.xml
grep -q '<release version="1.00"' "$prefix"/share/metainfo/org.celforo.Celforo.metainfo.xml
grep -q '<project_license>MIT</project_license>' "$prefix"/share/metainfo/org.celforo.Celforo.metainfo.xml
# No web address: the project has none, and a software centre shows a dead one.
if grep -InE 'https?://|www\.|@[a-z0-9-]+\.[a-z]' "$prefix"/share/applications/* "$prefix"/share/metainfo/*; then
  echo "an address is shipped (above)" >&2
  exit 1
fi
echo "1 passed, 0 failed"
