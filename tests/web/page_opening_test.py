#!/usr/bin/python3
"""How the page starts its calculation, in Chromium.

    page_opening_test.py PAGE SITE_DIR TESTS_DIR

The page compiles its WebAssembly from a base64 data block beside the
engine's script, in a page written in ASCII. Opened from disk with the
network off, it computes the job in its address and asks for nothing. A browser without Uint8Array.fromBase64 decodes the
block the long way and gets the same result. The separators the page takes
as known without asking Intl (Chinese, American English) must be those
Intl gives.
"""
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import browser  # noqa: E402

JOB = "#t=calc&ca=2491.78&cc=2067.63&cm=1"
RESULT = ["591.83", "1200", "119.03"]
# Languages a browser may name; each one the page knows must agree with Intl,
# and the ones whose numbers are written otherwise must not be known.
LANGUAGES = ["zh", "zh-CN", "zh-TW", "zh-HK", "zh-SG", "zh-MO", "zh-Hans", "zh-Hans-CN", "zh-Hant-TW",
             "en", "en-US", "en-GB", "en-IN", "en-ZA", "en-DK", "de", "de-DE", "fr-FR", "ru", "es", "it",
             "ja", "ko", "pt-BR", "nl", "sv", "de-CH"]


def result(driver):
    return [browser.value(driver, name) for name in ("calc-height", "calc-radius", "calc-angle")]


def check_offline(checks, url):
    driver = browser.start("phone")
    try:
        driver.execute_cdp_cmd("Network.enable", {})
        driver.execute_cdp_cmd("Network.emulateNetworkConditions",
                               {"offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
        checks.check(browser.open_page(driver, url + JOB), "offline: the engine did not start")
        checks.equal(result(driver), RESULT, "offline: the job from the address")
        # The Chinese of the markup and of the scripts, read back from their escapes.
        checks.equal(driver.title, "求半径", "offline: title")
        checks.equal(driver.find_element("id", "calc-radius-exact").text, "精确 1200", "offline: exact radius")
        browser.check_nothing_left(checks, driver, url, "offline")
    finally:
        driver.quit()


def check_without_from_base64(checks, url):
    driver = browser.start("desktop")
    try:
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                               {"source": "delete Uint8Array.fromBase64;"})
        checks.check(browser.open_page(driver, url + JOB), "without fromBase64: the engine did not start")
        checks.equal(driver.execute_script("return typeof Uint8Array.fromBase64"), "undefined",
                     "without fromBase64: the browser still has it")
        checks.equal(result(driver), RESULT, "without fromBase64: the job from the address")
    finally:
        driver.quit()


def check_known_separators(checks, url):
    driver = browser.start("desktop")
    try:
        browser.open_page(driver, url)
        answers = driver.execute_script("""
            return arguments[0].map((tag) => {
              const parts = new Intl.NumberFormat(tag).formatToParts(1234567.5);
              const part = (type) => (parts.find((p) => p.type === type) || {}).value;
              return [tag, SC.knownSeparators.test(tag), part('decimal'), part('group')];
            });""", LANGUAGES)
    finally:
        driver.quit()
    known = set()
    for tag, is_known, decimal, group in answers:
        if is_known:
            known.add(tag)
            checks.equal((decimal, group), (".", ","), "%s: the separators the page takes as known" % tag)
    checks.equal(known, {"zh", "zh-CN", "zh-TW", "zh-HK", "zh-SG", "zh-MO", "zh-Hans", "zh-Hans-CN",
                         "zh-Hant-TW", "en", "en-US"}, "languages known without Intl")


def check_data_block(checks, page):
    """The WebAssembly is in the page as base64, in a block no browser runs;
    the page is written in ASCII alone."""
    with open(page, "rb") as f:
        raw = f.read()
    checks.check(raw.isascii(), "the page holds bytes beyond ASCII")
    html = raw.decode("utf-8")
    block = re.search(r'<script id="engine-wasm" type="application/wasm\+base64">([^<]*)</script>', html)
    if checks.check(block, "no WebAssembly data block"):
        checks.check(block.group(1).startswith("AGFzbQ"), "the data block is not a WebAssembly module in base64")
    engine = re.search(r'<script id="engine-script">(.*?)</script>', html, re.S)
    # "AGFzbQ" is the module's first bytes, "\0asm", in base64.
    checks.check(engine and "AGFzbQ" not in engine.group(1), "the engine's script still holds its WebAssembly")


def run():
    page = sys.argv[1]
    url = "file://" + os.path.abspath(page)
    checks = browser.Checks()
    check_data_block(checks, page)
    check_offline(checks, url)
    check_without_from_base64(checks, url)
    check_known_separators(checks, url)
    return checks.exit_code("the page starts its calculation from its own data block, offline too")


if __name__ == "__main__":
    browser.main_guard(run)
