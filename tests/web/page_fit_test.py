#!/usr/bin/python3
"""校核 in Chromium, at a phone's size and a desktop's: measured points pasted
with a header row and tabs, blanks, commas and semicolons between x and y;
the fitted values as segcalc-cli --fit prints them for the same points and
target, each point's residual, the picture of the points against the
fitted circle, and the job kept by the address.

    page_fit_test.py PAGE SITE_DIR TESTS_DIR
"""
import math
import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import browser  # noqa: E402

# A window head bent to about 750 (its chord 1200 high 300), measured on
# nine points, written the ways a spreadsheet or a person writes them.
POINTS = ("x\ty\n-600\t0.4\n-450 104.1\n-300, 237.1\n-150;281.2\n0\t299.6\n"
          "150\t281.9\n300 237.5\n450;104.8\n600,0.2\n")
TARGET = "750"
READ = """
const svg = document.querySelector('#fit-picture svg');
const pairs = [...document.querySelectorAll('#fit-values dt, #fit-values dd')].map(e => e.textContent);
const rows = [...document.querySelectorAll('#fit-residuals tbody tr')].map(r => [...r.cells].map(c => c.textContent));
if (!svg) return {pairs, rows, picture: null};
const box = svg.getBoundingClientRect();
const px = box.width / svg.viewBox.baseVal.width;
const path = svg.querySelector('path[data-layer="FIT"]');
return {pairs, rows, picture: {r: path.getAttribute('d').trim().split(/\\s+/).map(Number)[4] * px,
        scale: svg.dataset.scale * px, points: svg.querySelectorAll('[data-layer="POINTS"]').length,
        right: box.right, screen: document.documentElement.clientWidth}};
"""


def cli_fit(native, work):
    """segcalc-cli --fit's lines for the same points, as label and value."""
    path = os.path.join(work, "points.txt")
    with open(path, "w", encoding="utf-8") as f:
        f.write(POINTS)
    run = subprocess.run([native, "--fit", path, "--target", TARGET], capture_output=True, text=True,
                         env={**os.environ, "LC_ALL": "C.UTF-8"})
    return [part for line in run.stdout.splitlines() for part in line.split("\t")]


def check_fit(checks, driver, kind, url, expected):
    browser.open_page(driver, url + "#t=fit")
    browser.set_text(driver, "fit-points", POINTS)
    browser.type_into(driver, kind, "fit-target", TARGET)
    browser.press(driver, kind, driver.find_element("id", "fit-go"))
    shown = driver.execute_script(READ)
    if expected is not None:
        checks.equal(shown["pairs"], expected, kind + ": the fit as segcalc-cli --fit gives it")
    checks.equal([label for label in shown["pairs"][::2]], ["拟合半径", "最大残差", "与目标差"], kind + ": labels")
    checks.equal(len(shown["rows"]), 9, kind + ": a residual for each point")
    largest = max(abs(float(row[3])) for row in shown["rows"]) if shown["rows"] else -1
    checks.check(abs(largest - float(shown["pairs"][3])) <= 0.005, kind + ": largest residual %r" % largest)
    picture = shown["picture"]
    if checks.check(picture is not None, kind + ": no picture"):
        radius = float(shown["pairs"][1])
        checks.check(abs(picture["r"] - radius * picture["scale"]) <= 1,
                     "%s: fitted circle drawn at %.2f px, expected %.2f" % (kind, picture["r"],
                                                                          radius * picture["scale"]))
        checks.equal(picture["points"], 9, kind + ": points drawn")
        checks.check(picture["right"] <= picture["screen"], kind + ": picture beyond the screen")
    # The job in the address: opened again, the same fit.
    address = driver.current_url
    checks.check("fp=" in address and "ft=750" in address, kind + ": address " + address[:120])
    driver.get("about:blank")
    browser.open_page(driver, address)
    checks.equal(driver.execute_script(READ)["pairs"], shown["pairs"], kind + ": the fit from the address")
    # Points on a straight line fix no circle: the reason, and nothing drawn.
    browser.set_text(driver, "fit-points", "0 0\n1 1\n2 2\n")
    browser.press(driver, kind, driver.find_element("id", "fit-go"))
    message = driver.find_element("id", "fit-message").text
    checks.check("一条直线" in message, kind + ": straight points: %r" % message)
    checks.equal(driver.execute_script(READ)["picture"], None, kind + ": a picture of no circle")


def run():
    page = sys.argv[1]
    url = "file://" + os.path.abspath(page)
    native = os.environ.get("SEGCALC_NATIVE_CLI")
    checks = browser.Checks()
    with tempfile.TemporaryDirectory(prefix="segcalc-fit-") as work:
        expected = cli_fit(native, work) if native else None
    if expected is not None:
        checks.check(len(expected) == 6 and math.isfinite(float(expected[1])), "segcalc-cli: %r" % expected)
    for kind in ("phone", "desktop"):
        driver = browser.start(kind)
        try:
            check_fit(checks, driver, kind, url, expected)
            browser.check_nothing_left(checks, driver, url, kind)
        finally:
            driver.quit()
    return checks.exit_code("the page fits measured points as segcalc-cli --fit does")


if __name__ == "__main__":
    browser.main_guard(run)
