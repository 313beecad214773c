#!/usr/bin/python3
"""Takes docs/web-phone.png (360 x 740, touch) and docs/web-desktop.png
(1280 x 900): the web edition in headless Chromium after a compute of its
start-up example.

    web-screenshots.py PAGE DOCS_DIR
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
import browser  # noqa: E402


def main():
    page, docs = sys.argv[1], sys.argv[2]
    reason = browser.missing_tool()
    if reason:
        raise SystemExit(reason)
    url = "file://" + os.path.abspath(page)
    for kind, name in (("phone", "web-phone.png"), ("desktop", "web-desktop.png")):
        driver = browser.start(kind, pixel_ratio=1.0)
        try:
            if not browser.open_page(driver, url):
                raise SystemExit("the page did not load")
            browser.press(driver, kind, driver.find_element("id", "calc-go"))
            driver.save_screenshot(os.path.join(docs, name))
        finally:
            driver.quit()
        print("wrote", os.path.join(docs, name))


if __name__ == "__main__":
    main()
