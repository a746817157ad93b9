#!/usr/bin/env bash
# The installer carries the zip's files, byte for byte, and nothing else, the
# licence LICENSE and the third-party notices NOTICES among them (with Windows
# line ends): read with 7-Zip, which opens an NSIS installer without running
# it, so this holds on machines where the 32-bit installer cannot run.
#
# usage: check_installer_payload.sh SETUP.exe PACKAGE.zip WORK_DIR LICENSE NOTICES
# Beside the payload an NSIS installer holds its plug-ins ($PLUGINSDIR/) and a
# placeholder for the uninstaller it writes when it runs; both are left out.
set -euo pipefail
installer=$1 zip=$2 work=$3 licence=$4 notices=$5

rm -rf "$work"
mkdir -p "$work/zip" "$work/installer"
unzip -q "$zip" -d "$work/zip"
zip_root=$(find "$work/zip" -mindepth 1 -maxdepth 1 -type d)

# One path a line, as the installer would put it below the program folder.
payload=$(7z l -slt -ba "$installer" | sed -n 's/^Path = //p' | grep -v -e '^\$PLUGINSDIR/' \
  -e '^Uninstall\.exe$' | LC_ALL=C sort)
zipped=$(cd "$zip_root" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
echo "installer payload: $(echo $payload)"
echo "zip:               $(echo $zipped)"
if [ "$payload" != "$zipped" ]; then
  echo "FAIL: the installer and the zip hold different files" >&2
  exit 1
fi

mapfile -t files <<<"$payload"
7z x -y -bd -o"$work/installer" "$installer" "${files[@]}" >/dev/null
status=0
for file in "${files[@]}"; do
  if ! cmp "$work/installer/$file" "$zip_root/$file"; then status=1; fi
done
[ $status -eq 0 ] && echo "installer payload: the zip's files, byte for byte"
same_text="$(dirname "$0")/../support/same_text.sh"
"$same_text" --crlf "$licence" "$work/installer/LICENSE.txt" || status=1
"$same_text" --crlf --bom "$notices" "$work/installer/THIRD-PARTY-NOTICES.txt" || status=1
exit $status
