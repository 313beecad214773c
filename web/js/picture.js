// The pictures the engine draws (shopfloor's PictureSvg: one SVG text, to
// scale), put into their holders at the holder's width. The engine draws in
// units whose text is 3.5 high: at kPxPerUnit px to the unit that is the
// page's small text on any screen, and the lines are as thick as on paper
// at four times the size.
"use strict";

SC.picture = (() => {
  const kPxPerUnit = 3.6;

  // Each holder's column width as last seen, so that drawing after the
  // page has changed does not make the browser lay it out first.
  const widths = new Map();

  function columnWidth(holder) {
    return widths.get(holder) || holder.parentElement.clientWidth;
  }

  // The box to draw into, in the picture's units: the column's width, and
  // at most three quarters of it and half the window's height, so that a
  // tall head still leaves the results in sight.
  function box(holder) {
    const width = Math.max(columnWidth(holder), 240) / kPxPerUnit;
    const height = Math.min(width * 0.75, Math.max(window.innerHeight * 0.5, 200) / kPxPerUnit);
    return [width, height];
  }

  // An empty text hides the holder.
  function show(holder, svg) {
    holder.hidden = !svg;
    // The engine's own SVG: every text in it escaped there.
    holder.innerHTML = svg;
  }

  // Draws again when the holder's column changes width (a turned phone, a
  // resized window, the tab shown for the first time).
  function redrawOnResize(holder, redraw) {
    if (typeof ResizeObserver !== "function") return;
    new ResizeObserver((entries) => {
      const now = Math.round(entries[entries.length - 1].contentRect.width);
      const before = columnWidth(holder);
      if (now === 0) return;
      widths.set(holder, now);
      if (now !== Math.round(before)) redraw();
    }).observe(holder.parentElement);
  }

  return { box, show, redrawOnResize };
})();
