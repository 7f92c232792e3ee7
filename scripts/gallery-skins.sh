#!/usr/bin/env bash
# Writes the skins of the shipped galleries (data/Skins/<gallery>/<skin>.clk) from the field
# values below, so every design can be read and changed here. Previews are made afterwards by
# scripts/make-gallery-previews.
#   scripts/gallery-skins.sh                  (horavine-cli from build/, or $HORAVINE_CLI)
#
# Field reminders: colours #RRGGBB; each wheel runs from its start colour just clockwise of its
# seam to its end colour just anticlockwise of it, passing their even mix at MidPos percent.
# SecStyle 0 empty circle, 1 full circle, 2 star, 3 none, 4 empty square, 5 full square, 6 cross,
# 7 diamond, 8 triangle. Shape: NotCircular=0 circle; NotCircular=1 Rounded=0 square; 1/1 rounded.
# TextureName: pattern 0 solid silver, 1 none, 2..7 hatches, 8..19 small pattern pictures, or a
# bitmap in data/Textures by bare name. TextureTransparency 100 = invisible. DigPosition 0 off,
# 1 top, 2 middle, 3 bottom; the read-out box is filled with 30 % of the way from its band's
# start colour to its end colour, framed in the end colour, so DigColor is chosen against that.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
skins="$here/../data/Skins"
cli=${HORAVINE_CLI:-"$here/../build/horavine-cli"}
if [ ! -x "$cli" ]; then
    echo "gallery-skins.sh: $cli is not built (cmake --build build --target horavine-cli)" >&2
    exit 1
fi

skin() { # GALLERY NAME FIELD=VALUE ...
    local gallery=$1 name=$2
    shift 2
    mkdir -p "$skins/$gallery"
    "$cli" skin new "$skins/$gallery/$name.clk" "$@"
}

# ---------------------------------------------------------------- Natural: colours of the world outside

# pale gold to vermilion disc in a dusk-purple ring, no texture, full-circle marker, read-out in the middle
skin Natural Sunrise \
    HourStartColor='#FFE9A8' HourEndColor='#C2412D' HourMidPos=45 InnerEdge=48 \
    MinStartColor='#FDB46C' MinEndColor='#4B2A6B' MinMidPos=55 OuterEdge=60 \
    TicsBandColor='#2B1633' TicsColor='#FFD27F' TicsWidth=3 SecStyle=1 SecColor='#FFF3C4' \
    TextureName=1 TextureColor='#2B1633' TextureTransparency=90 \
    DigPosition=2 DigSize=50 DigFont=Comfortaa DigColor='#5A1E12' \
    NotCircular=0 Rounded=0 ClockSize=350 Transparency=0

# leaf greens on a bark-brown band under woven linen, rounded, triangle marker, read-out at the bottom
skin Natural Forest \
    HourStartColor='#D9E8B0' HourEndColor='#1F4D2B' HourMidPos=50 InnerEdge=46 \
    MinStartColor='#A8CF7E' MinEndColor='#0F2A1A' MinMidPos=40 OuterEdge=58 \
    TicsBandColor='#3B2A1A' TicsColor='#E6D8A8' TicsWidth=4 SecStyle=8 SecColor='#F2C14E' \
    TextureName=Linen.bmp TextureColor='#000000' TextureTransparency=78 \
    DigPosition=3 DigSize=48 DigFont=Default DigColor='#0F2A1A' \
    NotCircular=1 Rounded=1 ClockSize=360 Transparency=0

# shallow-water teal over a sand band, fine horizontal ripples, coral empty circle, read-out on top
skin Natural Lagoon \
    HourStartColor='#E0F7F5' HourEndColor='#0A5C7A' HourMidPos=50 InnerEdge=50 \
    MinStartColor='#7FD8E0' MinEndColor='#06304A' MinMidPos=50 OuterEdge=62 \
    TicsBandColor='#F4E9D0' TicsColor='#0A5C7A' TicsWidth=3 SecStyle=0 SecColor='#E8553A' \
    TextureName=2 TextureColor='#0A5C7A' TextureTransparency=88 \
    DigPosition=1 DigSize=46 DigFont=Comfortaa DigColor='#06304A' \
    NotCircular=0 Rounded=0 ClockSize=340 Transparency=10

