#!/usr/bin/python3
"""Draws the panel's artwork: icon glyphs of the Material Design Icons font, tiles, keys, the
panel frame and the wallpapers, all from Debian packages and code, reproducibly.

    make_art.py --list          prints the relative file names it makes, one a line
    make_art.py OUTDIR [PREFIX] writes them (those whose name starts with PREFIX) under OUTDIR
"""
import math
import os
import random
import sys

MDI_FONT = "/usr/share/fonts/truetype/materialdesignicons-webfont/materialdesignicons-webfont.ttf"

IMG = "VevOdara_new/Image/"

# Tiles: file stem -> (glyph, top colour, bottom colour)
TILES = {
    "主界面": ("home-variant", "#ffa23a", "#e0561b"),
    "DTF": ("printer", "#4aa8ff", "#1f5fd1"),
    "MDF": ("layers", "#d39a5c", "#8a5527"),
    "HTV": ("content-cut", "#ff6aa8", "#c2185b"),
    "布艺": ("tshirt-crew", "#3fd8c2", "#13897a"),
    "水晶": ("diamond", "#9fd9ff", "#6a5cff"),
    "金属板": ("cube-outline", "#d3dce6", "#6f7d8c"),
    "石板": ("texture", "#8fa3ad", "#3f4f59"),
    "自定义材料": ("flask", "#b98aff", "#6b3fd6"),
    "自定义": ("plus-circle", "#66db83", "#23934a"),
    "操作指南": ("book-open-variant", "#ffd054", "#e08a00"),
    "关于本机": ("information-outline", "#62ccff", "#1d86d6"),
    "用户": ("account", "#8a96ff", "#3f4cc9"),
    "设置": ("settings", "#98adc4", "#4a6078"),
    "售后": ("headset", "#ff9470", "#d84315"),
    "U盘": ("usb", "#56d8a8", "#0f8a5f"),
}

# Flat glyph icons: file -> (glyph, colour, size)
GLYPHS = {
    IMG + "键盘返回.png": ("keyboard-return", "#ffffff", 96),
    IMG + "键盘删除.png": ("backspace", "#ffffff", 96),
    IMG + "打钩.png": ("check", "#ffffff", 96),
    IMG + "关闭.png": ("close-circle-outline", "#80baff", 96),
    IMG + "关锁.png": ("lock", "#80baff", 96),
    IMG + "开锁.png": ("lock-open", "#80baff", 96),
    IMG + "湿度.png": ("water-percent", "#7fd6ff", 96),
    IMG + "AddUser.png": ("account-plus", "#ffffff", 96),
    IMG + "pdf.png": ("file-pdf-box", "#ff6b5e", 96),
    IMG + "图片.png": ("file-image", "#6fd38a", 96),
    IMG + "文档.png": ("file-document", "#9ec9ff", 96),
    IMG + "文件夹.png": ("folder", "#ffc94a", 96),
    # for the work screen
    IMG + "温度.png": ("thermometer", "#ff8a3d", 96),
    IMG + "时间.png": ("timer", "#7fc4ff", 96),
    IMG + "启动.png": ("play", "#ffffff", 96),
    IMG + "停止.png": ("stop", "#ffffff", 96),
    IMG + "压力.png": ("gauge", "#9ee37d", 96),
    IMG + "应用.png": ("apps", "#ffffff", 96),
    IMG + "计数.png": ("counter", "#ffffff", 96),
    IMG + "加热.png": ("fire", "#ff6a2a", 96),
    "VNQML/Image/close.png": ("close", "#dfe8f5", 64),
}

WALLPAPERS = [IMG + "壁纸%d.png" % i for i in range(1, 8)]
OTHERS = [IMG + "bk_0.png", IMG + "大按钮底框.png", IMG + "键盘按钮.png", IMG + "冒号.png",
          IMG + "关闭_check.png", "VNQML/Image/none.png"]


def all_files():
    return sorted([IMG + k + ".png" for k in TILES] + list(GLYPHS) + WALLPAPERS + OTHERS)


# ---------------------------------------------------------------------------------------------

def rgb(hexcolour):
    h = hexcolour.lstrip("#")
    return tuple(int(h[i:i + 2], 16) for i in (0, 2, 4))


def glyph_char(name):
    import logging
    from fontTools.ttLib import TTFont
    logging.getLogger("fontTools").setLevel(logging.ERROR)
    if not hasattr(glyph_char, "cmap"):
        cmap = TTFont(MDI_FONT).getBestCmap()
        glyph_char.cmap = {v: k for k, v in cmap.items()}
    return chr(glyph_char.cmap[name])


