// 精确与放样: any two of the five quantities give the exact circle (true pi),
// its ordinate table, the 1:1 report for printing and the DXF drawing, all
// made by the engine from the same job.
"use strict";

SC.exact = (() => {
  const names = ["arc", "chord", "height", "radius", "angle"];
  const boxes = names.map((name) => SC.$("exact-" + name));
  const values = names.map((name) => SC.$("exact-" + name + "-value"));
  const minor = SC.$("exact-minor");
  const unit = SC.$("exact-unit");
  const step = SC.$("exact-step");
  // The part's fields, under the names the engine reads them by.
  const partFields = {
    stations: SC.$("exact-stations"),
    profile: SC.$("exact-profile"),
    face: SC.$("exact-face"),
    neutral: SC.$("exact-neutral"),
    tails: SC.$("exact-tails"),
    trim: SC.$("exact-trim"),
    divideBy: SC.$("exact-divide-by"),
    divideValue: SC.$("exact-divide-value"),
  };
  const area = SC.$("exact-area");
  const message = SC.$("exact-message");
  const note = SC.$("exact-note");
  const printButton = SC.$("exact-print");
  const dxfButton = SC.$("exact-dxf");
  let engine = null;
  let last = null; // the job of the last compute that found a circle

  // The part's fields alone: the cutting list takes them too.
  function partJob() {
    const part = { step: step.value, unit: unit.value, area: area.checked };
    for (const [name, element] of Object.entries(partFields)) part[name] = element.value;
    return part;
  }

  // What the engine makes everything from.
  function job() {
    return { boxes: boxes.map((box) => box.value), ticked: minor.checked, ...partJob() };
  }

  function fill(id, rows) {
    const body = SC.$(id).tBodies[0];
    body.replaceChildren();
    for (const cells of rows) {
      const row = body.insertRow();
      cells.forEach((text, i) => {
        const cell = i === 0 && id === "part-values" ? document.createElement("th") : null;
        if (cell) {
          cell.scope = "row";
          cell.textContent = text;
          row.appendChild(cell);
        } else {
          row.insertCell().textContent = text;
        }
      });
    }
    SC.$(id + "-wrap").hidden = rows.length === 0;
  }

  function showPart(part) {
    fill("part-values", part ? part.values : []);
    fill("part-points", part ? part.points : []);
    fill("part-stations", part ? part.stations : []);
    const errors = SC.$("part-errors");
    errors.replaceChildren();
    for (const error of part ? part.errors : []) {
      const item = document.createElement("li");
      item.textContent = error;
      errors.appendChild(item);
    }
    errors.hidden = !part || part.errors.length === 0;
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

  function compute() {
    const current = job();
    const result = engine.exactCircle(current);
    values.forEach((element, i) => {
      const calculator = result.calculator ? "计算器 " + result.calculator[i] : "";
      const exact = result.exact ? "精确 " + result.exact[i] : "";
      element.textContent = [exact, calculator].filter(Boolean).join(",");
    });
    const notes = [];
    if (result.other) notes.push(result.other);
    if (result.calculator === null && result.calculatorMessage) {
      notes.push("计算器(π 取 3.14):" + result.calculatorMessage);
    }
    note.textContent = notes.join(" ");
    note.hidden = notes.length === 0;
    SC.notice(message, result.error);
    showOrdinates(result);
    showPart(result.part);
    last = result.exact ? { job: current, dxfName: result.dxfName } : null;
    printButton.disabled = dxfButton.disabled = last === null;
    SC.state.save();
  }

  // The report opens in a window of its own, which the browser prints; its
  // page settings choose A4 and the margins.
  function printReport() {
    if (!last) return;
    const html = engine.report(last.job);
    const view = window.open("", "_blank");
    if (!view) {
      SC.notice(message, "浏览器拦截了新窗口,请允许本页打开窗口后再试。");
      return;
    }
    view.document.open();
    view.document.write(html);
    view.document.close();
    view.focus();
    view.print();
  }

  function downloadDxf() {
    if (!last) return;
    SC.download(last.dxfName, [engine.dxf(last.job)], "application/dxf");
  }

  function init(readyEngine, params) {
    engine = readyEngine;
    ["ea", "ec", "eh", "er", "eg"].forEach((key, i) => SC.state.add(key, boxes[i]));
    SC.state.add("em", minor);
    SC.state.add("eu", unit);
    SC.state.add("es", step);
    const keys = { stations: "ep", profile: "ed", face: "ef", neutral: "ek", tails: "et", trim: "ex",
      divideBy: "eb", divideValue: "ev" };
    for (const [name, key] of Object.entries(keys)) SC.state.add(key, partFields[name]);
    SC.state.add("ez", area);
    boxes.forEach(SC.selectOnFocus);
    SC.$("exact-form").addEventListener("submit", (event) => {
      event.preventDefault();
      compute();
    });
    printButton.addEventListener("click", printReport);
    dxfButton.addEventListener("click", downloadDxf);
    // What is drawn is what was computed: a changed input waits for 求 精确解.
    SC.$("exact-form").addEventListener("input", () => {
      last = null;
      printButton.disabled = dxfButton.disabled = true;
    });
    if (params) restore(params);
  }

  function restore(params) {
    if (SC.state.restore(params, "e")) compute();
  }

  return { init, restore, partJob };
})();