# amber and rust on a dark band, small diagonal basket weave, diamond marker, no read-out, square
skin Natural Autumn \
    HourStartColor='#F6D365' HourEndColor='#8E2C12' HourMidPos=50 InnerEdge=52 \
    MinStartColor='#E8A33D' MinEndColor='#5A2310' MinMidPos=50 OuterEdge=64 \
    TicsBandColor='#2E1A0F' TicsColor='#F6D365' TicsWidth=3 SecStyle=7 SecColor='#FFEFC2' \
    TextureName=19 TextureColor='#5A2310' TextureTransparency=86 \
    DigPosition=0 DigSize=30 DigFont=Default DigColor='#000000' \
    NotCircular=1 Rounded=0 ClockSize=320 Transparency=0

# lilac wheels with a pearly solid-silver sheen, star marker, read-out in the middle
skin Natural Lavender \
    HourStartColor='#F3EAF9' HourEndColor='#6B3FA0' HourMidPos=50 InnerEdge=50 \
    MinStartColor='#C9B3E6' MinEndColor='#3A2366' MinMidPos=50 OuterEdge=60 \
    TicsBandColor='#FBF8FE' TicsColor='#6B3FA0' TicsWidth=3 SecStyle=2 SecColor='#3A2366' \
    TextureName=0 TextureColor='#000000' TextureTransparency=86 \
    DigPosition=2 DigSize=50 DigFont=Comfortaa DigColor='#3A2366' \
    NotCircular=0 Rounded=0 ClockSize=330 Transparency=15

# ice white and deep blue under marble veins, rounded, empty-square marker, read-out at the bottom
skin Natural Glacier \
    HourStartColor='#FFFFFF' HourEndColor='#5E87B0' HourMidPos=50 InnerEdge=48 \
    MinStartColor='#D6E6F2' MinEndColor='#1E3A5F' MinMidPos=50 OuterEdge=60 \
    TicsBandColor='#EAF2F8' TicsColor='#1E3A5F' TicsWidth=3 SecStyle=4 SecColor='#1E3A5F' \
    TextureName=Marble.bmp TextureColor='#000000' TextureTransparency=70 \
    DigPosition=3 DigSize=48 DigFont=Default DigColor='#1E3A5F' \
    NotCircular=1 Rounded=1 ClockSize=360 Transparency=0

# sand and terracotta with zig-zag dunes, green cross marker, read-out on top, square
skin Natural Desert \
    HourStartColor='#FBE7C6' HourEndColor='#B5562D' HourMidPos=50 InnerEdge=48 \
    MinStartColor='#E9B872' MinEndColor='#7A3B1D' MinMidPos=50 OuterEdge=60 \
    TicsBandColor='#F5DEB3' TicsColor='#7A3B1D' TicsWidth=3 SecStyle=6 SecColor='#2F5D50' \
    TextureName=13 TextureColor='#7A3B1D' TextureTransparency=86 \
    DigPosition=1 DigSize=48 DigFont=Default DigColor='#4A230F' \
    NotCircular=1 Rounded=0 ClockSize=340 Transparency=0

# spring yellow and grass greens, small back-diagonal blades, poppy-red full square
skin Natural Meadow \
    HourStartColor='#FFF6B7' HourEndColor='#3E7C17' HourMidPos=50 InnerEdge=50 \
    MinStartColor='#B5E48C' MinEndColor='#1B4332' MinMidPos=50 OuterEdge=62 \
    TicsBandColor='#1B4332' TicsColor='#FFFFFF' TicsWidth=3 SecStyle=5 SecColor='#E63946' \
    TextureName=17 TextureColor='#1B4332' TextureTransparency=88 \
    DigPosition=2 DigSize=50 DigFont=Default DigColor='#1B4332' \
    NotCircular=0 Rounded=0 ClockSize=340 Transparency=0

