#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Orvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop entry, the AppStream metadata and the MIME types are what the desktop's
# own tools accept. Usage: check-desktop-files.sh SOURCE_DIR
set -euo pipefail
desktop="$1/data/desktop"
for tool in desktop-file-validate appstreamcli update-mime-database; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
desktop-file-validate "$desktop/org.orvane.Orvane.desktop"
appstreamcli validate --no-net --explain "$desktop/org.orvane.Orvane.metainfo.xml"

# The MIME types, compiled as the system would, name our files by both spellings.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/mime/packages"
cp "$desktop/org.orvane.Orvane.xml" "$work/mime/packages/"
update-mime-database "$work/mime"
grep -qx 'application/x-orvane-calendar:\*.ovf' <(cut -d: -f2- "$work/mime/globs2")
grep -qx 'application/x-orvane-style:\*.ovs' <(cut -d: -f2- "$work/mime/globs2")
# Globs are matched without regard to case unless marked otherwise: *.ovf takes *.OVF too.
if grep orvane "$work/mime/globs2" | cut -d: -f4 | grep -q cs; then
  echo "a glob is case-sensitive"; exit 1
fi

# The entry opens calendars, and every icon it or the types name is shipped in all sizes.
grep -qx 'MimeType=application/x-orvane-calendar;' "$desktop/org.orvane.Orvane.desktop"
for name in org.orvane.Orvane application-x-orvane-calendar application-x-orvane-style; do
  test -s "$desktop/icons/$name.svg"
  for size in 16 22 24 32 48 64 128 256; do
    test -s "$desktop/icons/${size}x${size}/$name.png" || { echo "missing ${size}px icon $name"; exit 1; }
  done
done
echo "desktop files are valid"
