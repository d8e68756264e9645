"""Reads a profile drawing back with svgelements, an independent SVG reader, and measures it.

Usage: read_svg.py FILE. Prints one line per fact for the C++ test to compare: the sheet in
millimetres, the title, how many pieces of the contour are arcs, the contour's least and greatest
distance from the centre (from points along every piece), its topmost point (y up) and the circles.
"""
import sys

from svgelements import SVG, Arc, Circle, Move, Path, Title

# 25.4 pixels per inch: one user unit is one millimetre.
svg = SVG.parse(sys.argv[1], ppi=25.4)
print(f"sheet {svg.width:.2f} {svg.height:.2f}")
# Millimetres of the view box per millimetre of the sheet (1 but for the reader's unit rounding).
k = svg.viewbox.width / svg.width
cx, cy = svg.width / 2, svg.height / 2
for element in svg.elements():
    if isinstance(element, Title):
        print("title", element.title)
    elif isinstance(element, Path):
        pieces = [s for s in element if not isinstance(s, Move)]
        points = [s.point(i / 16) for s in pieces for i in range(17)]
        radii = [k * ((p.x - cx) ** 2 + (p.y - cy) ** 2) ** 0.5 for p in points]
        top = min(points, key=lambda p: p.y)
        print("arcs", sum(isinstance(s, Arc) for s in pieces))
        print(f"radius {min(radii):.6f} {max(radii):.6f}")
        print(f"top {k * (top.x - cx):.6f} {k * (cy - top.y):.6f}")
    elif isinstance(element, Circle):
        print(f"circle {k * element.rx:.6f}")
