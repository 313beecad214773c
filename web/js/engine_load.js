// Compiles the calculation's WebAssembly as soon as the page's head is read.
// It sits in the head as base64 text (#engine-wasm), a data block the script
// engine never parses; the browser compiles it on other threads while it
// reads the rest of the page, and engine.js instantiates it at once from
// SegcalcModule. Runs before the page's other scripts, which it knows nothing of.
"use strict";

// Native where the browser has it (Uint8Array.fromBase64); otherwise atob and
// a copy, a few milliseconds longer.
function segcalcBase64Bytes(text) {
  if (typeof Uint8Array.fromBase64 === "function") return Uint8Array.fromBase64(text);
  const binary = atob(text);
  const bytes = new Uint8Array(binary.length);
  for (let i = 0; i < binary.length; ++i) bytes[i] = binary.charCodeAt(i);
  return bytes;
}

// A promise of the compiled WebAssembly.Module; rejected without WebAssembly
// or when the browser refuses to compile it.
const SegcalcModule = (() => {
  if (typeof WebAssembly !== "object") return Promise.reject(new Error("no WebAssembly"));
  try {
    return WebAssembly.compile(segcalcBase64Bytes(document.getElementById("engine-wasm").textContent));
  } catch (error) {
    return Promise.reject(error);
  }
})();
// Seen by engine.js; without a handler until then, a refusal would be logged
// as unhandled.
SegcalcModule.catch(() => {});
