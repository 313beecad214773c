#!/usr/bin/python3
"""精确与放样 in Chromium: the exact circle, the ordinates, the report printed
from the page and the DXF downloaded from it.

    page_shop_outputs_test.py PAGE SITE_DIR TESTS_DIR

The report is measured as tests/shopfloor/report_print_test.py measures
segcalc-cli's (every page of the paper chosen, one sheet per window the arc
passes through, the check bar 100 mm)
and the drawing read back as tests/shopfloor/dxf_readback_test.py reads
segcalc-cli's, with their own functions. A headless browser has no print
dialog: the test records the page's print() on the report's window and
prints that window to PDF itself, as the dialog's "Save as PDF" would.
"""
import base64
import math
import re
import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import browser  # noqa: E402

FIELDS = {"arc": "exact-arc", "chord": "exact-chord", "height": "exact-height",
          "radius": "exact-radius", "angle": "exact-angle", "step": "exact-step"}
# Replaces the print dialog a headless browser cannot show.
RECORD_PRINT = """
const open = window.open;
window.__printed = 0;
window.open = function (...args) {
  const view = open.apply(window, args);
  if (view) view.print = () => { window.__printed += 1; };
  return view;
};"""

# name, typed quantities, ticked, unit; chord, height, radius in the unit (None:
# read from the page), major, mm per unit; the paper chosen under 纸张
REPORTS = [
    ("startup", {"arc": "2491.78", "chord": "2067.63"}, True, "mm", None, None, None, False, 1.0,
     "A4"),
    ("major_in_cm", {"chord": "50", "radius": "40"}, False, "cm",
     50.0, 40.0 + math.sqrt(40.0 ** 2 - 25.0 ** 2), 40.0, True, 10.0, "A4"),
    ("on_a3", {"chord": "600", "height": "200"}, True, "mm", 600.0, 200.0, 325.0, False, 1.0, "A3"),
    ("one_sheet", {"chord": "100", "height": "20"}, True, "mm", 100.0, 20.0, 72.5, False, 1.0,
     "A4"),
]
# name, typed quantities, ticked, unit; chord, radius, major, mm per unit
DRAWINGS = [
    ("chord_radius_minor", {"chord": "1000", "radius": "800"}, True, "mm", 1000.0, 800.0, False, 1.0),
    ("chord_radius_major", {"chord": "1000", "radius": "800"}, False, "mm", 1000.0, 800.0, True, 1.0),
    ("inches", {"chord": "10", "radius": "5.5"}, True, "in", 10.0, 5.5, False, 25.4),
]


def choose(driver, element_id, value):
    driver.execute_script("const u = document.getElementById(arguments[0]); u.value = arguments[1];"
                          "u.dispatchEvent(new Event('change', {bubbles: true}));", element_id, value)


def fill(driver, kind, typed, ticked, unit, paper="A4"):
    for name, element_id in FIELDS.items():
        browser.type_into(driver, kind, element_id, typed.get(name, ""))
    tick = driver.find_element("id", "exact-minor")
    if tick.is_selected() != ticked:
        browser.press(driver, kind, tick)
    choose(driver, "exact-unit", unit)
    choose(driver, "exact-paper", paper)
    browser.press(driver, kind, driver.find_element("id", "exact-go"))


def exact_values(driver):
    return {name: driver.find_element("id", "exact-%s-value" % name).text.split(",")[0].replace("精确 ", "")
            for name in ("arc", "chord", "height", "radius", "angle")}


def check_ordinates(checks, driver, kind):
    fill(driver, kind, {"chord": "300", "height": "80", "step": "50"}, True, "mm")
    rows = driver.execute_script("return [...document.querySelectorAll('#ordinates tbody tr')]"
                                 ".map(r => [...r.cells].map(c => c.textContent).join(' '))")
    checks.equal(rows, ["-150 0", "-100 49.79", "-50 72.94", "0 80", "50 72.94", "100 49.79", "150 0"],
                 kind + ": ordinates")
    fill(driver, kind, {"chord": "1000", "radius": "800"}, False, "mm")
    checks.equal(exact_values(driver), {"arc": "3946.34", "chord": "1000", "height": "1424.5",
                                        "radius": "800", "angle": "282.64"}, kind + ": chord and radius")
    checks.check("夹角 77.36" in driver.find_element("id", "exact-note").text, kind + ": the other arc")
    fill(driver, kind, {"chord": "2000", "radius": "800"}, True, "mm")
    message = driver.find_element("id", "exact-message").text
    checks.check("无精确解" in message, kind + ": no circle: %r" % message)
    checks.check(not driver.find_element("id", "exact-print").is_enabled(), kind + ": print without a circle")


