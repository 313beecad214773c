#!/usr/bin/python3
"""下料优化 in Chromium: the plan segcalc-cli --plan gives for the same list.

    page_bar_plan_test.py PAGE SITE_DIR TESTS_DIR

A cutting list with marks and quantities is computed on a phone, then planned
on 6 m bars with a 4 mm kerf: the saw sheet is drawn in the page, one bar
picture a way of cutting, and its download is byte for byte what segcalc-cli
(the same C++, under node: SEGCALC_PAGE_CLI) writes with --plan; options that
cannot be read and a piece longer than every bar are refused with the reason.
"""
import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import browser  # noqa: E402

LIST = "编号\t弦长\t弦高\t数量\nW-01\t1200\t300\t4\nW-02\t1500\t375\t2\nW-03\t900\t150\t7\n"


def finished(driver, form):
    return driver.find_element("id", form + "-go").is_enabled()


def notice(driver):
    element = driver.find_element("id", "plan-message")
    return element.text if element.is_displayed() else ""


def plan(driver, kind, bars, kerf):
    browser.set_text(driver, "plan-bars", bars)
    browser.set_text(driver, "plan-kerf", kerf)
    browser.press(driver, kind, driver.find_element("id", "plan-go"))
    browser.wait_for(lambda: finished(driver, "plan"), 60, 0.1)


def cli_plan(work, list_path):
    """The plan file segcalc-cli writes for the list, or None without it."""
    cli = os.environ.get("SEGCALC_PAGE_CLI", "")
    if not cli:
        return None
    out = os.path.join(work, "plan.csv")
    subprocess.run([cli, "--batch", list_path, "--plan", out, "--bar", "6000", "--kerf", "4"],
                   stdout=subprocess.DEVNULL, check=True)
    with open(out, "rb") as f:
        return f.read()


def run():
    page = sys.argv[1]
    url = "file://" + os.path.abspath(page)
    checks = browser.Checks()
    with tempfile.TemporaryDirectory(prefix="segcalc-plan-") as work:
        list_path = os.path.join(work, "list.txt")
        with open(list_path, "w", encoding="utf-8") as f:
            f.write(LIST)
        expected = cli_plan(work, list_path)
        downloads = os.path.join(work, "downloads")
        os.mkdir(downloads)
        driver = browser.start("phone", downloads=downloads)
        try:
            browser.open_page(driver, url)
            browser.press(driver, "phone", driver.find_element("id", "tab-list"))
            checks.check(not driver.find_element("id", "plan-form").is_displayed(),
                         "the plan is offered before there is a list")
            browser.set_text(driver, "list-text", LIST)
            browser.press(driver, "phone", driver.find_element("id", "list-go"))
            browser.wait_for(lambda: finished(driver, "list"), 60, 0.1)
            checks.check(driver.find_element("id", "plan-form").is_displayed(), "no plan form under the list")

            # Refused with the reason: a bar length that is not a number, and
            # bars shorter than a piece.
            plan(driver, "phone", "abc", "4")
            checks.check("原料长度" in notice(driver), "bad bar length: %r" % notice(driver))
            plan(driver, "phone", "1000", "4")
            checks.check(notice(driver) != "", "a piece longer than every bar: no reason given")
            checks.check(driver.find_element("id", "plan-download").get_attribute("disabled") is not None,
                         "a refused plan can be downloaded")

            plan(driver, "phone", "6000", "4")
            checks.equal(notice(driver), "", "6 m bars: refused")
            bars = driver.execute_script("return document.querySelectorAll('#plan-sheet svg.bar').length")
            ways = driver.execute_script("return document.querySelectorAll('#plan-sheet .pattern').length")
            checks.check(bars >= 1 and bars == ways, "saw sheet: %d bar pictures for %d ways" % (bars, ways))
            sheet = driver.find_element("id", "plan-sheet").text
            for mark in ("W-01", "W-02", "W-03"):
                checks.check(mark in sheet, "saw sheet: no " + mark)
            checks.check("已证明" in sheet, "saw sheet: the plan is not proven optimal")
            checks.equal(browser.value(driver, "plan-progress"), "1", "progress at its end")

            driver.find_element("id", "plan-download").click()
            saved = os.path.join(downloads, "下料方案.csv")
            browser.wait_for(lambda: os.path.exists(saved) and not os.path.exists(saved + ".crdownload"), 20)
            if checks.check(os.path.exists(saved), "download: no file"):
                with open(saved, "rb") as f:
                    data = f.read()
                checks.check(data.startswith(b"\xef\xbb\xbf"), "download: no UTF-8 mark")
                if expected is not None:
                    checks.check(data == expected, "download: not segcalc-cli's plan byte for byte")
            browser.check_nothing_left(checks, driver, url, "phone")
        finally:
            driver.quit()
    return checks.exit_code("下料优化 plans the bars as segcalc-cli does")


if __name__ == "__main__":
    browser.main_guard(run)
