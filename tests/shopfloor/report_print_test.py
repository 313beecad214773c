#!/usr/bin/python3
"""Prints segcalc-cli reports with a real browser and checks the paper.

Every page must be of the paper asked for (A4 unless --paper says other), a
roll's strips each as long as the section it prints, the full-size sheets
must be those the arc passes through at 1:1 (with --full-lines also those
its chord and ordinates cross), the map of them readable, and the blue check
bar must measure 100 mm on the rasterised page. Exits 77 (skipped) only when
chromium is missing.
"""
import math
import os
import re
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pdf_pages import check_bar_length_mm, page_sizes, page_texts, print_pdf  # noqa: E402

SKIP = 77
# The sheet windows, as the README describes them for anyone checking a print:
# the paper (ISO 216, upright) less 10 mm margins, and down the page less the
# sheet's 27 mm heading too: 190 x 250 mm on A4.
OVERLAP, MARGIN = 10.0, 10.0
PAPERS = {"A4": (210.0, 297.0), "A3": (297.0, 420.0), "A0": (841.0, 1189.0)}
PT_PER_MM = 72 / 25.4
A4_PT = (210.0 * PT_PER_MM, 297.0 * PT_PER_MM)


def window_of(paper):
    width, height = PAPERS[paper]
    return width - 20, height - 47

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message)


def windows(length, window):
    if length <= window:
        return 1
    return 1 + math.ceil((length - window) / (window - OVERLAP))


def held_windows(points, min_x, max_y, rows, columns, window):
    """The (row, column) of every window that holds one of the points, whose
    top left corner with the margins is at (min_x, max_y)."""
    tile_w, tile_h = window
    held = set()
    for x, y in points:
        px, py = MARGIN + x - min_x, MARGIN + max_y - y
        # Windows start every (size - overlap): those whose span reaches px.
        for c in range(max(0, math.floor((px - tile_w) / (tile_w - OVERLAP))),
                       min(columns, math.floor(px / (tile_w - OVERLAP)) + 1)):
            for r in range(max(0, math.floor((py - tile_h) / (tile_h - OVERLAP))),
                           min(rows, math.floor(py / (tile_h - OVERLAP)) + 1)):
                if (c * (tile_w - OVERLAP) <= px <= c * (tile_w - OVERLAP) + tile_w and
                        r * (tile_h - OVERLAP) <= py <= r * (tile_h - OVERLAP) + tile_h):
                    held.add((r + 1, c + 1))
    return sorted(held)


def expected_sheets(chord_mm, height_mm, radius_mm, major, step_mm, depth_mm=0.0, pieces=0,
                    window=(190.0, 250.0), full_lines=False):
    """The (row, column) of every window that holds a point of the arc (its
    faces, division lines and facets) or, with full lines, of the chord or an
    ordinate line (at 0, +-step, ... and the chord's ends) or the centre of an
    arc beyond a semicircle, walking along each at a fifth of a millimetre:
    the sheets worth printing, row by row."""
    centre = height_mm - radius_mm
    half_angle = math.asin(min(1.0, chord_mm / 2 / radius_mm))
    if major:
        half_angle = math.pi - half_angle
    points = []
    # The arc as measured (the outer face of a profile) and the inner face.
    for radius in [radius_mm] + ([radius_mm - depth_mm] if depth_mm else []):
        steps = int(2 * half_angle * radius / 0.2) + 2
        for i in range(steps + 1):
            phi = -half_angle + 2 * half_angle * i / steps
            points.append((radius * math.sin(phi), centre + radius * math.cos(phi)))
    # Division lines across the profile, and the facets between their points.
    ends = []
    for i in range(pieces + 1 if pieces else 0):
        phi = -half_angle + 2 * half_angle * i / pieces
        ends.append((math.sin(phi), math.cos(phi)))
        for k in range(int(depth_mm / 0.2) + 1):
            r = radius_mm - depth_mm + 0.2 * k
            points.append((r * math.sin(phi), centre + r * math.cos(phi)))
    for (ax, ay), (bx, by) in zip(ends, ends[1:]):
        for k in range(201):
            t = k / 200
            points.append((radius_mm * (ax + t * (bx - ax)),
                           centre + radius_mm * (ay + t * (by - ay))))
    min_x = min(p[0] for p in points + [(-chord_mm / 2, 0)])
    max_y = max(p[1] for p in points + [(0, height_mm)])
    min_y = min(p[1] for p in points + [(0, 0)])
    columns = windows(-2 * min_x + 2 * MARGIN, window[0])
    rows = windows(max_y - min_y + 2 * MARGIN, window[1])
    if full_lines:
        points += [(-chord_mm / 2 + 0.2 * i, 0.0) for i in range(int(chord_mm / 0.2) + 1)]
        half = chord_mm / 2
        stations = [k * step_mm for k in range(-int(half / step_mm), int(half / step_mm) + 1)]
        if major:
            stations += [-half, half]  # the far side above each end
            points.append((0.0, centre))
        for x in stations:
            top = centre + math.sqrt(max(0.0, radius_mm ** 2 - x * x))
            points += [(x, 0.2 * i) for i in range(int(top / 0.2) + 1)]
    return held_windows(points, min_x, max_y, rows, columns, window), rows * columns


