#!/usr/bin/env python3
"""Draws the button glyphs and writes them into assets/pictures/.

Run by hand when a glyph changes; the generated files are committed and the build uses them as they
are. Needs python3 and ImageMagick's convert (6.9 or later).

  ok-glyph.png       the check mark on the OK buttons
  copy-glyph.png     the clipboard on the table's copy button: the normal glyph and, beside it,
                     the disabled one (greys), each square
  *.glyph            each glyph again, as the program embeds it: "GLY1", width and height (16 bits
                     each, little-endian), then runs of one to 255 equal pixels, each a count byte
                     and the pixel's blue, green, red and alpha. A button glyph is then drawn
                     without loading a picture decoder, which would cost a window's first opening.

The about window's four pictures are drawn by the program itself now, as shapes at the size the
window shows them (src/core/about_pictures.cpp). Their first drawings stay here as the reference the
program's drawings follow; `make-pictures.py --reference <folder>` writes them there:

  tamsor-logo.gif    the animated logo: a globe turning under a clock hand, 8 frames of 135 x 125,
                     100 ms each, looping
  tamsor-banner.png  the banner across the top of the about window
  made-badge.png     the badge in the lower right corner; the window writes its text on it
  donate.png         the donation button

The still pictures and the glyphs are drawn at twice the size they are shown at on a 96-DPI screen,
so that they stay sharp when the window is drawn at 144 DPI; the logo keeps the size of its frames.
"""

import math
import os
import subprocess
import sys
import tempfile

CONVERT = "/usr/bin/convert"
HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "pictures")

# The program's own colours: the icon's red on black, a deep blue for the globe and the banner.
NAVY = "#0b2545"
BLUE = "#1d4e89"
SEA = "#2f6fb5"
SEA_LIGHT = "#5d9be0"
LINE = "#cfe3f7"
RED = "#d01818"
GOLD = "#f2b705"
GREEN = "#1f7a3a"
FACE = "#f0f0f0"


def run(args):
    subprocess.run([CONVERT] + [str(a) for a in args], check=True)


def globe_frame(frame, frames, path):
    """One frame of the logo: a globe whose meridians turn by one step, a clock ring, and the hand."""
    w, h = 135, 125
    cx, cy, r = 67.5, 62.5, 44.0
    draw = []
    # Clock ring with twelve marks.
    draw += ["fill", NAVY, "stroke", NAVY, "stroke-width", 1,
             "circle {:.1f},{:.1f} {:.1f},{:.1f}".format(cx, cy, cx, cy - 60)]
    draw += ["fill", FACE, "stroke", "none",
             "circle {:.1f},{:.1f} {:.1f},{:.1f}".format(cx, cy, cx, cy - 55)]
    for hour in range(12):
        a = math.radians(hour * 30)
        inner = 49 if hour % 3 else 46
        x1, y1 = cx + inner * math.sin(a), cy - inner * math.cos(a)
        x2, y2 = cx + 54 * math.sin(a), cy - 54 * math.cos(a)
        draw += ["stroke", NAVY, "stroke-width", 3 if hour % 3 == 0 else 1.5,
                 "line {:.1f},{:.1f} {:.1f},{:.1f}".format(x1, y1, x2, y2)]
    # The globe.
    draw += ["stroke", NAVY, "stroke-width", 1.5, "fill", SEA,
             "circle {:.1f},{:.1f} {:.1f},{:.1f}".format(cx, cy, cx, cy - r)]
    # Light from the upper left.
    draw += ["stroke", "none", "fill", SEA_LIGHT,
             "ellipse {:.1f},{:.1f} {:.1f},{:.1f} 0,360".format(cx - 14, cy - 16, 16, 12)]
    # Parallels: straight lines seen from the equator.
    draw += ["fill", "none", "stroke", LINE, "stroke-width", 1.2]
    for lat in (-60, -30, 0, 30, 60):
        y = cy - r * math.sin(math.radians(lat))
        half = r * math.cos(math.radians(lat))
        draw.append("line {:.1f},{:.1f} {:.1f},{:.1f}".format(cx - half, y, cx + half, y))
    # Meridians every 30 degrees; the globe turns 30 / frames degrees a frame, so the last frame
    # leads back into the first.
    step = 30.0 / frames
    for k in range(-6, 7):
        lon = k * 30 + frame * step
        if lon <= -90 or lon >= 90:
            continue
        rx = abs(r * math.sin(math.radians(lon)))
        if rx < 0.6:
            draw.append("line {:.1f},{:.1f} {:.1f},{:.1f}".format(cx, cy - r, cx, cy + r))
        elif lon > 0:
            draw.append("ellipse {:.1f},{:.1f} {:.1f},{:.1f} -90,90".format(cx, cy, rx, r))
        else:
            draw.append("ellipse {:.1f},{:.1f} {:.1f},{:.1f} 90,270".format(cx, cy, rx, r))
    # The clock hand makes one turn over the eight frames.
    a = math.radians(frame * 360.0 / frames)
    hx, hy = cx + 52 * math.sin(a), cy - 52 * math.cos(a)
    tx, ty = cx - 10 * math.sin(a), cy + 10 * math.cos(a)
    draw += ["stroke", RED, "stroke-width", 3.5, "stroke-linecap", "round",
             "line {:.1f},{:.1f} {:.1f},{:.1f}".format(tx, ty, hx, hy)]
    draw += ["stroke", "none", "fill", RED, "circle {:.1f},{:.1f} {:.1f},{:.1f}".format(cx, cy, cx, cy - 5)]
    args = ["-size", "{}x{}".format(w, h), "xc:" + "#ffffff"]
    args += ["-draw", " ".join(_quote_draw(draw))]
    run(args + [path])


