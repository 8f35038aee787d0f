#!/usr/bin/env python3
"""Writes the player window's artwork as SVG into resources/images/ and lists it in
resources/images.qrc.

Everything is drawn here from one palette, one stroke width and one letter set, so the set stays
consistent; edit this script and run it again rather than editing the SVGs. Only what Qt's SVG
renderer (SVG Tiny 1.2) draws is used: paths, rects, circles, gradients and opacity; letters are
stroked paths, never <text>, so no font has to be installed.

    scripts/make-artwork.py [OUTPUT_ROOT]      (default: the repository's resources/)
"""

import math
import os
import sys

# Palette: charcoal surfaces, one blue accent for active states, light glyphs.
BG_DARK = "#1e2126"
BG_PANEL = "#2a2e35"
LINE = "#3a3f48"
GLYPH = "#c5cad3"
GLYPH_HOVER = "#ffffff"
GLYPH_PRESSED = "#e6f0ff"
ACCENT = "#3d9bff"
ACCENT_DARK = "#2169bd"
ACCENT_DEEP = "#1a559b"
VIDEO_BLACK = "#0b0c0e"
KIND_COLOURS = {"alwa": "#3ccf7c", "motion": "#ffb020", "event": "#ff4d4f"}

STROKE = 2  # every line glyph, on whole-pixel centres so it lands on two full pixels


def num(v):
    """Shortest exact-enough decimal for a coordinate."""
    s = f"{v:.3f}".rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def pts(*xy):
    return " ".join(f"{num(x)},{num(y)}" for x, y in xy)


def svg(width, height, body, defs=""):
    head = (
        f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
        f'width="{num(width)}" height="{num(height)}" viewBox="0 0 {num(width)} {num(height)}">\n'
    )
    if defs:
        head += f"<defs>\n{defs}</defs>\n"
    return head + body + "</svg>\n"


def line_style(colour, width=STROKE, cap="round", join="round"):
    # letters use square miters; a limit of 1.5 bevels the sharp apexes of A, N and V so they
    # stay within the cap height
    limit = ' stroke-miterlimit="1.5"' if join == "miter" else ""
    return (
        f'fill="none" stroke="{colour}" stroke-width="{num(width)}" '
        f'stroke-linecap="{cap}" stroke-linejoin="{join}"{limit}'
    )


def path(d, style):
    return f'<path d="{d}" {style}/>\n'


def vgradient(gid, stops, y1=0.0, y2=1.0, user=None):
    """Vertical linear gradient; `user` = (y1, y2) in user space for pieces that must join."""
    if user:
        attrs = f'gradientUnits="userSpaceOnUse" x1="0" y1="{num(user[0])}" x2="0" y2="{num(user[1])}"'
    else:
        attrs = f'x1="0" y1="{num(y1)}" x2="0" y2="{num(y2)}"'
    s = f'<linearGradient id="{gid}" {attrs}>\n'
    for offset, colour, *opacity in stops:
        op = f' stop-opacity="{num(opacity[0])}"' if opacity else ""
        s += f'<stop offset="{num(offset)}" stop-color="{colour}"{op}/>\n'
    return s + "</linearGradient>\n"


def arc_point(cx, cy, r, deg):
    """Point on a circle; 0 degrees is 12 o'clock, angles grow clockwise on screen."""
    a = math.radians(deg)
    return cx + r * math.sin(a), cy - r * math.cos(a)


# ---------------------------------------------------------------------------------------------
# Letters: a small geometric capital set drawn as stroked centre lines. Each function gets the
# top-left corner of the letter's centre-line box, the scale k (centre-line cap height) and
# returns path data; WIDTHS are advance widths in units of k.

WIDTHS = {"A": 0.74, "E": 0.52, "F": 0.52, "I": 0.0, "K": 0.6, "N": 0.66, "O": 0.86,
          "R": 0.6, "T": 0.64, "V": 0.74, "0": 0.56, "1": 0.26}


