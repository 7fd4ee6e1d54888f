#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Orvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build tree and checks what it holds: the files a
# desktop needs, dependencies found by dpkg-shlibdeps, and programs that run from the
# unpacked tree and find their data there. Usage: check-package.sh BUILD_DIR
set -euo pipefail
build="$1"
for tool in cpack dpkg-deb dpkg-shlibdeps; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 \
  || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/out/orvane_*.deb)
echo "built $(basename "$deb")"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6printsupport6 libc6 qt6-qpa-plugins fonts-liberation2; do
  [[ "$depends" == *"$needed"* ]] || { echo "Depends lacks $needed: $depends"; exit 1; }
done

# The clip-art library the image browser offers when it is installed.
[[ "$(dpkg-deb -f "$deb" Suggests)" == *openclipart-svg* ]] || { echo "Suggests lacks openclipart-svg"; exit 1; }

dpkg-deb -c "$deb" | awk '{print $6}' >"$work/files"
for file in ./usr/bin/orvane ./usr/bin/orvane-render \
            ./usr/share/applications/org.orvane.Orvane.desktop \
            ./usr/share/metainfo/org.orvane.Orvane.metainfo.xml \
            ./usr/share/mime/packages/org.orvane.Orvane.xml \
            ./usr/share/icons/hicolor/scalable/apps/org.orvane.Orvane.svg \
            ./usr/share/icons/hicolor/48x48/apps/org.orvane.Orvane.png \
            ./usr/share/icons/hicolor/scalable/mimetypes/application-x-orvane-calendar.svg \
            ./usr/share/man/man1/orvane.1.gz ./usr/share/man/man1/orvane-render.1.gz \
            ./usr/share/orvane/help/ ./usr/share/orvane/Borders/ ./usr/share/orvane/Textures/ \
            ./usr/share/orvane/Holidays/; do
  grep -qx "$file" "$work/files" || { echo "the package lacks $file"; exit 1; }
done
# The desktop files stay out of the program's own data.
if grep -q '^./usr/share/orvane/desktop' "$work/files"; then
  echo "the desktop files were installed with the program's data"; exit 1
fi

# Unpacked anywhere, the programs find the data installed beside them.
dpkg-deb -x "$deb" "$work/root"
"$work/root/usr/bin/orvane" --version | grep -qx 'orvane [0-9.]*'
"$work/root/usr/bin/orvane-render" --version | grep -qx 'orvane-render [0-9.]*'
export XDG_CONFIG_HOME="$work/config"
# A border found in the data folder moves the calendar inside it; one not found leaves it
# where a page without border has it.
render="$work/root/usr/bin/orvane-render"
"$render" --layout 3 --month 1 --year 2027 --geometry >"$work/plain.json"
"$render" --layout 3 --month 1 --year 2027 --border Floral --geometry >"$work/border.json"
if cmp -s "$work/plain.json" "$work/border.json"; then
  echo "the installed border was not found"; exit 1
fi
echo "package is complete"
