// What the page's script gets from the binding (web/segcalc_web.cpp), built
// for node: the window's compute, the exact circle with its outputs, and the
// cutting list computed slice by slice as segcalc-cli --batch computes it.
//
//   SEGCALC_ENGINE=.../segcalc_engine_node.js SEGCALC_TESTS=.../tests node --test binding_test.mjs
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { createRequire } from "node:module";
import { test } from "node:test";

const require = createRequire(import.meta.url);
const engine = require(process.env.SEGCALC_ENGINE)();
const tests = process.env.SEGCALC_TESTS;

function withSeparators(decimal, thousands, body) {
  engine.setSeparators(decimal, thousands);
  try {
    body();
  } finally {
    engine.setSeparators(".", ",");
  }
}

// The whole list through CuttingList, in slices of the given size; then,
// with plan, the plan of its bars and the progress reported on the way.
function cuttingList(input, exact, slice, part = null, plan = null) {
  const list = new engine.CuttingList(input, { exact, part });
  const results = [];
  const rows = [];
  const messages = [];
  try {
    while (list.done() < list.lines()) {
      const output = list.next(slice);
      results.push(output.results);
      rows.push(output.rows);
      messages.push(output.messages);
    }
    const progress = [];
    return { lines: list.lines(), header: list.header(), headerSkipped: list.headerSkipped(),
             results: results.join(""), rows: rows.join(""), messages: messages.join(""),
             sheetHeader: list.sheetHeader(), totals: list.totals(),
             // The engine's text loses its byte-order mark on the way to
             // JavaScript; the page puts it back.
             sheetCsv: "\ufeff" + list.sheetCsv().replace(/^\ufeff/, ""),
             plan: plan && list.plan(plan, (fraction, stage) => progress.push([fraction, stage])),
             progress };
  } finally {
    list.delete();
  }
}

// What the page cannot show without a browser: the compute as the window
// makes it, the boxes it leaves alone, the exact value beside what it wrote.
test("start-up and the window's compute", () => {
  const start = engine.startUp();
  assert.deepEqual(start.boxes, ["2491.78", "2067.63", "", "", ""]);
  assert.equal(start.ticked, true);
  const solved = engine.calculate(start.boxes, true);
  assert.deepEqual(solved.boxes, ["2491.78", "2067.63", "591.83", "1200", "119.03"]);
  assert.deepEqual(solved.exact, ["", "", "590.72", "1200", "118.97"]);
  assert.equal(solved.message, "");
  // A failed compute leaves what the radius and angle boxes showed.
  const failed = engine.calculate(["100", "200", "", "9", "9"], true);
  assert.deepEqual(failed.boxes, ["100", "200", "", "9", "9"]);
  assert.equal(failed.message, "按当前条件无法求解!请核对后再试!");
  assert.equal(failed.solved, false);
  withSeparators(",", ".", () => {
    assert.deepEqual(engine.calculate(["2491,78", "2067,63", "", "", ""], true).boxes.slice(2),
      ["591,83", "1200", "119,03"]);
  });
});

