"""Draws the report pictures and logos of the resource archive when the project is built, so
that the source tree keeps how they are made rather than their bytes:
    draw_report_pictures.py <output folder>
writes 100side.bmp (cover), Wrenpic.jpg (the growing-account page), PileofCashMed.jpg (the tax
page), StretchLogo.gif and RMDLogo.gif. Pillow (Debian python3-pil) writes the files."""
import sys
from pathlib import Path

from PIL import Image, ImageDraw


def cover(path):
    # A column of bank notes seen from the side, 2 by 2.5 inches at 96 dpi.
    image = Image.new("RGB", (192, 240), (255, 255, 255))
    draw = ImageDraw.Draw(image)
    for layer in range(14):
        top = 220 - layer * 14
        shade = 120 + (layer % 3) * 25
        draw.rectangle([16, top, 176, top + 12], fill=(60, shade, 70), outline=(30, 80, 40))
    image.save(path, format="BMP")


def growth(path):
    # A young tree beside a taller one: an account passed on and still growing.
    image = Image.new("RGB", (288, 192), (236, 244, 250))
    draw = ImageDraw.Draw(image)
    draw.rectangle([0, 150, 287, 191], fill=(120, 170, 90))
    for x, height in ((80, 110), (200, 60)):
        draw.rectangle([x - 6, 150 - height // 2, x + 6, 150], fill=(110, 80, 50))
        radius = height // 2
        draw.ellipse([x - radius, 150 - height - radius // 2, x + radius, 150 - height // 2 + radius // 2],
                     fill=(50, 130, 60))
    image.save(path, format="JPEG", quality=90)


def cash(path):
    # A small pile of notes and coins, 1 inch square.
    image = Image.new("RGB", (96, 96), (255, 255, 255))
    draw = ImageDraw.Draw(image)
    for index in range(5):
        draw.rectangle([10 + index * 3, 60 - index * 9, 70 + index * 3, 72 - index * 9],
                       fill=(80, 150 + index * 15, 90), outline=(30, 80, 40))
    for x in (70, 82):
        draw.ellipse([x - 8, 76, x + 8, 92], fill=(210, 180, 60), outline=(140, 110, 30))
    image.save(path, format="JPEG", quality=90)


def logo(path, colour):
    # An abstract mark: three rising bars in a rounded frame, with a palette of four colours.
    image = Image.new("RGB", (160, 64), (255, 255, 255))
    draw = ImageDraw.Draw(image)
    draw.rounded_rectangle([2, 2, 157, 61], radius=10, outline=colour, width=3)
    for index, height in enumerate((18, 30, 42)):
        left = 24 + index * 40
        draw.rectangle([left, 54 - height, left + 24, 54], fill=colour)
    image.convert("P", palette=Image.ADAPTIVE, colors=4).save(path, format="GIF")


def main():
    folder = Path(sys.argv[1])
    folder.mkdir(parents=True, exist_ok=True)
    cover(folder / "100side.bmp")
    growth(folder / "Wrenpic.jpg")
    cash(folder / "PileofCashMed.jpg")
    logo(folder / "StretchLogo.gif", (40, 90, 160))
    logo(folder / "RMDLogo.gif", (30, 110, 70))


if __name__ == "__main__":
    main()
