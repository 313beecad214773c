#include "cli/parallel_batch.h"

#include <condition_variable>
#include <cstddef>
#include <istream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace segcalc {
namespace {

// A ring of lines between the reader, the workers and the writer. Line n
// lives in slot n % size from when it is read until it is written; the
// counters only grow: written <= claimed <= read <= written + size.
class LineWindow {
 public:
  explicit LineWindow(std::size_t size) : slots_(size) {}

  // Reader: waits for a free slot, then hands the line to the workers.
  void Put(std::string text) {
    std::unique_lock lock(mutex_);
    space_.wait(lock, [&] { return read_ - written_ < slots_.size(); });
    Slot& slot = slots_[read_ % slots_.size()];
    slot.text = std::move(text);
    slot.done = false;
    ++read_;
    work_.notify_one();
  }

  void Close() {
    std::lock_guard lock(mutex_);
    closed_ = true;
    work_.notify_all();
    result_.notify_all();
  }

  // Worker: the next line to compute and its number, or false once the
  // input is exhausted.
  bool Claim(std::size_t& index, std::string& text) {
    std::unique_lock lock(mutex_);
    work_.wait(lock, [&] { return claimed_ < read_ || closed_; });
    if (claimed_ == read_) return false;
    index = claimed_++;
    text = std::move(slots_[index % slots_.size()].text);
    return true;
  }

  void Finish(std::size_t index, BatchLineOutput output) {
    std::lock_guard lock(mutex_);
    Slot& slot = slots_[index % slots_.size()];
    slot.output = std::move(output);
    slot.done = true;
    if (index == written_) result_.notify_one();
  }

  // Writer: the next line's output in input order, or false at the end.
  bool Next(BatchLineOutput& output) {
    std::unique_lock lock(mutex_);
    result_.wait(lock, [&] {
      return (written_ < read_ && slots_[written_ % slots_.size()].done) ||
             (closed_ && written_ == read_);
    });
    if (written_ == read_) return false;
    output = std::move(slots_[written_ % slots_.size()].output);
    ++written_;
    space_.notify_one();
    return true;
  }

 private:
  struct Slot {
    std::string text;
    BatchLineOutput output;
    bool done = false;
  };

  std::mutex mutex_;
  std::condition_variable space_;
  std::condition_variable work_;
  std::condition_variable result_;
  std::vector<Slot> slots_;
  std::size_t read_ = 0;
  std::size_t claimed_ = 0;
  std::size_t written_ = 0;
  bool closed_ = false;
};

}  // namespace

int RunParallelBatch(std::istream& in, std::ostream& out, std::ostream& err,
                     const NumberSeparators& separators, unsigned jobs) {
  LineWindow window(kBatchLinesPerWorker * jobs);
  std::thread reader([&] {
    std::string text;
    while (std::getline(in, text)) window.Put(std::move(text));
    window.Close();
  });
  std::vector<std::thread> workers;
  for (unsigned i = 0; i < jobs; ++i) {
    workers.emplace_back([&] {
      std::size_t index = 0;
      std::string text;
      while (window.Claim(index, text)) {
        const long number = static_cast<long>(index) + 1;
        window.Finish(index, ProcessBatchLine(text, number, separators));
      }
    });
  }

  int status = 0;
  BatchLineOutput output;
  while (window.Next(output)) {
    if (!output.message.empty()) status = 1;
    WriteBatchLineOutput(output, out, err);
  }
  reader.join();
  for (std::thread& worker : workers) worker.join();
  return status;
}

}  // namespace segcalc
