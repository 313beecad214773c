#!/usr/bin/python3
"""计算器 in Chromium, at a phone's size with touch and at a desktop's.

    page_calculator_test.py PAGE SITE_DIR TESTS_DIR

The start-up example typed and computed, the warnings shown in the page,
the first filled pair, the address keeping the job, the language's decimal
separator, the labels and keys, the fallback without WebAssembly; and the
page's policy, with no request leaving it.
"""
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import browser  # noqa: E402

BOXES = ["calc-arc", "calc-chord", "calc-height", "calc-radius", "calc-angle"]
INCOMPLETE = "当前输入项不完整,请填写完整后再试!"
NO_SOLUTION = "按当前条件无法求解!请核对后再试!"

# typed arc, chord, height, ticked; the five boxes after 确 定; the warning
CASES = [
    ("2491.78", "2067.63", "", True, ["2491.78", "2067.63", "591.83", "1200", "119.03"], ""),
    ("2491.78", "2067.63", "", False, ["2491.78", "2067.63", "592.41", "1197.15", "119.32"], ""),
    ("", "2067.63", "591.83", True, ["2493.29", "2067.63", "591.83", "1198.86", "119.22"], ""),
    ("4186.67", "1732.05", "", True, ["4186.67", "1732.05", None, "999.72", "240.07"], ""),
    ("5", "", "", True, ["5", "", "", None, None], INCOMPLETE),
    ("100", "200", "", True, ["100", "200", "", None, None], NO_SOLUTION),
]

# Where the rule's answer is not geometry. Typed arc, chord, height (ticked);
# the five boxes after 确 定 (None: not checked); the boxes in the warning
# colour; the line under each of them; the warning; and the exact circle
# shown under it, label by label.
NO_ARC_12 = "没有这样的圆弧: 弧长应大于弦长"
RULE_CASES = [
    # No circle has the two numbers: the rule's digits stay, and say so.
    ("1500", "1500", "", ["1500", "1500", "13266.9", "118603.12", "0.73"],
     ["calc-height", "calc-radius", "calc-angle"], NO_ARC_12, "", []),
    ("", "1000", "0", ["1000", "1000", "0", "28662420.38", "0"],
     ["calc-arc", "calc-radius", "calc-angle"], "没有这样的圆弧: 弦高应为大于 0 的数", "", []),
    # A curtain wall's sizes: the scan jumps over the match, the circle exists
    # (R = (4000² + 1000²) / 2000 = 8500).
    ("", "8000", "1000", ["", "8000", "1000", None, None], [], "", NO_SOLUTION,
     [("精确弧长", "8329.27"), ("精确半径", "8500"), ("精确夹角", "56.14")]),
    ("18000", "", "1500", ["18000", "", "1500", None, None], [], "", NO_SOLUTION,
     [("精确弦长", "17662.23"), ("精确半径", "26746.19"), ("精确夹角", "38.56")]),
]


def boxes(driver):
    return [browser.value(driver, name) for name in BOXES]


def message(driver):
    element = driver.find_element("id", "calc-message")
    return element.text.replace("运行提示", "").strip() if element.is_displayed() else ""


def compute(driver, kind):
    """确 定 tapped on the phone; Enter in the height box on the desktop."""
    if kind == "phone":
        browser.tap(driver, driver.find_element("id", "calc-go"))
    else:
        from selenium.webdriver.common.keys import Keys
        driver.find_element("id", "calc-height").send_keys(Keys.ENTER)


def check_policy_text(checks, page):
    with open(page, encoding="utf-8") as f:
        html = f.read()
    found = re.search(r'<meta http-equiv="Content-Security-Policy" content="([^"]+)"', html)
    if not checks.check(found, "no Content-Security-Policy in the page"):
        return
    directives = dict((d.strip().split(" ", 1) + [""])[:2] for d in found.group(1).split(";"))
    checks.equal(directives.get("default-src"), "'none'", "default-src")
    checks.equal(directives.get("connect-src"), "'none'", "connect-src")
    script = directives.get("script-src", "").split()
    checks.check(script and all(s.startswith("'sha256-") or s == "'wasm-unsafe-eval'" for s in script),
                 "script-src allows more than the page's own scripts: %s" % script)
    checks.check(not re.search(r"https?:|//", found.group(1)), "the policy names an address")
    # A fragment ("#app-script") names a part of the page itself.
    checks.check(not re.search(r'(src|href)="(?!data:|#)', html), "the page links something outside it")
    checks.check('<link rel="manifest"' not in html, "the single file links a manifest")
    checks.check(len(html.encode("utf-8")) <= 1.5 * 1024 * 1024, "segcalc.html is over 1.5 MB")


