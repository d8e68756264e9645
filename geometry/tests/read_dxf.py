"""Reads a profile drawing back with ezdxf, an independent DXF reader, and prints what it found.

Usage: read_dxf.py FILE. Prints one line per fact for the C++ test to compare; exits non-zero when
the file cannot be read or ezdxf's audit finds errors.
"""
import sys

import ezdxf
from ezdxf.lldxf.encoding import decode_dxf_unicode

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
# The data table: its cells' texts as ezdxf reads them (\U+XXXX decoded), the text style, and the
# box about its lines and text insertion points.
for text in msp.query("TEXT"):
    print("text", text.dxf.layer, text.dxf.style, f"{text.dxf.height:g}",
          decode_dxf_unicode(text.dxf.text))
if "QUILLON_CJK" in doc.styles:
    style = doc.styles.get("QUILLON_CJK")
    print("style", style.dxf.font, style.get_extended_font_data()[0])
points = [p for line in msp.query('LINE[layer=="DATA"]') for p in (line.dxf.start, line.dxf.end)]
points += [text.dxf.insert for text in msp.query('TEXT[layer=="DATA"]')]
if points:
    print("table-left", f"{min(p.x for p in points):.6f}")