def check_reports(checks, driver, kind, work, report_print):
    for name, typed, ticked, unit, chord, height, radius, major, scale, paper in REPORTS:
        what = "%s %s" % (kind, name)
        fill(driver, kind, typed, ticked, unit, paper)
        if chord is None:
            values = exact_values(driver)
            chord, height, radius = (float(values[k]) for k in ("chord", "height", "radius"))
        page_window = driver.current_window_handle
        before = set(driver.window_handles)
        printed = driver.execute_script("return window.__printed")
        browser.press(driver, kind, driver.find_element("id", "exact-print"))
        browser.wait_for(lambda: set(driver.window_handles) - before, 10)
        opened = list(set(driver.window_handles) - before)
        checks.equal(driver.execute_script("return window.__printed") - printed, 1, what + ": print() calls")
        if not checks.check(len(opened) == 1, what + ": no report window"):
            continue
        driver.switch_to.window(opened[0])
        pdf_data = driver.execute_cdp_cmd("Page.printToPDF", {"preferCSSPageSize": True, "printBackground": True})
        driver.close()
        driver.switch_to.window(page_window)
        pdf = os.path.join(work, name + ".pdf")
        with open(pdf, "wb") as f:
            f.write(base64.b64decode(pdf_data["data"]))
        sizes = report_print.page_sizes(pdf)
        checks.check(len(sizes) > 0, what + ": no pages")
        size = [v * report_print.PT_PER_MM for v in report_print.PAPERS[paper]]
        for number, (w, h) in enumerate(sizes, 1):
            checks.check(abs(w - size[0]) < 1.5 and abs(h - size[1]) < 1.5,
                         "%s: page %d is %.2f x %.2f pt, not %s" % (what, number, w, h, paper))
        step = float(driver.find_element("id", "ordinates-step").text)
        expected, _ = report_print.expected_sheets(chord * scale, height * scale, radius * scale,
                                                   major, step * scale,
                                                   window=report_print.window_of(paper))
        labels = []
        sheet_pages = []
        for number, text in enumerate(report_print.page_texts(pdf, len(sizes)), 1):
            found = re.findall(r"拼接页 第 (\d+) 行 · 第 (\d+) 列", text)
            if found:
                labels.append(tuple(int(v) for v in found[0]))
                sheet_pages.append(number)
        checks.equal(labels, expected, what + ": sheets")
        for page in sheet_pages[:1] + sheet_pages[-1:]:
            length = report_print.check_bar_length_mm(pdf, page, work)
            print("%s: check bar on page %d measures %.3f mm" % (what, page, length))
            checks.check(abs(length - 100) <= 0.15, "%s: check bar is %.2f mm" % (what, length))


# The README's window frame: a 70 mm profile measured outside, four pieces,
# the area, three stations.
FRAME = {"chord": "1200", "height": "300"}
FRAME_PART = {"exact-profile": "70", "exact-tails": "150", "exact-trim": "20",
              "exact-divide-value": "4", "exact-stations-value": "2"}
FRAME_CLI = ["--chord", "1200", "--height", "300", "--exact", "--profile", "70", "--face", "outer",
             "--tails", "150", "--trim", "20", "--pieces", "4", "--stations", "divide:2", "--area"]


