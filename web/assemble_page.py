#!/usr/bin/python3
"""Assembles the web edition from web/ and the engine script emscripten made.

segcalc.html: one self-contained page (styles, scripts, WebAssembly, icon all
inline) that works opened from disk. The WebAssembly goes in as base64 in a
data block (a <script> of a type no browser runs), which js/engine.js
decodes and compiles; the page is written in ASCII alone (ascii_html.py).
site/: the same page as index.html with a manifest, a service worker and the
icons beside it, for hosting. The page's Content-Security-Policy allows its
own inline scripts by their hashes and nothing from anywhere else; the data
block is no script and needs none.
"""
import argparse
import base64
import hashlib
import os
import re
import shutil

from ascii_html import ascii_html

APP_SCRIPTS = ["engine.js", "state.js", "picture.js", "calculator.js", "part_view.js", "exact.js",
               "cutting_list.js", "bar_plan.js", "fit.js", "main.js"]
SITE_ICONS = ["segcalc.svg", "segcalc-256.png", "segcalc-192.png", "segcalc-512.png"]
CSP_PLACE = "{{csp}}"


def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


def script_hash(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode("utf-8")).digest()).decode() + "'"


def policy(script_hashes, site):
    # Workers run the page's own scripts from a blob; the hosted copy also
    # has its service worker and manifest from its own address.
    worker = "'self' blob:" if site else "blob:"
    directives = [
        "default-src 'none'",
        "script-src " + " ".join(script_hashes) + " 'wasm-unsafe-eval'",
        "style-src 'unsafe-inline'",
        "img-src data: blob:" + (" 'self'" if site else ""),
        "worker-src " + worker,
        "connect-src 'none'",
        "base-uri 'none'",
        "form-action 'none'",
    ]
    if site:
        directives.append("manifest-src 'self'")
    return "; ".join(directives)


def inline_icon(svg):
    """The icon's SVG as an element of the page, drawn at 28 px, hidden from
    screen readers as the heading says the same."""
    svg = re.sub(r"<\?xml[^>]*\?>\s*", "", svg)
    svg = re.sub(r"\s*<!--.*?-->", "", svg, flags=re.S)
    svg, count = re.subn(r'<svg ([^>]*?)width="\d+" height="\d+"', r'<svg \1width="28" height="28" aria-hidden="true"', svg)
    if count != 1:
        raise SystemExit("the icon's SVG has no width and height to set")
    return svg.strip()


def fill(template, values):
    def one(match):
        return values[match.group(1)]
    return re.sub(r"\{\{(\w+)\}\}", one, template)


def page(template, parts, site):
    site_head = ('<link rel="manifest" href="manifest.webmanifest">\n'
                 '<link rel="apple-touch-icon" href="segcalc-192.png">') if site else ""
    # The policy goes in last: it hashes the scripts as the page holds them,
    # in ASCII.
    html = ascii_html(fill(template, {**parts, "csp": CSP_PLACE, "site_head": site_head}))
    # Only the scripts the browser runs, those without a type.
    scripts = re.findall(r"<script(?![^>]*\btype=)[^>]*>(.*?)</script>", html, re.S)
    if html.count(CSP_PLACE) != 1:
        raise SystemExit("the page has no single place for its Content-Security-Policy")
    return html.replace(CSP_PLACE, policy([script_hash(s) for s in scripts], site))


def main():
    parser = argparse.ArgumentParser()
    for option in ("sources", "icons", "engine", "wasm", "version", "page", "site"):
        parser.add_argument("--" + option, required=True)
    args = parser.parse_args()

    engine = read(args.engine)
    # Either would end or confuse an inline script in the HTML parser.
    for marker in ("</script", "<!--"):
        if marker in engine.lower():
            raise SystemExit("the engine script holds '%s' and cannot be put inline" % marker)
    with open(os.path.join(args.icons, "segcalc.svg"), "rb") as f:
        svg = f.read()
    icon = "data:image/svg+xml;base64," + base64.b64encode(svg).decode()
    with open(args.wasm, "rb") as f:
        wasm = base64.b64encode(f.read()).decode()
    parts = {
        "style": read(os.path.join(args.sources, "page.css")),
        "wasm": wasm,
        "engine": engine,
        "runner": read(os.path.join(args.sources, "js", "batch_worker.js")),
        "app": "\n".join(read(os.path.join(args.sources, "js", name)) for name in APP_SCRIPTS),
        "icon": icon,
        "icon_svg": inline_icon(svg.decode("utf-8")),
        "version": args.version,
    }
    template = read(os.path.join(args.sources, "page.html"))
    write(args.page, page(template, parts, site=False))

    index = page(template, parts, site=True)
    write(os.path.join(args.site, "index.html"), index)
    # A new page gets a new cache, so a phone that kept the old one updates.
    cache = args.version + "-" + hashlib.sha256(index.encode("utf-8")).hexdigest()[:12]
    write(os.path.join(args.site, "sw.js"), read(os.path.join(args.sources, "sw.js")).replace("{{cache}}", cache))
    shutil.copyfile(os.path.join(args.sources, "manifest.webmanifest"),
                    os.path.join(args.site, "manifest.webmanifest"))
    for name in SITE_ICONS:
        shutil.copyfile(os.path.join(args.icons, name), os.path.join(args.site, name))


if __name__ == "__main__":
    main()
