#!/usr/bin/python3
"""The web edition's figures, after the native benchmark (`make bench`).

    web_bench.py NATIVE_SOLVE_TIMING WEB_BUILD_DIR

1. The fast solve compiled to WebAssembly and run by node, against the
   native build on the same inputs (bench/solve_timing.cpp): the ratio of
   their times per solve, target at most 3; both must give the same answers.
2. The time from opening segcalc.html in headless Chromium to its first
   result (a job in the address is computed at start-up), target 0.5 s;
   in the same run, the time a plain page of Chinese text (plain_page.html)
   takes to DOMContentLoaded, and the ratio of the two, target at most 1.5.
   Each opening is in a fresh browser (a new profile: nothing cached), and the
   two pages take turns, so that both see the same load on the machine.
3. The size of segcalc.html, target at most 1.5 MB.
4. The bar plan of the published 13-length list under node against the
   native build (bench/barplan_timing.cpp), target at most 3 times; both
   must make the same plans.
5. The time from a changed input on 精确与放样 to the part redrawn on the
   page (the window frame of the README, its chord typed anew each time),
   until the frame that shows it is painted, target 50 ms.
"""
import os
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
import browser  # noqa: E402

OPENINGS = 7
JOB = "#t=calc&ca=2491.78&cc=2067.63&cm=1"
PLAIN_PAGE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "plain_page.html")


def timing(command):
    lines = subprocess.run(command, check=True, capture_output=True, text=True, timeout=300).stdout
    fields = dict(line.split(" ", 1) for line in lines.splitlines())
    return float(fields["ns_per_solve"]), fields["digest"]


def fields_of(command):
    lines = subprocess.run(command, check=True, capture_output=True, text=True, timeout=600).stdout
    return dict(line.split(" ", 1) for line in lines.splitlines())


def bar_plan_row(native_dir, web_dir, node):
    native = fields_of([os.path.join(native_dir, "barplan_timing"), "2"])
    web = fields_of([node, os.path.join(web_dir, "web", "barplan_timing.js"), "2"])
    ratio = float(web["ns_per_plan"]) / float(native["ns_per_plan"])
    print("bar plan, published 13 lengths: native %.3f ms, WebAssembly under node %.3f ms a plan: "
          "%.2f times native (target 3: %s)" % (float(native["ns_per_plan"]) / 1e6,
                                               float(web["ns_per_plan"]) / 1e6, ratio,
                                               verdict(ratio <= 3)))
    print("bar plan, 2,000 pieces: native %.3f s, WebAssembly %.3f s, %s bars against a bound of %s"
          % (float(native["large_seconds"]), float(web["large_seconds"]), web["large_bars"],
             web["large_bound"]))
    if web["digest"] != native["digest"]:
        print("the two builds planned differently: digest %s against %s"
              % (web["digest"], native["digest"]))
        return False
    return True


# The README's window frame on 精确与放样 (measured outside: its outer face
# is the arch drawn); the chord is changed again and again.
FRAME_JOB = "#t=exact&ec=1200&eh=300&em=1&ed=70&ef=outer&et=150&ex=20&eb=pieces&ev=4"
CHANGES = 15
# Types a chord into the box as a paste would, and answers when the picture
# drawn from it has been painted: the compute and the drawing run in the
# next frame, and a task queued from there runs after that frame's paint.
CHANGE_AND_WAIT = """
const done = arguments[arguments.length - 1];
const box = document.getElementById('exact-chord');
const drawn = () => performance.getEntriesByName('segcalc-part-drawn').length;
const before = drawn();
const start = performance.now();
box.value = arguments[0];
box.dispatchEvent(new Event('input', {bubbles: true}));
const wait = () => {
  if (drawn() === before) return requestAnimationFrame(wait);
  setTimeout(() => done([performance.now() - start,
                         document.querySelector('#exact-picture path[data-layer="OUTER"]').getAttribute('d')]), 0);
};
requestAnimationFrame(wait);
"""


