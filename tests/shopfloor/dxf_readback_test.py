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
    check_each_curve_once(name, msp)
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


def check_each_curve_once(name, msp):
    """No two entities draw the same curve, whatever their layers, and on the
    layers a CAM program cuts along no two share any stretch: a curve drawn
    twice is cut twice."""
    arcs = [(a.dxf.layer, a.dxf.center, a.dxf.radius, a.dxf.start_angle % 360,
             (a.dxf.end_angle - a.dxf.start_angle) % 360) for a in msp.query("ARC")]
    lines = [(l.dxf.layer, l.dxf.start, l.dxf.end) for l in msp.query("LINE")]
    cut = {"ARC", "INNER", "OUTER", "LEGS"}

    def same_point(p, q):
        return p.distance(q) <= 1e-6 * max(1.0, abs(p.x), abs(p.y))

    for i, (la, ca, ra, sa, wa) in enumerate(arcs):
        for lb, cb, rb, sb, wb in arcs[i + 1:]:
            if not (same_point(ca, cb) and close(ra, rb)):
                continue
            # The angle from one arc's start to the other's, each way round.
            overlap = max(min(wa, (sb - sa) % 360 + wb) - (sb - sa) % 360,
                          min(wb, (sa - sb) % 360 + wa) - (sa - sb) % 360)
            check(overlap <= 1e-9, "%s: arcs on %s and %s share %r degrees"
                  % (name, la, lb, overlap))
    for i, (la, a1, a2) in enumerate(lines):
        for lb, b1, b2 in lines[i + 1:]:
            if ((same_point(a1, b1) and same_point(a2, b2)) or
                    (same_point(a1, b2) and same_point(a2, b1))):
                check(False, "%s: one line on %s and %s" % (name, la, lb))
                continue
            if la not in cut or lb not in cut:
                continue
            # Collinear: both ends of b on a's line; then the stretch they share.
            length = a1.distance(a2)
            ux, uy = (a2.x - a1.x) / length, (a2.y - a1.y) / length
            off = [abs((p.x - a1.x) * uy - (p.y - a1.y) * ux) for p in (b1, b2)]
            if max(off) > 1e-6 * max(1.0, length):
                continue
            along = sorted((p.x - a1.x) * ux + (p.y - a1.y) * uy for p in (b1, b2))
            shared = min(length, along[1]) - max(0.0, along[0])
            check(shared <= 1e-6, "%s: lines on %s and %s share %r mm" % (name, la, lb, shared))


def check_profile(path, outer, depth, pieces, tails):
    doc, auditor = read(path)
    check(not auditor.has_errors, "profile: errors %s" % auditor.errors)
    msp = doc.modelspace()
    check_each_curve_once("profile", msp)
    arcs = {a.dxf.layer: a for a in msp.query("ARC")}
    # The measured face is one of the profile's faces: drawn there, not on ARC too.
    check(set(arcs) == {"INNER", "OUTER"}, "profile: arcs on %s" % sorted(arcs))
    if set(arcs) != {"INNER", "OUTER"}:
        return
    check(close(arcs["OUTER"].dxf.radius, outer), "profile: outer %r" % arcs["OUTER"].dxf.radius)
    check(close(arcs["INNER"].dxf.radius, outer - depth),
          "profile: inner %r" % arcs["INNER"].dxf.radius)
    centre = arcs["OUTER"].dxf.center
    check(arcs["INNER"].dxf.center.distance(centre) < 1e-9, "profile: INNER off centre")
    check(close(arcs["INNER"].dxf.start_angle, arcs["OUTER"].dxf.start_angle) and
          close(arcs["INNER"].dxf.end_angle, arcs["OUTER"].dxf.end_angle),
          "profile: the faces span other angles")
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
    span = math.radians((arcs["OUTER"].dxf.end_angle - arcs["OUTER"].dxf.start_angle) % 360)
    for facet in facets:
        for end in (facet.dxf.start, facet.dxf.end):
            check(close(end.distance(centre), outer), "profile: facet end off the outer face")
        chord = facet.dxf.start.distance(facet.dxf.end)
        check(close(chord, 2 * outer * math.sin(span / pieces / 2), 1e-9),
              "profile: facet of %r" % chord)
    # The straight tails: on each face a line from each end of its arc, at a
    # right angle to the radius there (tangent), leading away from the arch,
    # the left one tails[0] long and the right one tails[1].
    for layer in ("INNER", "OUTER"):
        arc = arcs[layer]
        ends = sorted([arc.start_point, arc.end_point], key=lambda p: p.x)
        found = msp.query('LINE[layer=="%s"]' % layer)
        check(len(found) == 2, "profile: %d tails on %s" % (len(found), layer))
        for line in found:
            start, end = line.dxf.start, line.dxf.end
            side = 0 if start.x < 0 else 1
            check(start.distance(ends[side]) < 1e-6, "profile: %s tail starts at %r" % (layer, start))
            check(close(start.distance(end), tails[side]), "profile: %s tail of %r"
                  % (layer, start.distance(end)))
            radial = (start.x - centre.x, start.y - centre.y)
            along = (end.x - start.x, end.y - start.y)
            check(abs(radial[0] * along[0] + radial[1] * along[1]) <=
                  1e-9 * math.hypot(*radial) * math.hypot(*along),
                  "profile: %s tail not tangent" % layer)
            check(abs(end.x) > abs(start.x), "profile: %s tail runs into the arch" % layer)
    for layer in ("INNER", "OUTER", "DIVISIONS", "FACETS"):
        check(doc.layers.has_entry(layer), "profile: layer %s not in the layer table" % layer)


