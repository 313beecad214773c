// Computes a cutting list a slice at a time with the engine's CuttingList
// (the batch's own per-line code), reporting each slice as it is done, then
// keeps the list for its sheet files and its bar plan. The page runs this
// script twice: in the page, where it only defines runCuttingList, and behind
// the engine's script in a Web Worker, where it answers the page's messages,
// so that neither a long list nor a long plan ever holds up the page.
"use strict";

// job: {input: Uint8Array, columns: {exact, part: the part's fields or null},
// maxLines, sliceLines}. post receives
// {type: "start" | "slice" | "done" | "refused" | "failed" | "planProgress" |
// "plan" | "file", ...}. With pause (the page's fallback when it cannot start
// a worker) each next slice waits for pause(continuation); without, the
// slices follow one another at once. Gives the list's session: plan(options),
// file(kind) and close(), or null when the list was not computed.
function runCuttingList(engine, job, post, pause) {
  let list;
  try {
    list = new engine.CuttingList(job.input, job.columns);
  } catch (error) {
    post({ type: "failed", reason: String(error) });
    return null;
  }
  if (list.error()) {
    post({ type: "failed", reason: list.error() });
    list.delete();
    return null;
  }
  const lines = list.lines();
  if (lines > job.maxLines) {
    list.delete();
    post({ type: "refused", lines });
    return null;
  }
  let closed = false;
  const session = {
    plan(options) {
      if (closed) return;
      const result = list.plan(options, (fraction, stage) => post({ type: "planProgress", fraction, stage }));
      post({ type: "plan", result });
    },
    file(kind) {
      if (closed) return;
      post({ type: "file", kind, text: kind === "html" ? list.sheetHtml() : list.sheetCsv() });
    },
    close() {
      if (!closed) list.delete();
      closed = true;
    },
  };
  post({ type: "start", header: list.sheetHeader(), lines });
  const slice = () => {
    const output = list.next(job.sliceLines);
    const done = list.done();
    post({ type: "slice", rows: output.rows, messages: output.messages, done });
    return done >= lines;
  };
  const finish = () => post({ type: "done", totals: list.totals() });
  if (!pause) {
    while (!slice());
    finish();
    return session;
  }
  const step = () => {
    if (closed) return;
    if (!slice()) {
      pause(step);
      return;
    }
    finish();
  };
  step();
  return session;
}

if (typeof WorkerGlobalScope !== "undefined" && self instanceof WorkerGlobalScope) {
  let engine = null;
  let session = null;
  const post = (message) => self.postMessage(message);
  self.onmessage = (event) => {
    // The page sends the engine's compiled WebAssembly with each list; the
    // first instantiates it here.
    const message = event.data;
    if (!engine) engine = new Promise((resolve) => resolve(SegcalcEngineFrom(message.module)));
    engine.then(
      (ready) => {
        if (message.type === "run") {
          if (session) session.close();
          ready.setSeparators(message.separators.decimal, message.separators.thousands);
          session = runCuttingList(ready, message.job, post);
        } else if (session && message.type === "plan") {
          session.plan(message.options);
        } else if (session && message.type === "file") {
          session.file(message.kind);
        }
      },
      (error) => post({ type: "failed", reason: String(error) }),
    );
  };
}