def glyph_path(ch, x, y, k):
    w = WIDTHS[ch] * k
    b = y + k
    m = y + k / 2
    if ch == "A":
        return f"M{pts((x, b))}L{pts((x + w / 2, y))}L{pts((x + w, b))}M{pts((x + w * 0.2, y + k * 0.66))}H{num(x + w * 0.8)}"
    if ch == "E":
        return f"M{pts((x + w, y))}H{num(x)}V{num(b)}H{num(x + w)}M{pts((x, m))}H{num(x + w * 0.85)}"
    if ch == "F":
        return f"M{pts((x + w, y))}H{num(x)}V{num(b)}M{pts((x, m))}H{num(x + w * 0.85)}"
    if ch == "I":
        return f"M{pts((x, y))}V{num(b)}"
    if ch == "K":
        return f"M{pts((x, y))}V{num(b)}M{pts((x + w, y))}L{pts((x, y + k * 0.62))}M{pts((x + w * 0.3, y + k * 0.44))}L{pts((x + w, b))}"
    if ch == "N":
        return f"M{pts((x, b))}V{num(y)}L{pts((x + w, b))}V{num(y)}"
    if ch == "O" or ch == "0":
        r = w / 2
        ry = k / 2
        # two arcs make a closed ellipse (or a circle for the round O)
        return (f"M{pts((x, m))}A{num(r)} {num(ry)} 0 0 1 {pts((x + w, m))}"
                f"A{num(r)} {num(ry)} 0 0 1 {pts((x, m))}Z")
    if ch == "R":
        r = k * 0.26
        return (f"M{pts((x, b))}V{num(y)}H{num(x + w - r)}A{num(r)} {num(r)} 0 0 1 "
                f"{pts((x + w - r, y + 2 * r))}H{num(x)}M{pts((x + w * 0.45, y + 2 * r))}L{pts((x + w, b))}")
    if ch == "T":
        return f"M{pts((x, y))}H{num(x + w)}M{pts((x + w / 2, y))}V{num(b)}"
    if ch == "V":
        return f"M{pts((x, y))}L{pts((x + w / 2, b))}L{pts((x + w, y))}"
    if ch == "1":
        return f"M{pts((x, y + k * 0.22))}L{pts((x + w, y))}V{num(b)}"
    raise KeyError(ch)


def word(text, x, y, cap, stroke, spacing):
    """Path data of a word whose outer cap height is `cap`, top-left at (x, y); returns (d, width)."""
    k = cap - stroke
    cx = x + stroke / 2
    d = ""
    for i, ch in enumerate(text):
        if i:
            cx += spacing + stroke
        d += glyph_path(ch, cx, y + stroke / 2, k)
        cx += WIDTHS[ch] * k
    return d, cx + stroke / 2 - x


def word_width(text, cap, stroke, spacing):
    return word(text, 0, 0, cap, stroke, spacing)[1]


# ---------------------------------------------------------------------------------------------
# Button glyphs on a 32 x 32 grid (play and pause on 40 x 40). Each takes the glyph colour.

def speaker(c):
    """A speaker cone on the left half, centred on y = 16."""
    body = pts((7, 13), (10, 13), (15, 9), (15, 23), (10, 19), (7, 19))
    return f'<polygon points="{body}" fill="{c}" stroke="{c}" stroke-width="1.5" stroke-linejoin="round"/>\n'


def circular_arrow(c, forward):
    """Seek arrow: a ring open at the top right, its head at 12 o'clock, with "10" inside."""
    cx, cy, r = 16, 17, 10
    sx, sy = arc_point(cx, cy, r, 55)
    # forward runs clockwise from 2 o'clock round to 12 o'clock; backward is its mirror image
    d = f"M{pts((sx, sy))}A{r} {r} 0 1 1 {pts((cx, cy - r))}"
    head = f"M{pts((cx - 3, cy - r - 3.5))}L{pts((cx + 0.5, cy - r))}L{pts((cx - 3, cy - r + 3.5))}"
    ring = path(d, line_style(c)) + path(head, line_style(c))
    if not forward:
        ring = f'<g transform="matrix(-1 0 0 1 32 0)">\n{ring}</g>\n'
    # the digits are never mirrored
    digits, w = word("10", 0, 0, 8, 1.75, 1.2)
    return ring + (f'<g transform="translate({num(cx - w / 2 + 0.25)},{num(cy - 4)})">'
                   f'{path(digits, line_style(c, 1.75))}</g>\n')


def gauge(c, up):
    cx, cy, r = 16, 19, 10
    a0, a1 = arc_point(cx, cy, r, -120), arc_point(cx, cy, r, 120)
    d = f"M{pts(a0)}A{r} {r} 0 1 1 {pts(a1)}"
    ink = path(d, line_style(c))
    for deg in (-60, 0, 60):
        p, q = arc_point(cx, cy, r - 2.5, deg), arc_point(cx, cy, r - 4, deg)
        ink += path(f"M{pts(p)}L{pts(q)}", line_style(c, 1.5))
    tip = arc_point(cx, cy, 7.5, 50 if up else -50)
    ink += path(f"M{pts((cx, cy))}L{pts(tip)}", line_style(c))
    ink += f'<circle cx="{cx}" cy="{cy}" r="2.5" fill="{c}"/>\n'
    return ink