def check_rule_cases(checks, driver, kind, what, far):
    """The rule's answers where geometry has another: no such arc, or no match."""
    instead = driver.find_element("id", "calc-instead")
    for arc, chord, height, after, warned, line, warning, exact in RULE_CASES:
        name = what + "%s|%s|%s" % (arc, chord, height)
        for box, text in zip(BOXES[:3], (arc, chord, height)):
            browser.type_into(driver, kind, box, text)
        compute(driver, kind)
        shown = boxes(driver)
        checks.equal([s if a is not None else None for s, a in zip(shown, after)], after, name)
        checks.equal(far(), warned, name + " warning colour")
        checks.equal([driver.find_element("id", b + "-exact").text for b in warned],
                     [line] * len(warned), name + " line under the boxes")
        checks.equal(message(driver), warning, name + " warning")
        checks.equal(instead.is_displayed(), bool(exact), name + " exact circle shown")
        if exact:
            terms = [e.text for e in instead.find_elements("css selector", "dt")]
            details = [e.text for e in instead.find_elements("css selector", "dd")]
            checks.equal(list(zip(terms, details)), exact, name + " exact circle")
            checks.check("3.14" in instead.text and "两位小数" in instead.text,
                         name + ": no reason given: " + instead.text)
        if kind == "phone":
            width = driver.execute_script("return document.documentElement.scrollWidth")
            checks.check(width <= browser.PHONE[0], name + ": the page is %d px wide" % width)


def check_page(checks, driver, kind, url):
    what = kind + ": "
    if not checks.check(browser.open_page(driver, url), what + "the engine did not load"):
        return
    checks.equal(boxes(driver), ["2491.78", "2067.63", "", "", ""], what + "start-up boxes")
    checks.check(driver.find_element("id", "calc-minor").is_selected(), what + "小于半圆 not ticked")
    checks.check(not driver.find_element("id", "fallback").is_displayed(), what + "fallback still shown")
    compute(driver, kind)
    checks.equal(boxes(driver)[2:], ["591.83", "1200", "119.03"], what + "start-up example")
    checks.equal([driver.find_element("id", b + "-exact").text for b in BOXES[2:]],
                 ["精确 590.72", "精确 1200", "精确 118.97"], what + "exact beside the results")
    checks.equal(message(driver), "", what + "message after a solve")
    far = lambda: driver.execute_script(
        "return [...document.querySelectorAll('#panel-calc input.far')].map(e => e.id)")
    checks.equal(far(), [], what + "warning colour on the start-up example")
    # A long flat arc takes the calculator's rule 75 off: its height in dark red.
    for box, text in (("calc-arc", "15000"), ("calc-chord", "14800"), ("calc-height", "")):
        browser.type_into(driver, kind, box, text)
    compute(driver, kind)
    checks.equal(far(), ["calc-height"], what + "warning colour on a long flat arc")
    checks.equal(driver.execute_script("return getComputedStyle(document.getElementById('calc-height')).color"),
                 "rgb(160, 0, 0)", what + "the warning colour")
    check_rule_cases(checks, driver, kind, what, far)
    for box, text in (("calc-arc", "2491.78"), ("calc-chord", "2067.63"), ("calc-height", "")):
        browser.type_into(driver, kind, box, text)

    for arc, chord, height, ticked, after, warning in CASES:
        name = what + "%s|%s|%s|%s" % (arc, chord, height, ticked)
        for box, text in zip(BOXES[:3], (arc, chord, height)):
            browser.type_into(driver, kind, box, text)
        tick = driver.find_element("id", "calc-minor")
        if tick.is_selected() != ticked:
            browser.press(driver, kind, tick)
        compute(driver, kind)
        shown = boxes(driver)
        checks.equal([s if a is not None else None for s, a in zip(shown, after)], after, name)
        checks.equal(message(driver), warning, name + " warning")
        # None of these has a circle the rule missed.
        checks.check(not driver.find_element("id", "calc-instead").is_displayed(),
                     name + ": an exact circle shown under the warning")
        try:
            driver.switch_to.alert
            checks.check(False, name + ": an alert() was shown")
        except Exception:
            pass

    # The address holds the job: opened again, it shows the same result; a
    # link to another job typed into the same tab shows that one.
    address = driver.current_url
    checks.check("ca=100" in address and "cc=200" in address, what + "address " + address)
    browser.check_nothing_left(checks, driver, url, kind)
    driver.get("about:blank")
    browser.open_page(driver, url + "#t=calc&ca=&cc=2067.63&ch=591.83&cm=1")
    checks.equal(boxes(driver), ["2493.29", "2067.63", "591.83", "1198.86", "119.22"], what + "job from the address")
    driver.get(url + "#t=calc&ca=2491.78&cc=2067.63&cm=0")
    browser.wait_for(lambda: boxes(driver)[4] == "119.32", 5)
    checks.equal(boxes(driver), ["2491.78", "2067.63", "592.41", "1197.15", "119.32"], what + "another job's link")
    browser.check_nothing_left(checks, driver, url, kind)

    # Every box has its Chinese label; the measurements bring up digits.
    unlabeled = driver.execute_script("""
        return [...document.querySelectorAll('input, select, textarea')]
          .filter(e => !e.labels || e.labels.length === 0 || !/[\\u4e00-\\u9fff]/.test(e.labels[0].textContent))
          .map(e => e.id);""")
    checks.equal(unlabeled, [], what + "inputs without a Chinese label")
    numeric = driver.execute_script(
        "return [...document.querySelectorAll('#panel-calc input:not([readonly]):not([type]), "
        "#panel-exact input:not([type])')]"
        ".filter(e => e.inputMode !== 'decimal').map(e => e.id)")
    # (The stations' value too, but for 间距表, whose commas a number pad may lack.)
    checks.equal(numeric, [], what + "boxes without inputmode=decimal")
    if kind == "phone":
        width = driver.execute_script("return document.documentElement.scrollWidth")
        checks.check(width <= browser.PHONE[0], what + "the page is %d px wide" % width)


