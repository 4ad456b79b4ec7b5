#!/usr/bin/env bash
# Draws Zentory's own pictures from geometric primitives with ImageMagick:
# the PNG pictures in res/images and the icon files in res/icons.
# The build embeds the files this script writes; it does not run the script.
# Usage: make-images.sh [group...]   groups: items banners splash markers
#        pages errexamples icons (all of them when none is given)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
IMG=$here
mkdir -p "$here/../icons"
ICO=$(cd "$here/../icons" && pwd)
FONT=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
FONT_BOLD=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
for f in "$FONT" "$FONT_BOLD"; do
  [ -r "$f" ] || { echo "make-images.sh: missing font $f (package fonts-dejavu-core)" >&2; exit 1; }
done

# ---------------------------------------------------------------------------
# Drawing helpers. A picture is drawn in logical units on a canvas S times
# larger than the result and reduced at the end, which gives clean edges on
# whole-pixel boundaries and smooth ones elsewhere.

S=8          # supersampling factor
W=0 H=0      # logical size of the current picture
A=()         # convert arguments that build the current picture

# dev X... -> the logical coordinates in device pixels, comma separated
dev() { awk -v s="$S" 'BEGIN { for (i = 1; i < ARGC; i++) printf "%s%g", (i > 1 ? "," : ""), ARGV[i] * s }' "$@"; }

# canvas W H [S]: start a transparent picture
canvas() { W=$1 H=$2 S=${3:-8}; A=(-size "$((W * S))x$((H * S))" xc:none); }

# draw MVG: draw primitives given in logical units
draw() { A+=(-draw "push graphic-context
scale $S,$S
$1
pop graphic-context"); }

# shade SHAPE lin X1 Y1 X2 Y2 C1 C2 | shade SHAPE rad CX CY R C1 C2
# fills the MVG shape with a linear or radial gradient
shade() {
  local shape=$1 kind=$2 size="$((W * S))x$((H * S))"
  shift 2
  local grad
  case $kind in
    lin) grad=(-define "gradient:vector=$(dev "$1" "$2" "$3" "$4")" "gradient:$5-$6" +define gradient:vector) ;;
    rad) grad=(-define "gradient:center=$(dev "$1" "$2")" -define "gradient:radii=$(dev "$3" "$3")"
               "radial-gradient:$4-$5" +define gradient:center +define gradient:radii) ;;
  esac
  A+=('(' -size "$size" "${grad[@]}" -alpha set
      '(' -size "$size" xc:none -draw "push graphic-context
scale $S,$S
fill white stroke none
$shape
pop graphic-context" ')' -compose DstIn -composite ')' -compose Over -composite)
}

# finish FILE: reduce to the logical size and write a 32-bit RGBA PNG
finish() {
  convert "${A[@]}" -filter box -resize "${W}x${H}!" -depth 8 -strip \
    -define png:exclude-chunks=date,time "PNG32:$1"
}

# shadow SHAPE BLUR OPACITY: a soft black shadow of the MVG shape
shadow() {
  A+=('(' -size "$((W * S))x$((H * S))" xc:none -draw "push graphic-context
scale $S,$S
fill black stroke none
$1
pop graphic-context" -channel A -blur "0x$(dev "$2")" -evaluate multiply "$3" +channel ')'
      -compose Over -composite)
}

# star CX CY R_OUT R_IN POINTS: a star polygon
star() {
  awk -v cx="$1" -v cy="$2" -v ro="$3" -v ri="$4" -v n="$5" 'BEGIN {
    printf "polygon"
    for (i = 0; i < 2 * n; i++) {
      a = -3.14159265 / 2 + i * 3.14159265 / n; r = (i % 2) ? ri : ro
      printf " %.3f,%.3f", cx + r * cos(a), cy + r * sin(a)
    }
    print "" }'
}

# gear CX CY R_OUT R_IN TEETH: a cog wheel outline polygon
gear() {
  awk -v cx="$1" -v cy="$2" -v ro="$3" -v ri="$4" -v n="$5" 'BEGIN {
    pi = 3.14159265; step = 2 * pi / n; printf "polygon"
    for (i = 0; i < n; i++) {
      a = -pi / 2 + i * step
      # root, flank up, tooth top, flank down
      split("-0.5 -0.22 0.22 0.5", f, " ")
      printf " %.3f,%.3f", cx + ri * cos(a + f[1] * step * 0.9), cy + ri * sin(a + f[1] * step * 0.9)
      printf " %.3f,%.3f", cx + ro * cos(a + f[2] * step), cy + ro * sin(a + f[2] * step)
      printf " %.3f,%.3f", cx + ro * cos(a + f[3] * step), cy + ro * sin(a + f[3] * step)
      printf " %.3f,%.3f", cx + ri * cos(a + f[4] * step * 0.9), cy + ri * sin(a + f[4] * step * 0.9)
    }
    print "" }'
}