def check_part(checks, driver, kind, downloads, dxf_readback):
    """The page's 下料 tables hold what segcalc-cli prints for the same
    options, under the same labels; its drawing has the profile's layers."""
    native = os.environ.get("SEGCALC_NATIVE_CLI")
    for element_id, text in FRAME_PART.items():
        browser.type_into(driver, kind, element_id, text)
    for select, choice in (("exact-face", "outer"), ("exact-stations-by", "弦长等分")):
        driver.execute_script("const f = document.getElementById(arguments[0]); f.value = arguments[1];"
                              "f.dispatchEvent(new Event('change', {bubbles: true}));", select, choice)
    tick = driver.find_element("id", "exact-area")
    if not tick.is_selected():
        browser.press(driver, kind, tick)
    fill(driver, kind, FRAME, True, "mm")
    rows = lambda selector: driver.execute_script(
        "return [...document.querySelectorAll(%r)].map(r => [...r.cells].map(c => c.textContent))"
        % selector)
    # The values segcalc-cli prints, in its order; the tables by the label it
    # prints their rows under.
    values = rows("#part-sections table.values tr[data-line]")
    points = rows("#part-sections table[data-line='分点'] tbody tr")
    stations = rows("#part-sections table[data-line='放样'] tbody tr")
    if native:
        run = subprocess.run([native, *FRAME_CLI], capture_output=True, text=True,
                             env={**os.environ, "LC_ALL": "C.UTF-8"})
        lines = [line.split("\t") for line in run.stdout.splitlines()]
        labelled = [line for line in lines[10:] if len(line) == 2]
        checks.equal(values, labelled, kind + ": the part's values as segcalc-cli prints them")
        checks.equal(points, [line[1:] for line in lines if line[0] == "分点"], kind + ": division points")
        checks.equal(stations, [line[1:] for line in lines if len(line) == 4 and line[0] == "放样"],
                     kind + ": stations")
    else:
        checks.check(len(values) == 30 and len(points) == 5 and len(stations) == 3,
                     kind + ": part tables %d, %d, %d rows" % (len(values), len(points), len(stations)))
    for entry in os.listdir(downloads):
        os.unlink(os.path.join(downloads, entry))
    browser.press(driver, kind, driver.find_element("id", "exact-dxf"))
    done = browser.wait_for(lambda: downloaded(downloads), 20)
    if checks.check(done, kind + ": no frame drawing downloaded"):
        dxf_readback.failures.clear()
        dxf_readback.check_profile(os.path.join(downloads, done[0]), outer=750, depth=70, pieces=4,
                                   tails=(150, 150))
        for failure in dxf_readback.failures:
            checks.check(False, "%s %s" % (kind, failure))
    # The part's fields are left empty for the checks that follow.
    for element_id in FRAME_PART:
        browser.type_into(driver, kind, element_id, "")
    browser.press(driver, kind, tick)


def downloaded(folder):
    """The drawings in the folder once no download is under way."""
    entries = os.listdir(folder)
    if any(e.endswith(".crdownload") for e in entries):
        return []
    return [e for e in entries if e.endswith(".dxf") and os.path.getsize(os.path.join(folder, e)) > 0]


def check_drawings(checks, driver, kind, downloads, dxf_readback):
    for name, typed, ticked, unit, chord, radius, major, scale in DRAWINGS:
        for entry in os.listdir(downloads):
            os.unlink(os.path.join(downloads, entry))
        fill(driver, kind, typed, ticked, unit)
        browser.press(driver, kind, driver.find_element("id", "exact-dxf"))
        done = browser.wait_for(lambda: downloaded(downloads), 20)
        if not checks.check(done, "%s %s: no drawing downloaded" % (kind, name)):
            continue
        checks.check(done[0].startswith("圆弧 R"), "%s %s: named %r" % (kind, name, done[0]))
        dxf_readback.failures.clear()
        dxf_readback.check_drawing(name, os.path.join(downloads, done[0]), chord, radius, major, scale)
        for failure in dxf_readback.failures:
            checks.check(False, "%s %s" % (kind, failure))


def run():
    page, _, tests = sys.argv[1:4]
    url = "file://" + os.path.abspath(page)
    for tool in ("pdfinfo", "pdftoppm", "pdftotext"):
        if shutil.which(tool) is None:
            print(tool + " (poppler-utils) is not installed: skipped")
            return browser.SKIP
    sys.path.insert(0, os.path.join(tests, "shopfloor"))
    try:
        import dxf_readback_test as dxf_readback
    except ImportError:
        print("python3-ezdxf is not installed: skipped")
        return browser.SKIP
    import report_print_test as report_print

    checks = browser.Checks()
    with tempfile.TemporaryDirectory(prefix="segcalc-shop-") as work:
        downloads = os.path.join(work, "downloads")
        os.mkdir(downloads)
        for kind in ("phone", "desktop"):
            driver = browser.start(kind, downloads=downloads)
            try:
                driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": RECORD_PRINT})
                browser.open_page(driver, url + "#t=exact")
                check_ordinates(checks, driver, kind)
                if kind == "desktop":
                    check_reports(checks, driver, kind, work, report_print)
                check_drawings(checks, driver, kind, downloads, dxf_readback)
                check_part(checks, driver, kind, downloads, dxf_readback)
                browser.check_nothing_left(checks, driver, url, kind)
            finally:
                driver.quit()
    return checks.exit_code("the page's report prints on its paper at 1:1 and its drawings read back")


if __name__ == "__main__":
    browser.main_guard(run)
