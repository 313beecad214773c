// What 精确与放样 shows of a part, as the engine gives it: the short summary
// a shop reads first, then the part's sections and the ordinates, each
// folded under its title on a phone and open on a wider screen. A section
// opened or closed by hand stays so through the computes that follow.
"use strict";

SC.partView = (() => {
  const wide = matchMedia("(min-width: 48rem)");
  const opened = new Map(); // a section's title -> open, as last set by hand

  function folding(key, title) {
    const details = document.createElement("details");
    details.open = opened.has(key) ? opened.get(key) : wide.matches;
    const summary = document.createElement("summary");
    summary.append(title);
    details.appendChild(summary);
    details.addEventListener("toggle", () => opened.set(key, details.open));
    return details;
  }

  function tableOf(table) {
    const wrap = document.createElement("div");
    wrap.className = "table-wrap";
    const element = document.createElement("table");
    element.dataset.line = table.line;
    const caption = element.createCaption();
    caption.textContent = table.title;
    const head = element.createTHead().insertRow();
    for (const column of table.columns) {
      const th = document.createElement("th");
      th.scope = "col";
      th.textContent = column;
      head.appendChild(th);
    }
    const body = element.createTBody();
    for (const row of table.rows) {
      const tr = body.insertRow();
      for (const cell of row) tr.insertCell().textContent = cell;
    }
    wrap.appendChild(element);
    return wrap;
  }

  function valuesOf(list) {
    const wrap = document.createElement("div");
    wrap.className = "table-wrap";
    const element = document.createElement("table");
    element.className = "values";
    const body = element.createTBody();
    for (const [label, text, , , inLines] of list) {
      const tr = body.insertRow();
      if (inLines) tr.dataset.line = "1";
      const th = document.createElement("th");
      th.scope = "row";
      th.textContent = label;
      tr.appendChild(th);
      tr.insertCell().textContent = text;
    }
    wrap.appendChild(element);
    return wrap;
  }

  // Label and value pairs, as a list of terms.
  function showPairs(list, pairs) {
    list.replaceChildren();
    for (const [label, text] of pairs) {
      const term = document.createElement("dt");
      term.textContent = label;
      const detail = document.createElement("dd");
      detail.textContent = text;
      list.append(term, detail);
    }
    list.hidden = pairs.length === 0;
  }

  // Each section of the part as the report shows it: its values, then its
  // tables of points and pieces.
  function showSections(result) {
    const holder = SC.$("part-sections");
    holder.replaceChildren();
    for (const section of result.sections) {
      const title = document.createElement("h3");
      title.textContent = section.title;
      // The title may carry the profile's depth: the first word keys it.
      const block = folding(section.title.split("(")[0], title);
      block.className = "part-section";
      if (section.note) {
        const text = document.createElement("p");
        text.className = "note";
        text.textContent = section.note;
        block.appendChild(text);
      }
      for (const part of section.blocks) {
        if (part.values.length) block.appendChild(valuesOf(part.values));
        if (part.table) block.appendChild(tableOf(part.table));
      }
      holder.appendChild(block);
    }
    const errors = SC.$("part-errors");
    errors.replaceChildren();
    for (const error of result.errors) {
      const item = document.createElement("li");
      item.textContent = error;
      errors.appendChild(item);
    }
    errors.hidden = result.errors.length === 0;
  }

  function showOrdinates(result) {
    const body = SC.$("ordinates").tBodies[0];
    body.replaceChildren();
    for (const [x, y] of result.ordinates) {
      const row = body.insertRow();
      row.insertCell().textContent = x;
      row.insertCell().textContent = y;
    }
    SC.$("ordinates-step").textContent = result.step || "";
    SC.$("ordinates-wrap").hidden = result.ordinates.length === 0;
  }

  function show(result) {
    showPairs(SC.$("exact-summary"), result.summary);
    showSections(result);
    showOrdinates(result);
  }

  // The ordinates fold as the sections do; their element stays, and so
  // does whatever was done to it by hand.
  function init() {
    SC.$("ordinates-wrap").open = wide.matches;
  }

  return { init, show, showPairs };
})();