def magnifier(c, plus):
    ink = f'<circle cx="14" cy="14" r="7" {line_style(c)}/>\n'
    ink += path("M19.5,19.5L25,25", line_style(c, 2.5))
    ink += path("M11,14H17" + ("M14,11V17" if plus else ""), line_style(c))
    return ink


def letter_badge(c, ch):
    d, _ = word(ch, 0, 0, 12, STROKE, 0)
    return f'<g transform="translate(19,10)">{path(d, line_style(c, cap="butt", join="miter"))}</g>\n'


def gear(c):
    cx = cy = 16
    teeth, ro, ri = 8, 10.5, 7.5
    step = 360 / teeth
    poly = []
    for i in range(teeth):
        base = i * step
        for deg, r in ((base - step * 0.36, ri), (base - step * 0.2, ro),
                       (base + step * 0.2, ro), (base + step * 0.36, ri)):
            poly.append(arc_point(cx, cy, r, deg))
    d = "M" + "L".join(pts(p) for p in poly) + "Z"
    return path(d, line_style(c)) + f'<circle cx="16" cy="16" r="3" {line_style(c)}/>\n'


GLYPHS_32 = {
    "jump_forward": lambda c: circular_arrow(c, True),
    "jump_backward": lambda c: circular_arrow(c, False),
    "volume_up": lambda c: speaker(c) + path("M19,16H26M22.5,12.5V19.5", line_style(c)),
    "volume_down": lambda c: speaker(c) + path("M19,16H26", line_style(c)),
    "speed_up": lambda c: gauge(c, True),
    "speed_down": lambda c: gauge(c, False),
    "size_up": lambda c: magnifier(c, True),
    "size_down": lambda c: magnifier(c, False),
    "swap": lambda c: path("M7,12H24M20,8L24,12L20,16", line_style(c))
    + path("M25,21H8M12,17L8,21L12,25", line_style(c)),
    "capture": lambda c: path("M6,13A2,2 0 0 1 8,11H11L13,8H19L21,11H24A2,2 0 0 1 26,13V23"
                              "A2,2 0 0 1 24,25H8A2,2 0 0 1 6,23Z", line_style(c))
    + f'<circle cx="16" cy="18" r="4" {line_style(c)}/>\n',
    "print": lambda c: path("M10,12V6H22V12", line_style(c))
    + path("M10,22H8A2,2 0 0 1 6,20V14A2,2 0 0 1 8,12H24A2,2 0 0 1 26,14V20A2,2 0 0 1 24,22H22",
           line_style(c))
    + path("M10,18H22V26H10Z", line_style(c))
    + f'<circle cx="22" cy="15.5" r="1.25" fill="{c}"/>\n',
    "fullscreen": lambda c: path("M7,12V7H12M20,7H25V12M25,20V25H20M12,25H7V20", line_style(c)),
    "settings": gear,
    "clock": lambda c: f'<circle cx="16" cy="16" r="10" {line_style(c)}/>\n'
    + path("M16,10V16L20,18", line_style(c)),
    "folder": lambda c: path("M6,10A2,2 0 0 1 8,8H13L15.5,11H24A2,2 0 0 1 26,13V22A2,2 0 0 1 24,24"
                             "H8A2,2 0 0 1 6,22Z", line_style(c))
    + path("M6,15H26", line_style(c)),
    "close": lambda c: path("M10,10L22,22M22,10L10,22", line_style(c)),
    "minimize": lambda c: path("M10,16H22", line_style(c)),
    "sound_front": lambda c: speaker(c) + letter_badge(c, "F"),
    "sound_rear": lambda c: speaker(c) + letter_badge(c, "R"),
}


def plate(state, size, radius):
    """The rounded plate behind a glyph: none at rest, accent tint on roll-over, accent fill pressed."""
    if state == "n":
        return "", ""
    inset = 2 if size == 32 else 0
    box = size - 2 * inset
    if state == "f":
        return "", (f'<rect x="{num(inset + 0.5)}" y="{num(inset + 0.5)}" width="{num(box - 1)}" '
                    f'height="{num(box - 1)}" rx="{radius}" fill="{ACCENT}" fill-opacity="0.18" '
                    f'stroke="{ACCENT}" stroke-opacity="0.6" stroke-width="1"/>\n')
    defs = vgradient("plate", [(0, ACCENT_DARK), (1, ACCENT_DEEP)])
    return defs, (f'<rect x="{inset}" y="{inset}" width="{box}" height="{box}" rx="{radius}" '
                  f'fill="url(#plate)"/>\n'
                  f'<rect x="{num(inset + 0.5)}" y="{num(inset + 0.5)}" width="{num(box - 1)}" '
                  f'height="{num(box - 1)}" rx="{radius}" fill="none" stroke="#0d2a4d" '
                  f'stroke-opacity="0.6" stroke-width="1"/>\n')