# What a CAM program cuts along and the sheets follow: all but the chord, the
# rise and the ordinates.
GUIDE_LAYERS = {"CHORD", "HEIGHT", "ORDINATES"}


def expected_from_drawing(dxf):
    """The sheets worth printing for any head, from its DXF drawing read by
    ezdxf: every ARC, LINE and POLYLINE but the chord, the rise and the
    ordinates walked at a fifth of a millimetre, the windows laid over the
    whole drawing with its margins."""
    import ezdxf
    points, marked = [], []
    for entity in ezdxf.readfile(dxf).modelspace():
        kind = entity.dxftype()
        walked = []
        if kind == "ARC":
            c, r = entity.dxf.center, entity.dxf.radius
            start = math.radians(entity.dxf.start_angle)
            sweep = math.radians((entity.dxf.end_angle - entity.dxf.start_angle) % 360)
            steps = int(sweep * r / 0.2) + 2
            walked = [(c.x + r * math.cos(start + sweep * i / steps),
                       c.y + r * math.sin(start + sweep * i / steps)) for i in range(steps + 1)]
        elif kind in ("LINE", "POLYLINE"):
            ends = ([(entity.dxf.start.x, entity.dxf.start.y), (entity.dxf.end.x, entity.dxf.end.y)]
                    if kind == "LINE" else [(v.dxf.location.x, v.dxf.location.y)
                                            for v in entity.vertices])
            for (ax, ay), (bx, by) in zip(ends, ends[1:]):
                steps = int(math.hypot(bx - ax, by - ay) / 0.2) + 1
                walked += [(ax + (bx - ax) * i / steps, ay + (by - ay) * i / steps)
                           for i in range(steps + 1)]
        points += walked
        if entity.dxf.layer not in GUIDE_LAYERS:
            marked += walked
    min_x, max_x = min(p[0] for p in points), max(p[0] for p in points)
    min_y, max_y = min(p[1] for p in points), max(p[1] for p in points)
    columns = windows(max_x - min_x + 2 * MARGIN, 190.0)
    rows = windows(max_y - min_y + 2 * MARGIN, 250.0)
    return held_windows(marked, min_x, max_y, rows, columns, (190.0, 250.0)), rows * columns