def _quote_draw(items):
    """Turns [setting, value, ..., primitive] into one -draw string."""
    out = []
    it = iter(items)
    for item in it:
        item = str(item)
        if item in ("fill", "stroke", "stroke-width", "stroke-linecap"):
            out.append("{} {}".format(item, _value(next(it))))
        else:
            out.append(item)
    return out


def _value(v):
    v = str(v)
    return "'{}'".format(v) if v.startswith("#") else v


def logo(tmp, out):
    frames = 8
    paths = []
    for f in range(frames):
        p = os.path.join(tmp, "globe-{}.png".format(f))
        globe_frame(f, frames, p)
        paths.append(p)
    # One shared palette keeps every frame's colours the same and the file small.
    run(["-delay", 10, "-loop", 0] + paths +
        ["+dither", "-colors", 48, "-layers", "Optimize", os.path.join(out, "tamsor-logo.gif")])


def banner(tmp, out):
    s = 2
    w, h = 611 * s, 67 * s
    mini = os.path.join(tmp, "mini-globe.png")
    globe_frame(1, 8, mini)
    run(["-size", "{}x{}".format(w, h), "gradient:{}-{}".format(NAVY, BLUE),
         # a thin gold rule along the bottom edge
         "-fill", GOLD, "-draw", "rectangle 0,{} {},{}".format(h - 5 * s, w, h - 4 * s),
         "(", mini, "-fuzz", "2%", "-transparent", "white", "-resize", "{}x{}".format(58 * s, 54 * s), ")",
         "-geometry", "+{}+{}".format(14 * s, 5 * s), "-composite",
         "-font", "Liberation-Serif-Bold", "-pointsize", 30 * s, "-fill", "white",
         "-annotate", "+{}+{}".format(86 * s, 38 * s), "Tamsor Software",
         "-font", "Liberation-Serif-Italic", "-pointsize", 13 * s, "-fill", LINE,
         "-annotate", "+{}+{}".format(88 * s, 55 * s), "small programs that do one thing well",
         "-font", "Liberation-Sans-Bold", "-pointsize", 13 * s, "-fill", GOLD,
         "-gravity", "NorthEast", "-annotate", "+{}+{}".format(16 * s, 12 * s), "WORLD CLOCK",
         "+dither", "-colors", 64, "PNG8:" + os.path.join(out, "tamsor-banner.png")])


def badge(out):
    s = 2
    w, h = 149 * s, 41 * s
    # A dark green plate for the window's white text on the left, a gold sun rising over a
    # horizon on the right.
    draw = ("fill '{green}' stroke '{gold}' stroke-width {sw} roundrectangle {a},{a} {r},{b} {rr},{rr} "
            "fill '{gold}' stroke none circle {cx},{cy} {cx},{top} "
            "fill '{green}' rectangle {x0},{hy} {x1},{b2} "
            "stroke '{gold}' stroke-width {sw} line {x0},{hy} {x1},{hy}").format(
        green=GREEN, gold=GOLD, sw=2 * s, a=1 * s, r=w - 1 * s, b=h - 1 * s, rr=6 * s,
        cx=128 * s, cy=27 * s, top=13 * s, x0=110 * s, x1=146 * s, hy=27 * s, b2=h - 3 * s)
    run(["-size", "{}x{}".format(w, h), "xc:none", "-draw", draw,
         "+dither", "-colors", 32, "PNG8:" + os.path.join(out, "made-badge.png")])


def donate(out):
    s = 2
    w, h = 62 * s, 31 * s
    run(["-size", "{}x{}".format(w, h), "gradient:#ffe27a-{}".format(GOLD),
         "(", "-size", "{}x{}".format(w, h), "xc:black", "-fill", "white",
         "-draw", "roundrectangle 0,0 {},{} {},{}".format(w - 1, h - 1, 12 * s, 12 * s), ")",
         "-compose", "CopyOpacity", "-composite", "-compose", "Over",
         "-fill", "none", "-stroke", "#b07a00", "-strokewidth", s,
         "-draw", "roundrectangle {0},{0} {1},{2} {3},{3}".format(s, w - 1 - s, h - 1 - s, 11 * s),
         "-stroke", "none", "-font", "Liberation-Sans-Bold", "-pointsize", 13 * s, "-fill", NAVY,
         "-gravity", "center", "-annotate", "+0+0", "Donate",
         "+dither", "-colors", 48, "PNG8:" + os.path.join(out, "donate.png")])


