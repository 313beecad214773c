// Computes a cutting list a slice at a time with the engine's CuttingList
// (the batch's own per-line code), reporting each slice as it is done. The
// page runs this script twice: in the page, where it only defines
// runCuttingList, and behind the engine's script in a Web Worker, where it
// answers the page's messages, so that a long list never holds up the page.
"use strict";

// job: {input: Uint8Array, columns: {exact, part: the part's fields or null},
// maxLines, sliceLines}. post receives
// {type: "start" | "slice" | "done" | "refused" | "failed", ...}. With pause
// (the page's fallback when it cannot start a worker) each next slice waits
// for pause(continuation); without, the slices follow one another at once.
function runCuttingList(engine, job, post, pause) {
  let list;
  try {
    list = new engine.CuttingList(job.input, job.columns);
  } catch (error) {
    post({ type: "failed", reason: String(error) });
    return;
  }
  if (list.error()) {
    post({ type: "failed", reason: list.error() });
    list.delete();
    return;
  }
  const lines = list.lines();
  if (lines > job.maxLines) {
    list.delete();
    post({ type: "refused", lines });
    return;
  }
  post({ type: "start", header: list.header(), lines });
  const slice = () => {
    const output = list.next(job.sliceLines);
    const done = list.done();
    post({
      type: "slice",
      results: output.results,
      messages: output.messages,
      done,
      headerSkipped: list.headerSkipped(),
    });
    return done >= lines;
  };
  if (!pause) {
    while (!slice());
    list.delete();
    post({ type: "done" });
    return;
  }
  const step = () => {
    if (!slice()) {
      pause(step);
      return;
    }
    list.delete();
    post({ type: "done" });
  };
  step();
}

if (typeof WorkerGlobalScope !== "undefined" && self instanceof WorkerGlobalScope) {
  let engine = null;
  self.onmessage = (event) => {
    // The page sends the engine's compiled WebAssembly with each job; the
    // first instantiates it here.
    const { job, separators, module } = event.data;
    if (!engine) engine = new Promise((resolve) => resolve(SegcalcEngineFrom(module)));
    engine.then(
      (ready) => {
        ready.setSeparators(separators.decimal, separators.thousands);
        runCuttingList(ready, job, (message) => self.postMessage(message));
      },
      (error) => self.postMessage({ type: "failed", reason: String(error) }),
    );
  };
}
