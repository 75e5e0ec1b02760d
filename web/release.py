#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Stamps a built site's service worker with the site's release: the list of the files it stores
and a hash of them all, which names its cache and which it checks what it fetched against.

Usage: release.py SITE_DIR

The hash is of the lines "SHA256  NAME" of every file but the worker itself, in name order, as
the worker reckons it again (sw.js, releaseOf).
"""
import hashlib
import json
import pathlib
import re
import sys

WORKER = "sw.js"


def release(site, names):
    lines = "".join(f"{hashlib.sha256((site / n).read_bytes()).hexdigest()}  {n}\n" for n in names)
    return hashlib.sha256(lines.encode()).hexdigest()[:16]


def main():
    site = pathlib.Path(sys.argv[1])
    names = sorted(p.relative_to(site).as_posix() for p in site.rglob("*") if p.is_file() and p.name != WORKER)
    worker = site / WORKER
    text = worker.read_text(encoding="utf-8")
    stamped, count = re.subn(
        r"^const kRelease = '[^']*';\n/\*\* @type \{string\[\]\} \*/\nconst kFiles = \[[^\]]*\];$",
        lambda _: f"const kRelease = '{release(site, names)}';\n/** @type {{string[]}} */\n"
        f"const kFiles = {json.dumps(names, ensure_ascii=False)};",
        text,
        flags=re.MULTILINE,
    )
    if count != 1:
        sys.exit(f"{worker}: no place for the release (const kRelease and const kFiles)")
    worker.write_text(stamped, encoding="utf-8")


if __name__ == "__main__":
    main()
