// Start-up: the tabs, the engine, the saved job from the address, and on a
// hosted copy (site/) the service worker that keeps the page for offline use.
"use strict";

SC.tabs = (() => {
  const names = ["calc", "exact", "list", "fit"];
  const buttons = names.map((name) => SC.$("tab-" + name));
  const panels = names.map((name) => SC.$("panel-" + name));
  let current = 0;

  function select(index, focus) {
    current = index;
    buttons.forEach((button, i) => {
      button.setAttribute("aria-selected", String(i === index));
      button.tabIndex = i === index ? 0 : -1;
      panels[i].hidden = i !== index;
    });
    if (focus) buttons[index].focus();
  }

  buttons.forEach((button, i) => {
    button.addEventListener("click", () => {
      select(i, false);
      SC.state.save();
    });
    // Arrow keys move between the tabs, as in any tab list.
    button.addEventListener("keydown", (event) => {
      const step = { ArrowRight: 1, ArrowLeft: -1 }[event.key];
      if (!step) return;
      event.preventDefault();
      select((i + step + names.length) % names.length, true);
      SC.state.save();
    });
  });

  return {
    current: () => names[current],
    show: (name) => select(Math.max(0, names.indexOf(name)), false),
  };
})();

(() => {
  const fallback = SC.$("fallback");
  const noWebAssembly = fallback.textContent;
  if (typeof WebAssembly === "object") fallback.textContent = "正在载入计算程序…";
  SC.startEngine().then(
    (engine) => {
      const params = SC.state.read();
      // A job from the window carries the separators its numbers are written
      // with, which may not be the browser's language's.
      if (params && params.has("sd")) {
        SC.separators = { decimal: params.get("sd"), thousands: params.get("sg") || "", fromJob: true };
        engine.setSeparators(SC.separators.decimal, SC.separators.thousands);
      }
      SC.calculator.init(engine, params);
      SC.exact.init(engine, params);
      SC.cuttingList.init(engine, params);
      SC.barPlan.init();
      SC.fit.init(engine, params);
      if (params) SC.tabs.show(params.get("t") || "calc");
      // A link to another job opened in this tab changes only the fragment.
      window.addEventListener("hashchange", () => {
        const changed = SC.state.read();
        if (!changed) return;
        SC.calculator.restore(changed);
        SC.exact.restore(changed);
        SC.cuttingList.restore(changed);
        SC.fit.restore(changed);
        SC.tabs.show(changed.get("t") || "calc");
      });
      fallback.hidden = true;
      SC.$("app").hidden = false;
      document.body.dataset.ready = "1";
      performance.mark("segcalc-ready");
      // With a mouse the first box takes the keys at once; a phone keeps its
      // keyboard closed until a box is touched.
      if (SC.tabs.current() === "calc" && matchMedia("(pointer: fine)").matches) {
        SC.$("calc-arc").focus();
      }
    },
    () => {
      fallback.textContent = noWebAssembly;
    },
  );

  // Only the hosted copy links a manifest and has a service worker beside it;
  // a page opened from disk has neither and registers nothing. The worker
  // starts by fetching the page and its icons again, which the opening page
  // need not compete with: it is registered once the page has loaded.
  if ("serviceWorker" in navigator && document.querySelector('link[rel="manifest"]')) {
    const register = () => navigator.serviceWorker.register("sw.js").catch(() => {});
    if (document.readyState === "complete") register();
    else window.addEventListener("load", register, { once: true });
  }
})();
