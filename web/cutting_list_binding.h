#pragma once

#include <emscripten/val.h>

#include <string>

#include "cli/batch.h"
#include "cli/shop_options.h"
#include "shopfloor/cutting_sheet.h"

namespace segcalc {

// The 下料单 tab's list, computed a slice at a time so that the worker
// running it can report its progress between slices: each line by the
// batch's own ProcessBatchLine, numbered from 1 as segcalc-cli numbers them,
// kept as the sheet a shop reads; then its totals, the sheet as a file, and
// the plan of the bars to cut for its pieces.
class CuttingList {
 public:
  // input: the list's bytes, UTF-8 or UTF-16 behind its mark, as a file holds
  // them or as pasted; job: exact, which adds the five exact columns
  // (--exact), and the part's fields of the 精确与放样 tab, whose columns
  // follow (the stations vary from line to line and are not columns).
  CuttingList(const std::string& input, const emscripten::val& job);

  long Lines() const { return lines_; }
  // Why the part's fields cannot be read; the list is not computed then.
  std::string Error() const { return error_; }
  long Done() const { return number_ - 1; }
  // segcalc-cli --batch's header line, and the sheet's.
  std::string Header() const;
  std::string SheetHeader() const;
  // Whether the first line was the list's own header row, which is answered
  // with the header line rather than computed.
  bool HeaderSkipped() const { return header_skipped_; }

  // Up to count more input lines: their output lines as segcalc-cli gives
  // them (results) and their sheet rows (rows), each ended by '\n', tabs
  // between the cells; messages for invalid lines, one per line.
  emscripten::val Next(int count);

  // Once every line is done: the totals and the identical parts.
  emscripten::val Totals() const;
  // The sheet as a spreadsheet (UTF-8 with its mark) or a printable page.
  std::string SheetCsv() const;
  std::string SheetHtml() const;
  // The plan of the list's pieces. options: bars, kerf, barEnds, minOffcut
  // (texts as typed); progress(fraction, stage) is called while it works.
  // Gives {error} or {body: the saw sheet as the page shows it, html: as it
  // prints, csv}.
  emscripten::val Plan(const emscripten::val& options, const emscripten::val& progress) const;

 private:
  ShopOptions shop_;
  ListLayout layout_;
  BatchColumns columns_;
  CuttingSheet sheet_;
  std::string error_;
  std::string text_;
  std::size_t position_ = 0;
  long number_ = 1;
  long lines_ = 0;
  bool header_skipped_ = false;
};

}  // namespace segcalc
