#!/usr/bin/python3
"""Cuts the panel's font out of Noto Sans CJK SC (the design of Source Han Sans CN): every
character of the given source files (screen texts, module messages, translations, default data)
plus the Latin, Polish and symbol ranges and the common Chinese characters (GB 2312 level 1), so
that file and material names outside the program's own texts still show.

    make_font.py OUT.ttf SOURCE...    (@LISTFILE names a file listing sources, one a line)
"""
import sys

NOTO = "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc"
FAMILY = "Noto Sans CJK SC"
# The cut is named as the panel knows it. Under its source's name it would share a family with
# Noto Sans CJK on a development machine, which then takes bold texts from the system's 19 MB
# bold collection (opened at every start) instead of emboldening this font as the panel does.
OWN_FAMILY = "Source Han Sans CN"
OWN_POSTSCRIPT = "SourceHanSansCN-Regular"

RANGES = [
    (0x0020, 0x007E),  # ASCII
    (0x00A0, 0x017F),  # Latin-1 and Latin Extended-A (Polish, German, French ...)
    (0x0180, 0x024F),  # Latin Extended-B
    (0x2000, 0x206F),  # general punctuation
    (0x2100, 0x214F),  # letter-like symbols (℃ ℉)
    (0x2190, 0x21FF),  # arrows
    (0x2460, 0x24FF),  # enclosed numbers
    (0x25A0, 0x25FF),  # geometric shapes
    (0x3000, 0x303F),  # CJK punctuation
    (0xFF00, 0xFFEF),  # full-width forms
]


def gb2312_level1():
    chars = set()
    for hi in range(0xB0, 0xD8):
        for lo in range(0xA1, 0xFF):
            try:
                chars.add(bytes([hi, lo]).decode("gb2312"))
            except UnicodeDecodeError:
                pass
    return chars


def expand(args):
    paths = []
    for arg in args:
        if arg.startswith("@"):
            with open(arg[1:], encoding="utf-8") as f:
                paths += [line.strip() for line in f if line.strip()]
        else:
            paths.append(arg)
    return paths


def collect(paths):
    chars = set()
    for lo, hi in RANGES:
        chars.update(chr(c) for c in range(lo, hi + 1))
    chars.update(gb2312_level1())
    for path in paths:
        try:
            with open(path, encoding="utf-8", errors="ignore") as f:
                chars.update(f.read())
        except OSError:
            pass
    return {c for c in chars if ord(c) >= 0x20}


def rename(font):
    names = {1: OWN_FAMILY, 3: OWN_POSTSCRIPT, 4: OWN_FAMILY, 6: OWN_POSTSCRIPT,
             16: OWN_FAMILY, 17: "Regular"}
    table = font["name"]
    for name_id, text in names.items():
        table.removeNames(nameID=name_id)
        table.setName(text, name_id, 3, 1, 0x409)
        table.setName(text, name_id, 1, 0, 0)
    if "CFF " in font:
        cff = font["CFF "].cff
        cff.fontNames = [OWN_POSTSCRIPT]
        top = cff.topDictIndex[0]
        top.FullName = OWN_FAMILY
        top.FamilyName = OWN_FAMILY


def main(argv):
    if len(argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    from fontTools import subset
    from fontTools.ttLib import TTCollection

    collection = TTCollection(NOTO)
    index = next(i for i, font in enumerate(collection.fonts)
                 if font["name"].getDebugName(1) == FAMILY)
    options = subset.Options()
    options.font_number = index
    # Only the features horizontal Chinese and Latin text uses. The source's other features
    # (locale forms for Japanese, Korean and traditional Chinese, vertical forms, width
    # variants) would pull in some 3,600 alternate glyphs and nearly double the file, which
    # every start reads and parses.
    options.layout_features = ["ccmp", "kern", "liga", "calt", "mark", "mkmk", "palt"]
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    options.hinting = False
    options.desubroutinize = False
    font = subset.load_font(NOTO, options)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=[ord(c) for c in collect(expand(argv[2:]))])
    subsetter.subset(font)
    rename(font)
    subset.save_font(font, argv[1], options)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