GLYPH_COLOUR = {"n": GLYPH, "f": GLYPH_HOVER, "p": GLYPH_PRESSED}


def icon_32(name, state):
    defs, back = plate(state, 32, 7)
    return svg(32, 32, back + GLYPHS_32[name](GLYPH_COLOUR[state]), defs)


def icon_40(name, state):
    """Play and pause: a round button, light at rest so the main action stands out."""
    if state == "n":
        disc, ink, defs = f'<circle cx="20" cy="20" r="18" fill="#e9ecf1"/>\n', BG_DARK, ""
    elif state == "f":
        disc, ink, defs = (f'<circle cx="20" cy="20" r="18" fill="{ACCENT}"/>\n'
                           f'<circle cx="20" cy="20" r="18.5" fill="none" stroke="{ACCENT}" '
                           f'stroke-opacity="0.35" stroke-width="1"/>\n', "#ffffff", "")
    else:
        defs = vgradient("disc", [(0, ACCENT_DARK), (1, ACCENT_DEEP)])
        disc, ink = f'<circle cx="20" cy="20" r="18" fill="url(#disc)"/>\n', GLYPH_PRESSED
    if name == "play":
        # the centroid sits a little right of centre so the triangle looks centred
        tri = pts((16, 12.5), (16, 27.5), (28.5, 20))
        g = (f'<polygon points="{tri}" fill="{ink}" stroke="{ink}" stroke-width="2" '
             f'stroke-linejoin="round"/>\n')
    else:
        g = (f'<rect x="14" y="12" width="4" height="16" rx="1" fill="{ink}"/>\n'
             f'<rect x="22" y="12" width="4" height="16" rx="1" fill="{ink}"/>\n')
    return svg(40, 40, disc + g, defs)


# ---------------------------------------------------------------------------------------------
# Side-view buttons (48 x 28): "_p" is the side shown now, "_n" the other one.

def side_button(kind, state):
    if state == "p":
        defs = vgradient("face", [(0, ACCENT), (1, ACCENT_DARK)])
        face = (f'<rect x="0" y="0" width="48" height="28" rx="6" fill="url(#face)"/>\n'
                f'<rect x="0.5" y="0.5" width="47" height="27" rx="5.5" fill="none" '
                f'stroke="#ffffff" stroke-opacity="0.18" stroke-width="1"/>\n')
        c = "#ffffff"
    else:
        defs = ""
        face = (f'<rect x="0.5" y="0.5" width="47" height="27" rx="5.5" fill="{BG_PANEL}" '
                f'stroke="{LINE}" stroke-width="1"/>\n')
        c = "#8b929e"
    if kind == "record":
        ink = "".join(f'<circle cx="17" cy="{y}" r="1.5" fill="{c}"/>\n' for y in (9, 14, 19))
        ink += path("M21,9H31M21,14H31M21,19H31", line_style(c))
    else:
        cx, cy, r, tip = 24, 11.5, 5.5, 22
        dist = tip - cy
        sa, ca = math.sqrt(1 - (r / dist) ** 2), r / dist
        left, right = (cx - r * sa, cy + r * ca), (cx + r * sa, cy + r * ca)
        d = f"M{pts((cx, tip))}L{pts(left)}A{r} {r} 0 1 1 {pts(right)}Z"
        ink = path(d, line_style(c)) + f'<circle cx="{cx}" cy="{cy}" r="1.75" fill="{c}"/>\n'
    return svg(48, 28, face + ink, defs)


# ---------------------------------------------------------------------------------------------
# Kind images of the recording list (16 x 16): a car facing right, its camera's view cone on
# the side that recorded, the body coloured by kind.

