// soak: drives the headless gallery, every page and every control, with a seeded random stream
// of what a person does and what a host does between events, and checks the invariants after
// each event and, after a settle (Escape, a click on empty space), at the end of each batch.
//
// The stream runs in a child process, so that a crash or a sanitizer report still leaves a
// parent to name the event and shrink the stream to a short list that fails the same way.
//
// Sections: command line; one run; a run in a child; shrinking; regressions; main.
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <string>
#include <vector>

#include "tests/soak/SoakWorld.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
static bool Leaked() { return __lsan_do_recoverable_leak_check() != 0; }
#else
static bool Leaked() { return false; }
#endif

namespace {

using Indices = std::vector<uint64_t>;

// ---- command line
struct Options {
  uint64_t events = 20000;
  uint64_t seed = 1;
  size_t batch = 200;
  std::optional<Indices> replay;
};

const char kUsage[] =
    "usage: soak [--events N] [--seed S] [--batch B] [--replay I,J,...] [--help]\n"
    "Drives the headless gallery with N events made from seed S (defaults 20000 and 1), settling\n"
    "and checking after every B events (default 200), after replaying the kept regressions.\n"
    "--replay runs only the events of those indices, as a shrunk reproduction prints them.\n"
    "Exit codes: 0 no finding, 1 a finding (seed, event index and reproduction printed),\n"
    "2 bad arguments.\n";

std::optional<uint64_t> Number(const char* text) {
  char* end = nullptr;
  const unsigned long long value = std::strtoull(text, &end, 10);
  if (!*text || *end || *text == '-') return std::nullopt;
  return value;
}

std::optional<Indices> IndexList(const std::string& text) {
  Indices list;
  for (size_t from = 0; from <= text.size();) {
    const size_t comma = std::min(text.find(',', from), text.size());
    const auto n = Number(text.substr(from, comma - from).c_str());
    if (!n) return std::nullopt;
    list.push_back(*n);
    from = comma + 1;
  }
  return list;
}

// Null when the arguments are bad (the reason printed) or ask for the usage.
std::optional<Options> Parse(int argc, char** argv, bool& help) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help") { help = true; return std::nullopt; }
    const char* value = i + 1 < argc ? argv[++i] : nullptr;
    const uint64_t n = value ? Number(value).value_or(0) : 0;
    const bool number = value && Number(value);
    if (arg == "--replay" && value && (o.replay = IndexList(value))) continue;
    if (arg == "--events" && number) o.events = n;
    else if (arg == "--seed" && number) o.seed = n;
    else if (arg == "--batch" && n > 0) o.batch = size_t(n);
    else {
      std::fprintf(stderr, "soak: bad argument '%s'\n%s", arg.c_str(), kUsage);
      return std::nullopt;
    }
  }
  return o;
}

// ---- one run
struct Finding {
  uint64_t position = 0;  // in the list of indices run
  std::string what;
};

// Written by the child as it goes, read by the parent when it is gone.
struct Shared {
  uint64_t position;
  char what[256];
};

std::optional<Finding> RunStream(uint64_t seed, const Indices& indices, size_t batch,
                                 Shared& shared, bool progress) {
  soak::SoakWorld world;
  const auto start = std::chrono::steady_clock::now();
  for (uint64_t i = 0; i < indices.size(); ++i) {
    shared.position = i;
    world.Apply(soak::EventAt(seed, indices[i]));
    const bool end = (i + 1) % batch == 0 || i + 1 == indices.size();
    auto fault = world.Check(false);
    if (!fault && end && world.Settle()) fault = world.Check(true);
    if (fault) return Finding{i, *fault};
    if (end && Leaked()) return Finding{i, "LeakSanitizer found a leak"};
    if (progress && (i + 1) % 10000 == 0) {
      const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      std::printf("soak: %llu events, %.0f s, %.0f events/s\n", (unsigned long long)(i + 1), s, (i + 1) / s);
      std::fflush(stdout);
    }
  }
  return std::nullopt;
}

