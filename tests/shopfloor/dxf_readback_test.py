#!/usr/bin/python3
"""Reads segcalc-cli's DXF drawings back with ezdxf, an independent reader.

The audit must find no error, and the ARC must be the circle the inputs fix:
its radius, its end points on the chord, its top at the chord height, in mm.
"""
import math
import os
import shutil
import subprocess
import sys
import tempfile

import ezdxf
from ezdxf import recover

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message)


def close(a, b, tolerance=1e-6):
    return abs(a - b) <= tolerance * max(1.0, abs(b))


# name, arguments, chord, radius (typed unit), major, mm per unit
CASES = [
    ("chord_radius_minor", ["--chord", "1000", "--radius", "800"], 1000.0, 800.0, False, 1.0),
    ("chord_radius_major", ["--chord", "1000", "--radius", "800", "--major"], 1000.0, 800.0,
     True, 1.0),
    ("inches", ["--chord", "10", "--radius", "5.5", "--unit", "in"], 10.0, 5.5, False, 25.4),
    ("near_semicircle", ["--chord", "1999.98", "--radius", "1000", "--major"], 1999.98, 1000.0,
     True, 1.0),
    ("flat", ["--chord", "3000", "--radius", "1000000"], 3000.0, 1e6, False, 1.0),
]


def read(path):
    doc, auditor = recover.readfile(path)
    return doc, auditor


def check_drawing(name, path, chord, radius, major, scale):
    doc, auditor = read(path)
    check(not auditor.has_errors, "%s: recovery found errors %s" % (name, auditor.errors))
    audit = doc.audit()
    check(not audit.has_errors, "%s: audit found errors %s" % (name, audit.errors))
    check(doc.dxfversion == "AC1009", "%s: version %s, not R12" % (name, doc.dxfversion))
    msp = doc.modelspace()
    arcs = msp.query("ARC")
    check(len(arcs) == 1, "%s: %d ARC entities" % (name, len(arcs)))
    check(len(msp.query("LWPOLYLINE POLYLINE")) == 0, "%s: the arc is a polyline" % name)
    if not arcs:
        return
    arc = arcs[0]
    r = radius * scale
    half = chord / 2 * scale
    check(arc.dxf.layer == "ARC", "%s: ARC on layer %s" % (name, arc.dxf.layer))
    check(close(arc.dxf.radius, r), "%s: radius %r, expected %r" % (name, arc.dxf.radius, r))
    # The end points, whichever way round, lie on the chord's ends.
    ends = sorted([(p.x, p.y) for p in (arc.start_point, arc.end_point)])
    for (x, y), ex in zip(ends, (-half, half)):
        check(close(x, ex) and abs(y) <= 1e-6 * max(1.0, r),
              "%s: end point (%r, %r), expected (%r, 0)" % (name, x, y, ex))
    # Independent closed form for the height: the far or near side of the circle.
    offset = math.sqrt(r * r - half * half)
    height = r + offset if major else r - offset
    span = (arc.dxf.end_angle - arc.dxf.start_angle) % 360
    check((span > 180) == major, "%s: arc spans %r degrees" % (name, span))
    top_y = arc.dxf.center.y + r
    check(close(top_y, height, 1e-6), "%s: top at %r, expected height %r" % (name, top_y, height))
    check(abs(arc.dxf.center.x) <= 1e-9, "%s: centre off the chord's midpoint" % name)
    layers = {e.dxf.layer for e in msp}
    check({"ARC", "CHORD", "HEIGHT", "ORDINATES"} <= layers, "%s: layers %s" % (name, layers))
    for layer in ("ARC", "CHORD", "HEIGHT", "ORDINATES"):
        check(doc.layers.has_entry(layer), "%s: layer %s not in the layer table" % (name, layer))
    chords = msp.query('LINE[layer=="CHORD"]')
    check(len(chords) == 1 and close(chords[0].dxf.start.distance(chords[0].dxf.end), 2 * half),
          "%s: chord line" % name)
    # Every ordinate line runs from the chord up to the arc.
    for line in msp.query('LINE[layer=="ORDINATES"]'):
        x = line.dxf.start.x
        y = line.dxf.end.y
        on_circle = math.hypot(x, y - arc.dxf.center.y)
        check(abs(line.dxf.start.y) <= 1e-9 and close(on_circle, r, 1e-6),
              "%s: ordinate at x %r ends off the arc" % (name, x))


