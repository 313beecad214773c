"""Headless Chromium through Selenium, for the page's tests.

A phone (360 x 740, touch, a mobile user agent) or a desktop (1280 x 900),
with the network log on and a watch for Content-Security-Policy violations,
so that every test can also say that nothing left the page.
"""
import json
import os
import shutil
import sys
import time

SKIP = 77
CHROMEDRIVER = "/usr/bin/chromedriver"
PHONE = (360, 740)
DESKTOP = (1280, 900)
# Counted from the first script on, before the page's own.
WATCH_POLICY = """
window.__policyViolations = [];
document.addEventListener('securitypolicyviolation', (e) => {
  window.__policyViolations.push(e.violatedDirective + ' ' + e.blockedURI);
});
"""


class Checks:
    """Collects failures; the test exits 1 when there is any."""

    def __init__(self):
        self.failures = []

    def check(self, condition, message):
        if not condition:
            self.failures.append(message)
            print("FAIL:", message, flush=True)
        return condition

    def equal(self, actual, expected, what):
        return self.check(actual == expected, "%s: %r, expected %r" % (what, actual, expected))

    def exit_code(self, what):
        if self.failures:
            print("%d failure(s)" % len(self.failures))
            return 1
        print(what)
        return 0


def missing_tool():
    """Why the page cannot be tested here, or None."""
    if shutil.which("chromium") is None:
        return "chromium is not installed"
    if not os.access(CHROMEDRIVER, os.X_OK):
        return "chromium-driver is not installed"
    try:
        import selenium  # noqa: F401
    except ImportError:
        return "python3-selenium is not installed"
    return None


def start(kind="desktop", downloads=None, language=None, arguments=(), pixel_ratio=2.0):
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service

    options = webdriver.ChromeOptions()
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                     "--disable-background-networking", "--disable-component-update",
                     "--disable-sync", "--disable-dev-shm-usage", *arguments):
        options.add_argument(argument)
    prefs = {}
    if kind == "phone":
        width, height = PHONE
        options.add_experimental_option("mobileEmulation", {
            "deviceMetrics": {"width": width, "height": height, "pixelRatio": pixel_ratio, "touch": True},
            "userAgent": "Mozilla/5.0 (Linux; Android 13; Pixel 7) AppleWebKit/537.36 "
                         "(KHTML, like Gecko) Chrome/120.0 Mobile Safari/537.36"})
    else:
        options.add_argument("--window-size=%d,%d" % DESKTOP)
    if language:
        options.add_argument("--lang=" + language)
        prefs["intl.accept_languages"] = language
    if downloads:
        prefs.update({"download.default_directory": downloads, "download.prompt_for_download": False})
    if prefs:
        options.add_experimental_option("prefs", prefs)
    options.set_capability("goog:loggingPrefs", {"performance": "ALL", "browser": "ALL"})
    driver = webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)
    driver.set_script_timeout(60)
    driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": WATCH_POLICY})
    if downloads:
        driver.execute_cdp_cmd("Page.setDownloadBehavior", {"behavior": "allow", "downloadPath": downloads})
    return driver


def open_page(driver, url, timeout=10):
    """Loads the page and waits until its engine is ready; False if it never is."""
    driver.get(url)
    return wait_for(lambda: driver.execute_script("return document.body.dataset.ready === '1'"), timeout)


def wait_for(condition, timeout=10, interval=0.05):
    end = time.monotonic() + timeout
    while True:
        value = condition()
        if value or time.monotonic() > end:
            return value
        time.sleep(interval)


def requests(driver):
    """Every URL the browser asked for since the last call, from the network log."""
    urls = []
    for entry in driver.get_log("performance"):
        message = json.loads(entry["message"])["message"]
        if message["method"] == "Network.requestWillBeSent":
            urls.append(message["params"]["request"]["url"])
    return urls


def check_nothing_left(checks, driver, page_url, what):
    """No request but the page itself (and its own data: and blob: contents),
    and no violation of its policy."""
    own = page_url.split("#")[0]
    for url in requests(driver):
        checks.check(url.split("#")[0] == own or url.startswith(("data:", "blob:")),
                     "%s: the page asked for %s" % (what, url[:120]))
    violations = driver.execute_script("return window.__policyViolations || []")
    checks.equal(violations, [], what + ": policy violations")


def tap(driver, element):
    """A finger's tap, as a phone's touch screen sends it."""
    from selenium.webdriver.common.actions import interaction
    from selenium.webdriver.common.actions.action_builder import ActionBuilder
    from selenium.webdriver.common.actions.pointer_input import PointerInput

    actions = ActionBuilder(driver, mouse=PointerInput(interaction.POINTER_TOUCH, "finger"))
    actions.pointer_action.move_to(element).pointer_down().pointer_up()
    actions.perform()


def press(driver, kind, element):
    """A tap on a phone, a click on a desktop."""
    if kind == "phone":
        tap(driver, element)
    else:
        element.click()


def value(driver, element_id):
    return driver.find_element("id", element_id).get_attribute("value")


def set_text(driver, element_id, text):
    """Replaces a box's text as a paste would, with the input event it fires."""
    driver.execute_script(
        "const e = document.getElementById(arguments[0]); e.value = arguments[1];"
        "e.dispatchEvent(new Event('input', {bubbles: true}));", element_id, text)


def type_into(driver, kind, element_id, text):
    """Touches or clicks the box, selects what it holds and types over it."""
    from selenium.webdriver.common.keys import Keys

    element = driver.find_element("id", element_id)
    press(driver, kind, element)
    element.send_keys(Keys.CONTROL, "a")
    element.send_keys(Keys.DELETE)
    if text:
        element.send_keys(text)


def main_guard(run):
    """Runs the test body, exits 77 when a tool is missing."""
    reason = missing_tool()
    if reason:
        print(reason + ": skipped")
        sys.exit(SKIP)
    sys.exit(run())
