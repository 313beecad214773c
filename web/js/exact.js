// 精确与放样: any two of the five quantities give the exact circle (true pi),
// or the chord and height boxes give the span and rise of another head; its
// ordinates, the part's sections, the 1:1 report for printing and the DXF
// drawing, all made by the engine from the same job.
"use strict";

SC.exact = (() => {
  const names = ["arc", "chord", "height", "radius", "angle"];
  const boxes = names.map((name) => SC.$("exact-" + name));
  const values = names.map((name) => SC.$("exact-" + name + "-value"));
  const labels = names.map((name) => document.querySelector("label[for='exact-" + name + "']"));
  const segmentLabels = labels.map((label) => label.textContent);
  const minor = SC.$("exact-minor");
  const divideBy = SC.$("exact-divide-by");
  const divideValue = SC.$("exact-divide-value");
  const shapes = [...document.querySelectorAll("input[name='exact-shape']")];
  const message = SC.$("exact-message");
  const note = SC.$("exact-note");
  const printButton = SC.$("exact-print");
  const dxfButton = SC.$("exact-dxf");
  let engine = null;
  let fields = []; // [key, the page's name, flag] of the option table
  let last = null; // the job of the last compute that found a head

  function shape() {
    const checked = shapes.find((input) => input.checked);
    return checked ? checked.value : "segment";
  }

  // The part's fields alone, under the option table's keys: the cutting
  // list takes them too. The division's way names the key its value goes to.
  function partJob() {
    const part = { shape: shape() };
    for (const [key, , flag] of fields) {
      const element = SC.$("exact-" + key);
      if (!element) continue;
      part[key] = flag ? element.checked : element.value;
    }
    part[divideBy.value] = divideValue.value;
    return part;
  }

  // What the engine makes everything from; a named head reads its span,
  // rise and radius from the chord, height and radius boxes.
  function job() {
    return { boxes: boxes.map((box) => box.value), ticked: minor.checked, ...partJob() };
  }

  // A head other than the segment: the boxes say span and rise, and only
  // the fields that shape takes are shown.
  function showShape() {
    const current = shape();
    const named = current !== "segment";
    const shown = named ? [false, true, true, current === "pointed", false] : [true, true, true, true, true];
    boxes.forEach((box, i) => {
      box.closest(".field").hidden = !shown[i];
      labels[i].textContent = named ? { 1: "跨度", 2: "拱高", 3: "半径" }[i] || segmentLabels[i] : segmentLabels[i];
    });
    minor.closest(".check").hidden = named;
    SC.$("head-options").hidden = !named;
    for (const field of SC.$("head-options").querySelectorAll("[data-shapes]")) {
      field.hidden = !field.dataset.shapes.split(" ").includes(current);
    }
    SC.$("exact-hint").textContent = named
      ? "填跨度和拱高" + (current === "pointed" ? "(或跨度和半径)" : "") + (current === "semicircle" ? "(半圆只需跨度)" : "") +
        ",按真 π 求拱的各段圆弧、纵距表、放样图和 DXF 图;尺寸为“所量的面”所指的一面。"
      : "弧长、弦长、弦高、半径、夹角任填两项,求真 π 下的圆弧、纵距表、放样图和 DXF 图。";
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

  // Each section of the part as the report shows it: its values, then its
  // tables of points and pieces.
  function showSections(result) {
    const holder = SC.$("part-sections");
    holder.replaceChildren();
    for (const section of result.sections) {
      const block = document.createElement("div");
      block.className = "part-section";
      const title = document.createElement("h3");
      title.textContent = section.title;
      block.appendChild(title);
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
    showSections(result);
    last = result.dxfName && !result.error ? { job: current, dxfName: result.dxfName } : null;
    printButton.disabled = dxfButton.disabled = last === null;
    SC.state.save();
  }

  function printReport() {
    if (!last) return;
    SC.printWindow(message).show(engine.report(last.job));
  }

  function downloadDxf() {
    if (!last) return;
    SC.download(last.dxfName, [engine.dxf(last.job)], "application/dxf");
  }

  // Fragment keys: the first ones as the page has always saved them, the
  // later fields under e and their own key.
  const kKeys = { step: "es", stations: "ep", profile: "ed", face: "ef", neutral: "ek", tails: "et",
    trim: "ex", area: "ez", unit: "eu" };

  function init(readyEngine, params) {
    engine = readyEngine;
    fields = engine.shopFields();
    ["ea", "ec", "eh", "er", "eg"].forEach((key, i) => SC.state.add(key, boxes[i]));
    SC.state.add("em", minor);
    for (const [key] of fields) {
      const element = SC.$("exact-" + key);
      if (element) SC.state.add(kKeys[key] || "e" + key, element);
    }
    SC.state.add("eb", divideBy);
    SC.state.add("ev", divideValue);
    SC.state.addGroup("eshape", shapes);
    boxes.forEach(SC.selectOnFocus);
    for (const input of shapes) input.addEventListener("change", showShape);
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
    showShape();
    if (params) restore(params);
  }

  function restore(params) {
    const any = SC.state.restore(params, "e");
    showShape();
    if (any) compute();
  }

  return { init, restore, partJob };
})();