def car_kind(side, kind):
    colour = KIND_COLOURS[kind]
    front = side == "front"
    x = 0.5 if front else 4
    body = (f"M{pts((x, 11))}V8.8Q{pts((x, 7.6), (x + 1.2, 7.4))}L{pts((x + 2.6, 7.1))}"
            f"L{pts((x + 4.2, 4))}Q{pts((x + 4.5, 3.5), (x + 5.1, 3.5))}H{num(x + 7.6)}"
            f"Q{pts((x + 8.2, 3.5), (x + 8.6, 4))}L{pts((x + 10.4, 7))}"
            f"Q{pts((x + 11.5, 7.3), (x + 11.5, 8.6))}V11Q{pts((x + 11.5, 12), (x + 10.5, 12))}"
            f"H{num(x + 1)}Q{pts((x, 12), (x, 11))}Z")
    ink = f'<path d="{body}" fill="{colour}"/>\n'
    # the window behind which the camera sits is lit, the other one tinted dark
    windows = {"rear": pts((x + 3.5, 7), (x + 4.9, 4.6), (x + 5.8, 4.6), (x + 5.8, 7)),
               "front": pts((x + 6.8, 7), (x + 6.8, 4.6), (x + 7.9, 4.6), (x + 9.3, 7))}
    for which, poly in windows.items():
        fill = 'fill="#ffffff"' if which == side else f'fill="{BG_DARK}" fill-opacity="0.6"'
        ink += f'<polygon points="{poly}" {fill}/>\n'
    for wx in (x + 3, x + 8.6):
        ink += (f'<circle cx="{num(wx)}" cy="12" r="2.1" fill="{BG_DARK}"/>\n'
                f'<circle cx="{num(wx)}" cy="12" r="0.8" fill="#c5cad3"/>\n')
    # the camera's field of view, opening away from the car on the side that recorded; kept
    # apart from the body so it does not read as part of the car
    fov = ("M13.4,8.2L15.7,5.3M13.4,8.2L15.7,11.1" if front
           else "M2.6,8.2L0.3,5.3M2.6,8.2L0.3,11.1")
    ink += path(fov, line_style(colour, 1.2))
    return svg(16, 16, ink)


# ---------------------------------------------------------------------------------------------
# Nine-part video backgrounds: a dark frame with rounded 12 x 12 corners. The corners' inner
# rows and columns equal the edge strips, so stretched edges meet the corners without a seam.

FRAME_OUTER = "#3a3f48"
FRAME_INNER = "#050607"


def nine_part(stem, radius):
    r = radius
    corner = (f'<path d="M0,12V{r}A{r} {r} 0 0 1 {r},0H12V12Z" fill="{FRAME_OUTER}"/>\n'
              f'<path d="M1,12V{r}A{r - 1} {r - 1} 0 0 1 {r},1H12V12Z" fill="{FRAME_INNER}"/>\n'
              f'<path d="M2,12V{r}A{r - 2} {r - 2} 0 0 1 {r},2H12V12Z" fill="{VIDEO_BLACK}"/>\n')
    mirrors = {"top_left_corner": "", "top_right_corner": "matrix(-1 0 0 1 12 0)",
               "bottom_left_corner": "matrix(1 0 0 -1 0 12)",
               "bottom_right_corner": "matrix(-1 0 0 -1 12 12)"}
    out = {}
    for name, m in mirrors.items():
        body = f'<g transform="{m}">\n{corner}</g>\n' if m else corner
        out[f"{stem}_{name}"] = svg(12, 12, body)
    vertical = (f'<rect x="0" y="0" width="1" height="1" fill="{FRAME_OUTER}"/>\n'
                f'<rect x="0" y="1" width="1" height="1" fill="{FRAME_INNER}"/>\n'
                f'<rect x="0" y="2" width="1" height="10" fill="{VIDEO_BLACK}"/>\n')
    out[f"{stem}_top_edge_fill"] = svg(1, 12, vertical)
    out[f"{stem}_bottom_edge_fill"] = svg(1, 12, f'<g transform="matrix(1 0 0 -1 0 12)">\n{vertical}</g>\n')
    horizontal = (f'<rect x="0" y="0" width="1" height="1" fill="{FRAME_OUTER}"/>\n'
                  f'<rect x="1" y="0" width="1" height="1" fill="{FRAME_INNER}"/>\n'
                  f'<rect x="2" y="0" width="10" height="1" fill="{VIDEO_BLACK}"/>\n')
    out[f"{stem}_left_edge_fill"] = svg(12, 1, horizontal)
    out[f"{stem}_right_edge_fill"] = svg(12, 1, f'<g transform="matrix(-1 0 0 1 12 0)">\n{horizontal}</g>\n')
    out[f"{stem}_center_fill"] = svg(1, 1, f'<rect x="0" y="0" width="1" height="1" fill="{VIDEO_BLACK}"/>\n')
    return out