test("the exact circle from any two quantities, with its outputs", () => {
  const job = (boxes, extra = {}) => ({ boxes, ticked: true, step: "", unit: "mm", ...extra });
  const chordRadius = engine.exactCircle(job(["", "1000", "", "800", ""], { ticked: false }));
  assert.equal(chordRadius.error, "");
  assert.equal(chordRadius.calculator, null);
  assert.deepEqual(chordRadius.exact, ["3946.34", "1000", "1424.5", "800", "282.64"]);
  assert.match(chordRadius.other, /夹角 77\.36/);

  const ordinates = engine.exactCircle(job(["", "300", "80", "", ""], { step: "50" }));
  assert.deepEqual(ordinates.ordinates.map(([x, y]) => x + ":" + y),
    ["-150:0", "-100:49.79", "-50:72.94", "0:80", "50:72.94", "100:49.79", "150:0"]);
  assert.equal(ordinates.step, "50");

  // The calculator's measurements give its own result beside the exact one.
  const calculator = engine.exactCircle(job(["2491.78", "2067.63", "", "", ""]));
  assert.deepEqual(calculator.calculator, ["2491.78", "2067.63", "591.83", "1200", "119.03"]);
  assert.deepEqual(calculator.exact, ["2491.78", "2067.63", "590.72", "1200", "118.97"]);
  assert.equal(calculator.dxfName, "圆弧 R1200 118.97度.dxf");

  const refused = [
    [job(["", "", "", "800", ""]), /恰好给出两项/],
    [job(["", "1000", "", "abc", ""]), /半径中填入的不是有效的数字/],
    [job(["", "2000", "", "800", ""]), /^无精确解: /],
    [job(["", "300", "80", "", ""], { step: "x" }), /纵距间距 的值不是有效的数字/],
    [job(["", "1200", "300", "", ""], { profile: "70" }), /哪一面/],
    [job(["", "1200", "300", "", ""], { pieces: "x" }), /段数 的值不是有效的数字/],
  ];
  for (const [refusedJob, reason] of refused) {
    const result = engine.exactCircle(refusedJob);
    assert.match(result.error, reason);
    assert.equal(result.exact, null);
    assert.equal(engine.dxf(refusedJob), "");
  }
});

test("the report and the drawing are the shop-floor writers' own", () => {
  const job = { boxes: ["", "50", "", "40", ""], ticked: false, step: "", unit: "cm" };
  const report = engine.report(job);
  assert.match(report, /^<!DOCTYPE html>/);
  assert.match(report, /R1-C1/);
  assert.doesNotMatch(report, /<script/i);
  const dxf = engine.dxf(job);
  assert.match(dxf, /^0\nSECTION\n/);
  // A radius of 40 cm is drawn as 400 mm: group 40 of the ARC entity.
  const lines = dxf.split("\n");
  const arc = {};
  for (let i = 0; i + 1 < lines.length; i += 2) {
    if (lines[i] !== "0" || lines[i + 1] !== "ARC") continue;
    for (let j = i + 2; j + 1 < lines.length && lines[j] !== "0"; j += 2) arc[lines[j]] = lines[j + 1];
    break;
  }
  assert.equal(arc["8"], "ARC");
  assert.equal(arc["40"], "400");
  assert.match(engine.report({ ...job, boxes: ["", "", "", "", ""] }), /当前输入项不完整/);
});

test("a cutting list gives segcalc-cli --batch's lines, in any slices", () => {
  const input = readFileSync(tests + "/cli/pinned_input.tsv");
  const expected = readFileSync(tests + "/cli/pinned_expected.tsv", "utf8");
  for (const slice of [1, 7, 1000]) {
    const list = cuttingList(new Uint8Array(input), false, slice);
    assert.equal(list.results, expected, "slices of " + slice);
    assert.equal(list.lines, 28);
    assert.equal(list.headerSkipped, false);
    assert.match(list.messages, /^第 4 行无效: 小于半圆\(勾选\)一栏只能是 1、0 或空\n第 10 行无效: /);
  }
  // Excel's Unicode text: UTF-16 behind its mark, CR LF line ends.
  const text = readFileSync(tests + "/cli/pinned_input.tsv", "utf8").replace(/\n/g, "\r\n");
  const utf16 = Buffer.concat([Buffer.from([0xff, 0xfe]), Buffer.from(text, "utf16le")]);
  assert.equal(cuttingList(new Uint8Array(utf16), false, 5).results, expected);
  const utf8WithMark = Buffer.concat([Buffer.from([0xef, 0xbb, 0xbf]), Buffer.from(text, "utf8")]);
  assert.equal(cuttingList(new Uint8Array(utf8WithMark), false, 5).results, expected);
});