def ok_glyph():
    s = 2
    size = 18 * s
    pts = [(3, 9.5), (7, 13.5), (15, 4.5)]
    line = " ".join("{:.1f},{:.1f}".format(x * s, y * s) for x, y in pts)
    run(["-size", "{0}x{0}".format(size), "xc:none", "-fill", "none", "-stroke", "#12692e",
         "-strokewidth", 3.2 * s, "-draw", "stroke-linecap round stroke-linejoin round polyline " + line,
         "-stroke", "#3fbf5f", "-strokewidth", 1.4 * s, "-draw", "stroke-linecap round stroke-linejoin round polyline " + line,
         "PNG32:" + os.path.join(OUT, "ok-glyph.png")])


def copy_glyph():
    s = 2
    size = 18 * s

    def clipboard(board, edge, paper, rule, clip, clip_edge):
        # Drawn on the 18-unit grid with edges on whole units, so that they stay crisp at 1x and 1.5x.
        return ["-size", "{0}x{0}".format(size), "xc:none",
                "-fill", board, "-stroke", edge, "-strokewidth", s,
                "-draw", "roundrectangle {},{} {},{} {},{}".format(3 * s, 3 * s, 15 * s, 17 * s, 1.5 * s, 1.5 * s),
                "-fill", paper, "-stroke", "none",
                "-draw", "rectangle {},{} {},{}".format(5 * s, 5 * s, 13 * s - 1, 15 * s - 1),
                "-stroke", rule, "-strokewidth", s,
                "-draw", " ".join("line {},{} {},{}".format(6.5 * s, y * s, 11.5 * s, y * s) for y in (8, 10.5, 13)),
                "-fill", clip, "-stroke", clip_edge, "-strokewidth", s,
                "-draw", "roundrectangle {},{} {},{} {},{}".format(6 * s, 1.5 * s, 12 * s, 5 * s, s, s)]

    normal = clipboard("#a86e32", "#5c3a16", "#ffffff", "#2f6fb5", "#c8c8c8", "#404040")
    disabled = clipboard("#c4c4c4", "#8e8e8e", "#f4f4f4", "#a8a8a8", "#dcdcdc", "#9a9a9a")
    run(["("] + normal + [")", "("] + disabled + [")", "+append", "+repage",
         "-define", "png:exclude-chunks=date,time",
         "PNG32:" + os.path.join(OUT, "copy-glyph.png")])


def glyph_runs(png):
    """Writes <name>.glyph beside a glyph's PNG: its pixels, run-length coded."""
    size = subprocess.run([CONVERT, png, "-format", "%w %h", "info:"], check=True,
                          capture_output=True, text=True).stdout.split()
    width, height = int(size[0]), int(size[1])
    rgba = subprocess.run([CONVERT, png, "-depth", "8", "rgba:-"], check=True, capture_output=True).stdout
    pixels = [bytes((rgba[i + 2], rgba[i + 1], rgba[i], rgba[i + 3])) for i in range(0, len(rgba), 4)]
    # Fully transparent pixels are all the same, whatever colour they carry.
    pixels = [p if p[3] else bytes(4) for p in pixels]
    out = bytearray(b"GLY1" + width.to_bytes(2, "little") + height.to_bytes(2, "little"))
    i = 0
    while i < len(pixels):
        run_length = 1
        while i + run_length < len(pixels) and run_length < 255 and pixels[i + run_length] == pixels[i]:
            run_length += 1
        out += bytes((run_length,)) + pixels[i]
        i += run_length
    with open(os.path.splitext(png)[0] + ".glyph", "wb") as f:
        f.write(out)


def reference(out):
    """The about window's pictures as first drawn, which the program's own drawings follow."""
    os.makedirs(out, exist_ok=True)
    with tempfile.TemporaryDirectory() as tmp:
        logo(tmp, out)
        banner(tmp, out)
    badge(out)
    donate(out)
    return out


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "--reference":
        out = reference(sys.argv[2])
    else:
        out = OUT
        os.makedirs(out, exist_ok=True)
        ok_glyph()
        copy_glyph()
        for name in ("ok-glyph.png", "copy-glyph.png"):
            glyph_runs(os.path.join(out, name))
    total = 0
    for name in sorted(os.listdir(out)):
        size = os.path.getsize(os.path.join(out, name))
        total += size
        print("{:20} {:6} bytes".format(name, size))
    print("{:20} {:6} bytes".format("together", total))
    return 0


if __name__ == "__main__":
    sys.exit(main())