# arrowhead CX CY R ANGLE LENGTH WIDTH: a triangle at the clockwise end
# (ANGLE, degrees) of an arc around CX,CY with radius R, pointing along it
arrowhead() {
  awk -v cx="$1" -v cy="$2" -v r="$3" -v a="$4" -v l="$5" -v w="$6" 'BEGIN {
    a = a * 3.14159265 / 180; c = cos(a); s = sin(a)
    px = cx + r * c; py = cy + r * s
    printf "polygon %.3f,%.3f %.3f,%.3f %.3f,%.3f\n", px + w * c, py + w * s, px - w * c, py - w * s, px - l * s, py + l * c }'
}

# at ORIGIN K U -> ORIGIN + U * K (place a design coordinate)
at() { awk -v o="$1" -v k="$2" -v u="$3" 'BEGIN { print o + u * k }'; }

# logo X Y SIZE: the Zentory mark (a blue tile holding a white Z whose lower
# bar carries an orange slider knob), designed on a 256-unit grid
logo() {
  local x=$1 y=$2 k
  k=$(awk -v s="$3" 'BEGIN { print s / 256 }')
  local t="translate $x,$y
scale $k,$k"
  shade "$t
roundrectangle 12,12 244,244 56,56" lin "$(at "$x" "$k" 12)" "$(at "$y" "$k" 12)" \
    "$(at "$x" "$k" 244)" "$(at "$y" "$k" 244)" '#3cc8e8' '#1a4a99'
  draw "$t
fill '#ffffff2a'
path 'M 12,120 L 12,68 Q 12,12 68,12 L 188,12 Q 244,12 244,68 L 244,96 Q 140,86 12,120 Z'
fill white
polygon 62,58 194,58 194,92 116,164 194,164 194,198 62,198 62,164 140,92 62,92"
  shade "$t
circle 150,181 150,151" lin "$(at "$x" "$k" 150)" "$(at "$y" "$k" 151)" \
    "$(at "$x" "$k" 150)" "$(at "$y" "$k" 211)" '#ffc15a' '#f0720f'
  draw "$t
fill none stroke white stroke-width 9
circle 150,181 150,151"
}

# ---------------------------------------------------------------------------
# Navigation item pictures, 16 x 16

