"""Reads a profile drawing back with ezdxf, an independent DXF reader, and prints what it found.

Usage: read_dxf.py FILE. Prints one line per fact for the C++ test to compare; exits non-zero when
the file cannot be read or ezdxf's audit finds errors.
"""
import sys

import ezdxf

doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
print("errors", len(auditor.errors))
print("version", doc.dxfversion)
print("insunits", doc.header.get("$INSUNITS"))
print("layers", " ".join(sorted(layer.dxf.name for layer in doc.layers)))
msp = doc.modelspace()
for poly in msp.query("LWPOLYLINE"):
    bulges = sum(1 for *_, b in poly.get_points("xyseb") if b != 0)
    print("polyline", poly.dxf.layer, int(poly.closed), len(poly), bulges)
for circle in msp.query("CIRCLE"):
    print("circle", circle.dxf.layer, f"{circle.dxf.radius:.6f}")