// ---- a run in a child
std::optional<Finding> RunIsolated(uint64_t seed, const Indices& indices, size_t batch, bool quiet,
                                   bool progress = false) {
  auto* shared = static_cast<Shared*>(
      mmap(nullptr, sizeof(Shared), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
  *shared = {};
  std::fflush(nullptr);
  const pid_t child = fork();
  if (child == 0) {
    if (quiet) dup2(open("/dev/null", O_WRONLY), STDERR_FILENO);
    if (auto f = RunStream(seed, indices, batch, *shared, progress)) {
      shared->position = f->position;
      std::snprintf(shared->what, sizeof shared->what, "%s", f->what.c_str());
      _exit(1);  // the finding is told; a leak check at exit would only add noise
    }
    std::exit(0);  // LeakSanitizer's last check runs here
  }
  int status = 0;
  waitpid(child, &status, 0);
  Finding f{shared->position, shared->what};
  munmap(shared, sizeof(Shared));
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return std::nullopt;
  if (f.what.empty())
    f.what = WIFSIGNALED(status) ? "crash, signal " + std::to_string(WTERMSIG(status))
                                 : "sanitizer report, exit code " + std::to_string(WEXITSTATUS(status));
  return f;
}

// ---- shrinking
// Drops ever smaller runs of events while the rest still fails the same way, and cuts what
// follows the failing event. Bounded by a number of tries, since each try replays a stream.
Indices Shrink(uint64_t seed, Indices list, size_t batch, const std::string& what) {
  // Most faults need only the events just before them: short tails are tried first.
  for (size_t tail = batch; tail < list.size(); tail *= 4) {
    const Indices candidate(list.end() - tail, list.end());
    const auto f = RunIsolated(seed, candidate, batch, true);
    if (!f || f->what != what) continue;
    list.assign(candidate.begin(), candidate.begin() + f->position + 1);
    break;
  }
  int tries = 0;
  for (size_t chunk = list.size() / 2; chunk > 0 && tries < 400; chunk /= 2) {
    for (size_t from = 0; from < list.size() && tries < 400; ++tries) {
      Indices candidate(list.begin(), list.begin() + from);
      candidate.insert(candidate.end(), list.begin() + std::min(from + chunk, list.size()), list.end());
      const auto f = candidate.empty() ? std::nullopt : RunIsolated(seed, candidate, batch, true);
      if (f && f->what == what) list.assign(candidate.begin(), candidate.begin() + f->position + 1);
      else from += chunk;
    }
  }
  return list;
}

std::string Join(const Indices& list) {
  std::string s;
  for (uint64_t i : list) {
    if (!s.empty()) s += ',';
    s += std::to_string(i);
  }
  return s;
}

// Runs a list; on a finding prints it with its shrunk reproduction. True when clean.
bool Run(uint64_t seed, const Indices& list, size_t batch, bool progress) {
  const auto f = RunIsolated(seed, list, batch, false, progress);
  if (!f) return true;
  std::printf("soak: FINDING with seed %llu at event index %llu: %s\nsoak: shrinking...\n",
              (unsigned long long)seed, (unsigned long long)list[f->position], f->what.c_str());
  std::fflush(stdout);
  const Indices small = Shrink(seed, Indices(list.begin(), list.begin() + f->position + 1), batch, f->what);
  std::printf("soak: reproduction (%zu events): soak --seed %llu --batch %zu --replay %s\n",
              small.size(), (unsigned long long)seed, batch, Join(small).c_str());
  for (uint64_t i : small)
    std::printf("  event %llu: %s\n", (unsigned long long)i, soak::KindName(soak::EventAt(seed, i).kind).c_str());
  return false;
}

// ---- regressions: shrunk streams of faults the soak found, replayed on every run
struct Regression {
  uint64_t seed;
  size_t batch;
  const char* indices;
};
const std::vector<Regression> kRegressions = {
    // A date picker's calendar opened while another's was open never had the focus, so no
    // click elsewhere closed it.
    {6, 200, "13355,13414,13473,13480,13555,13567,13580"},
};

}  // namespace

// ---- main
int main(int argc, char** argv) {
  bool help = false;
  const auto options = Parse(argc, argv, help);
  if (help) { std::fputs(kUsage, stdout); return 0; }
  if (!options) return 2;
  const auto start = std::chrono::steady_clock::now();
  bool clean = true;
  if (options->replay) {
    clean = Run(options->seed, *options->replay, options->batch, false);
  } else {
    for (const Regression& r : kRegressions) clean = Run(r.seed, *IndexList(r.indices), r.batch, false) && clean;
    Indices all(options->events);
    for (uint64_t i = 0; i < all.size(); ++i) all[i] = i;
    if (!all.empty()) clean = Run(options->seed, all, options->batch, true) && clean;
  }
  const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("soak: seed %llu, %s, %.1f s\n", (unsigned long long)options->seed,
              clean ? "no finding" : "FINDINGS", s);
  return clean ? 0 : 1;
}