// The sheet a shop reads: segcalc-cli --sheet's file, byte for byte, and its
// rows as the page shows them (the file's cells between tabs).
test("a cutting list's sheet is segcalc-cli's --sheet", () => {
  const input = readFileSync(tests + "/cli/pinned_input.tsv");
  const pinned = readFileSync(tests + "/cli/pinned_sheet.csv", "utf8");
  for (const slice of [3, 1000]) {
    const list = cuttingList(new Uint8Array(input), false, slice);
    assert.equal(list.sheetCsv, pinned, "slices of " + slice);
    const fileRows = pinned.slice(1).split("\r\n\r\n")[0].split("\r\n");
    assert.equal(list.sheetHeader, fileRows[0].replace(/,/g, "\t"));
    assert.equal(list.rows.split("\n")[0], fileRows[1].replace(/,/g, "\t"));
    assert.equal(list.rows.split("\n").length - 1, 28);
    assert.equal(list.totals.lines, 28);
    assert.equal(list.totals.parts, 10);
    assert.equal(list.totals.cutLabel, "精确弧长");
    assert.equal(list.totals.groups[0].lines, "1, 3");
    assert.equal(list.totals.groups[0].quantity, 2);
  }
});

// The plan of the list's pieces: each line's length times its quantity, its
// marks; options refused with the name the page gives them.
test("a cutting list's bar plan, its progress and its refusals", () => {
  const list = "编号\t弦长\t弦高\t数量\nA\t1200\t300\t4\nB\t1500\t375\t2\n";
  const planned = cuttingList(list, false, 10, null, { bars: "6000", kerf: "4" });
  assert.equal(planned.plan.error, "");
  assert.match(planned.plan.body, /已证明/);
  assert.match(planned.plan.body, /\(A\)/);
  assert.match(planned.plan.html, /^<!DOCTYPE html>/);
  assert.match(planned.plan.csv, /新料总长/);
  assert.ok(planned.progress.length > 0);
  assert.ok(planned.progress.every(([fraction], i, all) =>
    fraction >= 0 && fraction <= 1 && (i === 0 || fraction >= all[i - 1][0])));
  for (const [options, reason] of [
    [{ bars: "abc" }, /原料长度/],
    [{ bars: "" }, /原料长度/],
    [{ bars: "6000", kerf: "-1" }, /锯缝/],
    [{ bars: "1000" }, /第 3 行/],
  ]) {
    assert.match(cuttingList(list, false, 10, null, options).plan.error, reason, JSON.stringify(options));
  }
  assert.match(cuttingList("1\t2\t3\n", false, 10, null, { bars: "6000" }).plan.error, /没有可下料的零件/);
});

test("a cutting list's header row, empty lines and exact columns", () => {
  const list = cuttingList("弧长\t弦长\t弦高\n2491.78\t2067.63\t\n\n100\t200\t\n", true, 2);
  assert.equal(list.lines, 4);
  assert.equal(list.headerSkipped, true);
  const header = "结果\t弧长\t弦长\t弦高\t半径\t夹角\t精确弧长\t精确弦长\t精确弦高\t精确半径\t精确夹角";
  assert.equal(list.header, header);
  assert.equal(list.results, header + "\n" +
    "solved\t2491.78\t2067.63\t591.83\t1200\t119.03\t2491.78\t2067.63\t590.72\t1200\t118.97\n" +
    "\n" +
    "no-solution\t100\t200\t\t\t\t\t\t\t\t\n");
  const empty = cuttingList("", false, 10);
  assert.equal(empty.lines, 0);
  assert.equal(empty.results, "");
});

// The part's sections as the page renders them: each value with its label,
// each table by the label segcalc-cli prints its rows under.
function sectionsOf(result) {
  const values = {};
  const tables = {};
  for (const section of result.sections) {
    for (const block of section.blocks) {
      for (const [label, text] of block.values) values[label] = text;
      if (block.table) tables[block.table.line] = block.table.rows;
    }
  }
  return { values, tables };
}