# moonlit silver disc in a night-blue ring, scattered star dots, no marker, read-out at the bottom
skin Natural Midnight \
    HourStartColor='#E8ECF8' HourEndColor='#1B2A4A' HourMidPos=40 InnerEdge=50 \
    MinStartColor='#3E4C8A' MinEndColor='#0B1026' MinMidPos=50 OuterEdge=62 \
    TicsBandColor='#000814' TicsColor='#F4D35E' TicsWidth=2 SecStyle=3 SecColor='#F4D35E' \
    TextureName=12 TextureColor='#000000' TextureTransparency=75 \
    DigPosition=3 DigSize=46 DigFont=Comfortaa DigColor='#F4D35E' \
    NotCircular=0 Rounded=0 ClockSize=350 Transparency=20

# ---------------------------------------------------------------- Synthetic: made things, screens and surfaces

# hot pink disc in a cyan ring on ink blue, small diagonals, segment read-out on top
skin Synthetic Neon \
    HourStartColor='#0D0221' HourEndColor='#FF2A6D' HourMidPos=50 InnerEdge=50 \
    MinStartColor='#01012B' MinEndColor='#05D9E8' MinMidPos=50 OuterEdge=60 \
    TicsBandColor='#01012B' TicsColor='#05D9E8' TicsWidth=3 SecStyle=1 SecColor='#FF2A6D' \
    TextureName=16 TextureColor='#01012B' TextureTransparency=85 \
    DigPosition=1 DigSize=42 DigFont='DSEG14 Classic' DigColor='#FF8FB1' \
    NotCircular=0 Rounded=0 ClockSize=350 Transparency=0

# racing red on a carbon-fibre weave, triangle marker, segment read-out in the middle, square
skin Synthetic Carbon \
    HourStartColor='#3A3F47' HourEndColor='#E10600' HourMidPos=60 InnerEdge=48 \
    MinStartColor='#6B7280' MinEndColor='#111318' MinMidPos=50 OuterEdge=60 \
    TicsBandColor='#111318' TicsColor='#F5F5F5' TicsWidth=3 SecStyle=8 SecColor='#E10600' \
    TextureName=Carbon.bmp TextureColor='#000000' TextureTransparency=60 \
    DigPosition=2 DigSize=50 DigFont='DSEG14 Classic' DigColor='#FFFFFF' \
    NotCircular=1 Rounded=0 ClockSize=340 Transparency=0

# brushed steel with amber tics and full-square marker, rounded, read-out on top
skin Synthetic Steel \
    HourStartColor='#F0F3F6' HourEndColor='#4A5563' HourMidPos=50 InnerEdge=48 \
    MinStartColor='#C9D1D9' MinEndColor='#2B323B' MinMidPos=50 OuterEdge=60 \
    TicsBandColor='#1A1E23' TicsColor='#FFB000' TicsWidth=3 SecStyle=5 SecColor='#FFB000' \
    TextureName=BrushedSteel.bmp TextureColor='#000000' TextureTransparency=55 \
    DigPosition=1 DigSize=48 DigFont=Default DigColor='#1A1E23' \
    NotCircular=1 Rounded=1 ClockSize=360 Transparency=0

# greenish liquid-crystal panel with a pixel grid, empty-square marker, segment read-out, square
skin Synthetic Display \
    HourStartColor='#C7D9A7' HourEndColor='#5E7348' HourMidPos=50 InnerEdge=50 \
    MinStartColor='#B4C98F' MinEndColor='#3F4F2E' MinMidPos=50 OuterEdge=62 \
    TicsBandColor='#2F3A24' TicsColor='#C7D9A7' TicsWidth=3 SecStyle=4 SecColor='#1E2616' \
    TextureName=18 TextureColor='#C7D9A7' TextureTransparency=88 \
    DigPosition=2 DigSize=50 DigFont='DSEG14 Classic' DigColor='#1E2616' \
    NotCircular=1 Rounded=0 ClockSize=320 Transparency=0

