#!/usr/bin/python3
"""Prints bar plans' saw sheets with a real browser and checks the paper.

Every page must be A4; every way of cutting must be on the paper with its
heading and its count of bars on exactly one page, with its pieces in cut
order on that same page; the totals on the first. Exits 77 (skipped) only
when chromium is missing.

    saw_sheet_print_test.py BARPLAN_PROBE
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from report_print_test import A4_PT, check, failures, page_sizes, page_texts, print_pdf  # noqa: E402

SKIP = 77
WIKIPEDIA = [(1380, 22), (1520, 25), (1560, 12), (1710, 14), (1820, 18), (1880, 18), (1930, 20),
             (2000, 10), (2050, 12), (2100, 14), (2140, 16), (2150, 18), (2200, 20)]


def plan(probe, work, name, rows, args, rack=None):
    pieces = os.path.join(work, name + ".pieces")
    with open(pieces, "w", encoding="utf-8") as f:
        f.write("长度\t数量\t标记\n")
        for row in rows:
            f.write("\t".join(str(v) for v in row) + "\n")
    if rack:
        with open(os.path.join(work, name + ".rack"), "w") as f:
            f.write("".join("%s\t%s\n" % r for r in rack))
        args = args + ["--stock", os.path.join(work, name + ".rack")]
    outputs = {}
    for extension in ("txt", "html"):
        path = os.path.join(work, "%s.%s" % (name, extension))
        subprocess.run([probe, pieces, path, *args], check=True)
        outputs[extension] = path
    with open(outputs["txt"], encoding="utf-8") as f:
        patterns = [line.rstrip("\n").split("\t") for line in f if line.startswith("方案\t")]
    return outputs["html"], patterns


def main():
    probe = sys.argv[1]
    chromium = shutil.which("chromium")
    if chromium is None:
        print("chromium is not installed: skipped")
        return SKIP
    marks = ["W%d" % i if i % 3 == 0 else "" for i in range(len(WIKIPEDIA))]
    cases = [
        ("wikipedia", [(l, q, m) for (l, q), m in zip(WIKIPEDIA, marks)], ["--bar", "5600"], None),
        ("window_shop", [(2400.5, 6, "门框<左>"), (1180, 9, "扇"), (650, 14, ""), (95.5, 30, "压条")],
         ["--bar", "6000,4000", "--kerf", "4", "--ends", "15,15", "--min-offcut", "500"],
         [(2600, 2), (1500, 1)]),
    ]
    work = tempfile.mkdtemp(prefix="segcalc-saw-sheet-")
    try:
        for name, rows, args, rack in cases:
            html, patterns = plan(probe, work, name, rows, args, rack)
            with open(html, encoding="utf-8") as f:
                text = f.read()
            check("<script" not in text.lower(), name + ": the sheet holds a script")
            check(re.search(r"(src|href)=\"(https?:|//)", text) is None,
                  name + ": the sheet loads something from elsewhere")
            pdf = os.path.join(work, name + ".pdf")
            print_pdf(chromium, html, pdf, os.path.join(work, "profile-" + name))
            sizes = page_sizes(pdf)
            check(len(sizes) > 0, name + ": no pages")
            for number, (w, h) in enumerate(sizes, 1):
                check(abs(w - A4_PT[0]) < 1.5 and abs(h - A4_PT[1]) < 1.5,
                      "%s: page %d is %.2f x %.2f pt, not A4" % (name, number, w, h))
            texts = page_texts(pdf, len(sizes))
            for index, (_, number, stock, bars, cuts, _) in enumerate(patterns):
                heading = re.compile(r"方案 %s:(新料|库存料) %s,切 %s 根" % (
                    number, re.escape(stock.replace("(库存)", "")), bars))
                pages = [p for p, t in enumerate(texts, 1) if heading.search(t)]
                check(len(pages) == 1, "%s: 方案 %s on pages %s" % (name, number, pages))
                if pages:
                    flat = re.sub(r"\s+", "", texts[pages[0] - 1])
                    check(re.sub(r"\s+", "", cuts) in flat,
                          "%s: 方案 %s's pieces %r not on its page" % (name, number, cuts))
            check("新料根数" in texts[0] and "最优" in texts[0], name + ": no totals on page 1")
            print("%s: %d ways of cutting on %d A4 pages" % (name, len(patterns), len(sizes)))
    finally:
        shutil.rmtree(work, ignore_errors=True)
    if failures:
        return 1
    print("every saw sheet prints as A4 with every way of cutting whole on a page")
    return 0


if __name__ == "__main__":
    sys.exit(main())