items() {
  local n=0 out
  next_item() { n=$((n + 1)); out=$(printf '%s/item_%02d.png' "$IMG" "$n"); }

  # System: a monitor
  next_item; canvas 16 16
  shade "roundrectangle 0.5,1.5 15.5,11.5 1.5,1.5" lin 0 1.5 0 11.5 '#f5f7f9' '#aab4c0'
  draw "fill none stroke '#4f5b69' stroke-width 1 roundrectangle 0.5,1.5 15.5,11.5 1.5,1.5"
  shade "rectangle 2,3 14,10" lin 2 3 12 10 '#86ccff' '#1f5fae'
  draw "fill '#ffffff38' polygon 2,3 10,3 6,10 2,10
fill '#7d8896' rectangle 6,11.5 10,13.5
fill '#d9dee4' stroke '#4f5b69' stroke-width 1 roundrectangle 3.5,13.5 12.5,15.5 1,1"
  finish "$out"

  # Security: a shield with a check mark
  next_item; canvas 16 16
  local shield="path 'M 8,0.7 L 14.5,2.9 L 14.5,7.6 C 14.5,11.5 11.8,14 8,15.4 C 4.2,14 1.5,11.5 1.5,7.6 L 1.5,2.9 Z'"
  shade "$shield" lin 0 1 0 15 '#74bdf6' '#1d58a6'
  draw "fill '#0000001c' path 'M 8,0.7 L 14.5,2.9 L 14.5,7.6 C 14.5,11.5 11.8,14 8,15.4 Z'
fill none stroke '#174479' stroke-width 1 $shield
stroke white stroke-width 1.9 stroke-linecap round stroke-linejoin round
polyline 4.7,8.1 7,10.4 11.3,5.5"
  finish "$out"

  # Files and Drives: a folder above a hard drive
  next_item; canvas 16 16
  shade "path 'M 1.5,1.5 L 5.5,1.5 L 7,3 L 14.5,3 L 14.5,11 L 1.5,11 Z'" lin 0 1.5 0 11 '#f7c95a' '#d99a1e'
  draw "fill none stroke '#a4700c' stroke-width 1 path 'M 1.5,1.5 L 5.5,1.5 L 7,3 L 14.5,3 L 14.5,11 L 1.5,11 Z'"
  shade "path 'M 1.5,5.5 L 14.5,5.5 L 14.5,11 L 1.5,11 Z'" lin 0 4.5 0 11 '#ffe9a6' '#f4c04a'
  draw "fill none stroke '#a4700c' stroke-width 1 path 'M 1.5,5.5 L 14.5,5.5 L 14.5,11 L 1.5,11 Z'"
  shade "roundrectangle 0.5,9.5 15.5,15.5 1.5,1.5" lin 0 9.5 0 15.5 '#f3f5f7' '#98a4b2'
  draw "fill none stroke '#4f5b69' stroke-width 1 roundrectangle 0.5,9.5 15.5,15.5 1.5,1.5
stroke '#6b7787' line 2.5,12.5 8.5,12.5
fill '#3ddc3f' stroke '#1f7a21' stroke-width 0.6 circle 12.5,12.5 13.6,12.5"
  finish "$out"

  # Restrictions: a no-entry sign
  next_item; canvas 16 16
  shade "circle 8,8 8,0.5" rad 6 5 10 '#ff9484' '#c0201a'
  draw "fill none stroke '#85170f' stroke-width 1 circle 8,8 8,0.5
fill white stroke none roundrectangle 3.5,6.6 12.5,9.4 0.6,0.6"
  finish "$out"

  # System Information: an information sign
  next_item; canvas 16 16
  shade "circle 8,8 8,0.5" rad 6 5 10 '#8ed0ff' '#1b5aa8'
  draw "fill none stroke '#174479' stroke-width 1 circle 8,8 8,0.5
fill white stroke none circle 8,4.5 8,3.2
path 'M 6.2,6.4 L 9.2,6.4 L 9.2,11.5 L 10.2,11.5 L 10.2,12.9 L 5.8,12.9 L 5.8,11.5 L 6.8,11.5 L 6.8,7.8 L 6.2,7.8 Z'"
  finish "$out"

  # Explorer and Start Menu: a desktop with an open start menu
  next_item; canvas 16 16
  shade "roundrectangle 0.5,0.5 15.5,15.5 1.5,1.5" lin 0 0 0 12 '#c8e8ff' '#5aa3e3'
  draw "fill '#20406a' rectangle 1,12 15,15
fill none stroke '#2c5f97' stroke-width 1 roundrectangle 0.5,0.5 15.5,15.5 1.5,1.5
fill white stroke '#4f6f94' rectangle 1.5,3.5 8.5,11.5
stroke '#8aa6c6' line 3,5.5 7,5.5 line 3,7.5 7,7.5 line 3,9.5 6,9.5
stroke '#1f7a21' stroke-width 0.5 fill '#5fd04a' circle 3.2,13.5 3.2,12.1"
  finish "$out"

  # Visual Effects: a magic wand with sparkles
  next_item; canvas 16 16
  draw "stroke '#323844' stroke-width 2.4 stroke-linecap round line 2.2,13.8 8.6,7.4
stroke '#f2f4f7' line 7.6,8.4 8.6,7.4"
  shade "$(star 11.3 4.8 4.6 1.35 4)" lin 0 0.2 0 9.4 '#fff1a0' '#f3a712'
  draw "fill none stroke '#b17100' stroke-width 0.6 $(star 11.3 4.8 4.6 1.35 4)
fill '#5cb8ff' stroke none $(star 3.6 3.6 2.4 0.6 4)
fill '#b58cff' $(star 13.4 12.4 2.3 0.6 4)"
  finish "$out"

  # System customization: a cog wheel
  next_item; canvas 16 16
  shade "$(gear 8 8 7.6 5.5 8)" lin 0 0.5 0 15.5 '#eef2f7' '#7f91a8'
  draw "fill none stroke '#45556a' stroke-width 0.9 $(gear 8 8 7.6 5.5 8)
fill white circle 8,8 8,5.6"
  finish "$out"

  # Optimization: a speed gauge
  next_item; canvas 16 16
  shade "circle 8,8.5 8,1" lin 0 1 0 16 '#eef1f4' '#9aa5b3'
  draw "fill none stroke '#4f5b69' stroke-width 1 circle 8,8.5 8,1
fill '#fdfdfd' stroke none circle 8,8.5 8,2.6
fill none stroke-width 1.6
stroke '#37b34a' ellipse 8,8.5 4.6,4.6 150,210
stroke '#f5c21b' ellipse 8,8.5 4.6,4.6 210,270
stroke '#f08a1c' ellipse 8,8.5 4.6,4.6 270,330
stroke '#e0302a' ellipse 8,8.5 4.6,4.6 330,30
stroke '#c62828' stroke-width 1.2 stroke-linecap round line 8,8.5 11.4,5
fill '#323844' stroke none circle 8,8.5 8,7.1"
  finish "$out"

  # Memory Management: a memory module
  next_item; canvas 16 16
  shade "path 'M 0.5,3.5 L 15.5,3.5 L 15.5,12.5 L 9,12.5 L 9,11.5 L 7,11.5 L 7,12.5 L 0.5,12.5 Z'" lin 0 3.5 0 12.5 '#5fcf6a' '#1f8a3a'
  draw "fill none stroke '#14602a' stroke-width 1 path 'M 0.5,3.5 L 15.5,3.5 L 15.5,12.5 L 9,12.5 L 9,11.5 L 7,11.5 L 7,12.5 L 0.5,12.5 Z'
fill '#262b33' stroke none rectangle 2,5 5,9 rectangle 6.5,5 9.5,9 rectangle 11,5 14,9
fill '#f2c23a' rectangle 2,10 3,12 rectangle 4,10 5,12 rectangle 11,10 12,12 rectangle 13,10 14,12"
  finish "$out"

  # Context Menu: a pop-up menu with the pointer
  next_item; canvas 16 16
  draw "fill '#00000026' rectangle 5.5,1.5 16,13
fill white stroke '#6b7787' stroke-width 1 rectangle 4.5,0.5 15.5,12.5
stroke '#9aa7b6' line 6,3 13,3 line 6,10.5 12,10.5
stroke none fill '#3d8ee0' rectangle 5,5 15,8.5
fill white rectangle 6.5,6.3 12.5,7.3
fill '#1f2430' stroke white stroke-width 0.8 stroke-linejoin round
polygon 1.4,6.6 1.4,15 3.3,13.2 4.6,15.9 6,15.3 4.7,12.6 7.3,12.6"
  finish "$out"

  # Network: three connected computers
  next_item; canvas 16 16
  draw "fill none stroke '#4f5b69' stroke-width 1
polyline 8,5 8,8 3,8 3,10.5 polyline 8,8 13,8 13,10.5"
  local box
  for box in "5.5,0.5 10.5,5.5" "0.5,10.5 5.5,15.5" "10.5,10.5 15.5,15.5"; do
    local x1=${box%%,*} y1 x2 y2 r
    r=${box#*,}; y1=${r%% *}; r=${r#* }; x2=${r%%,*}; y2=${r#*,}
    shade "rectangle $x1,$y1 $x2,$y2" lin 0 "$y1" 0 "$y2" '#8ccbff' '#1f5fae'
    draw "fill none stroke '#174479' stroke-width 1 rectangle $x1,$y1 $x2,$y2
fill '#ffffff55' stroke none polygon $(awk -v a="$x1" -v b="$y1" 'BEGIN { printf "%g,%g %g,%g %g,%g", a+0.5, b+0.5, a+4.5, b+0.5, a+0.5, b+4.5 }')"
  done
  finish "$out"

  # Internet Explorer: a browser globe
  next_item; canvas 16 16
  shade "circle 8,8 8,0.5" rad 5.5 5 10 '#a6e0ff' '#1a5cad'
  draw "fill none stroke '#ffffffb0' stroke-width 0.75
ellipse 8,8 3.2,7.5 0,360 line 8,0.7 8,15.3 line 0.7,8 15.3,8
path 'M 2,4.4 Q 8,6 14,4.4' path 'M 2,11.6 Q 8,10 14,11.6'
stroke '#164a86' stroke-width 1 circle 8,8 8,0.5"
  finish "$out"

  # Startup Manager: a start button
  next_item; canvas 16 16
  shade "circle 8,8 8,0.5" rad 6 5 10 '#9cec82' '#23902a'
  draw "fill none stroke '#1c6a20' stroke-width 1 circle 8,8 8,0.5
fill white stroke white stroke-width 0.8 stroke-linejoin round polygon 6.2,4.7 6.2,11.3 11.6,8"
  finish "$out"

  # Uninstall Manager: a package with a removal badge
  next_item; canvas 16 16
  draw "stroke '#7a5420' stroke-width 1 stroke-linejoin round
fill '#f3d596' polygon 0.5,5.5 3.5,1.5 14.5,1.5 11.5,5.5
fill '#b9843a' polygon 11.5,5.5 14.5,1.5 14.5,11.5 11.5,14.5
fill '#dcab60' rectangle 0.5,5.5 11.5,14.5
stroke '#fff3d6' stroke-width 1.2 line 5.2,5.5 8.2,1.5 line 5.2,5.5 5.2,9"
  shade "circle 12,12 12,8.1" rad 11 10.5 5 '#ff8f80' '#c21f18'
  draw "fill none stroke '#85170f' stroke-width 0.9 circle 12,12 12,8.1
fill white stroke none rectangle 9.8,11.3 14.2,12.7"
  finish "$out"

  # Windows Utilities: a toolbox
  next_item; canvas 16 16
  draw "fill none stroke '#3c424c' stroke-width 1.3 roundrectangle 5.2,2.6 10.8,7 1,1"
  shade "roundrectangle 0.5,5.5 15.5,14.5 1.2,1.2" lin 0 5.5 0 14.5 '#ff7a63' '#b82418'
  draw "fill '#0000002a' rectangle 1,9 15,10
fill none stroke '#7a160f' stroke-width 1 roundrectangle 0.5,5.5 15.5,14.5 1.2,1.2
fill '#e3e7ec' stroke '#4f5b69' stroke-width 0.7 rectangle 6.6,8.2 9.4,10.8"
  finish "$out"

  # Settings: three sliders
  next_item; canvas 16 16
  draw "stroke '#6b7787' stroke-width 1.4 stroke-linecap round
line 1.5,3.5 14.5,3.5 line 1.5,8 14.5,8 line 1.5,12.5 14.5,12.5"
  local knob
  for knob in "10.5 3.5" "5 8" "11.5 12.5"; do
    local kx=${knob% *} ky=${knob#* }
    shade "circle $kx,$ky $kx,$(awk -v y="$ky" 'BEGIN { print y - 2.3 }')" lin 0 "$(awk -v y="$ky" 'BEGIN { print y - 2.3 }')" 0 "$(awk -v y="$ky" 'BEGIN { print y + 2.3 }')" '#8ccbff' '#1f5fae'
    draw "fill none stroke '#174479' stroke-width 0.9 circle $kx,$ky $kx,$(awk -v y="$ky" 'BEGIN { print y - 2.3 }')"
  done
  finish "$out"

  # About: the program's mark
  next_item; canvas 16 16
  logo 0 0 16
  finish "$out"
}

# ---------------------------------------------------------------------------
# Navigation group banners, 185 x 24, under a bold dark blue caption

banners() {
  local n=0 spec top bottom edge accent
  for spec in '#f6fafe #d8e6f5 #a7c1dd #3f86cf' '#f5fbfd #d4e9f0 #a0c9d7 #2f9bbf' \
              '#f7f8fe #dce1f5 #adb7de #5a6fcf' '#f5fcfa #d5ece6 #a2cfc2 #2fa38a' \
              '#f7f9fb #dee5ec #b1bfcd #5f7a96' '#f6fbfe #d7eaf6 #a4c9e4 #f08a1c'; do
    read -r top bottom edge accent <<<"$spec"
    n=$((n + 1))
    canvas 185 24 4
    local card="path 'M 0,24 L 0,3 Q 0,0 3,0 L 182,0 Q 185,0 185,3 L 185,24 Z'"
    shade "$card" lin 0 0 0 24 "$top" "$bottom"
    draw "fill '${accent}14' stroke none circle 160,4 160,-14 circle 178,20 178,8
fill '${accent}0c' circle 140,26 140,14
fill none stroke '#ffffffc0' stroke-width 1 line 3,0.5 182,0.5
stroke '$edge' line 0,23.5 185,23.5
fill '$accent' stroke none path 'M 0,23 L 0,3 Q 0,0 3,0 L 3,23 Z'"
    finish "$IMG/banner_$n.png"
  done
}

# ---------------------------------------------------------------------------
# Splash picture, 436 x 197: a dark card with rounded corners and a soft
# shadow; the program draws a white 1-pixel progress line from (164, 153) up
# to 215 pixels long over the track drawn here.

splash() {
  canvas 436 197 2
  local card="roundrectangle 12,8 424,184 18,18"
  shadow "roundrectangle 14,13 422,187 18,18" 5 0.55
  shade "$card" lin 12 8 424 184 '#1a4371' '#0a1a31'
  shade "$card" rad 405 18 190 '#3cc8e83a' '#3cc8e800'
  shade "$card" rad 90 96 110 '#2f8fd848' '#2f8fd800'
  draw "fill none stroke '#ffffff26' stroke-width 1 roundrectangle 12.5,8.5 423.5,183.5 17.5,17.5
stroke '#ffffff14' line 30,9 406,9"
  logo 34 40 112
  draw "font '$FONT_BOLD' font-size 50 fill white stroke none text 160,101 'Zentory'
font '$FONT' font-size 15 fill '#9fcbef' text 165,127 'System settings utility'
fill none stroke '#ffffff26' stroke-width 1 line 164,153.5 379,153.5"
  finish "$IMG/splash.png"
}

# ---------------------------------------------------------------------------
# Restart markers, 24 x 24, and page pictures, 32 x 32

markers() {
  # Reboot required: a power symbol on an orange button
  canvas 24 24
  shade "circle 12,12 12,0.5" rad 9 8 15 '#ffc27a' '#e0600c'
  draw "fill none stroke '#a2440a' stroke-width 1 circle 12,12 12,0.5
stroke white stroke-width 2.2 stroke-linecap round
ellipse 12,12.8 6,6 300,600 line 12,4.6 12,11.4"
  finish "$IMG/marker_reboot.png"

  # Explorer restart required: a window with a green circular arrow
  canvas 24 24
  draw "fill '#0000001f' stroke none rectangle 1.5,2.5 20,18.5
fill white stroke '#4f6f94' stroke-width 1 rectangle 0.5,1.5 18.5,17.5"
  shade "rectangle 1,2 18,6" lin 0 2 0 6 '#6fb8f4' '#2a6fc0'
  draw "fill '#d5e6f7' stroke none rectangle 1,6 6,17
fill '#9ab6d4' rectangle 2,8 5,9 rectangle 2,10 5,11 rectangle 2,12 5,13
fill white rectangle 14,3 17,5"
  shade "circle 16,16 16,8" lin 0 8 0 24 '#6fd45a' '#1c7f22'
  draw "fill none stroke '#1c6a20' stroke-width 1 circle 16,16 16,8
stroke white stroke-width 1.8 ellipse 16,16 3.8,3.8 15,280
fill white stroke none $(arrowhead 16 16 3.8 280 3 2.6)"
  finish "$IMG/marker_explorer.png"
}

pages() {
  # General program settings: a cog wheel around a blue hub
  canvas 32 32
  shade "$(gear 16 16 15.2 11.6 10)" lin 0 1 0 31 '#f1f4f8' '#8193aa'
  draw "fill none stroke '#45556a' stroke-width 1 $(gear 16 16 15.2 11.6 10)"
  shade "circle 16,16 16,9.5" lin 0 9.5 0 22.5 '#8ccbff' '#1f5fae'
  draw "fill none stroke '#174479' stroke-width 1 circle 16,16 16,9.5
fill white stroke '#45556a' circle 16,16 16,12.5
fill '#ffffff50' stroke none path 'M 10.2,13.5 A 6.5,6.5 0 0 1 19,10.2 L 17.6,12.7 A 3.5,3.5 0 0 0 12.9,14.3 Z'"
  finish "$IMG/page_settings.png"

  # Advanced program settings: two cog wheels
  canvas 32 32
  shade "$(gear 12 12 11.3 8.4 8)" lin 0 1 0 23 '#f1f4f8' '#8193aa'
  draw "fill none stroke '#45556a' stroke-width 1 $(gear 12 12 11.3 8.4 8)
fill white circle 12,12 12,8.6"
  shade "$(gear 23 23 8.4 6.2 8)" lin 0 14.5 0 31.5 '#ffd48a' '#e0780f'
  draw "fill none stroke '#9a4f06' stroke-width 1 $(gear 23 23 8.4 6.2 8)
fill white circle 23,23 23,20.3"
  finish "$IMG/page_settings_advanced.png"

  # Power button
  canvas 32 32
  shade "circle 16,16 16,0.5" rad 12 10 21 '#ff9a78' '#c8281a'
  draw "fill none stroke '#84180f' stroke-width 1 circle 16,16 16,0.5
stroke '#ffffff60' circle 16,16 16,2
stroke white stroke-width 2.8 stroke-linecap round
ellipse 16,17 8,8 300,600 line 16,6 16,15.5"
  finish "$IMG/page_power.png"

  # Performance: a speed gauge
  canvas 32 32
  shade "circle 16,17 16,1.5" lin 0 1.5 0 32 '#f1f3f6' '#95a1b0'
  draw "fill none stroke '#4f5b69' stroke-width 1 circle 16,17 16,1.5
fill '#fdfdfd' stroke '#aeb7c2' circle 16,17 16,4.5
fill none stroke-width 3
stroke '#37b34a' ellipse 16,17 9.6,9.6 140,205
stroke '#f5c21b' ellipse 16,17 9.6,9.6 205,270
stroke '#f08a1c' ellipse 16,17 9.6,9.6 270,335
stroke '#e0302a' ellipse 16,17 9.6,9.6 335,40
stroke '#4f5b69' stroke-width 1
line 16,5 16,7.5 line 7.5,17 5,17 line 24.5,17 27,17 line 10,11 8.3,9.3 line 22,11 23.7,9.3
fill '#c62828' stroke none polygon 15,18 17,16.2 23.8,9.5
fill '#323844' circle 16,17 16,14.6
fill '#ffffff70' circle 15.3,16.3 15.3,15.6"
  finish "$IMG/page_performance.png"

  # Animation: a window growing out of its smaller, fainter copies
  canvas 32 32
  draw "fill '#ffffff80' stroke '#4f6f9470' stroke-width 1 rectangle 0.5,21.5 9.5,29.5
fill '#4f8fd050' stroke none rectangle 1,22 9,24
fill '#ffffffb0' stroke '#4f6f94a8' stroke-width 1 rectangle 4.5,13.5 17.5,25.5
fill '#4f8fd090' stroke none rectangle 5,14 17,17
fill '#00000022' rectangle 11,5 32,24
fill white stroke '#4f6f94' stroke-width 1 rectangle 9.5,3.5 30.5,22.5"
  shade "rectangle 10,4 30,8" lin 0 4 0 8 '#6fb8f4' '#2a6fc0'
  draw "fill white stroke none rectangle 26,5 29,7
fill '#c2d6ea' rectangle 12,10 28,12 rectangle 12,14 24,16 rectangle 12,18 26,20"
  finish "$IMG/page_animation.png"

  # Information
  canvas 32 32
  shade "circle 16,16 16,0.5" rad 12 10 21 '#9ad6ff' '#1b58a6'
  draw "fill none stroke '#174479' stroke-width 1 circle 16,16 16,0.5
stroke '#ffffff50' circle 16,16 16,2
fill white stroke none circle 16,8.6 16,6.2
path 'M 12.6,12.6 L 18.4,12.6 L 18.4,22.8 L 20.4,22.8 L 20.4,25.6 L 11.6,25.6 L 11.6,22.8 L 13.6,22.8 L 13.6,15.4 L 12.6,15.4 Z'"
  finish "$IMG/page_info.png"
}

# ---------------------------------------------------------------------------
# Error-report dialog examples, 330 x 160: text-free drawings of the dialog
# that asks before sending, the one that sends basic data and the one that
# never sends

# dialog_frame: window frame, title bar, body with text lines, button strip
dialog_frame() {
  canvas 330 160 2
  draw "fill white stroke none rectangle 0,0 330,160"
  shade "rectangle 0,0 330,28" lin 0 0 0 28 '#e4eefa' '#bcd3ec'
  draw "fill '#f1f3f6' rectangle 0,118 330,160
stroke '#d3d9e1' stroke-width 1 line 0,118.5 330,118.5
stroke '#9fb4cc' line 0,27.5 330,27.5
fill none stroke '#5a7ea6' rectangle 0.5,0.5 329.5,159.5
fill '#4f8fd0' stroke '#2f5f94' roundrectangle 9.5,8.5 21.5,20.5 2,2
fill '#2c3e5680' stroke none roundrectangle 29,11.5 128,16.5 2,2
fill '#1f4f8a' roundrectangle 74,40 250,48 3,3
fill '#b8c2ce' roundrectangle 74,60 304,65 2,2 roundrectangle 74,71 290,76 2,2 roundrectangle 74,82 232,87 2,2"
  shade "roundrectangle 290,5 321,21 3,3" lin 0 5 0 21 '#f08a7c' '#c7352a'
  draw "fill none stroke '#8e2a20' stroke-width 1 roundrectangle 290.5,5.5 320.5,20.5 3,3
stroke white stroke-width 1.8 stroke-linecap round line 301.5,9.5 309.5,16.5 line 309.5,9.5 301.5,16.5"
}

# button X1 X2 [default]: a push button in the bottom strip
button() {
  local edge='#8a97a8' inner='#ffffff'
  if [ "${3:-}" = default ]; then edge='#3b78c2' inner='#bfe0fb'; fi
  shade "roundrectangle $1,129 $2,151 3,3" lin 0 129 0 151 '#fbfcfd' '#dde3ea'
  draw "fill none stroke '$edge' stroke-width 1 roundrectangle $1.5,129.5 $(($2 - 1)).5,150.5 3,3
stroke '$inner' roundrectangle $1.5,130.5 $(($2 - 1)).5,149.5 2,2
fill '#5f6b7a' stroke none roundrectangle $(($1 + 14)),138 $(($2 - 14)),142 2,2"
}

# dialog_icon COLOUR_LIGHT COLOUR_DARK EDGE: the round sign in the body
dialog_icon() {
  shade "circle 40,58 40,40" rad 35 51 24 "$1" "$2"
  draw "fill none stroke '$3' stroke-width 1 circle 40,58 40,40.5
stroke '#ffffff55' circle 40,58 40,42"
}

errexamples() {
  # Ask before sending: a question sign, a details link, two buttons
  dialog_frame
  dialog_icon '#9ad6ff' '#1b58a6' '#174479'
  draw "fill none stroke white stroke-width 4.4 stroke-linecap round stroke-linejoin round
path 'M 33.5,52 C 33.5,44 46.5,44 46.5,52 C 46.5,57 40,57 40,62.5'
fill white stroke none circle 40,69.5 40,66.8
fill '#3b78c2' circle 17,140 17,133.5
fill none stroke white stroke-width 1.8 stroke-linecap round stroke-linejoin round polyline 14.5,138 17,141 19.5,138
fill '#3b78c2' stroke none roundrectangle 29,138 92,142 2,2"
  button 168 240 default
  button 248 320
  finish "$IMG/errexample_ask.png"

  # Send basic data: an upload sign, a progress bar, one button
  dialog_frame
  dialog_icon '#9ad6ff' '#1b58a6' '#174479'
  draw "fill white stroke none polygon 40,46 50,57 44,57 44,69 36,69 36,57 30,57
fill '#e6eaef' stroke '#aab5c2' stroke-width 1 roundrectangle 74.5,97.5 304.5,107.5 2,2"
  shade "roundrectangle 75,98 210,107 2,2" lin 0 98 0 107 '#8fe27a' '#2f9a2c'
  button 248 320
  finish "$IMG/errexample_basic.png"

  # Never send: a stop sign, one button
  dialog_frame
  dialog_icon '#ff9a86' '#c0201a' '#85170f'
  draw "stroke white stroke-width 4.4 stroke-linecap round line 33,51 47,65 line 47,51 33,65"
  button 248 320 default
  finish "$IMG/errexample_never.png"
}

# ---------------------------------------------------------------------------
# Icons: the program icon (the mark at 16, 32, 48 and 256 pixels) and a fully
# transparent icon with the same sizes

icons() {
  local size f=()
  for size in 16 32 48 256; do
    canvas "$size" "$size" $((size > 64 ? 4 : 8))
    logo 0 0 "$size"
    finish "$TMP/zentory_$size.png"
    f+=("$TMP/zentory_$size.png")
    convert -size "${size}x${size}" xc:none -depth 8 -strip "PNG32:$TMP/blank_$size.png"
  done
  convert "${f[@]}" -define png:color-type=6 -define png:bit-depth=8 "$ICO/zentory.ico"
  convert "$TMP"/blank_{16,32,48,256}.png -define png:color-type=6 -define png:bit-depth=8 "$ICO/blank.ico"
}

# ---------------------------------------------------------------------------

groups=(items banners splash markers pages errexamples icons)
for g in "${@:-${groups[@]}}"; do
  case " ${groups[*]} " in
    *" $g "*) "$g" ;;
    *) echo "make-images.sh: unknown group '$g' (groups: ${groups[*]})" >&2; exit 2 ;;
  esac
done
