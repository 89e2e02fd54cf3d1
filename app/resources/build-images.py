#!/usr/bin/env python3
"""Draws the program's pictures from the SVG sources named in a manifest.

PNG by rsvg-convert, GIF and ICO by ImageMagick; writes images.qrc for the
":/images/" resource tree and, when asked, a contact sheet for review.
usage: build-images.py MANIFEST OUTPUT_DIR [CONTACT_SHEET]
"""
import os
import subprocess
import sys
import tempfile


def parse(manifest):
    for number, line in enumerate(open(manifest, encoding="utf-8"), 1):
        line = line.strip()
        if not line or line.startswith("#"):
            continue
        fields = [f.strip() for f in line.split("|")]
        if len(fields) != 5:
            sys.exit(f"{manifest}:{number}: expected 5 fields")
        name, source, size, colours, frames = fields
        subs = dict(kv.split("=", 1) for kv in colours.split(",") if kv)
        yield name, source, size, subs, frames


def draw(svg_text, subs, width, height, out):
    for key, value in subs.items():
        svg_text = svg_text.replace("{" + key + "}", value)
    if "{" in svg_text:
        raise SystemExit(f"{out}: a placeholder is left unfilled")
    with tempfile.NamedTemporaryFile("w", suffix=".svg", delete=False) as svg:
        svg.write(svg_text)
    try:
        subprocess.run(["rsvg-convert", "-w", str(width), "-h", str(height), "-o", out, svg.name], check=True)
    finally:
        os.unlink(svg.name)


def main():
    manifest, out_dir = sys.argv[1], sys.argv[2]
    sheet = sys.argv[3] if len(sys.argv) > 3 else None
    src_dir = os.path.dirname(os.path.abspath(manifest))
    os.makedirs(out_dir, exist_ok=True)
    names = []
    with tempfile.TemporaryDirectory() as work:
        for name, source, size, subs, frames in parse(manifest):
            svg_text = open(os.path.join(src_dir, source), encoding="utf-8").read()
            out = os.path.join(out_dir, name)
            if name.endswith(".ico"):
                parts = []
                for edge in size.split(","):
                    part = os.path.join(work, f"{name}-{edge}.png")
                    draw(svg_text, subs, int(edge), int(edge), part)
                    parts.append(part)
                subprocess.run(["convert", *parts, out], check=True)
            elif name.endswith(".gif"):
                width, height = (int(v) for v in size.split("x"))
                key, span = frames.split("=")
                first, last, step = (int(v) for v in span.split(":"))
                parts = []
                for index, value in enumerate(range(first, last + 1, step)):
                    part = os.path.join(work, f"{name}-{index:03d}.png")
                    draw(svg_text, {**subs, key: str(value)}, width, height, part)
                    parts.append(part)
                subprocess.run(["convert", "-delay", "8", "-loop", "0", "-dispose", "Background", *parts, out],
                               check=True)
            else:
                width, height = (int(v) for v in size.split("x"))
                draw(svg_text, subs, width, height, out)
            names.append(name)
    with open(os.path.join(out_dir, "images.qrc"), "w", encoding="utf-8") as qrc:
        qrc.write('<RCC>\n  <qresource prefix="/images">\n')
        for name in names:
            qrc.write(f'    <file alias="{name}">{os.path.join(out_dir, name)}</file>\n')
        qrc.write("  </qresource>\n</RCC>\n")
    if sheet:
        inputs = [os.path.join(out_dir, n) + ("[0]" if not n.endswith(".png") else "") for n in names]
        subprocess.run(["montage", "-label", "%f", "-pointsize", "11", "-background", "#F8FAFC",
                        "-geometry", "96x96+10+10>", "-tile", "6x", *inputs, sheet], check=True)


if __name__ == "__main__":
    main()