def draw_glyph(name, size, colour, box=None, scale=0.82, shadow=False):
    """A glyph centred on a transparent square of `size` pixels."""
    from PIL import Image, ImageDraw, ImageFilter, ImageFont
    ss = 4
    big = size * ss
    font = ImageFont.truetype(MDI_FONT, int(big * scale))
    ch = glyph_char(name)
    img = Image.new("RGBA", (big, big), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    l, t, r, b = d.textbbox((0, 0), ch, font=font)
    pos = ((big - (r - l)) / 2 - l, (big - (b - t)) / 2 - t)
    if shadow:
        sh = Image.new("RGBA", (big, big), (0, 0, 0, 0))
        ImageDraw.Draw(sh).text((pos[0], pos[1] + big * 0.02), ch, font=font, fill=(0, 0, 0, 110))
        sh = sh.filter(ImageFilter.GaussianBlur(big * 0.02))
        img = Image.alpha_composite(img, sh)
        d = ImageDraw.Draw(img)
    d.text(pos, ch, font=font, fill=rgb(colour) + (255,))
    return img.resize((size, size), Image.LANCZOS)


def vertical_gradient(w, h, top, bottom):
    import numpy as np
    t = np.linspace(0.0, 1.0, h)[:, None, None]
    a = np.array(rgb(top), dtype=float)[None, None, :]
    b = np.array(rgb(bottom), dtype=float)[None, None, :]
    return np.repeat(a * (1 - t) + b * t, w, axis=1)


def to_image(arr, alpha=None):
    import numpy as np
    from PIL import Image
    arr = np.clip(arr, 0, 255).astype("uint8")
    img = Image.fromarray(arr, "RGB").convert("RGBA")
    if alpha is not None:
        img.putalpha(Image.fromarray(np.clip(alpha, 0, 255).astype("uint8"), "L"))
    return img


def rounded_mask(w, h, radius, ss=4):
    from PIL import Image, ImageDraw
    m = Image.new("L", (w * ss, h * ss), 0)
    ImageDraw.Draw(m).rounded_rectangle((0, 0, w * ss - 1, h * ss - 1), radius * ss, fill=255)
    return m.resize((w, h), Image.LANCZOS)


def tile(glyph, top, bottom, size=240):
    from PIL import Image, ImageDraw, ImageChops
    radius = int(size * 0.17)
    body = to_image(vertical_gradient(size, size, top, bottom))
    # a soft gloss over the upper half
    gloss = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    gd = ImageDraw.Draw(gloss)
    gd.ellipse((-size * 0.4, -size * 0.95, size * 1.4, size * 0.42), fill=(255, 255, 255, 38))
    body = Image.alpha_composite(body, gloss)
    icon = draw_glyph(glyph, int(size * 0.62), "#ffffff", shadow=True)
    off = (size - icon.width) // 2
    body.alpha_composite(icon, (off, off))
    mask = rounded_mask(size, size, radius)
    body.putalpha(ImageChops.multiply(body.getchannel("A"), mask))
    # a thin light rim
    ss = 4
    rim = Image.new("RGBA", (size * ss, size * ss), (0, 0, 0, 0))
    ImageDraw.Draw(rim).rounded_rectangle((ss, ss, size * ss - ss - 1, size * ss - ss - 1), radius * ss,
                                         outline=(255, 255, 255, 90), width=2 * ss)
    rim = rim.resize((size, size), Image.LANCZOS)
    return Image.alpha_composite(body, rim)


def panel_frame(w=640, h=400):
    """The framed panel behind the overlays and message boxes: translucent navy, a bright
    double rim and corner accents."""
    from PIL import Image, ImageDraw, ImageFilter
    ss = 3
    W, H = w * ss, h * ss
    img = Image.new("RGBA", (W, H), (0, 0, 0, 0))
    body = to_image(vertical_gradient(W, H, "#0c2a5e", "#020b24"))
    mask = Image.new("L", (W, H), 0)
    ImageDraw.Draw(mask).rounded_rectangle((6 * ss, 6 * ss, W - 6 * ss, H - 6 * ss), 18 * ss, fill=225)
    img.paste(body, (0, 0), mask)
    glow = Image.new("RGBA", (W, H), (0, 0, 0, 0))
    ImageDraw.Draw(glow).rounded_rectangle((6 * ss, 6 * ss, W - 6 * ss, H - 6 * ss), 18 * ss,
                                           outline=(70, 160, 255, 200), width=6 * ss)
    glow = glow.filter(ImageFilter.GaussianBlur(5 * ss))
    img = Image.alpha_composite(img, glow)
    d = ImageDraw.Draw(img)
    d.rounded_rectangle((6 * ss, 6 * ss, W - 6 * ss, H - 6 * ss), 18 * ss, outline=(90, 170, 255, 255), width=2 * ss)
    d.rounded_rectangle((14 * ss, 14 * ss, W - 14 * ss, H - 14 * ss), 12 * ss, outline=(60, 115, 180, 150), width=1 * ss)
    # corner accents
    L = 46 * ss
    c = (255, 136, 0, 255)
    t = 4 * ss
    for (x, y, sx, sy) in ((14, 14, 1, 1), (w - 14, 14, -1, 1), (14, h - 14, 1, -1), (w - 14, h - 14, -1, -1)):
        X, Y = x * ss, y * ss
        d.line((X, Y, X + sx * L, Y), fill=c, width=t)
        d.line((X, Y, X, Y + sy * L), fill=c, width=t)
    # a faint sheen across the top
    sheen = Image.new("RGBA", (W, H), (0, 0, 0, 0))
    ImageDraw.Draw(sheen).ellipse((-W * 0.6, -H * 1.6, W * 1.6, H * 0.22), fill=(120, 180, 255, 12))
    sheen.putalpha(Image.fromarray(__import__("numpy").minimum(
        __import__("numpy").array(sheen.getchannel("A")), __import__("numpy").array(mask))))
    img = Image.alpha_composite(img, sheen)
    return img.resize((w, h), Image.LANCZOS)


def key_face(w=120, h=100):
    """The face of a keyboard key: translucent glass over whatever colour the key has."""
    from PIL import Image, ImageDraw
    import numpy as np
    ss = 4
    W, H = w * ss, h * ss
    r = 12 * ss
    t = np.linspace(0, 1, H)[:, None]
    alpha = np.repeat(70 - 40 * t, W, axis=1)
    body = to_image(vertical_gradient(W, H, "#3a6fb5", "#0b2350"), alpha)
    mask = Image.new("L", (W, H), 0)
    ImageDraw.Draw(mask).rounded_rectangle((0, 0, W - 1, H - 1), r, fill=255)
    out = Image.new("RGBA", (W, H), (0, 0, 0, 0))
    out.paste(body, (0, 0), mask)
    d = ImageDraw.Draw(out)
    d.rounded_rectangle((ss, ss, W - ss - 1, H - ss - 1), r, outline=(120, 180, 255, 230), width=2 * ss)
    d.rounded_rectangle((4 * ss, 4 * ss, W - 4 * ss - 1, H * 0.45), r * 0.7, fill=(255, 255, 255, 26))
    return out.resize((w, h), Image.LANCZOS)


def colon(w=40, h=35):
    from PIL import Image, ImageDraw
    ss = 4
    img = Image.new("RGBA", (w * ss, h * ss), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    r = 3.2 * ss
    cx = w * ss / 2
    for cy in (h * ss * 0.32, h * ss * 0.72):
        d.ellipse((cx - r, cy - r, cx + r, cy + r), fill=(255, 255, 255, 255))
    return img.resize((w, h), Image.LANCZOS)


def delete_badge(size=96):
    from PIL import Image, ImageDraw
    ss = 4
    S = size * ss
    img = Image.new("RGBA", (S, S), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    d.ellipse((4 * ss, 4 * ss, S - 4 * ss, S - 4 * ss), fill=(224, 48, 48, 255), outline=(255, 255, 255, 255), width=4 * ss)
    img = img.resize((size, size), Image.LANCZOS)
    x = draw_glyph("close", size, "#ffffff", scale=0.62)
    return Image.alpha_composite(img, x)


# --- wallpapers ------------------------------------------------------------------------------

W, H = 800, 480


def grid():
    import numpy as np
    y, x = np.mgrid[0:H, 0:W].astype(float)
    return x, y


def vignette(arr, strength=0.45):
    import numpy as np
    x, y = grid()
    d = np.sqrt(((x - W / 2) / (W / 2)) ** 2 + ((y - H / 2) / (H / 2)) ** 2) / math.sqrt(2)
    return arr * (1 - strength * d ** 2)[:, :, None]


def blend(arr, colour, amount):
    import numpy as np
    c = np.array(rgb(colour), dtype=float)[None, None, :]
    a = np.clip(amount, 0, 1)[:, :, None]
    return arr * (1 - a) + c * a


def add_noise(arr, seed, amount=1.2):
    import numpy as np
    rng = np.random.default_rng(seed)
    return arr + rng.normal(0, amount, arr.shape[:2])[:, :, None]


def wall_1():
    """Deep navy with soft diagonal light beams: the default."""
    import numpy as np
    x, y = grid()
    arr = vertical_gradient(W, H, "#0a2150", "#010713")
    for k, (off, width, amt) in enumerate(((-120, 90, 0.16), (90, 50, 0.11), (300, 140, 0.09), (520, 60, 0.08))):
        d = np.abs((x - y * 0.75) - off) / width
        arr = blend(arr, "#3d8bff", amt * np.exp(-d ** 2))
    glow = np.exp(-(((x - 640) / 260) ** 2 + ((y - 80) / 180) ** 2))
    arr = blend(arr, "#2f6fe0", 0.28 * glow)
    return add_noise(vignette(arr), 1)


def wall_2():
    """Blue-teal with a faint hexagon grid."""
    import numpy as np
    x, y = grid()
    arr = vertical_gradient(W, H, "#06304a", "#020c18")
    s = 34.0
    q = (x * math.sqrt(3) / 3 - y / 3) / s
    r = (2 * y / 3) / s
    # distance to hexagon cell edges from cube coordinates
    cx, cz = q, r
    cy = -cx - cz
    rx, ry, rz = np.round(cx), np.round(cy), np.round(cz)
    dx, dy, dz = np.abs(rx - cx), np.abs(ry - cy), np.abs(rz - cz)
    edge = np.maximum(np.maximum(dx, dy), dz)
    line = np.exp(-((edge - 0.5) / 0.03) ** 2)
    fade = np.exp(-(((x - 200) / 420) ** 2 + ((y - 380) / 300) ** 2))
    arr = blend(arr, "#27c6d9", 0.35 * line * fade)
    arr = blend(arr, "#1a8fb0", 0.25 * np.exp(-(((x - 150) / 300) ** 2 + ((y - 420) / 200) ** 2)))
    return add_noise(vignette(arr), 2)


def wall_3():
    """Violet night with soft bokeh."""
    import numpy as np
    x, y = grid()
    arr = vertical_gradient(W, H, "#1f1147", "#05040f")
    rnd = random.Random(3)
    for _ in range(26):
        cx, cy = rnd.uniform(0, W), rnd.uniform(0, H)
        rr = rnd.uniform(18, 70)
        col = rnd.choice(["#8f6bff", "#4f7dff", "#d36bff", "#6bd0ff"])
        d = np.sqrt((x - cx) ** 2 + (y - cy) ** 2) / rr
        disc = np.clip(1.2 - d, 0, 1) ** 1.5
        arr = blend(arr, col, rnd.uniform(0.08, 0.22) * disc)
    return add_noise(vignette(arr), 3)


def wall_4():
    """Charcoal with glowing heat waves: the press at work."""
    import numpy as np
    x, y = grid()
    arr = vertical_gradient(W, H, "#1a0f0a", "#050302")
    for k in range(7):
        base = 300 + k * 26
        wave = base + 18 * np.sin(x / 70.0 + k * 0.9) + 8 * np.sin(x / 23.0 + k)
        d = np.abs(y - wave) / 2.2
        amt = np.exp(-d ** 2) * (0.55 - k * 0.06)
        arr = blend(arr, "#ff7a1a" if k % 2 == 0 else "#ffb347", amt)
    arr = blend(arr, "#ff5a00", 0.25 * np.exp(-(((x - 400) / 380) ** 2 + ((y - 470) / 120) ** 2)))
    return add_noise(vignette(arr, 0.5), 4)


def wall_5():
    """Brushed steel blue."""
    import numpy as np
    x, y = grid()
    rng = np.random.default_rng(5)
    streaks = rng.normal(0, 1, (H, 1))
    streaks = np.repeat(streaks, W, axis=1)
    arr = vertical_gradient(W, H, "#3b5573", "#142235")
    arr = arr + 7 * streaks[:, :, None]
    sheen = np.exp(-(((x + y * 0.6) - 520) / 200) ** 2)
    arr = blend(arr, "#b8d4f0", 0.22 * sheen)
    return add_noise(vignette(arr, 0.5), 5)


def wall_6():
    """Deep green-teal flowing bands."""
    import numpy as np
    x, y = grid()
    arr = vertical_gradient(W, H, "#04302c", "#010a0a")
    for k in range(5):
        c = 120 + k * 70 + 40 * np.sin(x / 130.0 + k * 1.3)
        d = (y - c) / (26 + 6 * k)
        arr = blend(arr, "#19c5a0" if k % 2 else "#0f8f8a", 0.22 * np.exp(-d ** 2))
    return add_noise(vignette(arr), 6)


def wall_7():
    """Dark slate with low-poly facets."""
    import numpy as np
    from PIL import Image, ImageDraw
    rnd = random.Random(7)
    img = Image.new("RGB", (W, H))
    d = ImageDraw.Draw(img)
    cols, rows = 9, 6
    pts = [[(i * W / (cols - 1) + (rnd.uniform(-30, 30) if 0 < i < cols - 1 else 0),
             j * H / (rows - 1) + (rnd.uniform(-25, 25) if 0 < j < rows - 1 else 0))
            for i in range(cols)] for j in range(rows)]
    for j in range(rows - 1):
        for i in range(cols - 1):
            a, b, c, e = pts[j][i], pts[j][i + 1], pts[j + 1][i], pts[j + 1][i + 1]
            for tri in ((a, b, c), (b, e, c)):
                cx = sum(p[0] for p in tri) / 3
                cy = sum(p[1] for p in tri) / 3
                light = 0.55 + 0.45 * math.exp(-(((cx - 560) / 380) ** 2 + ((cy - 90) / 300) ** 2))
                light *= rnd.uniform(0.82, 1.0)
                base = (22, 34, 54)
                col = tuple(int(v * light + 30 * light) for v in base)
                d.polygon(tri, fill=col)
    arr = np.array(img, dtype=float)
    return add_noise(vignette(arr), 7)


def bk_0():
    """The plain background of the keyboards and lists."""
    import numpy as np
    x, y = grid()
    arr = vertical_gradient(W, H, "#0b1e44", "#020816")
    arr = blend(arr, "#1d4a9a", 0.22 * np.exp(-(((x - 400) / 420) ** 2 + ((y + 40) / 220) ** 2)))
    return add_noise(vignette(arr, 0.35), 0)


WALL_FUNCS = [wall_1, wall_2, wall_3, wall_4, wall_5, wall_6, wall_7]


PREFIX = ""


def wanted(rel):
    return rel.startswith(PREFIX)


def save(img, outdir, rel):
    if not wanted(rel):
        return
    path = os.path.join(outdir, rel)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    img.save(path, optimize=True)


def make(outdir):
    from PIL import Image
    jobs = [(IMG + stem + ".png", lambda g=glyph, t=top, b=bottom: tile(g, t, b))
            for stem, (glyph, top, bottom) in TILES.items()]
    jobs += [(rel, lambda g=glyph, c=colour, s=size: draw_glyph(g, s, c))
             for rel, (glyph, colour, size) in GLYPHS.items()]
    jobs += [(rel, lambda f=func: to_image(f()).convert("RGB")) for rel, func in zip(WALLPAPERS, WALL_FUNCS)]
    jobs += [
        (IMG + "bk_0.png", lambda: to_image(bk_0()).convert("RGB")),
        (IMG + "大按钮底框.png", panel_frame),
        (IMG + "键盘按钮.png", key_face),
        (IMG + "冒号.png", colon),
        (IMG + "关闭_check.png", delete_badge),
        ("VNQML/Image/none.png", lambda: Image.new("RGBA", (1, 1), (0, 0, 0, 0))),
    ]
    for rel, draw in jobs:
        if wanted(rel):
            save(draw(), outdir, rel)


def main(argv):
    if len(argv) == 2 and argv[1] == "--list":
        print("\n".join(all_files()))
        return 0
    if len(argv) not in (2, 3):
        print(__doc__, file=sys.stderr)
        return 2
    global PREFIX
    PREFIX = argv[2] if len(argv) == 3 else ""
    make(argv[1])
    missing = [f for f in all_files() if wanted(f) and not os.path.exists(os.path.join(argv[1], f))]
    if missing:
        print("not made:", missing, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
