#!/usr/bin/python3
"""下料单 in Chromium: the sheet segcalc-cli --sheet writes, in the page and in the file.

    page_cutting_list_test.py PAGE SITE_DIR TESTS_DIR

The pinned cutting list pasted on a phone and on a desktop comes back row for
row as segcalc-cli --batch --sheet gives it (tests/cli/pinned_sheet.csv), its
totals and identical parts under it; opened from a file in Excel's Unicode
text with a header row too; the download is that file byte for byte; 100,000
lines are computed in the background with the page answering all the while;
a list beyond the page's limit is refused.
"""
import csv
import io
import os
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import browser  # noqa: E402

LONG_LIST = 100000


def read_lines(path):
    with open(path, encoding="utf-8") as f:
        return f.read().split("\n")[:-1]


def read_sheet(path):
    """The pinned sheet: its bytes, header, rows as the page shows them (cells
    between tabs), and its totals and identical parts."""
    with open(path, "rb") as f:
        data = f.read()
    records = list(csv.reader(io.StringIO(data[3:].decode("utf-8"), newline="")))
    blank = records.index([])
    rows = ["\t".join(cells) for cells in records[1:blank]]
    rest = records[blank + 1:]
    second = rest.index([])
    return {"bytes": data, "header": records[0], "rows": rows,
            "totals": rest[:second], "groups": rest[second + 2:]}


def table(driver, name="list-table"):
    return driver.execute_script("""
        const t = document.getElementById(arguments[0]);
        return {header: [...t.querySelectorAll('thead th')].map(c => c.textContent),
                rows: [...t.querySelectorAll('tbody > tr')].map(r => [...r.cells].map(c => c.textContent).join('\\t'))};""",
                                 name)


def finished(driver):
    return driver.find_element("id", "list-stop").get_attribute("hidden") is not None


def compute(driver, kind, timeout=120):
    browser.press(driver, kind, driver.find_element("id", "list-go"))
    return browser.wait_for(lambda: finished(driver), timeout, 0.1)


def notice(driver):
    element = driver.find_element("id", "list-message")
    return element.text if element.is_displayed() else ""


def check_pasted(checks, driver, kind, url, pinned_input, sheet):
    what = kind + ": "
    browser.open_page(driver, url)
    browser.press(driver, kind, driver.find_element("id", "tab-list"))
    browser.set_text(driver, "list-text", "\n".join(pinned_input) + "\n")
    checks.check(compute(driver, kind), what + "the list did not finish")
    shown = table(driver)
    checks.equal(shown["header"], sheet["header"], what + "header")
    checks.equal(len(shown["rows"]), len(sheet["rows"]), what + "rows")
    for number, (row, line) in enumerate(zip(shown["rows"], sheet["rows"]), 1):
        checks.equal(row, line, what + "row %d" % number)
    messages = driver.find_element("id", "list-messages").text
    checks.check(messages.startswith("第 4 行无效"), what + "messages %r" % messages)
    checks.check("已算完 28 行" in driver.find_element("id", "list-status").text, what + "status")
    # The totals and the identical parts, as the sheet's file has them.
    checks.equal(table(driver, "list-summary")["rows"], ["\t".join(row) for row in sheet["totals"]],
                 what + "totals")
    checks.equal(table(driver, "list-groups")["rows"], ["\t".join(row) for row in sheet["groups"]],
                 what + "identical parts")

    # With the exact columns: the exact circle's five among the values.
    browser.press(driver, kind, driver.find_element("id", "list-exact"))
    compute(driver, kind)
    shown = table(driver)
    first = dict(zip(shown["header"], shown["rows"][0].split("\t")))
    checks.equal([first.get(name) for name in ("精确弧长", "精确弦长", "精确弦高", "精确半径", "精确夹角")],
                 ["2491.78", "2067.63", "590.72", "1200", "118.97"], what + "exact columns of the start-up example")
    checks.equal(first.get("半径"), "1200", what + "the calculator's radius beside them")
    browser.check_nothing_left(checks, driver, url, kind)


def check_file_and_download(checks, driver, url, downloads, pinned_input, sheet):
    browser.open_page(driver, url)
    driver.find_element("id", "tab-list").click()
    with tempfile.NamedTemporaryFile(suffix=".txt", delete=False) as f:
        text = "弧长\t弦长\t弦高\t勾选\r\n" + "\r\n".join(pinned_input) + "\r\n"
        f.write(b"\xff\xfe" + text.encode("utf-16-le"))
        path = f.name
    try:
        driver.find_element("id", "list-file").send_keys(path)
        browser.wait_for(lambda: "已打开" in driver.find_element("id", "list-source").text, 10)
        checks.check(compute(driver, "desktop"), "file: the list did not finish")
        shown = table(driver)
        checks.equal(shown["header"], sheet["header"], "file: header")
        # The header row names the columns and is not a part: the rows are the
        # list's lines, numbered as the file numbers them.
        checks.equal(len(shown["rows"]), len(sheet["rows"]), "file: rows")
        checks.equal([row.split("\t")[0] for row in shown["rows"][:2]], ["2", "3"], "file: line numbers")
        checks.equal([row.split("\t")[1:] for row in shown["rows"] if "\t已解\t" in row],
                     [row.split("\t")[1:] for row in sheet["rows"] if "\t已解\t" in row], "file: solved rows")
    finally:
        os.unlink(path)

    # The sheet as segcalc-cli --sheet writes the same list.
    browser.set_text(driver, "list-text", "\n".join(pinned_input) + "\n")
    checks.check(compute(driver, "desktop"), "download: the list did not finish")
    driver.find_element("id", "list-download").click()
    saved = os.path.join(downloads, "下料单.csv")
    browser.wait_for(lambda: os.path.exists(saved) and not os.path.exists(saved + ".crdownload"), 20)
    if not checks.check(os.path.exists(saved), "download: no file"):
        return
    with open(saved, "rb") as f:
        checks.check(f.read() == sheet["bytes"], "download: not the pinned sheet byte for byte")