def ends_of(arc):
    return [(p.x, p.y) for p in (arc.end_point, arc.start_point)]


def check_heads(cli, work, env):
    """Named heads: each circular piece a true ARC about its own centre, the
    pieces meeting end to end from one springing to the other, tangent where
    the shape is smooth; an ellipse's true curve a polyline on ELLIPSE within
    0.01 mm of it; a profile's faces about the same centres."""
    def draw(name, args):
        path = os.path.join(work, name + ".dxf")
        run = subprocess.run([cli, *args, "--dxf", path], capture_output=True, text=True, env=env)
        check(run.returncode == 0, "%s: exit %d %s" % (name, run.returncode, run.stderr))
        doc, auditor = read(path)
        check(not auditor.has_errors and not doc.audit().has_errors, "%s: DXF errors" % name)
        check_each_curve_once(name, doc.modelspace())
        return doc.modelspace()

    def chain(name, msp, layer, span, rise, smooth):
        arcs = sorted(msp.query('ARC[layer=="%s"]' % layer), key=lambda a: ends_of(a)[0][0])
        points = [ends_of(a) for a in arcs]
        # Left to right over the top: each arc's left end is the last one's right.
        check(close(points[0][0][0], -span / 2) and abs(points[0][0][1]) < 1e-6,
              "%s: starts at %r" % (name, points[0][0]))
        check(close(points[-1][1][0], span / 2) and abs(points[-1][1][1]) < 1e-6,
              "%s: ends at %r" % (name, points[-1][1]))
        for (_, right), (left, _), a, b in zip(points, points[1:], arcs, arcs[1:]):
            check(math.dist(right, left) < 1e-6, "%s: pieces part at %r" % (name, right))
            # Tangent: the joint lies on the line through both centres.
            ca, cb = a.dxf.center, b.dxf.center
            cross = (cb.x - ca.x) * (left[1] - ca.y) - (cb.y - ca.y) * (left[0] - ca.x)
            check((abs(cross) < 1e-6 * span * span) == smooth, "%s: joint at %r" % (name, left))
        tops = [a.dxf.center.y + a.dxf.radius for a in arcs
                if (90 - a.dxf.start_angle) % 360 <= (a.dxf.end_angle - a.dxf.start_angle) % 360]
        top = max(tops + [p[1][1] for p in points])
        check(close(top, rise, 1e-6), "%s: top at %r, expected %r" % (name, top, rise))
        return arcs

    # A Gothic arch: two arcs of R = (S^2/4 + H^2) / S struck from the springing line.
    msp = draw("pointed", ["--shape", "pointed", "--span", "1000", "--rise", "1200"])
    arcs = chain("pointed", msp, "ARC", 1000, 1200, smooth=False)
    radius = (500 ** 2 + 1200 ** 2) / 1000
    for arc in arcs:
        check(close(arc.dxf.radius, radius) and abs(arc.dxf.center.y) < 1e-9,
              "pointed: arc of %r about %r" % (arc.dxf.radius, arc.dxf.center))
    # A basket handle and its 50 mm profile, measured inside: the measured
    # face is the inner one, drawn there alone.
    msp = draw("three_centred", ["--shape", "three-centred", "--span", "2400", "--rise", "700",
                                 "--profile", "50", "--face", "inner"])
    check(len(msp.query('ARC[layer=="ARC"]')) == 0, "three_centred: the face drawn on ARC too")
    given = chain("three_centred", msp, "INNER", 2400, 700, smooth=True)
    check(len(given) == 3, "three_centred: %d arcs" % len(given))
    for layer, offset in (("INNER", 0), ("OUTER", 50)):
        face = sorted(msp.query('ARC[layer=="%s"]' % layer), key=lambda a: a.dxf.center.x)
        mine = sorted(given, key=lambda a: a.dxf.center.x)
        check(len(face) == 3, "three_centred: %d %s arcs" % (len(face), layer))
        for f, g in zip(face, mine):
            check(f.dxf.center.distance(g.dxf.center) < 1e-9 and
                  close(f.dxf.radius - g.dxf.radius, offset, 1e-9),
                  "three_centred: %s arc about %r of %r" % (layer, f.dxf.center, f.dxf.radius))
    # A half-round frame on legs, measured inside, its tails running down the
    # legs: where the inner face's tail lies along a leg the leg's line is
    # it, and only what reaches below the foot is drawn.
    msp = draw("semicircle_legs", ["--shape", "semicircle", "--span", "1200", "--legs", "400",
                                   "--profile", "70", "--face", "inner", "--tails", "500,100"])
    tails = {(line.dxf.layer, round(line.dxf.start.x), round(line.dxf.start.y),
              round(line.dxf.end.x), round(line.dxf.end.y))
             for line in msp.query('LINE[layer=="INNER" | layer=="OUTER"]')}
    check(tails == {("INNER", -600, -400, -600, -500), ("OUTER", -670, 0, -670, -500),
                    ("OUTER", 670, 0, 670, -100)}, "semicircle_legs: tails %s" % sorted(tails))
    # An ellipse: its bending arcs, and its true curve within 0.01 mm.
    msp = draw("ellipse", ["--shape", "ellipse", "--span", "2000", "--rise", "600"])
    chain("ellipse", msp, "ARC", 2000, 600, smooth=True)
    curves = msp.query('POLYLINE[layer=="ELLIPSE"]')
    check(len(curves) == 1, "ellipse: %d curves on ELLIPSE" % len(curves))
    if curves:
        vertices = [(v.dxf.location.x, v.dxf.location.y) for v in curves[0].vertices]
        check(close(vertices[0][0], -1000) and close(vertices[-1][0], 1000), "ellipse: ends")
        worst = 0.0
        for (x, y) in vertices:
            check(abs((x / 1000) ** 2 + (y / 600) ** 2 - 1) < 1e-9, "ellipse: vertex off the curve")
        for p, q in zip(vertices, vertices[1:]):
            mx, my = (p[0] + q[0]) / 2, (p[1] + q[1]) / 2
            # The chord's middle lies inside; the curve along the same ray from
            # the centre is where (x/a)^2 + (y/b)^2 = 1.
            scale = 1 / math.sqrt((mx / 1000) ** 2 + (my / 600) ** 2)
            worst = max(worst, math.hypot(mx, my) * (scale - 1))
        check(worst <= 0.0101, "ellipse: the polyline strays %r mm" % worst)


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
                              "--face", "outer", "--pieces", "4", "--tails", "150,100", "--dxf",
                              path], capture_output=True, text=True, env=env)
        check(run.returncode == 0, "profile: exit %d %s" % (run.returncode, run.stderr))
        check_profile(path, outer=(600 ** 2 + 300 ** 2) / 600, depth=70, pieces=4,
                      tails=(150, 100))

        check_heads(cli, work, env)

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
