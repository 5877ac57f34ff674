#!/usr/bin/env bash
# Renders the 48x48 PNG icons from their SVG sources; rerun after editing one.
set -euo pipefail
cd "$(dirname "$0")"
for svg in *.svg; do
  rsvg-convert -w 48 -h 48 "$svg" -o "${svg%.svg}.png"
done
