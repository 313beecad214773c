// 精确与放样: any two of the five quantities give the exact circle (true pi),
// or the chord and height boxes give the span and rise of another head; its
// ordinates, the part's sections, its picture, the 1:1 report for printing
// and the DXF drawing, all made by the engine from the same job, again as
// each input changes.
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
  const stationsBy = SC.$("exact-stations-by");
  const stationsValue = SC.$("exact-stations-value");
  const stationsLabel = document.querySelector("label[for='exact-stations-value']");
  const picture = SC.$("exact-picture");
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
    // The stations' way and its value, as segcalc-cli's --stations takes them.
    if (stationsValue.value.trim()) part.stations = stationsBy.value + ":" + stationsValue.value;
    return part;
  }

  // What the value box asks for under each way of placing the stations; a
  // list of spacings needs the comma, which a phone's number pad may lack.
  const kStationValues = {
    从中点按间距: ["间距", "如 200", "decimal"],
    从左端按间距: ["间距", "如 250", "decimal"],
    弦长等分: ["份数", "如 8", "decimal"],
    间距表: ["各段间距", "如 300,450,450", "text"],
  };

  function showStationsBy() {
    const [label, placeholder, mode] = kStationValues[stationsBy.value];
    stationsLabel.textContent = label;
    stationsValue.placeholder = placeholder + ",不填则无放样点";
    stationsValue.inputMode = mode;
  }

  // An address saved before the ways had a list of their own holds the
  // option's whole text (from-end:250): its way is found by any of the
  // names the option lists.
  function restoreStationText(text) {
    const colon = text.search(/[:\uff1a]/);
    if (colon < 0) return;
    const name = text.slice(0, colon).trim().toLowerCase();
    const way = [...stationsBy.options].find(
      (option) => option.value === name || option.dataset.names.split(" ").includes(name));
    if (way) stationsBy.value = way.value;
    stationsValue.value = text.slice(colon + 1);
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

  // Typing needs no save here: each field saves itself as it changes.
  function compute(save = true) {
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
    SC.partView.show(result);
    last = result.dxfName && !result.error ? { job: current, dxfName: result.dxfName } : null;
    printButton.disabled = dxfButton.disabled = last === null;
    draw();
    if (save) SC.state.save();
  }

  // The part of the last compute, drawn by the engine from the job it has
  // kept; nothing where there is no part.
  function draw() {
    SC.picture.show(picture, last ? engine.exactPicture(last.job, ...SC.picture.box(picture)) : "");
    performance.mark("segcalc-part-drawn");
  }

  // Typing computes and draws again, once a frame however fast the keys.
  const computeSoon = SC.oncePerFrame(() => compute(false));

  function printReport() {
    if (!last) return;
    SC.printWindow(message).show(engine.report(last.job));
  }

  function downloadDxf() {
    if (!last) return;
    SC.download(last.dxfName, [engine.dxf(last.job)], "application/dxf");
  }

  // Fragment keys: the first ones as the page has always saved them, the
  // later fields under e and their own key. The stations' way and value are
  // epm and epv; ep held the option's whole text before (restoreStationText).
  const kKeys = { step: "es", profile: "ed", face: "ef", neutral: "ek", tails: "et",
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
    SC.state.add("epm", stationsBy);
    SC.state.add("epv", stationsValue);
    SC.state.addGroup("eshape", shapes);
    boxes.forEach(SC.selectOnFocus);
    for (const input of shapes) input.addEventListener("change", showShape);
    SC.$("exact-form").addEventListener("submit", (event) => {
      event.preventDefault();
      compute();
    });
    printButton.addEventListener("click", printReport);
    dxfButton.addEventListener("click", downloadDxf);
    stationsBy.addEventListener("change", showStationsBy);
    // What is shown, printed and drawn is always the inputs as they stand.
    SC.$("exact-form").addEventListener("input", computeSoon);
    SC.$("exact-form").addEventListener("change", computeSoon);
    SC.partView.init();
    SC.picture.redrawOnResize(picture, draw);
    showShape();
    showStationsBy();
    if (params) restore(params);
  }

  function restore(params) {
    let any = SC.state.restore(params, "e");
    if (params.has("ep") && !params.has("epv")) {
      restoreStationText(params.get("ep"));
      any = true;
    }
    showShape();
    showStationsBy();
    if (any) compute();
  }

  return { init, restore, partJob };
})();
