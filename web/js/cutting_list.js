// 下料单: a cutting list pasted or opened from a file, computed by the batch's
// own rules in a Web Worker (runCuttingList) and shown as the sheet a shop
// reads, one row per input line, then its totals and identical parts; the
// sheet downloadable for Excel and printable. The worker keeps the list for
// the bar plan (SC.barPlan), which asks through request().
"use strict";

SC.cuttingList = (() => {
  // What a phone's tab can hold as a table; a longer list is refused with the
  // reason, and segcalc-cli computes it on a computer.
  const kMaxLines = 120000;
  const kMaxBytes = 16 * 1024 * 1024;
  const kSliceLines = 2000;
  // Rows per body of the table: each body is laid out on its own (page.css),
  // so adding rows to a long list costs the rows added, not the list.
  const kRowsPerBody = 1000;
  const text = SC.$("list-text");
  const fileInput = SC.$("list-file");
  const source = SC.$("list-source");
  const exact = SC.$("list-exact");
  const part = SC.$("list-part");
  const go = SC.$("list-go");
  const stop = SC.$("list-stop");
  const downloadButton = SC.$("list-download");
  const printButton = SC.$("list-print");
  const totalsBlock = SC.$("list-totals");
  const summary = SC.$("list-summary");
  const groups = SC.$("list-groups");
  const progressLine = SC.$("list-progress-line");
  const progress = SC.$("list-progress");
  const status = SC.$("list-status");
  const message = SC.$("list-message");
  const messages = SC.$("list-messages");
  const table = SC.$("list-table");
  let engine = null;
  let worker = null;
  let file = null; // {name, bytes} of the opened file, until the text is edited
  let run = null; // the list being computed or last computed
  let session = null; // the list kept where no worker computes it
  let printing = null; // the window the printed sheet goes to
  let pending = []; // rows received and not yet in the table
  let drawing = false;

  function escape(cell) {
    return cell.replace(/&/g, "&amp;").replace(/</g, "&lt;").replace(/>/g, "&gt;");
  }

  // A sheet row: 行, 编号, 数量, 结果, the values, 说明; the outcome coloured
  // when the line has none, the note in full when the cell is too narrow.
  function rowHtml(line) {
    const cells = line.split("\t").map(escape);
    if (cells[3] !== "已解") cells[3] = '<span class="failed">' + cells[3] + "</span>";
    const note = cells[cells.length - 1];
    if (note) cells[cells.length - 1] = '<span title="' + note.replace(/"/g, "&quot;") + '">' + note + "</span>";
    return "<tr><td>" + cells.join("</td><td>") + "</td></tr>";
  }

  function setHeader(header) {
    // The column count sizes the head and every body alike (page.css).
    table.style.setProperty("--columns", String(header.split("\t").length));
    table.tHead.innerHTML =
      "<tr>" + header.split("\t").map((name) => '<th scope="col">' + escape(name) + "</th>").join("") + "</tr>";
  }

  function finish(text, isError) {
    go.disabled = false;
    stop.hidden = true;
    status.textContent = isError ? "" : text;
    if (isError) SC.notice(message, text);
  }

  function cellsHtml(cells, tag) {
    return "<tr>" + cells.map((cell) => "<" + tag + ">" + escape(String(cell)) + "</" + tag + ">").join("") + "</tr>";
  }

  // Under the list: how many lines and parts, their total length at the saw,
  // and the identical parts with their combined quantity.
  function showTotals(totals) {
    summary.tBodies[0].innerHTML = [
      ["行数", totals.lines],
      ["无零件的行", totals.withoutPart],
      ["零件数", totals.parts],
      ["总" + totals.cutLabel, totals.cutLength],
    ].map((row) => "<tr><th scope=\"row\">" + escape(row[0]) + "</th><td>" + escape(String(row[1])) + "</td></tr>").join("");
    groups.tHead.innerHTML = cellsHtml(["行", "编号", "合计数量", totals.cutLabel], "th");
    groups.tBodies[0].innerHTML = totals.groups
      .map((group) => cellsHtml([group.lines, group.marks, group.quantity, group.cutLength], "td"))
      .join("");
    groups.hidden = totals.groups.length === 0;
    totalsBlock.hidden = false;
    SC.barPlan.listReady(totals.parts > 0);
  }

  function receive(event) {
    const data = event.data || event;
    switch (data.type) {
      case "start":
        run.header = data.header;
        run.total = data.lines;
        setHeader(data.header);
        break;
      case "slice": {
        const lines = data.rows.split("\n");
        lines.pop(); // each row ends its line
        run.lines.push(...lines);
        pending.push(...lines);
        draw();
        if (data.messages) {
          for (const text of data.messages.split("\n").filter(Boolean)) {
            if (run.messages++ < 200) messages.insertAdjacentHTML("beforeend", "<li>" + escape(text) + "</li>");
          }
          messages.hidden = false;
        }
        status.textContent = "已算 " + data.done + " / " + run.total + " 行";
        break;
      }
      case "done":
        run.complete = true;
        run.totals = data.totals;
        settle();
        break;
      case "file":
        if (data.kind === "html") {
          if (printing) printing.show(data.text);
          printing = null;
        } else {
          SC.downloadCsv("下料单.csv", data.text);
        }
        break;
      case "planProgress":
      case "plan":
        SC.barPlan.receive(data);
        break;
      case "refused":
        finish("下料单共 " + data.lines + " 行,本页一次最多计算 " + kMaxLines + " 行,请分成几份,或用命令行版 segcalc-cli 计算。", true);
        break;
      case "failed":
        finish("下料单无法计算:" + data.reason, true);
        break;
    }
  }

  function lastBody() {
    const bodies = table.tBodies;
    const last = bodies[bodies.length - 1];
    if (last && last.rows.length < kRowsPerBody) return last;
    const body = table.createTBody();
    body.setAttribute("role", "rowgroup");
    return body;
  }

  // Rows go into the table a few at a time, as many as fit in a few
  // milliseconds, so that the page keeps answering while a long list fills it.
  function draw() {
    if (drawing) return;
    drawing = true;
    let batch = 200;
    const step = () => {
      const started = performance.now();
      let left = batch;
      while (left > 0 && pending.length > 0) {
        const body = lastBody();
        const rows = pending.splice(0, Math.min(left, kRowsPerBody - body.rows.length));
        body.insertAdjacentHTML("beforeend", rows.map(rowHtml).join(""));
        left -= rows.length;
      }
      const spent = performance.now() - started;
      batch = Math.max(50, Math.min(1000, Math.round((batch * 12) / Math.max(spent, 1))));
      const shown = run.lines.length - pending.length;
      progress.value = run.total ? shown / run.total : 1;
      if (run.complete) status.textContent = "正在显示 " + shown + " / " + run.lines.length + " 行";
      if (pending.length > 0) {
        setTimeout(step, 0);
      } else {
        drawing = false;
        settle();
      }
    };
    step();
  }

  // Done once the worker has sent the last slice and the table holds it.
  function settle() {
    if (!run || !run.complete || drawing || pending.length > 0) return;
    progress.value = 1;
    finish("已算完 " + run.total + " 行" + (run.messages ? ",其中 " + run.messages + " 行无效" : ""), false);
    showTotals(run.totals);
  }

  // The list kept by the worker, or here where there is none: the plan and
  // the sheet's files come from it.
  function request(message) {
    if (worker) {
      worker.postMessage(message);
    } else if (session && message.type === "plan") {
      session.plan(message.options);
    } else if (session && message.type === "file") {
      session.file(message.kind);
    }
  }

  // One worker, started on first use from the page's own two scripts: the
  // engine and the runner. Where the browser refuses one, the page itself
  // computes, yielding between slices.
  function startWorker() {
    if (worker) return worker;
    try {
      const parts = [SC.$("engine-script").textContent, SC.$("list-runner").textContent];
      const url = URL.createObjectURL(new Blob(parts, { type: "text/javascript" }));
      worker = new Worker(url);
      worker.onmessage = receive;
      worker.onerror = (event) => {
        event.preventDefault();
        worker = null;
        finish("下料单无法计算:" + (event.message || "后台计算出错"), true);
        SC.barPlan.listReady(false);
      };
      setTimeout(() => URL.revokeObjectURL(url), 60000);
    } catch (error) {
      worker = null;
    }
    return worker;
  }

  function input() {
    if (file) return file.bytes;
    return new TextEncoder().encode(text.value);
  }

  function compute() {
    const bytes = input();
    SC.notice(message, "");
    messages.replaceChildren();
    messages.hidden = true;
    table.tHead.replaceChildren();
    for (const body of [...table.tBodies]) body.remove();
    pending = [];
    totalsBlock.hidden = true;
    SC.barPlan.listReady(false);
    if (session) session.close();
    session = null;
    run = { header: "", total: 0, lines: [], messages: 0, complete: false, totals: null };
    if (bytes.length > kMaxBytes) {
      finish("文件太大(" + (bytes.length / 1048576).toFixed(1) + " MB),本页一次最多读入 16 MB,请分成几份,或用命令行版 segcalc-cli 计算。", true);
      return;
    }
    go.disabled = true;
    stop.hidden = false;
    progressLine.hidden = false;
    progress.value = 0;
    status.textContent = "正在计算…";
    const job = {
      input: bytes,
      columns: { exact: exact.checked, part: part.checked ? SC.exact.partJob() : null },
      maxLines: kMaxLines,
      sliceLines: kSliceLines,
    };
    if (startWorker()) {
      worker.postMessage({ type: "run", job, separators: SC.separators, module: SC.engineModule });
    } else {
      session = runCuttingList(engine, job, receive, (next) => setTimeout(next, 0));
    }
  }

  function cancel() {
    if (worker) worker.terminate();
    worker = null;
    if (session) session.close();
    session = null;
    finish("已停止", false);
  }

  function openFile() {
    const chosen = fileInput.files[0];
    if (!chosen) return;
    if (chosen.size > kMaxBytes) {
      file = null;
      SC.notice(message, "文件太大(" + (chosen.size / 1048576).toFixed(1) + " MB),本页一次最多读入 16 MB。");
      return;
    }
    chosen.arrayBuffer().then((buffer) => {
      file = { name: chosen.name, bytes: new Uint8Array(buffer) };
      text.value = "";
      source.textContent = "已打开 " + chosen.name + "(" + Math.ceil(chosen.size / 1024) + " KB),按“计算下料单”计算;在上面输入则改算输入的内容。";
      fileInput.value = "";
    });
  }

  function init(readyEngine, params) {
    engine = readyEngine;
    SC.state.add("list", text);
    SC.state.add("lx", exact);
    SC.state.add("lp", part);
    SC.$("list-form").addEventListener("submit", (event) => {
      event.preventDefault();
      compute();
    });
    stop.addEventListener("click", cancel);
    // The sheet as the CLI's --sheet writes it: a spreadsheet (UTF-8 with
    // its mark) or a printable A4 page.
    downloadButton.addEventListener("click", () => request({ type: "file", kind: "csv" }));
    printButton.addEventListener("click", () => {
      printing = SC.printWindow(message);
      request({ type: "file", kind: "html" });
    });
    fileInput.addEventListener("change", openFile);
    text.addEventListener("input", () => {
      file = null;
      source.textContent = "";
    });
    if (params) restore(params);
  }

  function restore(params) {
    SC.state.restore(params, "l");
  }

  return { init, restore, request };
})();
