// 校核: a bent piece's measured points, pasted or typed, against the circle
// fitted to them and the target radius, as segcalc-cli --fit reads and fits
// them: the fitted values, each point's residual and a picture of the
// points against both circles. Again as each input changes.
"use strict";

SC.fit = (() => {
  const points = SC.$("fit-points");
  const target = SC.$("fit-target");
  const unit = SC.$("fit-unit");
  const message = SC.$("fit-message");
  const picture = SC.$("fit-picture");
  // Longer point lists are fitted and drawn, but listed only this far.
  const kMostRows = 1000;
  let engine = null;
  let last = null; // the fit shown, for drawing it again at another width

  function showResiduals(rows) {
    const body = SC.$("fit-residuals").tBodies[0];
    body.replaceChildren();
    for (const row of rows.slice(0, kMostRows)) {
      const tr = body.insertRow();
      for (const cell of row) tr.insertCell().textContent = cell;
    }
    if (rows.length > kMostRows) {
      const more = body.insertRow().insertCell();
      more.colSpan = 4;
      more.textContent = "共 " + rows.length + " 点,只列出前 " + kMostRows + " 点";
    }
    SC.$("fit-residuals-wrap").hidden = rows.length === 0;
  }

  // Typing needs no save here: each field saves itself as it changes.
  function compute(save = true) {
    const text = points.value;
    if (!text.trim()) {
      last = null;
      SC.notice(message, "");
      SC.partView.showPairs(SC.$("fit-values"), []);
      showResiduals([]);
      SC.picture.show(picture, "");
      return;
    }
    last = [text, target.value, unit.value];
    const result = engine.fit(...last, ...SC.picture.box(picture));
    SC.notice(message, result.error);
    SC.partView.showPairs(SC.$("fit-values"), result.values);
    showResiduals(result.residuals);
    SC.picture.show(picture, result.picture);
    if (save) SC.state.save();
  }

  function redraw() {
    if (last) SC.picture.show(picture, engine.fit(...last, ...SC.picture.box(picture)).picture);
  }

  const computeSoon = SC.oncePerFrame(() => compute(false));

  function restore(params) {
    if (SC.state.restore(params, "f")) compute();
  }

  function init(readyEngine, params) {
    engine = readyEngine;
    SC.state.add("fp", points);
    SC.state.add("ft", target);
    SC.state.add("fu", unit);
    SC.selectOnFocus(target);
    const form = SC.$("fit-form");
    form.addEventListener("submit", (event) => {
      event.preventDefault();
      compute();
    });
    form.addEventListener("input", computeSoon);
    form.addEventListener("change", computeSoon);
    SC.picture.redrawOnResize(picture, redraw);
    if (params) restore(params);
  }

  return { init, restore };
})();
