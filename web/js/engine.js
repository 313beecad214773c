// Starts the calculation: the tree's own C++ compiled to WebAssembly
// (segcalc_web.cpp), whose script sits in the page as #engine-script. Every
// rule is there; the page's script only moves texts between it and the page.
"use strict";

const SC = {};

SC.$ = (id) => document.getElementById(id);

// The decimal and thousands separators of the browser's language, as the
// browser itself writes numbers in it: "." and "," for zh and en, "," and "."
// for de.
SC.separators = (() => {
  const separators = { decimal: ".", thousands: "," };
  try {
    for (const part of new Intl.NumberFormat(navigator.language).formatToParts(1234567.5)) {
      if (part.type === "decimal") separators.decimal = part.value;
      if (part.type === "group") separators.thousands = part.value;
    }
  } catch (error) {
    // A browser without Intl keeps the full stop and comma.
  }
  return separators;
})();

// Resolves with the engine once its WebAssembly is compiled; rejects when
// the browser has no WebAssembly or refuses to compile it.
SC.startEngine = () => {
  if (typeof WebAssembly !== "object" || typeof SegcalcEngine !== "function") {
    return Promise.reject(new Error("no WebAssembly"));
  }
  // Compiled at once, the engine comes back as it is rather than promised;
  // a failure to compile is thrown.
  return new Promise((resolve) => resolve(SegcalcEngine())).then((engine) => {
    engine.setSeparators(SC.separators.decimal, SC.separators.thousands);
    return engine;
  });
};

// Shows a message in a notice box, titled as the window titles its warnings;
// an empty text hides the box.
SC.notice = (element, text, title = "运行提示") => {
  element.replaceChildren();
  element.hidden = !text;
  if (!text) return;
  const heading = document.createElement("strong");
  heading.textContent = title;
  element.append(heading, document.createTextNode(text));
};

// Hands a file to the browser's downloads; nothing is sent anywhere.
SC.download = (name, parts, type) => {
  const url = URL.createObjectURL(new Blob(parts, { type }));
  const link = document.createElement("a");
  link.href = url;
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 60000);
};

// A printable page (a report, a sheet) in a window of its own, which the
// browser prints; the page's own settings choose the paper. The window is
// opened while the click is handled, as browsers allow, and filled when the
// page is ready: SC.printWindow(notice) on the click, then view.show(html).
SC.printWindow = (noticeElement) => {
  const view = window.open("", "_blank");
  if (!view) SC.notice(noticeElement, "浏览器拦截了新窗口,请允许本页打开窗口后再试。");
  return {
    show(html) {
      if (!view || view.closed) return;
      view.document.open();
      view.document.write(html);
      view.document.close();
      view.focus();
      view.print();
    },
  };
};

// A spreadsheet the engine wrote, UTF-8 with its byte-order mark as Excel
// needs; the engine's mark is lost when its text becomes a JavaScript string.
SC.downloadCsv = (name, text) => {
  SC.download(name, [text.startsWith("\ufeff") ? text : "\ufeff" + text], "text/csv;charset=utf-8");
};

// The measurement boxes select their whole text when entered, as the
// window's do, so that typing replaces the value.
SC.selectOnFocus = (input) => {
  input.addEventListener("focus", () => input.select());
};