// The 精确与放样 tab's part, read by segcalc-cli's own reader under the keys
// of its option table: the window frame of the README, the same values
// under the same labels.
test("the part of a profile in pieces, and its columns in a cutting list", () => {
  assert.deepEqual(engine.shopFields().find(([key]) => key === "profile"), ["profile", "型材深度", false]);
  const frame = { boxes: ["", "1200", "300", "", ""], ticked: true, step: "", unit: "mm",
                  profile: "70", face: "outer", tails: "150", trim: "20",
                  pieces: "4", area: true, stations: "divide:2" };
  const result = engine.exactCircle(frame);
  assert.equal(result.error, "");
  const { values, tables } = sectionsOf(result);
  assert.equal(values["内侧半径"], "680");
  assert.equal(values["下料长度"], "1646.03");
  assert.equal(values["段数"], "4");
  assert.equal(values["两端直段"], "150 + 150");
  assert.equal(tables["分点"].length, 5);
  assert.deepEqual(tables["放样"].map((row) => row[0]), ["-600", "0", "600"]);
  assert.deepEqual(result.errors, []);
  // A face that leaves no inner radius is refused, with the reason.
  const deep = engine.exactCircle({ ...frame, profile: "800" });
  assert.match(deep.errors[0], /内侧半径/);
  const dxf = engine.dxf(frame);
  for (const layer of ["INNER", "OUTER", "DIVISIONS", "FACETS"]) assert.match(dxf, new RegExp("\n" + layer + "\n"));
  // In a cutting list the same fields add their columns after the six.
  const list = cuttingList("\t1200\t300\n", false, 5, frame);
  const header = list.header.split("\t");
  const cells = list.results.trim().split("\t");
  assert.equal(header.length, cells.length);
  assert.equal(cells[header.indexOf("下料长度")], "1646.03");
  assert.equal(cells[header.indexOf("周长")], values["周长"]);
});

// A head the job names: the chord and height boxes are its span and rise,
// its 拱形 section lists its pieces, and a cutting list of such heads reads
// each line's chord and height the same way.
test("a named head, its report and drawing, and a cutting list of them", () => {
  const gothic = { boxes: ["", "900", "", "900", ""], ticked: true, step: "", unit: "mm",
                   shape: "pointed", legs: "2100" };
  const result = engine.exactCircle(gothic);
  assert.equal(result.error, "");
  assert.equal(result.named, true);
  assert.equal(result.exact, null);
  const { values, tables } = sectionsOf(result);
  assert.equal(values["拱形"], "尖拱");
  assert.equal(values["总高"], "2879.42");
  assert.equal(tables["圆弧段"].length, 2);
  assert.match(result.dxfName, /^尖拱 跨度900/);
  assert.match(engine.report(gothic), /拱形放样报告/);
  assert.match(engine.dxf(gothic), /\nLEGS\n/);
  assert.match(engine.exactCircle({ ...gothic, boxes: ["", "900", "", "400", ""] }).error,
    /尖拱的半径应大于跨度之半/);
  const list = cuttingList("\t900\t1200\n\t900\t300\n", false, 5, { unit: "mm", shape: "pointed" });
  const lines = list.results.trim().split("\n");
  assert.equal(lines[0].split("\t")[0], "solved");
  assert.equal(lines[1].split("\t")[0], "no-solution");
  assert.match(list.messages, /第 2 行: 尖拱的拱高应大于跨度之半/);
});

