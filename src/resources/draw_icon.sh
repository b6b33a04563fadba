#!/usr/bin/env bash
# Draws the program's icon with ImageMagick and writes it as a Windows icon
# with 16, 32 and 48 pixel images:
#
#   draw_icon.sh OUT.ico [PNG-DIR]
#
# The picture is a disc with a cat's ears and eyes: a spool of CDs and the
# cat that watches it. It is drawn on a 48-unit grid and scaled for each size,
# so every size is drawn, not shrunk from a bigger picture. PNG-DIR, when
# given, keeps the three images (for looking at them).
set -euo pipefail

out="$1"
keep="${2:-}"
convert="$(command -v convert)" || {
  echo "draw_icon.sh: ImageMagick's convert is missing (scripts/deps.sh wine installs it)" >&2
  exit 1
}

ink='#34404c'
# $1: the outline's width in grid units (one pixel at every size); $2: "small"
# at 16 pixels, where the shine on the disc and the outlines of the ears and
# the hub would only blur the picture.
picture() {
  local line="$1" small="$2" detail="stroke $ink stroke-width $1"
  [ "$small" = no ] || detail="stroke none"
  cat <<MVG
stroke-linejoin round $detail
fill '#e8a040' polygon 7,20 9,2 21,11
fill '#e8a040' polygon 41,20 39,2 27,11
stroke $ink stroke-width $line
fill '#d7dde4' circle 24,27 24,6
MVG
  if [ "$small" = no ]; then
    echo "fill none stroke '#7fb0e0' stroke-width 3 circle 24,27 24,13"
  fi
  cat <<MVG
$detail
fill '#f4f6f8' circle 24,27 24,21
stroke none fill $ink
circle 24,27 24,24.5
ellipse 16,19 3,4 0,360
ellipse 32,19 3,4 0,360
MVG
}

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
images=()
for size in 16 32 48; do
  scale="$(awk -v s="$size" 'BEGIN { printf "%.4f", s / 48 }')"
  line="$(awk -v s="$size" 'BEGIN { printf "%.4f", 48 / s }')"
  small=no
  [ "$size" -ge 32 ] || small=yes
  "$convert" -size "${size}x${size}" xc:none \
    -draw "scale $scale,$scale $(picture "$line" "$small" | tr '\n' ' ')" \
    "png32:$work/icon-$size.png"
  images+=("$work/icon-$size.png")
done
"$convert" "${images[@]}" "$out"
if [ -n "$keep" ]; then
  mkdir -p "$keep"
  cp "${images[@]}" "$keep/"
fi
