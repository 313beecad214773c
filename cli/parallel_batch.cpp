#include "cli/parallel_batch.h"

#include <condition_variable>
#include <istream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace segcalc {
namespace {

// A ring of lines between the reader and the workers. Line n lives in slot
// n % size from when it is read until it is written; the counters only grow:
// written <= claimed <= read <= written + size. Whichever worker finishes the
// next line to write also writes it and every finished one after it, so no
// thread wakes just to write.
class LineWindow {
 public:
  LineWindow(std::size_t size, std::ostream& out, std::ostream& err)
      : slots_(size), out_(out), err_(err) {}

  // Reader: waits for a free slot, then hands the line to the workers. False
  // once the output has failed: results that cannot be written are not worth
  // computing.
  bool Put(std::string text) {
    std::unique_lock lock(mutex_);
    space_.wait(lock, [&] { return read_ - written_ < slots_.size() || output_failed_; });
    if (output_failed_) return false;
    Slot& slot = slots_[read_ % slots_.size()];
    slot.text = std::move(text);
    slot.done = false;
    ++read_;
    work_.notify_one();
    return true;
  }

  void Close() {
    std::lock_guard lock(mutex_);
    closed_ = true;
    work_.notify_all();
  }

  // Worker: the next line to compute and its index, or false once the input
  // is exhausted.
  bool Claim(std::size_t& index, std::string& text) {
    std::unique_lock lock(mutex_);
    work_.wait(lock, [&] { return claimed_ < read_ || closed_; });
    if (claimed_ == read_) return false;
    index = claimed_++;
    text = std::move(slots_[index % slots_.size()].text);
    return true;
  }

  void Finish(std::size_t index, BatchLineOutput output) {
    std::unique_lock lock(mutex_);
    Slot& slot = slots_[index % slots_.size()];
    slot.output = std::move(output);
    slot.done = true;
    if (writing_) return;        // the worker writing now will get to it
    if (output_failed_) return;  // nothing more is written, not even messages
    writing_ = true;
    while (written_ < read_ && slots_[written_ % slots_.size()].done) {
      const BatchLineOutput ready = std::move(slots_[written_ % slots_.size()].output);
      ++written_;
      // The reader is woken once half the window is free, not for every line.
      if (read_ - written_ == slots_.size() / 2) space_.notify_one();
      lock.unlock();
      if (!ready.message.empty()) any_invalid_ = true;
      WriteBatchLineOutput(ready, out_, err_);
      lock.lock();
      if (!out_) {
        output_failed_ = true;
        space_.notify_one();
        break;
      }
    }
    writing_ = false;
  }

  bool any_invalid() const { return any_invalid_; }

 private:
  struct Slot {
    std::string text;
    BatchLineOutput output;
    bool done = false;
  };

  std::mutex mutex_;
  std::condition_variable space_;
  std::condition_variable work_;
  std::vector<Slot> slots_;
  std::ostream& out_;
  std::ostream& err_;
  std::size_t read_ = 0;
  std::size_t claimed_ = 0;
  std::size_t written_ = 0;
  bool closed_ = false;
  bool writing_ = false;        // guarded by mutex_
  bool output_failed_ = false;  // guarded by mutex_
  bool any_invalid_ = false;    // only touched by the one writing
};

}  // namespace

int RunParallelBatch(std::istream& in, std::ostream& out, std::ostream& err,
                     const NumberSeparators& separators, unsigned jobs,
                     const BatchLineHook& hook) {
  LineWindow window(kBatchLinesPerWorker * jobs, out, err);
  std::vector<std::thread> workers;
  for (unsigned i = 0; i < jobs; ++i) {
    workers.emplace_back([&] {
      std::size_t index = 0;
      std::string text;
      while (window.Claim(index, text)) {
        const long number = static_cast<long>(index) + 1;
        window.Finish(index, ProcessBatchLine(text, number, separators, hook));
      }
    });
  }
  // Standard input is tied to standard output: every read would flush it from
  // this thread while a worker writes to it.
  std::ostream* const tied = in.tie(nullptr);
  std::string text;
  while (std::getline(in, text) && window.Put(std::move(text))) {
  }
  in.tie(tied);
  window.Close();
  for (std::thread& worker : workers) worker.join();
  return window.any_invalid() ? 1 : 0;
}

}  // namespace segcalc