def check_long_list(checks, driver, url, pinned_input, sheet):
    """100,000 lines: the page answers while the worker computes them. The
    pinned lines but the last two, whose huge values cost the whole scan."""
    pinned_input, expected = pinned_input[:-2], sheet["rows"][:-2]
    browser.open_page(driver, url)
    driver.find_element("id", "tab-list").click()
    driver.execute_script("""
        const lines = arguments[0], count = arguments[1], out = [];
        for (let i = 0; i < count; ++i) out.push(lines[i % lines.length]);
        const box = document.getElementById('list-text');
        box.value = out.join('\\n') + '\\n';
        box.dispatchEvent(new Event('input', {bubbles: true}));""", pinned_input, LONG_LIST)
    # The page's own record of every task that held its main thread 50 ms
    # or more: a frozen tab would show one as long as the list.
    driver.execute_script("""
        window.__longTasks = [];
        new PerformanceObserver((list) => {
          for (const entry of list.getEntries()) window.__longTasks.push(entry.duration);
        }).observe({type: 'longtask'});""")
    driver.find_element("id", "list-go").click()
    partway = False
    start = time.monotonic()
    while not finished(driver) and time.monotonic() - start < 300:
        progress = driver.execute_script("return document.getElementById('list-progress').value")
        partway = partway or 0 < progress < 1
        time.sleep(0.1)
    seconds = time.monotonic() - start
    longest = max(driver.execute_script("return window.__longTasks"), default=0)
    print("long list: %.1f s, the longest task on the page's thread %.0f ms" % (seconds, longest))
    checks.check(finished(driver), "long list: not finished")
    checks.check(partway, "long list: no progress shown part-way")
    checks.check(longest < 500, "long list: the page was held up for %.0f ms" % longest)
    rows = driver.execute_script("return document.querySelectorAll('#list-table tbody > tr').length")
    checks.equal(rows, LONG_LIST, "long list: rows")
    sample = driver.execute_script("""
        const rows = document.querySelectorAll('#list-table tbody > tr');
        return arguments[0].map(i => [...rows[i].cells].map(c => c.textContent).join('\\t'));""",
                                   [0, 27, 50000, LONG_LIST - 1])
    # Each row as the pinned one it repeats, numbered as the long list's line.
    checks.equal(sample, ["\t".join([str(i + 1)] + expected[i % len(expected)].split("\t")[1:])
                          for i in (0, 27, 50000, LONG_LIST - 1)], "long list: sampled rows")

    # Beyond the limit: refused with the reason, nothing half done.
    driver.execute_script("""
        const box = document.getElementById('list-text');
        box.value = '1\\t2\\t\\n'.repeat(130000);
        box.dispatchEvent(new Event('input', {bubbles: true}));""")
    driver.find_element("id", "list-go").click()
    browser.wait_for(lambda: notice(driver), 30)
    checks.check("最多计算 120000 行" in notice(driver), "too long: %r" % notice(driver))
    checks.equal(table(driver)["rows"], [], "too long: rows")
    checks.check(driver.find_element("id", "list-go").is_enabled(), "too long: the button stays disabled")


def run():
    page, _, tests = sys.argv[1:4]
    url = "file://" + os.path.abspath(page)
    pinned_input = read_lines(os.path.join(tests, "cli", "pinned_input.tsv"))
    sheet = read_sheet(os.path.join(tests, "cli", "pinned_sheet.csv"))
    checks = browser.Checks()
    for kind in ("phone", "desktop"):
        driver = browser.start(kind)
        try:
            check_pasted(checks, driver, kind, url, pinned_input, sheet)
        finally:
            driver.quit()
    with tempfile.TemporaryDirectory(prefix="segcalc-downloads-") as downloads:
        driver = browser.start("desktop", downloads=downloads)
        try:
            check_file_and_download(checks, driver, url, downloads, pinned_input, sheet)
            check_long_list(checks, driver, url, pinned_input, sheet)
        finally:
            driver.quit()
    return checks.exit_code("下料单 gives segcalc-cli's sheet")


if __name__ == "__main__":
    browser.main_guard(run)
