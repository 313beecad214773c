#!/usr/bin/python3
"""The part drawn on the page, at a phone's size and a desktop's: the picture
on 精确与放样 after a compute, its arc read back from the SVG against the
computed radius and chord (within a pixel), redrawn as an input changes;
the summary right under the button, above the folded tables; the ways of
placing the stations, kept by the address; the calculator's segment.

    page_drawing_test.py PAGE SITE_DIR TESTS_DIR
"""
import os
import re
import subprocess
import sys
from urllib.parse import quote

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import browser  # noqa: E402

# The picture of a holder as the page shows it, in px: its scale (px per
# mm) and origin from the <svg>, and the path of the layer's arc.
READ_PICTURE = """
const svg = document.querySelector('#' + arguments[0] + ' svg');
if (!svg || svg.closest('[hidden]')) return null;
const box = svg.getBoundingClientRect();
const px = box.width / svg.viewBox.baseVal.width;
const path = svg.querySelector('path[data-layer="' + arguments[1] + '"]');
const d = path.getAttribute('d').trim().split(/\\s+/).map(Number);
const count = (layer) => svg.querySelectorAll('[data-layer="' + layer + '"]').length;
return {d: path.getAttribute('d'), scale: svg.dataset.scale * px, x: box.left + svg.dataset.x * px,
        y: box.top + svg.dataset.y * px, r: d[4] * px, x1: box.left + d[1] * px,
        y1: box.top + d[2] * px, x2: box.left + d[9] * px, y2: box.top + d[10] * px,
        left: box.left, right: box.right, width: box.width, text: svg.textContent,
        screen: document.documentElement.clientWidth, px,
        inner: count('INNER'), numbers: count('NUMBERS'), stations: count('STATIONS')};
"""
FRAME = {"exact-chord": "1200", "exact-height": "300", "exact-profile": "70", "exact-tails": "150",
         "exact-divide-value": "4"}
# Each way of placing the stations with its value, the rows it gives on the
# 1200 chord, and segcalc-cli's option for the same.
STATIONS = [("从中点按间距", "200", 7), ("从左端按间距", "250", 6), ("弦长等分", "8", 9),
            ("间距表", "300,450", 4)]


def picture(driver, holder, layer="ARC"):
    return driver.execute_script(READ_PICTURE, holder, layer)


def choose(driver, element_id, value):
    driver.execute_script("const e = document.getElementById(arguments[0]); e.value = arguments[1];"
                          "e.dispatchEvent(new Event('change', {bubbles: true}));", element_id, value)


def rect(driver, element_id):
    return driver.execute_script("return document.getElementById(arguments[0]).getBoundingClientRect()",
                                 element_id)


def station_rows(driver):
    return driver.execute_script(
        "return [...document.querySelectorAll(\"#part-sections table[data-line='放样'] tbody tr\")]"
        ".map(r => [...r.cells].map(c => c.textContent))")


def check_arc(checks, shown, radius, chord, what):
    """The arc's radius and ends where the picture's own scale puts the
    computed circle, within a pixel; the picture within the screen."""
    if not checks.check(shown is not None, what + ": no picture"):
        return
    checks.check(abs(shown["r"] - radius * shown["scale"]) <= 1,
                 "%s: radius %.2f px, expected %.2f" % (what, shown["r"], radius * shown["scale"]))
    for x, end in ((shown["x1"], -chord / 2), (shown["x2"], chord / 2)):
        checks.check(abs(x - (shown["x"] + end * shown["scale"])) <= 1, "%s: end at %.2f px" % (what, x))
    checks.check(abs(shown["y1"] - shown["y"]) <= 1 and abs(shown["y2"] - shown["y"]) <= 1,
                 what + ": ends off the springing line")
    checks.check(chord * shown["scale"] >= 0.5 * shown["width"], what + ": not fitted to the width")
    checks.check(shown["left"] >= 0 and shown["right"] <= shown["screen"], what + ": beyond the screen")