# ---------------------------------------------------------------------------------------------
# Logos centred on an empty video area: a dash camera, the side it films and the word mark.

LOGO_INK = "#505661"
LOGO_MARK = "#3c414a"


def logo(side, width, height):
    label = "FRONT" if side == "front" else "REAR"
    cap, stroke, spacing = 24, 3.5, 5
    mark_cap, mark_stroke, mark_spacing = 10, 2, 4.5
    cam_w, gap = 52, 20
    text_w = max(word_width(label, cap, stroke, spacing), word_width("FRONT", cap, stroke, spacing))
    total_w = cam_w + gap + text_w
    block_h = cap + 10 + mark_cap
    scale = min(width / 220, height / 90)
    ox = (220 - total_w) / 2
    oy = (90 - block_h) / 2
    cam = (f'<rect x="{num(ox + 1.5)}" y="{num(oy + 5)}" width="{num(cam_w - 3)}" height="34" rx="8" '
           f'{line_style(LOGO_INK, 3)}/>\n'
           f'<path d="M{pts((ox + 18, oy + 5))}V{num(oy + 1.5)}H{num(ox + cam_w - 18)}V{num(oy + 5)}" '
           f'{line_style(LOGO_INK, 3)}/>\n'
           f'<circle cx="{num(ox + cam_w / 2)}" cy="{num(oy + 22)}" r="10.5" {line_style(LOGO_INK, 3)}/>\n'
           f'<circle cx="{num(ox + cam_w / 2)}" cy="{num(oy + 22)}" r="4" fill="{ACCENT}" fill-opacity="0.5"/>\n'
           f'<circle cx="{num(ox + 9)}" cy="{num(oy + 12)}" r="2" fill="{LOGO_INK}"/>\n')
    tx = ox + cam_w + gap
    d_label, _ = word(label, tx, oy, cap, stroke, spacing)
    d_mark, _ = word("TAVIK", tx, oy + cap + 10, mark_cap, mark_stroke, mark_spacing)
    ink = (cam + path(d_label, line_style(LOGO_INK, stroke, "butt", "miter"))
           + path(d_mark, line_style(LOGO_MARK, mark_stroke, "butt", "miter")))
    dx, dy = (width - 220 * scale) / 2, (height - 90 * scale) / 2
    if scale != 1:
        ink = f'<g transform="matrix({num(scale)} 0 0 {num(scale)} {num(dx)} {num(dy)})">\n{ink}</g>\n'
    return svg(width, height, ink)


# ---------------------------------------------------------------------------------------------
# Three-part strips: caps at natural width, a 1 px middle stretched between them. Gradients are
# in user space and vertical only, so the pieces join without a seam.

def three_part(stem, height, radius, cap_w, border, fill):
    r, h, w = radius, height, cap_w
    defs = (vgradient("rim", border, user=(0, h)) + vgradient("face", fill, user=(0, h)))
    left = (f'<path d="M{w},0H{r}A{r} {r} 0 0 0 0,{r}V{h - r}A{r} {r} 0 0 0 {r},{h}H{w}Z" fill="url(#rim)"/>\n'
            f'<path d="M{w},1H{r}A{r - 1} {r - 1} 0 0 0 1,{r}V{h - r}A{r - 1} {r - 1} 0 0 0 {r},{h - 1}H{w}Z" '
            f'fill="url(#face)"/>\n')
    middle = (f'<rect x="0" y="0" width="1" height="{h}" fill="url(#rim)"/>\n'
              f'<rect x="0" y="1" width="1" height="{h - 2}" fill="url(#face)"/>\n')
    right = f'<g transform="matrix(-1 0 0 1 {w} 0)">\n{left}</g>\n'
    return {f"{stem[0]}": svg(w, h, left, defs), f"{stem[1]}": svg(1, h, middle, defs),
            f"{stem[2]}": svg(w, h, right, defs)}


def strips():
    out = {}
    out.update(three_part(("bottom-background_left", "bottom-background_middle", "bottom-background_right"),
                          36, 8, 12, [(0, "#474d58"), (1, "#2a2e35")], [(0, "#30343c"), (1, "#22252b")]))
    out.update(three_part(("bg_bt_info_left", "bg_bt_info_center", "bg_bt_info_right"),
                          24, 5, 8, [(0, "#525966"), (1, "#30343b")], [(0, "#3c414b"), (1, "#2e323a")]))
    out.update(three_part(("bg_bt_info_left_pressed", "bg_bt_info_center_pressed", "bg_bt_info_right_pressed"),
                          24, 5, 8, [(0, "#1a4f8f"), (1, "#123c6d")], [(0, ACCENT_DARK), (1, ACCENT_DEEP)]))
    return out