def check_profile(path, outer, depth, pieces):
    doc, auditor = read(path)
    check(not auditor.has_errors, "profile: errors %s" % auditor.errors)
    msp = doc.modelspace()
    arcs = {a.dxf.layer: a for a in msp.query("ARC")}
    check(set(arcs) == {"ARC", "INNER", "OUTER"}, "profile: arcs on %s" % sorted(arcs))
    if set(arcs) != {"ARC", "INNER", "OUTER"}:
        return
    check(close(arcs["OUTER"].dxf.radius, outer), "profile: outer %r" % arcs["OUTER"].dxf.radius)
    check(close(arcs["INNER"].dxf.radius, outer - depth),
          "profile: inner %r" % arcs["INNER"].dxf.radius)
    centre = arcs["ARC"].dxf.center
    for layer in ("INNER", "OUTER"):
        check(arcs[layer].dxf.center.distance(centre) < 1e-9, "profile: %s off centre" % layer)
        check(close(arcs[layer].dxf.start_angle, arcs["ARC"].dxf.start_angle) and
              close(arcs[layer].dxf.end_angle, arcs["ARC"].dxf.end_angle),
              "profile: %s spans other angles" % layer)
    divisions = msp.query('LINE[layer=="DIVISIONS"]')
    check(len(divisions) == pieces + 1, "profile: %d division lines" % len(divisions))
    for line in divisions:
        near, far = sorted((line.dxf.start.distance(centre), line.dxf.end.distance(centre)))
        check(close(near, outer - depth) and close(far, outer), "profile: division %r..%r"
              % (near, far))
        # Along the radius: both ends in the same direction from the centre.
        a = math.atan2(line.dxf.start.y - centre.y, line.dxf.start.x - centre.x)
        b = math.atan2(line.dxf.end.y - centre.y, line.dxf.end.x - centre.x)
        check(abs(a - b) < 1e-9, "profile: a division line is not radial")
    facets = msp.query('LINE[layer=="FACETS"]')
    check(len(facets) == pieces, "profile: %d facets" % len(facets))
    span = math.radians((arcs["ARC"].dxf.end_angle - arcs["ARC"].dxf.start_angle) % 360)
    for facet in facets:
        for end in (facet.dxf.start, facet.dxf.end):
            check(close(end.distance(centre), outer), "profile: facet end off the outer face")
        chord = facet.dxf.start.distance(facet.dxf.end)
        check(close(chord, 2 * outer * math.sin(span / pieces / 2), 1e-9),
              "profile: facet of %r" % chord)
    for layer in ("INNER", "OUTER", "DIVISIONS", "FACETS"):
        check(doc.layers.has_entry(layer), "profile: layer %s not in the layer table" % layer)


def main():
    cli = sys.argv[1]
    work = tempfile.mkdtemp(prefix="segcalc-dxf-")
    env = {**os.environ, "LC_ALL": "C.UTF-8"}
    try:
        for name, args, chord, radius, major, scale in CASES:
            path = os.path.join(work, name + ".dxf")
            run = subprocess.run([cli, *args, "--dxf", path], capture_output=True, text=True,
                                 env=env)
            check(run.returncode == 0, "%s: exit %d %s" % (name, run.returncode, run.stderr))
            check_drawing(name, path, chord, radius, major, scale)

        # From the calculator's own inputs: the ARC's length and chord are the
        # given arc length and chord length.
        path = os.path.join(work, "calculator.dxf")
        run = subprocess.run([cli, "--arc", "2491.78", "--chord", "2067.63", "--dxf", path],
                             capture_output=True, text=True, env=env)
        check(run.returncode == 0, "calculator: exit %d" % run.returncode)
        doc, _ = read(path)
        arc = doc.modelspace().query("ARC")[0]
        span = math.radians((arc.dxf.end_angle - arc.dxf.start_angle) % 360)
        check(close(arc.dxf.radius * span, 2491.78, 1e-8), "calculator: arc length %r"
              % (arc.dxf.radius * span))
        check(close(arc.start_point.distance(arc.end_point), 2067.63, 1e-8), "calculator: chord")

        # A 70 mm profile measured on its outer face, in four pieces: its two
        # faces are true ARCs about the same centre, the division lines run
        # across the profile along the radius, the facets join the points.
        path = os.path.join(work, "profile.dxf")
        run = subprocess.run([cli, "--chord", "1200", "--height", "300", "--profile", "70",
                              "--face", "outer", "--pieces", "4", "--dxf", path],
                             capture_output=True, text=True, env=env)
        check(run.returncode == 0, "profile: exit %d %s" % (run.returncode, run.stderr))
        check_profile(path, outer=(600 ** 2 + 300 ** 2) / 600, depth=70, pieces=4)

        # A batch writes one drawing per solved line, named by its line number.
        folder = os.path.join(work, "batch")
        run = subprocess.run([cli, "--batch", "--dxf-dir", folder],
                             input="2491.78\t2067.63\t\n100\t200\t\n\t1000\t1000\t0\n",
                             capture_output=True, text=True, env=env)
        check(run.returncode == 0, "batch: exit %d %s" % (run.returncode, run.stderr))
        check(sorted(os.listdir(folder)) == ["1.dxf", "3.dxf"],
              "batch: files %s" % sorted(os.listdir(folder)))
        for entry in os.listdir(folder):
            _, auditor = read(os.path.join(folder, entry))
            check(not auditor.has_errors, "batch %s: errors" % entry)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    if failures:
        return 1
    print("ezdxf %s reads every drawing back" % ezdxf.__version__)
    return 0


if __name__ == "__main__":
    sys.exit(main())
