// 下料优化: the bars to cut for the computed list's pieces, planned by the
// engine in the worker that holds the list (SC.cuttingList.request), with its
// progress shown; then the saw sheet in the page, printable, and the plan as
// a spreadsheet.
"use strict";

SC.barPlan = (() => {
  const form = SC.$("plan-form");
  const go = SC.$("plan-go");
  const printButton = SC.$("plan-print");
  const downloadButton = SC.$("plan-download");
  const progressLine = SC.$("plan-progress-line");
  const progress = SC.$("plan-progress");
  const status = SC.$("plan-status");
  const message = SC.$("plan-message");
  const sheet = SC.$("plan-sheet");
  // Each option under the key the engine reads it by, and the list tab's
  // fragment key it is saved under.
  const fields = { bars: SC.$("plan-bars"), kerf: SC.$("plan-kerf"), barEnds: SC.$("plan-ends"),
    minOffcut: SC.$("plan-offcut") };
  const kKeys = { bars: "lb", kerf: "lk", barEnds: "le", minOffcut: "lo" };
  let plan = null; // the last plan: {html, csv}
  let planning = false;

  function clear() {
    plan = null;
    sheet.replaceChildren();
    printButton.disabled = downloadButton.disabled = true;
    SC.notice(message, "");
  }

  // The list has been computed (or is being computed again): the plan is of
  // the list as it is, so any earlier one goes.
  function listReady(hasParts) {
    clear();
    planning = false;
    progressLine.hidden = true;
    form.hidden = !hasParts;
    go.disabled = false;
  }

  function start() {
    if (planning) return;
    clear();
    planning = true;
    go.disabled = true;
    progressLine.hidden = false;
    progress.value = 0;
    status.textContent = "正在排料…";
    const options = {};
    for (const [name, input] of Object.entries(fields)) options[name] = input.value;
    SC.cuttingList.request({ type: "plan", options });
  }

  function receive(data) {
    if (data.type === "planProgress") {
      progress.value = data.fraction;
      status.textContent = "正在排料(" + data.stage + ")…";
      return;
    }
    planning = false;
    go.disabled = false;
    progress.value = 1;
    const result = data.result;
    if (result.error) {
      progressLine.hidden = true;
      SC.notice(message, result.error);
      return;
    }
    status.textContent = "已排好";
    plan = { html: result.html, csv: result.csv };
    // The engine's saw sheet, every text of the user escaped there.
    sheet.innerHTML = result.body;
    printButton.disabled = downloadButton.disabled = false;
  }

  function init() {
    for (const [name, input] of Object.entries(fields)) SC.state.add(kKeys[name], input);
    form.addEventListener("submit", (event) => {
      event.preventDefault();
      start();
    });
    printButton.addEventListener("click", () => {
      if (plan) SC.printWindow(message).show(plan.html);
    });
    downloadButton.addEventListener("click", () => {
      if (plan) SC.downloadCsv("下料方案.csv", plan.csv);
    });
  }

  return { init, listReady, receive };
})();
