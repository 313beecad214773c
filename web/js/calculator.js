// 计算器: the window's five boxes and its check box. 确 定 (or Enter) hands
// all five texts to the engine, which computes as the window does and says
// what each box shows afterwards; under them, the segment drawn with the
// calculator's values (and the exact ones where they differ).
"use strict";

SC.calculator = (() => {
  const names = ["arc", "chord", "height", "radius", "angle"];
  const boxes = names.map((name) => SC.$("calc-" + name));
  const exact = names.map((name) => SC.$("calc-" + name + "-exact"));
  const minor = SC.$("calc-minor");
  const message = SC.$("calc-message");
  const picture = SC.$("calc-picture");
  let engine = null;
  let computed = false;

  // Under the warning of a scan that matched nothing: the exact circle of
  // the same two numbers, and why the rule missed it.
  function showInstead(instead) {
    SC.$("calc-instead").hidden = !instead;
    const rows = SC.$("calc-instead-rows");
    rows.replaceChildren();
    if (!instead) return;
    for (const [label, value] of instead.rows) {
      const term = document.createElement("dt");
      term.textContent = "精确" + label;
      const detail = document.createElement("dd");
      detail.textContent = value;
      rows.append(term, detail);
    }
    SC.$("calc-instead-why").textContent = instead.why;
  }

  // The engine keeps its last compute and draws it at the page's size.
  function draw() {
    SC.picture.show(picture, engine.calculatorPicture(...SC.picture.box(picture)));
  }

  function compute() {
    const result = engine.calculate(boxes.map((box) => box.value), minor.checked);
    result.boxes.forEach((text, i) => {
      boxes[i].value = text;
    });
    result.exact.forEach((text, i) => {
      // A box the rule wrote where no arc has its two numbers says so.
      const noArc = !text && result.far[i] ? result.noArc : "";
      exact[i].textContent = text ? "精确 " + text : noArc;
      exact[i].classList.toggle("no-arc", noArc !== "");
      // Dark red where the calculator's value is far enough off the exact
      // one to mislead, or belongs to no arc, as in the window.
      boxes[i].classList.toggle("far", result.far[i]);
      exact[i].classList.toggle("far", result.far[i]);
    });
    SC.notice(message, result.message);
    showInstead(result.instead);
    SC.state.save();
    if (!computed) {
      computed = true;
      performance.mark("segcalc-first-result");
    }
    // After the numbers: the picture is not what the first result waits for.
    draw();
  }

  // A saved job is computed again at once, so that its results show.
  function restore(params) {
    if (!SC.state.restore(params, "c")) return false;
    compute();
    return true;
  }

  function init(readyEngine, params) {
    engine = readyEngine;
    ["ca", "cc", "ch"].forEach((key, i) => SC.state.add(key, boxes[i]));
    SC.state.add("cm", minor);
    boxes.slice(0, 3).forEach(SC.selectOnFocus);
    SC.picture.redrawOnResize(picture, () => {
      if (computed) draw();
    });
    SC.$("calc-form").addEventListener("submit", (event) => {
      event.preventDefault();
      compute();
    });
    // Enter on the check box computes too, as in the window.
    minor.addEventListener("keydown", (event) => {
      if (event.key === "Enter") {
        event.preventDefault();
        compute();
      }
    });
    if (params && restore(params)) return;
    const start = engine.startUp();
    start.boxes.forEach((text, i) => {
      boxes[i].value = text;
    });
    minor.checked = start.ticked;
  }

  return { init, restore };
})();
