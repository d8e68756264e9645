"""Measures a shaft's profile drawing as an inspector would, read with ezdxf (independent of the
program): pins lowered into two opposite spaces until they touch both flanks, and span anvils over
k teeth. Usage: measure_dxf.py FILE z dp k. Prints "M <mm>" and "W <mm>". The drawing has a tooth
centred on +Y; the flanks are chords no farther than 0.5 µm from the involute.
"""
import math
import sys

import ezdxf

path, z, dp, k = sys.argv[1], int(sys.argv[2]), float(sys.argv[3]), int(sys.argv[4])
poly = ezdxf.readfile(path).modelspace().query('LWPOLYLINE[layer=="PROFILE"]')[0]
points = [(x, y) for x, y, *_ in poly.get_points("xy")]
chords = list(zip(points, points[1:] + points[:1]))


def distance(p, a, b):
    ax, ay = a
    dx, dy = b[0] - ax, b[1] - ay
    t = max(0.0, min(1.0, ((p[0] - ax) * dx + (p[1] - ay) * dy) / (dx * dx + dy * dy or 1)))
    return math.hypot(p[0] - ax - t * dx, p[1] - ay - t * dy)


def pin_centre_radius(angle):
    """The radius where a pin lowered along `angle` first touches the contour."""
    outer = max(math.hypot(*p) for p in points) + dp
    inner = min(math.hypot(*p) for p in points)
    for _ in range(60):
        middle = (outer + inner) / 2
        centre = (middle * math.cos(angle), middle * math.sin(angle))
        touching = any(distance(centre, *c) < dp / 2 for c in chords)
        outer, inner = (outer, middle) if touching else (middle, inner)
    return outer


pitch = 2 * math.pi / z
space = math.pi / 2 + pitch / 2  # a space beside the tooth on +Y
M = pin_centre_radius(space) + pin_centre_radius(space + math.pi) + dp
# The flanks' outer halves of k teeth about the tooth on +Y (beside it for an even k), where the
# anvils touch; the anvils stand normal to their middle.
middle = math.pi / 2 + (0 if k % 2 else pitch / 2)
radii = [math.hypot(*p) for p in points]
halfway = (min(radii) + max(radii)) / 2
group = [p for p, r in zip(points, radii) if r > halfway and
         abs(math.remainder(math.atan2(p[1], p[0]) - middle, 2 * math.pi)) < k * pitch / 2]
normal = (math.cos(middle - math.pi / 2), math.sin(middle - math.pi / 2))
reach = [p[0] * normal[0] + p[1] * normal[1] for p in group]
print(f"M {M:.6f}")
print(f"W {max(reach) - min(reach):.6f}")
