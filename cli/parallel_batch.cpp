#include "cli/parallel_batch.h"

#include <algorithm>
#include <condition_variable>
#include <istream>
#include <map>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

namespace segcalc {
namespace {

// A line costs microseconds to compute, less than handing it from thread to
// thread, so the workers take lines in chunks: each reads its own chunk, as
// many lines as the input already holds (never waiting for a second one, so an
// interactive user still gets each answer at once), computes it and queues it
// for writing. Whichever worker completes the chunk due next writes it and
// every completed one after it, so no thread wakes just to write.
//
// Lines read but not yet written stay within a window of lines and of bytes,
// so memory stays bounded however long the input and its lines are. The
// counters only grow: written <= read <= written + window.
class ChunkedBatch {
 public:
  ChunkedBatch(std::istream& in, std::ostream& out, std::ostream& err,
               const NumberSeparators& separators, const BatchColumns& columns,
               const ListLayout& layout, long first_number, CuttingSheet* sheet,
               std::size_t window_lines)
      : in_(in),
        out_(out),
        err_(err),
        separators_(separators),
        columns_(columns),
        layout_(layout),
        first_number_(first_number),
        sheet_(sheet),
        window_lines_(window_lines) {}

  void Work() {
    Chunk chunk;
    while (Read(chunk)) {
      chunk.outputs.clear();
      for (std::size_t i = 0; i < chunk.lines.size(); ++i) {
        const long number = static_cast<long>(chunk.first + i) + first_number_;
        chunk.outputs.push_back(
            ProcessBatchLine(chunk.lines[i], number, separators_, columns_, layout_));
      }
      chunk.lines.clear();
      Complete(std::move(chunk));
    }
  }

  int status() const { return status_; }

 private:
  struct Chunk {
    std::size_t first = 0;
    std::size_t bytes = 0;  // of its input lines
    std::vector<std::string> lines;
    std::vector<BatchLineOutput> outputs;
  };

  static constexpr std::size_t kChunkLines = 32;
  static constexpr std::size_t kWindowBytes = 32 * 1024 * 1024;

  // The next chunk of the input, or false once it is exhausted or the output
  // has failed: results that cannot be written are not worth computing.
  bool Read(Chunk& chunk) {
    std::lock_guard reading(read_mutex_);
    std::size_t room = 0;
    {
      std::unique_lock lock(mutex_);
      space_.wait(lock, [&] {
        const std::size_t in_flight = read_ - written_;
        return output_failed_ || input_done_ ||
               (in_flight < window_lines_ && (in_flight == 0 || bytes_in_flight_ < kWindowBytes));
      });
      if (output_failed_ || input_done_) return false;
      room = std::min(kChunkLines, window_lines_ - (read_ - written_));
    }
    chunk.first = read_;
    chunk.bytes = 0;
    std::string text;
    while (chunk.lines.size() < room && chunk.bytes < kWindowBytes && std::getline(in_, text)) {
      chunk.bytes += text.size();
      chunk.lines.push_back(std::move(text));
      if (in_.rdbuf()->in_avail() <= 0) break;  // the next line may be a while coming
    }
    std::lock_guard lock(mutex_);
    if (!in_) input_done_ = true;
    read_ += chunk.lines.size();
    bytes_in_flight_ += chunk.bytes;
    return !chunk.lines.empty();
  }

  void Complete(Chunk chunk) {
    std::unique_lock lock(mutex_);
    completed_.emplace(chunk.first, std::move(chunk));
    if (writing_ || output_failed_)
      return;  // the writer will get to it, or nothing more is written
    writing_ = true;
    for (auto next = completed_.find(written_); next != completed_.end();
         next = completed_.find(written_)) {
      const Chunk ready = std::move(next->second);
      completed_.erase(next);
      lock.unlock();
      for (const BatchLineOutput& output : ready.outputs) {
        status_ = std::max(status_, output.status);
        WriteBatchLineOutput(output, out_, err_);
        KeepRow(output, sheet_);
      }
      out_.flush();
      lock.lock();
      written_ += ready.outputs.size();
      bytes_in_flight_ -= ready.bytes;
      space_.notify_all();
      if (!out_) {
        output_failed_ = true;
        break;
      }
    }
    writing_ = false;
  }

  std::istream& in_;
  std::ostream& out_;
  std::ostream& err_;
  const NumberSeparators& separators_;
  const BatchColumns& columns_;
  const ListLayout& layout_;
  const long first_number_;
  CuttingSheet* const sheet_;  // only the one writing touches it
  const std::size_t window_lines_;

  std::mutex read_mutex_;  // one reader at a time, so chunks follow input order
  std::mutex mutex_;       // guards everything below but status_
  std::condition_variable space_;
  std::size_t read_ = 0;
  std::size_t written_ = 0;
  std::size_t bytes_in_flight_ = 0;
  std::map<std::size_t, Chunk> completed_;  // by first line, waiting to be written
  bool input_done_ = false;
  bool writing_ = false;
  bool output_failed_ = false;
  int status_ = 0;  // the highest a written line called for; only touched by the one writing
};

}  // namespace

int RunParallelBatch(std::istream& in, std::ostream& out, std::ostream& err,
                     const NumberSeparators& separators, unsigned jobs, const BatchColumns& columns,
                     const ListLayout& layout, long first_number, CuttingSheet* sheet) {
  ChunkedBatch batch(in, out, err, separators, columns, layout, first_number, sheet,
                     kBatchLinesPerWorker * jobs);
  // Standard input is tied to standard output: every read would flush it from
  // one worker while another writes to it.
  std::ostream* const tied = in.tie(nullptr);
  std::vector<std::thread> workers;
  for (unsigned i = 0; i < jobs; ++i) workers.emplace_back([&] { batch.Work(); });
  for (std::thread& worker : workers) worker.join();
  in.tie(tied);
  return batch.status();
}

}  // namespace segcalc