# drafting blues under a grid of crosses, white cross marker, read-out at the bottom, square
skin Synthetic Blueprint \
    HourStartColor='#E3F2FD' HourEndColor='#0B3D91' HourMidPos=50 InnerEdge=50 \
    MinStartColor='#5C9BD6' MinEndColor='#0A2A66' MinMidPos=50 OuterEdge=62 \
    TicsBandColor='#0A2A66' TicsColor='#FFFFFF' TicsWidth=2 SecStyle=6 SecColor='#FFFFFF' \
    TextureName=6 TextureColor='#0B3D91' TextureTransparency=82 \
    DigPosition=3 DigSize=48 DigFont=Default DigColor='#FFFFFF' \
    NotCircular=1 Rounded=0 ClockSize=340 Transparency=0

# bubblegum pink disc in a mint-to-violet ring, back-diagonal stripes, star marker, read-out on top
skin Synthetic Candy \
    HourStartColor='#FFF0F6' HourEndColor='#FF4F9A' HourMidPos=50 InnerEdge=50 \
    MinStartColor='#B8F2E6' MinEndColor='#5E60CE' MinMidPos=50 OuterEdge=60 \
    TicsBandColor='#FFFFFF' TicsColor='#FF4F9A' TicsWidth=4 SecStyle=2 SecColor='#5E60CE' \
    TextureName=5 TextureColor='#FFFFFF' TextureTransparency=84 \
    DigPosition=1 DigSize=46 DigFont=Comfortaa DigColor='#3B3D9E' \
    NotCircular=0 Rounded=0 ClockSize=330 Transparency=0

# phosphor green on black with scan lines, diamond marker, segment read-out on top, rounded
skin Synthetic Terminal \
    HourStartColor='#03210E' HourEndColor='#3DFF7E' HourMidPos=60 InnerEdge=50 \
    MinStartColor='#04140A' MinEndColor='#1E8C45' MinMidPos=50 OuterEdge=60 \
    TicsBandColor='#000000' TicsColor='#3DFF7E' TicsWidth=2 SecStyle=7 SecColor='#3DFF7E' \
    TextureName=15 TextureColor='#000000' TextureTransparency=80 \
    DigPosition=1 DigSize=48 DigFont='DSEG14 Classic' DigColor='#7DFFA6' \
    NotCircular=1 Rounded=1 ClockSize=340 Transparency=10

# primary pop colours with halftone dots, empty-circle marker, no read-out
skin Synthetic PopArt \
    HourStartColor='#FFD23F' HourEndColor='#EE4266' HourMidPos=50 InnerEdge=48 \
    MinStartColor='#3BCEAC' MinEndColor='#540D6E' MinMidPos=50 OuterEdge=60 \
    TicsBandColor='#0E0E0E' TicsColor='#FFD23F' TicsWidth=4 SecStyle=0 SecColor='#FFFFFF' \
    TextureName=11 TextureColor='#FFFFFF' TextureTransparency=80 \
    DigPosition=0 DigSize=30 DigFont=Default DigColor='#000000' \
    NotCircular=0 Rounded=0 ClockSize=330 Transparency=0

# black-to-white wheels under a faint diagonal cross, red full-circle marker, read-out at the bottom
skin Synthetic Graphite \
    HourStartColor='#FFFFFF' HourEndColor='#1A1A1A' HourMidPos=50 InnerEdge=50 \
    MinStartColor='#D0D0D0' MinEndColor='#202020' MinMidPos=50 OuterEdge=62 \
    TicsBandColor='#F2F2F2' TicsColor='#202020' TicsWidth=3 SecStyle=1 SecColor='#D32F2F' \
    TextureName=7 TextureColor='#FFFFFF' TextureTransparency=88 \
    DigPosition=3 DigSize=46 DigFont=Default DigColor='#111111' \
    NotCircular=0 Rounded=0 ClockSize=340 Transparency=0