def redraw_milliseconds(page):
    """The median over several changes of the chord, in one browser."""
    driver = browser.start("desktop")
    try:
        if not browser.open_page(driver, "file://" + os.path.abspath(page) + FRAME_JOB):
            raise SystemExit("the page did not open")
        times, arcs = [], set()
        for i in range(CHANGES):
            milliseconds, arc = driver.execute_async_script(CHANGE_AND_WAIT, str(1100 + 10 * i))
            times.append(milliseconds)
            arcs.add(arc)
    finally:
        driver.quit()
    if len(arcs) != CHANGES:
        raise SystemExit("the part was not drawn anew on every change")
    return sorted(times)[len(times) // 2]


def verdict(met):
    return "met" if met else "NOT MET"


def median(values):
    return sorted(values)[len(values) // 2]


def first_result_seconds(page):
    """From navigation to the page's first result, in a fresh browser."""
    driver = browser.start("desktop")
    try:
        browser.open_page(driver, "file://" + os.path.abspath(page) + JOB)
        mark = driver.execute_script(
            "const m = performance.getEntriesByName('segcalc-first-result');"
            "return m.length ? m[0].startTime : null")
        radius = browser.value(driver, "calc-radius")
    finally:
        driver.quit()
    if mark is None or radius != "1200":
        raise SystemExit("the page gave no first result (radius %r)" % radius)
    return mark / 1000


def plain_page_seconds():
    """From navigation to DOMContentLoaded of plain_page.html, in a fresh browser."""
    driver = browser.start("desktop")
    try:
        driver.get("file://" + PLAIN_PAGE)
        loaded = driver.execute_script(
            "return performance.getEntriesByType('navigation')[0].domContentLoadedEventStart")
    finally:
        driver.quit()
    return loaded / 1000


def opening_figures(page):
    results, plain = [], []
    for _ in range(OPENINGS):
        results.append(first_result_seconds(page))
        plain.append(plain_page_seconds())
    seconds, plain_seconds = median(results), median(plain)
    ratio = seconds / plain_seconds
    print("opening segcalc.html to its first result in headless Chromium: %.3f s, median of %d "
          "(target 0.5 s: %s)" % (seconds, OPENINGS, verdict(seconds <= 0.5)))
    print("a plain page of Chinese text to DOMContentLoaded: %.3f s, median of %d"
          % (plain_seconds, OPENINGS))
    print("first result against the plain page: %.2f times (target 1.5: %s)" % (ratio, verdict(ratio <= 1.5)))


def main():
    native, web_dir = sys.argv[1], sys.argv[2]
    node = shutil.which("node") or shutil.which("nodejs")
    page = os.path.join(web_dir, "segcalc.html")
    native_ns, native_digest = timing([native, "2"])
    web_ns, web_digest = timing([node, os.path.join(web_dir, "web", "solve_timing.js"), "2"])
    ratio = web_ns / native_ns
    print("\nWeb edition")
    print("fast solve: native %.0f ns, WebAssembly under node %.0f ns a solve: %.2f times native "
          "(target 3: %s)" % (native_ns, web_ns, ratio, verdict(ratio <= 3)))
    if web_digest != native_digest:
        print("the two builds answered differently: digest %s against %s" % (web_digest, native_digest))
        return 1
    reason = browser.missing_tool()
    if reason:
        print("page opening not timed: " + reason)
    else:
        opening_figures(page)
    if not reason:
        milliseconds = redraw_milliseconds(page)
        print("a changed input to the part redrawn on the page in headless Chromium: %.1f ms, median "
              "of %d (target 50 ms: %s)" % (milliseconds, CHANGES, verdict(milliseconds <= 50)))
    if not bar_plan_row(os.path.dirname(os.path.abspath(native)), web_dir, node):
        return 1
    size = os.path.getsize(page)
    print("segcalc.html: %.2f MB (%d bytes; target 1.5 MB: %s)"
          % (size / 1048576, size, verdict(size <= 1.5 * 1048576)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