def check_head_reports(cli, chromium, work):
    """Named heads print like arcs: A4 pages, a sheet for every window that
    holds some of the drawing and none other, the check bar 100 mm, and
    every ordinate's label whole on some sheet."""
    heads = [
        ("gothic", ["--shape", "pointed", "--span", "700", "--rise", "900", "--profile", "50",
                    "--face", "outer", "--pieces", "4", "--ordinates", "100"]),
        ("ellipse_on_legs", ["--shape", "ellipse", "--span", "600", "--rise", "200", "--legs",
                             "150", "--ordinates", "100"]),
    ]
    env = {**os.environ, "LC_ALL": "C.UTF-8"}
    for name, args in heads:
        html, pdf = os.path.join(work, name + ".html"), os.path.join(work, name + ".pdf")
        dxf = os.path.join(work, name + ".dxf")
        run = subprocess.run([cli, *args, "--report", html, "--dxf", dxf], capture_output=True,
                             text=True, env=env)
        check(run.returncode == 0, "%s: segcalc-cli exit %d: %s" % (name, run.returncode, run.stderr))
        print_pdf(chromium, html, pdf, os.path.join(work, "profile-" + name))
        sizes = page_sizes(pdf)
        check_paper(name, sizes, "A4")
        texts = page_texts(pdf, len(sizes))
        labels = [tuple(int(v) for v in found[0]) for found in
                  (re.findall(r"拼接页 第 (\d+) 行 · 第 (\d+) 列", t) for t in texts) if found]
        expected, grid = expected_from_drawing(dxf)
        check(labels == expected, "%s: sheets %s, expected %s" % (name, labels, expected))
        print("%s: %d of %d sheets printed" % (name, len(labels), grid))
        # The labels run up the page: the text comes out read backwards.
        sheets = "\n".join(t for t in texts if "拼接页" in t)
        for line in run.stdout.splitlines():
            fields = line.split("\t")
            if fields[0] == "放样" and len(fields) == 3 and float(fields[2]) > 0:
                label = "x %s / y %s" % (fields[1], fields[2])
                check(label[::-1] in sheets or label in sheets,
                      "%s: label %r not whole on any sheet" % (name, label))
        length = check_bar_length_mm(pdf, len(sizes), work)
        check(abs(length - 100) <= 0.15, "%s: check bar is %.2f mm" % (name, length))


def check_paper(name, sizes, paper):
    width, height = (v * PT_PER_MM for v in PAPERS[paper])
    for number, (w, h) in enumerate(sizes, 1):
        check(abs(w - width) < 1.5 and abs(h - height) < 1.5,
              "%s: page %d is %.2f x %.2f pt, not %s" % (name, number, w, h, paper))


def check_map_readable(name, pdf, pages, expected):
    """Every printed sheet's label is on the map, on the pages before the
    sheets, and none smaller than a 2.5 mm font: its characters at least
    1.1 mm wide (a 2.5 mm font's digits are about 1.4 mm)."""
    words = subprocess.run(["pdftotext", "-bbox", "-f", "1", "-l", str(pages), pdf, "-"],
                           check=True, capture_output=True, text=True).stdout
    found = {}
    for x_min, x_max, word in re.findall(
            r'<word xMin="([\d.]+)" yMin="[\d.]+" xMax="([\d.]+)" yMax="[\d.]+">(R\d+-C\d+)</word>',
            words):
        found[word] = (float(x_max) - float(x_min)) / len(word) / PT_PER_MM
    for r, c in expected:
        label = "R%d-C%d" % (r, c)
        check(label in found, "%s: %s not on the map" % (name, label))
    if found:
        smallest = min(found.values())
        print("%s: the map's labels are at least %.2f mm a character" % (name, smallest))
        check(smallest >= 1.1, "%s: map labels of %.2f mm a character" % (name, smallest))


