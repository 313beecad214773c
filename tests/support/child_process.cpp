#include "tests/support/child_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string_view>

extern char** environ;

namespace segcalc::testing {
namespace {

void Require(bool ok, const char* what) {
  if (!ok) throw std::runtime_error(std::string(what) + " failed");
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SpawnActions {
 public:
  SpawnActions() { posix_spawn_file_actions_init(&actions_); }
  ~SpawnActions() { posix_spawn_file_actions_destroy(&actions_); }
  SpawnActions(const SpawnActions&) = delete;
  SpawnActions& operator=(const SpawnActions&) = delete;
  posix_spawn_file_actions_t* get() { return &actions_; }

 private:
  posix_spawn_file_actions_t actions_;
};

class SpawnAttributes {
 public:
  // Every signal at its default, SIGPIPE above all: a test runner that
  // ignores it would otherwise hide a child that dies of it.
  SpawnAttributes() {
    posix_spawnattr_init(&attributes_);
    sigset_t all;
    sigfillset(&all);
    posix_spawnattr_setsigdefault(&attributes_, &all);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes_, &none);
    posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
  }
  ~SpawnAttributes() { posix_spawnattr_destroy(&attributes_); }
  SpawnAttributes(const SpawnAttributes&) = delete;
  SpawnAttributes& operator=(const SpawnAttributes&) = delete;
  posix_spawnattr_t* get() { return &attributes_; }

 private:
  posix_spawnattr_t attributes_;
};

}  // namespace

ScratchFolder::ScratchFolder() {
  const char* base = std::getenv("TMPDIR");
  std::string pattern = std::string(base && *base ? base : "/tmp") + "/segcalc-test-XXXXXX";
  Require(mkdtemp(pattern.data()) != nullptr, "mkdtemp");
  path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

ChildRun RunChild(const ChildRequest& request) {
  ScratchFolder scratch;
  const std::string input = request.input_file.empty() ? scratch.File("in") : request.input_file;
  const std::string out = request.output_file.empty() ? scratch.File("out") : request.output_file;
  const std::string err = scratch.File("err");
  if (request.input_file.empty()) {
    std::ofstream file(input, std::ios::binary);
    file << request.input;
    Require(static_cast<bool>(file), "writing the input");
  }

  SpawnActions actions;
  posix_spawn_file_actions_addopen(actions.get(), 0, input.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(actions.get(), 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);
  int pipe_ends[2] = {-1, -1};
  switch (request.sink) {
    case OutputSink::Captured:
      posix_spawn_file_actions_addopen(actions.get(), 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                       0600);
      break;
    case OutputSink::Closed:
      posix_spawn_file_actions_addclose(actions.get(), 1);
      break;
    case OutputSink::BrokenPipe:
      Require(pipe2(pipe_ends, O_CLOEXEC) == 0, "pipe");
      close(pipe_ends[0]);  // the reader has gone before the first write
      posix_spawn_file_actions_adddup2(actions.get(), pipe_ends[1], 1);
      break;
  }

  std::vector<std::string> arguments{request.program};
  arguments.insert(arguments.end(), request.args.begin(), request.args.end());
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);

  // The C library reads the first entry of a name, so an override replaces
  // the inherited entry rather than following it.
  std::vector<std::string> environment = request.extra_environment;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string_view inherited(*entry);
    const std::string_view name = inherited.substr(0, inherited.find('='));
    bool overridden = false;
    for (const std::string& extra : request.extra_environment) {
      overridden = overridden || std::string_view(extra).substr(0, extra.find('=')) == name;
    }
    if (!overridden) environment.emplace_back(inherited);
  }
  std::vector<char*> envp;
  for (std::string& entry : environment) envp.push_back(entry.data());
  envp.push_back(nullptr);

  SpawnAttributes attributes;
  pid_t pid = -1;
  const int spawned = posix_spawn(&pid, request.program.c_str(), actions.get(), attributes.get(),
                                  argv.data(), envp.data());
  if (pipe_ends[1] >= 0) close(pipe_ends[1]);
  Require(spawned == 0, "posix_spawn");

  int wait_status = 0;
  rusage usage{};
  Require(wait4(pid, &wait_status, 0, &usage) == pid, "wait4");

  ChildRun run;
  run.exited = WIFEXITED(wait_status);
  run.status = run.exited ? WEXITSTATUS(wait_status) : -1;
  run.signal = WIFSIGNALED(wait_status) ? WTERMSIG(wait_status) : 0;
  if (request.sink == OutputSink::Captured && request.output_file.empty()) run.out = ReadAll(out);
  run.err = ReadAll(err);
  run.max_rss_kib = usage.ru_maxrss;
  return run;
}

}  // namespace segcalc::testing
