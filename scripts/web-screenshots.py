#!/usr/bin/python3
"""Takes docs/web-phone.png (360 x 740, touch) and docs/web-desktop.png
(1280 x 900): on the phone, 精确与放样 with the README's window frame, from
the 求 精确解 button down (the summary, the part drawn, the folded tables);
on the desktop, the calculator after a compute of its start-up example,
with the segment it draws.

    web-screenshots.py PAGE DOCS_DIR
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
import browser  # noqa: E402

# The README's window frame: a 70 mm profile measured outside, tails of
# 150, four pieces, a station at each end and in the middle.
FRAME = ("#t=exact&ec=1200&eh=300&em=1&ed=70&ef=outer&et=150&ex=20&eb=pieces&ev=4"
         "&epm=%E5%BC%A6%E9%95%BF%E7%AD%89%E5%88%86&epv=2")


def main():
    page, docs = sys.argv[1], sys.argv[2]
    reason = browser.missing_tool()
    if reason:
        raise SystemExit(reason)
    url = "file://" + os.path.abspath(page)
    for kind, name in (("phone", "web-phone.png"), ("desktop", "web-desktop.png")):
        driver = browser.start(kind, pixel_ratio=1.0)
        try:
            if not browser.open_page(driver, url + (FRAME if kind == "phone" else "")):
                raise SystemExit("the page did not load")
            if kind == "phone":
                driver.execute_script("document.getElementById('exact-go').scrollIntoView()")
            else:
                browser.press(driver, kind, driver.find_element("id", "calc-go"))
            if not browser.wait_for(lambda: driver.execute_script(
                    "return !!document.querySelector('.picture:not([hidden]) svg')"), 5):
                raise SystemExit("the page drew nothing")
            driver.save_screenshot(os.path.join(docs, name))
        finally:
            driver.quit()
        print("wrote", os.path.join(docs, name))


if __name__ == "__main__":
    main()
