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
  const message = SC.$("exact-message");
  const note = SC.$("exact-note");
  const printButton = SC.$("exact-print");
  const dxfButton = SC.$("exact-dxf");
  let engine = null;
  let last = null; // the job of the last compute that found a circle

  // What the engine makes everything from. The part options (segcalc_web.cpp's
  // ReadPartRequest) are read from here too: new ones are added beside step.
  function job() {
    return {
      boxes: boxes.map((box) => box.value),
      ticked: minor.checked,
      step: step.value,
      unit: unit.value,
    };
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

  return { init, restore };
})();
