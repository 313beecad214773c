// Starts the calculation: the tree's own C++ compiled to WebAssembly
// (segcalc_web.cpp), which sits in the page as base64 (#engine-wasm) beside
// its script (#engine-script). Every rule is there; the page's script only
// moves texts between it and the page.
"use strict";

const SC = {};

SC.$ = (id) => document.getElementById(id);

// The decimal and thousands separators of the browser's language, as the
// browser itself writes numbers in it: "." and "," for zh and en, "," and "."
// for de. Chinese, in any of its regions and scripts, and American English
// write "." and "," and are known without asking Intl: a browser's first
// number format reads its number data, which takes tens of milliseconds the
// opening page would spend waiting (the page's tests check these against Intl).
SC.knownSeparators = /^(zh(-[a-z0-9]{2,8})*|en|en-us)$/i;

SC.separators = (() => {
  const separators = { decimal: ".", thousands: "," };
  if (SC.knownSeparators.test(navigator.language)) return separators;
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

// The WebAssembly's bytes from its base64: native where the browser has
// Uint8Array.fromBase64, otherwise atob and a copy, a few milliseconds longer.
SC.base64Bytes = (text) => {
  if (typeof Uint8Array.fromBase64 === "function") return Uint8Array.fromBase64(text);
  const binary = atob(text);
  const bytes = new Uint8Array(binary.length);
  for (let i = 0; i < binary.length; ++i) bytes[i] = binary.charCodeAt(i);
  return bytes;
};

// Resolves with the engine; rejects when the browser has no WebAssembly or
// refuses to compile it. The module is compiled at once, on this thread: it
// takes a few milliseconds (the browser compiles each function when first
// called), and the first result comes before the page is first drawn, where a
// compile in the background could finish after it. The compiled module stays
// in SC.engineModule, for the cutting list's worker.
SC.startEngine = () => {
  if (typeof WebAssembly !== "object" || typeof SegcalcEngineFrom !== "function") {
    return Promise.reject(new Error("no WebAssembly"));
  }
  return new Promise((resolve) => {
    const module = new WebAssembly.Module(SC.base64Bytes(SC.$("engine-wasm").textContent));
    const engine = SegcalcEngineFrom(module);
    SC.engineModule = module;
    engine.setSeparators(SC.separators.decimal, SC.separators.thousands);
    resolve(engine);
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

// fn wrapped to run at most once a frame however often it is asked for, as
// typing asks: the part computed and drawn again once per frame.
SC.oncePerFrame = (fn) => {
  let pending = false;
  return () => {
    if (pending) return;
    pending = true;
    requestAnimationFrame(() => {
      pending = false;
      fn();
    });
  };
};

// The measurement boxes select their whole text when entered, as the
// window's do, so that typing replaces the value.
SC.selectOnFocus = (input) => {
  input.addEventListener("focus", () => input.select());
};