# ---------------------------------------------------------------------------------------------
# Progress bars for the dock icon: solid blue and grey bars and a barber-pole tile that repeats
# every 32 px, so it can be shifted by up to 32 px and clipped anywhere.

def bar(top, bottom, rim):
    defs = vgradient("face", [(0, top), (1, bottom)])
    body = (f'<rect x="0" y="0" width="128" height="16" rx="4" fill="{rim}"/>\n'
            f'<rect x="1" y="1" width="126" height="14" rx="3" fill="url(#face)"/>\n'
            f'<rect x="4" y="1" width="120" height="1" fill="#ffffff" fill-opacity="0.3"/>\n')
    return svg(128, 16, body, defs)


def clip_x(poly, lo, hi):
    """Clips a polygon to lo <= x <= hi (one Sutherland-Hodgman pass per side)."""
    def side(points, inside, cut):
        out = []
        for i, p in enumerate(points):
            q = points[i - 1]
            if inside(p):
                if not inside(q):
                    out.append(cut(q, p))
                out.append(p)
            elif inside(q):
                out.append(cut(q, p))
        return out

    def at(xv):
        return lambda a, b: (xv, a[1] + (b[1] - a[1]) * (xv - a[0]) / (b[0] - a[0]))

    poly = side(poly, lambda p: p[0] >= lo, at(lo))
    return side(poly, lambda p: p[0] <= hi, at(hi)) if poly else poly