// The pictures the page shows, drawn by the engine into a box of the page's
// size: the last compute of the calculator, and the part of a job.
test("the calculator's segment and the part of a job, drawn", () => {
  const solved = engine.calculate(["2491.78", "2067.63", "", "", ""], true);
  assert.equal(solved.solved, true);
  const picture = engine.calculatorPicture(90, 70);
  assert.match(picture, /^<svg class="segment-picture"/);
  assert.match(picture, />弦高 591\.83</);
  assert.match(picture, />\(精确 590\.72\)</);
  // Drawn again at another size, without computing.
  assert.match(engine.calculatorPicture(200, 150), /viewBox="0 0 200 /);
  engine.calculate(["1500", "1500", "", "", ""], true);
  assert.equal(engine.calculatorPicture(90, 70), "");

  const frame = { boxes: ["", "1200", "300", "", ""], ticked: true, step: "", unit: "mm",
                  profile: "70", face: "outer", tails: "150", trim: "20", pieces: "4",
                  stations: "从左端按间距:250" };
  const result = engine.exactCircle(frame);
  assert.deepEqual(result.summary, [["内侧半径", "680"], ["中心线半径", "715"], ["外侧半径", "750"],
    ["下料长度", "1646.03"], ["段数", "4"], ["外侧每段弧长", "347.74"], ["外侧每段弦长", "344.63"]]);
  // The page's words for the stations are the option's English ones.
  const english = engine.exactCircle({ ...frame, stations: "from-end:250" });
  assert.deepEqual(sectionsOf(result).tables["放样"], sectionsOf(english).tables["放样"]);
  assert.equal(sectionsOf(result).tables["放样"].length, 6);
  const part = engine.exactPicture(frame, 90, 70);
  for (const layer of ["INNER", "OUTER", "DIVISIONS", "NUMBERS", "STATIONS"]) {
    assert.match(part, new RegExp('data-layer="' + layer + '"'), layer);
  }
  // The profile's faces stand for the arch, which is not drawn again.
  assert.doesNotMatch(part, /data-layer="ARC"/);
  assert.match(engine.exactPicture({ ...frame, profile: "", face: "", tails: "", trim: "" }, 90, 70), /data-layer="ARC"/);
  const refused = { ...frame, boxes: ["", "2000", "", "800", ""] };
  assert.match(engine.exactCircle(refused).error, /^无精确解/);
  assert.deepEqual(engine.exactCircle(refused).summary, []);
  assert.equal(engine.exactPicture(refused, 90, 70), "");
});

// 校核: segcalc-cli --fit's reader, fit and labels, each point's residual
// and the picture; refusals in the page's words.
test("measured points fitted, with their residuals and picture", () => {
  const points = "x\ty\n-600\t0\n-300\t237.39\n0\t300\n300\t237.39\n600\t0\n";
  const fitted = engine.fit(points, "750", "mm", 90, 70);
  assert.equal(fitted.error, "");
  assert.deepEqual(fitted.values.map(([label]) => label), ["拟合半径", "最大残差", "与目标差"]);
  assert.equal(fitted.values[0][1], "750");
  assert.deepEqual(fitted.residuals.map((row) => row.slice(0, 3)),
    [["1", "-600", "0"], ["2", "-300", "237.39"], ["3", "0", "300"], ["4", "300", "237.39"], ["5", "600", "0"]]);
  assert.match(fitted.picture, /data-layer="TARGET"/);
  assert.equal(engine.fit(points, "", "mm", 90, 70).values.length, 2);
  assert.equal(engine.fit(points, "abc", "mm", 90, 70).error, "目标半径不是有效的数字");
  assert.match(engine.fit("1 2\n3 4\n", "", "mm", 90, 70).error, /^测量点:|^无法拟合圆:/);
  assert.match(engine.fit("1 2\n2 4\n3 6\n", "", "mm", 90, 70).error, /^无法拟合圆:.*一条直线/);
  // A decimal comma where the browser's language writes one.
  withSeparators(",", ".", () => {
    const comma = engine.fit("-600;0\n0;300\n600;0\n", "750", "mm", 90, 70);
    assert.equal(comma.error, "");
    assert.equal(comma.values[0][1], "750");
    assert.equal(engine.fit("-600,5;0\n0;300\n600;0\n", "", "mm", 90, 70).error, "");
  });
});
