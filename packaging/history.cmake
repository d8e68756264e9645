# Release history, newest first. The Debian changelog (changelog.gz) and the <releases> of the
# AppStream metadata are made from it; the newest entry must carry the project version.
# quillon_release(<version> <YYYY-MM-DD> <note>...): one note per changelog bullet (no semicolons).

quillon_release(1.0.0 2026-12-07
    "First release of the involute spline calculator to DIN 5480 (30 degree pressure angle): quillon, the tolerance edition, and quillon-lite, the lite edition, in one Debian package."
    "Geometry (d, da, df, db, ha, hf, h), span measurement W over k teeth and measurement over or between pins M of one external or internal spline, straight or helical."
    "quillon: upper and lower limits of W and M from the DIN 5480-1 tolerance tables in db1.mdb, in a 24-line text report."
    "quillon-lite: profile shift x·m, a 22-line text report and a printed report named after its title."
    "Window menu: the spline details window (inspection values, DIN 5480 designation read and written), the results copied to the clipboard, the about box."
    "Profile page: the exact tooth profile drawn with the pins and span anvils, warnings where they would miss the flanks, exact limits of M, the contour exported as DXF and SVG."
    "Reports in GBK with CR LF line ends. Manual pages, AppStream metadata and a user's guide in Simplified Chinese and English. Licensed GPL-3.0-or-later.")
