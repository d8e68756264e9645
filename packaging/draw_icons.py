#!/usr/bin/env python3
"""Draws the two application icons: a splined shaft seen end-on (quillon) and the same shaft
without the tolerance band (quillon-lite). Writes SVG sources and PNGs at the usual sizes
(ImageMagick's `convert` renders them). Run from the repository root: packaging/draw_icons.py"""
import math
import pathlib
import subprocess

SIZES = [16, 22, 24, 32, 48, 64, 128, 256]
OUT = pathlib.Path(__file__).resolve().parent / "icons"


def spline_outline(teeth, tip, root, cx=128, cy=128):
    """A shaft cross-section: straight-sided approximation of involute teeth, tip and root arcs."""
    points = []
    pitch = 2 * math.pi / teeth
    for i in range(teeth):
        a = i * pitch
        for frac, r in ((0.00, root), (0.12, tip), (0.38, tip), (0.50, root)):
            t = a + frac * pitch
            points.append((cx + r * math.sin(t), cy - r * math.cos(t)))
    return " ".join(f"{x:.1f},{y:.1f}" for x, y in points)


def svg(with_tolerance_band):
    band = ('<circle cx="128" cy="128" r="112" fill="none" stroke="#c00000" '
            'stroke-width="10" stroke-dasharray="22 12"/>' if with_tolerance_band else "")
    return f"""<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <rect x="8" y="8" width="240" height="240" rx="40" fill="#e0e0e0" stroke="#808080" stroke-width="6"/>
  {band}
  <polygon points="{spline_outline(16, 96, 78)}" fill="#4a6fa5" stroke="#1f3558" stroke-width="5"/>
  <circle cx="128" cy="128" r="34" fill="#e0e0e0" stroke="#1f3558" stroke-width="5"/>
</svg>
"""


def main():
    OUT.mkdir(exist_ok=True)
    for name, band in (("quillon", True), ("quillon-lite", False)):
        source = OUT / f"{name}.svg"
        source.write_text(svg(band))
        for size in SIZES:
            subprocess.run(["convert", "-background", "none", "-density", "300", str(source),
                            "-resize", f"{size}x{size}", str(OUT / f"{name}-{size}.png")],
                           check=True)


if __name__ == "__main__":
    main()