def check_roll(cli, chromium, work):
    """A roll 914 mm wide: every page 914 mm wide, the report's own 297 mm
    long and each strip as long as its section, one strip for each column of
    894 mm windows (overlapping 10 mm) that the arc passes through, each
    reaching over all of the arc in its column and at most a 40 mm row beyond."""
    name, roll = "roll", 914.0
    html, pdf = os.path.join(work, name + ".html"), os.path.join(work, name + ".pdf")
    run = subprocess.run([cli, "--chord", "8000", "--height", "1000", "--paper", "roll:914",
                          "--report", html], capture_output=True, text=True,
                         env={**os.environ, "LC_ALL": "C.UTF-8"})
    check(run.returncode in (0, 1), "%s: exit %d %s" % (name, run.returncode, run.stderr))
    with open(html, encoding="utf-8") as f:
        text = f.read()
    strips = [(float(h), [float(v) for v in box.split()]) for h, box in re.findall(
        r'<section class="sheet" style="page: strip-\d+; height: ([\d.]+)mm">.*?'
        r'<svg class="tile"[^>]*viewBox="([-\d. ]+)"', text, re.S)]
    print_pdf(chromium, html, pdf, os.path.join(work, "profile-" + name))
    sizes = page_sizes(pdf)
    check(len(strips) > 1 and len(sizes) > len(strips), "%s: %d strips on %d pages"
          % (name, len(strips), len(sizes)))
    front = len(sizes) - len(strips)
    for number, (w, h) in enumerate(sizes, 1):
        length = 297.0 if number <= front else strips[number - front - 1][0] + 21
        check(abs(w - roll * PT_PER_MM) < 1.5 and abs(h - length * PT_PER_MM) < 1.5,
              "%s: page %d is %.1f x %.1f mm, not %.1f x %.1f" % (name, number, w / PT_PER_MM,
                                                                  h / PT_PER_MM, roll, length))
    # The arc at 1:1 in the sheets' coordinates: x from its left end, y down
    # from its crown, both with the 10 mm margins.
    radius, half = 8500.0, 4000.0
    points = [(MARGIN + half + radius * math.sin(a), MARGIN + radius - radius * math.cos(a))
              for a in (math.asin(half / radius) * (2 * i / 20000 - 1) for i in range(20001))]
    window = roll - 20
    columns = {}
    for x, y in points:
        for c in range(int(x // (window - OVERLAP)) + 1):
            if c * (window - OVERLAP) <= x <= c * (window - OVERLAP) + window:
                low, high = columns.get(c, (y, y))
                columns[c] = (min(low, y), max(high, y))
    check(len(columns) == len(strips), "%s: %d strips, the arc crosses %d columns"
          % (name, len(strips), len(columns)))
    for (_, (left, top, w, h)), (c, (low, high)) in zip(strips, sorted(columns.items())):
        check(abs(left - c * (window - OVERLAP)) < 1e-6 and abs(w - window) < 1e-6,
              "%s: strip at %r, %r wide" % (name, left, w))
        check(top <= low and high <= top + h and low - top <= 40 and top + h - high <= 40,
              "%s: strip %d over %r..%r, the arc %r..%r" % (name, c + 1, top, top + h, low, high))
    print("%s: %d strips on a %d mm roll" % (name, len(strips), roll))


def main():
    cli = sys.argv[1]
    chromium = shutil.which("chromium")
    if chromium is None:
        print("chromium is not installed: skipped")
        return SKIP
    cases = [
        # name, arguments, chord, height, radius (in the typed unit), major, mm per unit,
        # ordinate step in the typed unit
        ("startup", ["--arc", "2491.78", "--chord", "2067.63"], None, None, None, False, 1.0,
         250.0),
        ("startup_full_lines", ["--arc", "2491.78", "--chord", "2067.63", "--full-lines"], None,
         None, None, False, 1.0, 250.0),
        ("major_in_cm", ["--chord", "50", "--radius", "40", "--major", "--unit", "cm"],
         50.0, 40.0 + math.sqrt(40.0 ** 2 - 25.0 ** 2), 40.0, True, 10.0, 10.0),
        ("one_sheet", ["--chord", "100", "--height", "20"], 100.0, 20.0, 72.5, False, 1.0, 10.0),
        # A window frame's profile: the inner face reaches below the chord.
        ("frame", ["--chord", "600", "--height", "150", "--profile", "70", "--face", "outer",
                   "--pieces", "3", "--area"], 600.0, 150.0, 375.0, False, 1.0, 100.0),
        # Curtain walls: R = (c^2/4 + h^2) / 2h.
        ("wall_on_a0", ["--chord", "8000", "--height", "1000", "--paper", "A0"], 8000.0, 1000.0,
         8500.0, False, 1.0, 1000.0),
        ("long_wall", ["--chord", "18000", "--height", "1500"], 18000.0, 1500.0, 27750.0, False,
         1.0, 2000.0),
    ]
    work = tempfile.mkdtemp(prefix="segcalc-report-")
    try:
        for name, args, chord, height, radius, major, scale, step in cases:
            paper = args[args.index("--paper") + 1] if "--paper" in args else "A4"
            html = os.path.join(work, name + ".html")
            pdf = os.path.join(work, name + ".pdf")
            run = subprocess.run([cli, *args, "--exact", "--ordinates", str(step), "--report", html],
                                 capture_output=True, text=True, env={**os.environ, "LC_ALL": "C.UTF-8"})
            # The curtain walls' sizes find no match in the calculator's scan.
            check(run.returncode in ((0, 1) if name.endswith("wall") or "wall_" in name else (0,)),
                  "%s: segcalc-cli exit %d: %s" % (name, run.returncode, run.stderr))
            lines = dict(line.split("\t", 1) for line in run.stdout.splitlines())
            if chord is None:
                chord, height, radius = (float(lines[k]) for k in ("精确弦长", "精确弦高", "精确半径"))
            with open(html, encoding="utf-8") as f:
                text = f.read()
            check("<script" not in text.lower(), name + ": the report holds a script")
            check(re.search(r"(src|href)=\"(https?:|//)", text) is None,
                  name + ": the report loads something from elsewhere")
            print_pdf(chromium, html, pdf, os.path.join(work, "profile-" + name))
            sizes = page_sizes(pdf)
            check(len(sizes) > 0, name + ": no pages")
            check_paper(name, sizes, paper)
            depth = float(args[args.index("--profile") + 1]) if "--profile" in args else 0.0
            pieces = int(args[args.index("--pieces") + 1]) if "--pieces" in args else 0
            expected, grid = expected_sheets(chord * scale, height * scale, radius * scale, major,
                                             step * scale, depth * scale, pieces,
                                             window_of(paper), "--full-lines" in args)
            texts = page_texts(pdf, len(sizes))
            labels = []
            sheet_pages = []
            for number, page_text in enumerate(texts, 1):
                found = re.findall(r"拼接页 第 (\d+) 行 · 第 (\d+) 列", page_text)
                if found:
                    labels.append(tuple(int(v) for v in found[0]))
                    sheet_pages.append(number)
            check(labels == expected, "%s: sheets %s, expected %s" % (name, labels, expected))
            print("%s: %d of %d sheets printed on %s" % (name, len(labels), grid, paper))
            check(sheet_pages == list(range(len(sizes) - len(expected) + 1, len(sizes) + 1)),
                  "%s: the sheets are not the last pages, one each" % name)
            check_map_readable(name, pdf, len(sizes) - len(expected), expected)
            for page in sheet_pages[:1] + sheet_pages[-1:]:
                length = check_bar_length_mm(pdf, page, work)
                print("%s: check bar on page %d measures %.3f mm" % (name, page, length))
                check(abs(length - 100) <= 0.15, "%s: check bar is %.2f mm" % (name, length))
        check_head_reports(cli, chromium, work)
        check_roll(cli, chromium, work)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    if failures:
        return 1
    print("all reports print on their paper with full-size sheets")
    return 0


if __name__ == "__main__":
    sys.exit(main())