def check_exact(checks, driver, kind, url):
    browser.open_page(driver, url + "#t=exact")
    for element_id, text in FRAME.items():
        browser.type_into(driver, kind, element_id, text)
    choose(driver, "exact-face", "outer")
    choose(driver, "exact-stations-by", "从左端按间距")
    browser.type_into(driver, kind, "exact-stations-value", "250")
    browser.press(driver, kind, driver.find_element("id", "exact-go"))
    # Measured outside: the outer face stands for the arch, drawn once.
    shown = picture(driver, "exact-picture", "OUTER")
    check_arc(checks, shown, 750, 1200, kind + " frame")
    if shown:
        inner = picture(driver, "exact-picture", "INNER")
        checks.check(abs(inner["r"] - 680 * shown["scale"]) <= 1, kind + ": inner face")
        checks.equal((shown["inner"], shown["numbers"], shown["stations"]), (3, 5, 6),
                     kind + ": inner face and tails, division numbers, stations")
    # The summary right under the button, before the picture and the tables.
    buttons = driver.execute_script("return document.getElementById('exact-go').parentElement"
                                    ".getBoundingClientRect()")
    summary = rect(driver, "exact-summary")
    checks.check(0 <= summary["top"] - buttons["bottom"] <= 30,
                 "%s: summary %.0f px under the buttons" % (kind, summary["top"] - buttons["bottom"]))
    checks.check(summary["bottom"] <= rect(driver, "exact-picture")["top"] <= rect(driver, "part-sections")["top"],
                 kind + ": summary, picture, tables out of order")
    terms = driver.execute_script("return [...document.querySelectorAll('#exact-summary dt, #exact-summary dd')]"
                                  ".map(e => e.textContent)")
    checks.equal(terms[:8], ["内侧半径", "680", "中心线半径", "715", "外侧半径", "750", "下料长度", "1626.03"],
                 kind + ": summary")
    folded = driver.execute_script("return [...document.querySelectorAll('#part-sections details')].map(d => d.open)")
    checks.check(folded and all(open_ == (kind == "desktop") for open_ in folded),
                 "%s: sections open %r" % (kind, folded))

    # A narrower window: drawn again to the narrower column.
    if kind == "desktop":
        wide = shown["px"] if shown else 0
        driver.set_window_size(640, 900)
        # Drawn for its width, its text stays the page's small text: the
        # same px to the picture's unit, not the old picture shrunk.
        redrawn = browser.wait_for(lambda: abs((picture(driver, "exact-picture", "OUTER") or {}).get("px", 0) - wide)
                                   < 0.01, 5)
        checks.check(redrawn, kind + ": not drawn again for a narrower window")
        check_arc(checks, picture(driver, "exact-picture", "OUTER"), 750, 1200, kind + " narrowed")
        driver.set_window_size(*browser.DESKTOP)

    # As it is typed: no button, the picture follows.
    browser.type_into(driver, kind, "exact-chord", "1000")
    browser.wait_for(lambda: "566.67" in driver.find_element("id", "exact-radius-value").text, 5)
    check_arc(checks, picture(driver, "exact-picture", "OUTER"), (500 ** 2 + 300 ** 2) / 600, 1000,
              kind + " chord typed as 1000")


def check_stations(checks, driver, kind, url):
    """Each way with its value gives segcalc-cli's rows; the address keeps
    both, and an address of the older single field still opens."""
    native = os.environ.get("SEGCALC_NATIVE_CLI")
    base = url + "#t=exact&ec=1200&eh=300&em=1"
    for way, text, count in STATIONS:
        driver.get("about:blank")
        browser.open_page(driver, base)
        choose(driver, "exact-stations-by", way)
        browser.type_into(driver, kind, "exact-stations-value", text)
        browser.press(driver, kind, driver.find_element("id", "exact-go"))
        rows = station_rows(driver)
        checks.equal(len(rows), count, "%s %s: stations" % (kind, way))
        address = driver.current_url
        checks.check("epm=" + quote(way) in address and "epv=" + quote(text, safe="") in address,
                     "%s %s: address %s" % (kind, way, address))
        if native:
            run = subprocess.run([native, "--chord", "1200", "--height", "300", "--exact", "--stations",
                                  way + ":" + text], capture_output=True, text=True,
                                 env={**os.environ, "LC_ALL": "C.UTF-8"})
            expected = [line.split("\t")[1:] for line in run.stdout.splitlines() if line.startswith("放样\t")]
            checks.equal(rows, expected, "%s %s: as segcalc-cli" % (kind, way))
        driver.get("about:blank")
        browser.open_page(driver, address)
        checks.equal((browser.value(driver, "exact-stations-by"), browser.value(driver, "exact-stations-value")),
                     (way, text), "%s %s: from the address" % (kind, way))
        checks.equal(station_rows(driver), rows, "%s %s: rows from the address" % (kind, way))
    driver.get("about:blank")
    browser.open_page(driver, base + "&ep=divide:2")
    checks.equal((browser.value(driver, "exact-stations-by"), browser.value(driver, "exact-stations-value")),
                 ("弦长等分", "2"), kind + ": an older address's stations")
    checks.equal(len(station_rows(driver)), 3, kind + ": an older address's rows")


def check_calculator(checks, driver, kind, url):
    browser.open_page(driver, url + "#t=calc&ca=2491.78&cc=2067.63&cm=1")
    shown = picture(driver, "calc-picture")
    check_arc(checks, shown, 1200, 2067.63, kind + " calculator")
    if shown:
        checks.check(re.search(r"弦高 591\.83\s*\(精确 590\.72\)", shown["text"]),
                     kind + ": " + shown["text"])
    for element_id, text in (("calc-arc", "1500"), ("calc-chord", "1500"), ("calc-height", "")):
        browser.type_into(driver, kind, element_id, text)
    browser.press(driver, kind, driver.find_element("id", "calc-go"))
    checks.equal(picture(driver, "calc-picture"), None, kind + ": a picture where no arc has the numbers")


def run():
    page = sys.argv[1]
    url = "file://" + os.path.abspath(page)
    checks = browser.Checks()
    for kind in ("phone", "desktop"):
        driver = browser.start(kind)
        try:
            check_exact(checks, driver, kind, url)
            check_stations(checks, driver, kind, url)
            check_calculator(checks, driver, kind, url)
            if kind == "phone":
                width = driver.execute_script("return document.documentElement.scrollWidth")
                checks.check(width <= browser.PHONE[0], "phone: the page is %d px wide" % width)
            browser.check_nothing_left(checks, driver, url, kind)
        finally:
            driver.quit()
    return checks.exit_code("the part and the segment are drawn to scale, as computed")


if __name__ == "__main__":
    browser.main_guard(run)
