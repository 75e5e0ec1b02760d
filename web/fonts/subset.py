#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Cuts Debian's IPA fonts down to the characters the program can show, as WOFF2 for the page.

Usage: subset.py OUT_DIR SOURCE...

The characters are every printable ASCII character (what can be typed into the entries), the
full-width forms, and every character written in the given sources (the core's texts and the
page's). The IPA font licence lets derived fonts be shipped under other names only, so the
subsets are renamed "Kobaru ..."; the licence goes beside them.
"""
import pathlib
import shutil
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

FONTS = [
    # (Debian's file, the subset's file, its family name)
    ("/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf", "kobaru-gothic.woff2", "Kobaru Gothic"),
    ("/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf", "kobaru-pgothic.woff2", "Kobaru PGothic"),
    ("/usr/share/fonts/opentype/ipafont-mincho/ipamp.ttf", "kobaru-pmincho.woff2", "Kobaru PMincho"),
]
LICENCE = [
    ("/usr/share/doc/fonts-ipafont-gothic/copyright", "LICENSE-IPAfont.txt"),
    ("/usr/share/doc/fonts-ipafont-gothic/Readme_IPAfont00303.txt", "Readme_IPAfont00303.txt"),
]
ALWAYS = [chr(c) for c in range(0x20, 0x7F)] + [chr(c) for c in range(0xFF01, 0xFF5F)] + ["\u3000"]


def characters(sources):
    chars = set(ALWAYS)
    for source in sources:
        text = pathlib.Path(source).read_text(encoding="utf-8")
        chars.update(c for c in text if c.isprintable() and ord(c) > 0x7E)
    return "".join(sorted(chars))


def cut(source, target, family, text):
    options = subset.Options()
    options.flavor = "woff2"
    options.layout_features = ["*"]
    options.name_IDs = []  # the names are set anew below
    options.notdef_outline = True
    font = TTFont(source)
    sub = subset.Subsetter(options)
    sub.populate(text=text)
    sub.subset(font)
    names = font["name"]
    for platform, encoding, language in ((3, 1, 0x409), (1, 0, 0)):
        for name_id, value in ((1, family), (2, "Regular"), (3, f"{family} subset"), (4, family),
                               (6, family.replace(" ", "-"))):
            names.setName(value, name_id, platform, encoding, language)
    font.flavor = "woff2"
    font.save(target)


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    out = pathlib.Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    text = characters(sys.argv[2:])
    for source, target, family in FONTS:
        cut(source, out / target, family, text)
    for source, target in LICENCE:
        shutil.copyfile(source, out / target)
    (out / "README.txt").write_text(
        "These fonts are subsets of IPAGothic, IPAPGothic and IPAPMincho (IPAfont 003.03, from\n"
        "Debian's fonts-ipafont-gothic and fonts-ipafont-mincho), renamed Kobaru Gothic, Kobaru\n"
        "PGothic and Kobaru PMincho as the IPA Font License Agreement v1.0 asks of derived fonts.\n"
        f"They hold {len(text)} characters: those the program shows. The licence is in\n"
        "LICENSE-IPAfont.txt; the original fonts are at https://moji.or.jp/ipafont/.\n",
        encoding="utf-8")


if __name__ == "__main__":
    main()