def barber():
    period, w, h = 32, 160, 16
    body = f'<rect x="0" y="0" width="{w}" height="{h}" fill="{ACCENT_DARK}"/>\n'
    for k in range(-1, w // period + 1):
        x = k * period
        stripe = clip_x([(x, h), (x + 16, h), (x + 32, 0), (x + 16, 0)], 0, w)
        if stripe:
            body += f'<polygon points="{pts(*stripe)}" fill="{ACCENT}"/>\n'
    defs = vgradient("shade", [(0, "#ffffff", 0.35), (0.45, "#ffffff", 0), (1, "#000000", 0.25)])
    body += (f'<rect x="0" y="0" width="{w}" height="{h}" fill="url(#shade)"/>\n'
             f'<rect x="0" y="0" width="{w}" height="1" fill="{ACCENT_DEEP}"/>\n'
             f'<rect x="0" y="{h - 1}" width="{w}" height="1" fill="{ACCENT_DEEP}"/>\n')
    return svg(w, h, body, defs)


# ---------------------------------------------------------------------------------------------
# Application icon (256 x 256): a camera lens looking down a road at dusk.

def app_icon():
    cx, cy, r = 128, 124, 68
    horizon = cy + 2
    defs = (vgradient("tile", [(0, "#3a3f4a"), (1, "#16181c")])
            + vgradient("bezel", [(0, "#5a616d"), (0.5, "#2b2f36"), (1, "#474d57")])
            + vgradient("sky", [(0, "#0c1422"), (0.65, "#1f4a80"), (1, "#5aa8ff")],
                        user=(cy - r, horizon))
            + vgradient("ground", [(0, "#161a20"), (1, "#0c0e11")], user=(horizon, cy + r))
            + vgradient("road", [(0, "#4a515c"), (1, "#7d8591")], user=(horizon, cy + r)))
    body = (f'<rect x="16" y="16" width="224" height="224" rx="52" fill="url(#tile)"/>\n'
            f'<rect x="16.5" y="16.5" width="223" height="223" rx="51.5" fill="none" stroke="#ffffff" '
            f'stroke-opacity="0.1" stroke-width="1"/>\n'
            f'<circle cx="{cx}" cy="{cy}" r="{r + 22}" fill="url(#bezel)"/>\n'
            f'<circle cx="{cx}" cy="{cy}" r="{r + 14}" fill="#0d0f12"/>\n'
            f'<circle cx="{cx}" cy="{cy}" r="{r + 7}" fill="none" stroke="{ACCENT}" stroke-width="4"/>\n'
            f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="url(#sky)"/>\n')
    # ground: the part of the glass below the horizon
    dx = math.sqrt(r * r - (horizon - cy) ** 2)
    body += (f'<path d="M{pts((cx - dx, horizon))}A{r} {r} 0 0 0 {pts((cx + dx, horizon))}Z" '
             f'fill="url(#ground)"/>\n')

    # road: two lines from a vanishing point on the horizon down to the rim of the glass
    def rim_hit(x0, y0, x1, y1):
        # the far intersection of the ray (x0,y0)->(x1,y1) with the glass circle
        ux, uy = x1 - x0, y1 - y0
        fx, fy = x0 - cx, y0 - cy
        a, b, c = ux * ux + uy * uy, 2 * (fx * ux + fy * uy), fx * fx + fy * fy - r * r
        t = (-b + math.sqrt(b * b - 4 * a * c)) / (2 * a)
        return x0 + ux * t, y0 + uy * t

    left = rim_hit(cx - 2, horizon, cx - 80, cy + r)
    right = rim_hit(cx + 2, horizon, cx + 80, cy + r)
    body += (f'<path d="M{pts((cx - 2, horizon))}L{pts(left)}A{r} {r} 0 0 0 {pts(right)}'
             f'L{pts((cx + 2, horizon))}Z" fill="url(#road)"/>\n')
    # centre dashes grow toward the viewer
    for y0, y1 in ((131, 135), (140, 149), (157, 176)):
        t0, t1 = (y0 - horizon) / (cy + r - horizon), (y1 - horizon) / (cy + r - horizon)
        w0, w1 = 0.5 + 5 * t0, 0.5 + 5 * t1
        body += (f'<polygon points="{pts((cx - w0, y0), (cx + w0, y0), (cx + w1, y1), (cx - w1, y1))}" '
                 f'fill="#f2f4f7"/>\n')
    body += (f'<path d="M{pts((cx - dx, horizon))}H{num(cx + dx)}" stroke="{ACCENT}" stroke-opacity="0.7" '
             f'stroke-width="1.5" fill="none"/>\n')
    # a glint on the glass and the recording light
    g0, g1 = arc_point(cx, cy, r - 9, 285), arc_point(cx, cy, r - 9, 335)
    body += (f'<path d="M{pts(g0)}A{r - 9} {r - 9} 0 0 1 {pts(g1)}" {line_style("#ffffff", 6)} '
             f'stroke-opacity="0.28"/>\n'
             f'<circle cx="206" cy="50" r="11" fill="#ff4d4f"/>\n'
             f'<circle cx="206" cy="50" r="11" fill="none" stroke="#0d0f12" stroke-opacity="0.35" '
             f'stroke-width="2"/>\n')
    return svg(256, 256, body, defs)


# ---------------------------------------------------------------------------------------------

BUTTONS_32 = ["jump_forward", "jump_backward", "volume_up", "volume_down", "speed_up", "speed_down",
              "size_up", "size_down", "swap", "capture", "print", "fullscreen", "settings", "clock",
              "folder", "close", "minimize", "sound_front", "sound_rear"]


def artwork():
    files = {}
    for state in ("n", "f", "p"):
        for name in ("play", "pause"):
            files[f"icon_{name}_{state}"] = icon_40(name, state)
        for name in BUTTONS_32:
            files[f"icon_{name}_{state}"] = icon_32(name, state)
    for kind in ("record", "information"):
        for state in ("n", "p"):
            files[f"{kind}_{state}"] = side_button(kind, state)
    for side in ("front", "rear"):
        for kind in ("alwa", "motion", "event"):
            files[f"car_{side}_{kind}"] = car_kind(side, kind)
    files.update(nine_part("v1", 8))
    files.update(nine_part("v2", 6))
    for side in ("front", "rear"):
        files[f"v1_{side}_logo"] = logo(side, 220, 90)
        files[f"v2_{side}_logo"] = logo(side, 140, 60)
    files.update(strips())
    files["blueProgress"] = bar("#6cb6ff", "#2a7fe0", ACCENT_DEEP)
    files["greyProgress"] = bar("#5d636e", "#3b4049", BG_PANEL)
    files["barberProgress"] = barber()
    files["tavik-viewer"] = app_icon()
    return files


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                                             os.pardir, "resources")
    images = os.path.join(root, "images")
    os.makedirs(images, exist_ok=True)
    files = artwork()
    for stem, text in files.items():
        with open(os.path.join(images, stem + ".svg"), "w", encoding="utf-8", newline="\n") as f:
            f.write(text)
    qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/images\">\n"
    for stem in sorted(files):
        qrc += f'    <file alias="{stem}.svg">images/{stem}.svg</file>\n'
    qrc += "</qresource>\n</RCC>\n"
    with open(os.path.join(root, "images.qrc"), "w", encoding="utf-8", newline="\n") as f:
        f.write(qrc)
    print(f"{len(files)} images written to {os.path.normpath(images)}")


if __name__ == "__main__":
    main()
