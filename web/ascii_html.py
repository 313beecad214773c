"""Writes a page's text in ASCII alone, for assemble_page.py.

Browsers decode a page into 8-bit text when every character of it fits in
8 bits, and into 16-bit text for the whole page as soon as one does not: a
single Chinese label would make them decode, scan and tokenize the page's
base64 WebAssembly, most of its bytes, at twice the width. Each character
beyond ASCII is written as the escape its context reads back as the same
character: \\uXXXX in scripts, \\XXXXXX in styles, &#xXXXX; in markup.
"""
import re

BLOCK = re.compile(r"(<script\b[^>]*>)(.*?)(</script>)|(<style\b[^>]*>)(.*?)(</style>)", re.S)
BEYOND_ASCII = re.compile(r"[^\x00-\x7f]")


def _script_escape(match):
    code = ord(match.group(0))
    if code < 0x10000:
        return "\\u%04x" % code
    # A character beyond the 16-bit range is a surrogate pair in a script's
    # strings and patterns alike.
    code -= 0x10000
    return "\\u%04x\\u%04x" % (0xD800 + (code >> 10), 0xDC00 + (code & 0x3FF))


def _style_escape(match):
    # Six hex digits end the escape by themselves; no space is swallowed.
    return "\\%06x" % ord(match.group(0))


def _markup_escape(match):
    return "&#x%x;" % ord(match.group(0))


def ascii_html(html):
    """The same page, every character beyond ASCII escaped for its context."""
    parts = []
    position = 0
    for block in BLOCK.finditer(html):
        parts.append(BEYOND_ASCII.sub(_markup_escape, html[position:block.start()]))
        if block.group(1):
            parts.append(block.group(1) + BEYOND_ASCII.sub(_script_escape, block.group(2)) + block.group(3))
        else:
            parts.append(block.group(4) + BEYOND_ASCII.sub(_style_escape, block.group(5)) + block.group(6))
        position = block.end()
    parts.append(BEYOND_ASCII.sub(_markup_escape, html[position:]))
    return "".join(parts)
