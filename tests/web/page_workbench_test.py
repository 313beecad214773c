#!/usr/bin/python3
"""工作台's copy of the page in Chromium.

    page_workbench_test.py PAGE NODE WORKBENCH_COPY WORK_DIR

The copy is written by the window's own command (WORKBENCH_COPY, built for
node), with the job in a data block: opened from disk without a fragment, it
shows the window's boxes computed at once; texts that would end the block or
break out of its JSON arrive as typed; a fragment in the address still wins;
and the page's policy, which allows only its own hashed scripts, sees
nothing to refuse.
"""
import os
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import browser  # noqa: E402

BOXES = ["calc-arc", "calc-chord", "calc-height", "calc-radius", "calc-angle"]
NOT_A_NUMBER = "弧长中填入的不是有效的数字,请核对后再试!"
# Each would end the block, leave its JSON or run as a script if written as is.
# The arc is no valid number, so the compute keeps all three as they are.
HOSTILE = ("1,5\"\\'</script><!--<script>弧", "\"},\"cm\":\"1", "\t弦高 </SCRIPT >8")


def boxes(driver):
    return [browser.value(driver, name) for name in BOXES]


def message(driver):
    element = driver.find_element("id", "calc-message")
    return element.text.replace("运行提示", "").strip() if element.is_displayed() else ""


def main():
    page, node, helper, work = sys.argv[1:5]
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    checks = browser.Checks()

    def copy(check, arc, chord, height, *separators):
        done = subprocess.run([node, helper, page, work, check, arc, chord, height, *separators],
                              capture_output=True, text=True)
        checks.equal(done.returncode, 0, "workbench_copy: " + done.stderr)
        return done.stdout.strip()

    start_up = copy("1", "2491.78", "2067.63", "")
    hostile = copy("0", *HOSTILE)
    # A window in a locale of decimal commas: its numbers read as it wrote
    # them, whatever the browser's language.
    comma = copy("1", "2491,78", "2067,63", "", ",", ".")
    with open(page, encoding="utf-8") as f:
        original = f.read()
    with open(start_up, encoding="utf-8") as f:
        written = f.read()
    checks.equal(written.count("<script"), original.count("<script") + 1, "script elements in the copy")
    policy = original[original.index('<meta http-equiv="Content-Security-Policy"'):]
    checks.check(policy[:policy.index(">") + 1] in written, "the copy's policy is not the page's")

    driver = browser.start("desktop")
    try:
        url = "file://" + start_up
        if checks.check(browser.open_page(driver, url), "the copy did not load"):
            checks.equal(boxes(driver), ["2491.78", "2067.63", "591.83", "1200", "119.03"],
                         "the window's boxes, computed")
            checks.check(driver.find_element("id", "calc-minor").is_selected(), "小于半圆 not ticked")
            checks.equal(message(driver), "", "message")
            browser.check_nothing_left(checks, driver, url, "start-up copy")

        url = "file://" + hostile
        if checks.check(browser.open_page(driver, url), "the hostile copy did not load"):
            checks.equal(boxes(driver)[:3], list(HOSTILE), "hostile texts as typed")
            checks.check(not driver.find_element("id", "calc-minor").is_selected(), "小于半圆 ticked")
            checks.equal(message(driver), NOT_A_NUMBER, "the hostile job computed at once")
            checks.equal(driver.execute_script("return document.scripts.length"),
                         original.count("<script") + 1, "script elements in the hostile copy")
            browser.check_nothing_left(checks, driver, url, "hostile copy")

        url = "file://" + comma
        if checks.check(browser.open_page(driver, url), "the comma copy did not load"):
            checks.equal(boxes(driver), ["2491,78", "2067,63", "591,83", "1200", "119,03"],
                         "the window's comma numbers, computed in an English browser")
            checks.check("sd=%2C" in driver.current_url, "the separators stay with the job: %s"
                         % driver.current_url)
            browser.check_nothing_left(checks, driver, url, "comma copy")

        # A job in the address is the newer one: it wins over the block.
        url = "file://" + start_up + "#t=calc&ca=&cc=2067.63&ch=591.83&cm=1"
        if checks.check(browser.open_page(driver, url), "the copy with a fragment did not load"):
            checks.equal(boxes(driver), ["2493.29", "2067.63", "591.83", "1198.86", "119.22"],
                         "the fragment's job")
            browser.check_nothing_left(checks, driver, url, "copy with a fragment")
    finally:
        driver.quit()
    return checks.exit_code("workbench copy: all checks passed")


if __name__ == "__main__":
    browser.main_guard(main)
