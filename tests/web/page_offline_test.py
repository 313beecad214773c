#!/usr/bin/python3
"""The hosted copy (site/) keeps working once the network is gone.

    page_offline_test.py PAGE SITE_DIR TESTS_DIR

site/ is served on 127.0.0.1 for the time of the test; the page registers its
service worker, which keeps the page, the manifest and the icons. Then the
server is stopped and the browser set offline: the page must load again from
the worker and compute. The manifest is what a phone needs to add the page to
its home screen, and the hosted page is the single file's page.
"""
import json
import os
import re
import socket
import subprocess
import sys
import urllib.request

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import browser  # noqa: E402


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def serve(folder, port):
    server = subprocess.Popen([sys.executable, "-m", "http.server", str(port), "--bind", "127.0.0.1"],
                              cwd=folder, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    up = browser.wait_for(lambda: urlopen_ok("http://127.0.0.1:%d/" % port), 10, 0.1)
    return server, up


def urlopen_ok(url):
    try:
        with urllib.request.urlopen(url, timeout=2) as response:
            return response.status == 200
    except OSError:
        return False


def body_of(html):
    """The page without its head, where the two copies differ."""
    return html.split("</head>", 1)[1]


def check_files(checks, page, site):
    with open(page, encoding="utf-8") as f:
        single = f.read()
    with open(os.path.join(site, "index.html"), encoding="utf-8") as f:
        hosted = f.read()
    checks.check(body_of(single) == body_of(hosted), "site/index.html is not the single file's page")
    checks.check('<link rel="manifest" href="manifest.webmanifest">' in hosted, "no manifest link")
    policy = re.search(r'Content-Security-Policy" content="([^"]+)"', hosted).group(1)
    checks.check("connect-src 'none'" in policy and "worker-src 'self' blob:" in policy,
                 "hosted policy: %s" % policy)
    with open(os.path.join(site, "manifest.webmanifest"), encoding="utf-8") as f:
        manifest = json.load(f)
    checks.equal(manifest.get("display"), "standalone", "manifest display")
    checks.equal(manifest.get("start_url"), "./", "manifest start_url")
    sizes = {icon["sizes"] for icon in manifest.get("icons", [])}
    checks.check({"192x192", "512x512"} <= sizes, "manifest icons %s" % sizes)
    for icon in manifest["icons"]:
        checks.check(os.path.exists(os.path.join(site, icon["src"])), "icon %s missing" % icon["src"])


def compute_start_up(driver):
    driver.find_element("id", "calc-go").click()
    return [browser.value(driver, b) for b in ("calc-height", "calc-radius", "calc-angle")]


def run():
    page, site, _ = sys.argv[1:4]
    checks = browser.Checks()
    check_files(checks, page, site)
    port = free_port()
    url = "http://127.0.0.1:%d/" % port
    server, up = serve(site, port)
    driver = None
    try:
        if not checks.check(up, "the test server did not start"):
            return checks.exit_code("")
        driver = browser.start("phone")
        checks.check(browser.open_page(driver, url), "online: the engine did not load")
        controlled = browser.wait_for(lambda: driver.execute_script(
            "return navigator.serviceWorker.ready.then(() => true)"), 20)
        checks.check(controlled, "online: no service worker")
        # The worker takes the page over (clients.claim) once it has its files.
        browser.wait_for(lambda: driver.execute_script("return !!navigator.serviceWorker.controller"), 20)
        checks.equal(compute_start_up(driver), ["591.83", "1200", "119.03"], "online: start-up example")

        server.terminate()
        server.wait(10)
        server = None
        driver.execute_cdp_cmd("Network.enable", {})
        driver.execute_cdp_cmd("Network.emulateNetworkConditions",
                               {"offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
        checks.check(not urlopen_ok(url), "offline: the server still answers")
        checks.check(browser.open_page(driver, url + "#t=calc&ca=2491.78&cc=2067.63&cm=1", 20),
                     "offline: the page did not load from its service worker")
        checks.equal([browser.value(driver, b) for b in ("calc-height", "calc-radius", "calc-angle")],
                     ["591.83", "1200", "119.03"], "offline: the job from the address")
        violations = driver.execute_script("return window.__policyViolations || []")
        checks.equal(violations, [], "offline: policy violations")
    finally:
        if driver:
            driver.quit()
        if server:
            server.terminate()
            server.wait(10)
    return checks.exit_code("the hosted page works offline")


if __name__ == "__main__":
    browser.main_guard(run)
