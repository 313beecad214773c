"""What the printing tests read from a report printed by Chromium: its
pages' sizes and texts (poppler's pdfinfo and pdftotext) and the length of
the blue 100 mm check bar on a page rasterised by pdftoppm."""
import os
import re
import subprocess

DPI = 254  # 10 pixels per millimetre


def print_pdf(chromium, html, pdf, profile):
    subprocess.run(
        [chromium, "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--user-data-dir=" + profile, "--no-pdf-header-footer", "--print-to-pdf=" + pdf,
         "file://" + html],
        check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=300)


def page_sizes(pdf):
    info = subprocess.run(["pdfinfo", "-f", "1", "-l", "100000", pdf], check=True,
                          capture_output=True, text=True).stdout
    return [(float(w), float(h)) for w, h in
            re.findall(r"Page\s+\d+ size:\s+([\d.]+) x ([\d.]+) pts", info)]


def page_texts(pdf, pages):
    texts = []
    for page in range(1, pages + 1):
        texts.append(subprocess.run(["pdftotext", "-f", str(page), "-l", str(page), pdf, "-"],
                                    check=True, capture_output=True, text=True).stdout)
    return texts


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    # P6 header: magic, width, height, maxval, each separated by whitespace.
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        start = pos
        while not data[pos:pos + 1].isspace():
            pos += 1
        fields.append(data[start:pos])
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos + 1:]


def check_bar_length_mm(pdf, page, work):
    """The bar's length in mm at DPI: the longest horizontal run of its blue,
    with the partly covered pixels at both ends counted by their coverage."""
    base = os.path.join(work, "page%d" % page)
    subprocess.run(["pdftoppm", "-r", str(DPI), "-f", str(page), "-l", str(page), "-singlefile",
                    pdf, base], check=True)
    width, height, pixels = read_ppm(base + ".ppm")

    def blue(row, x):
        r, g, b = row[3 * x], row[3 * x + 1], row[3 * x + 2]
        return b > 160 and r < 90 and g < 90

    best = (0, 0, 0)  # length, row, first pixel
    for y in range(height):
        row = pixels[y * width * 3:(y + 1) * width * 3]
        run = 0
        for x in range(width):
            run = run + 1 if blue(row, x) else 0
            if run > best[0]:
                best = (run, y, x - run + 1)
    length, y, first = best
    if length == 0:
        return 0.0
    row = pixels[y * width * 3:(y + 1) * width * 3]
    # Antialiased end pixels: white is red 255, the bar's blue red 0.
    partial = sum((255 - row[3 * x]) / 255 for x in (first - 1, first + length)
                  if 0 <= x < width)
    return (length + partial) * 25.4 / DPI