def check_keys(checks, driver, url):
    """Tab goes through the calculator in order; the arrows change tabs."""
    from selenium.webdriver.common.keys import Keys
    browser.open_page(driver, url)
    driver.find_element("id", "calc-arc").click()
    order = []
    for _ in range(6):
        order.append(driver.switch_to.active_element.get_attribute("id"))
        driver.switch_to.active_element.send_keys(Keys.TAB)
    checks.equal(order, ["calc-arc", "calc-chord", "calc-height", "calc-minor", "calc-go", "calc-radius"],
                 "desktop: tab order")
    driver.find_element("id", "tab-calc").send_keys(Keys.ARROW_RIGHT)
    checks.check(driver.find_element("id", "panel-exact").is_displayed(), "desktop: arrow to 精确与放样")


def run():
    page, _, _ = sys.argv[1:4]
    url = "file://" + os.path.abspath(page)
    checks = browser.Checks()
    check_policy_text(checks, page)
    for kind in ("phone", "desktop"):
        driver = browser.start(kind)
        try:
            check_page(checks, driver, kind, url)
            if kind == "desktop":
                check_keys(checks, driver, url)
        finally:
            driver.quit()

    # German writes a decimal comma, and so does the page.
    driver = browser.start("desktop", language="de-DE")
    try:
        browser.open_page(driver, url)
        checks.equal(boxes(driver)[:2], ["2491,78", "2067,63"], "de: start-up boxes")
        compute(driver, "desktop")
        checks.equal(boxes(driver)[2:], ["591,83", "1200", "119,03"], "de: start-up example")
    finally:
        driver.quit()

    # Without WebAssembly: one sentence, and no calculator pretending to work.
    driver = browser.start("desktop")
    try:
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": "delete window.WebAssembly;"})
        driver.get(url)
        fallback = driver.find_element("id", "fallback")
        checks.check(fallback.is_displayed() and "WebAssembly" in fallback.text,
                     "no wasm: fallback %r" % fallback.text)
        checks.check(not driver.find_element("id", "app").is_displayed(), "no wasm: the calculator is shown")
    finally:
        driver.quit()
    return checks.exit_code("计算器 works on a phone and a desktop")


if __name__ == "__main__":
    browser.main_guard(run)
