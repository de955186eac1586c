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
#include <fcntl.h>
#include <numeric>
#include <sstream>

#include "tests/soak/SoakWorld.h"

// LeakSanitizer's check, which only a sanitizer build links in; elsewhere nothing leaks.
extern "C" __attribute__((weak)) int __lsan_do_recoverable_leak_check();
static bool Leaked() {
  return __lsan_do_recoverable_leak_check && __lsan_do_recoverable_leak_check() != 0;
}

namespace {

using Indices = std::vector<uint64_t>;

// ---- command line
struct Options {
  uint64_t events = 20000, seed = 1, batch = 200;
  std::optional<Indices> replay;
  bool help = false;
};

const char kUsage[] =
    "usage: soak [--events N] [--seed S] [--batch B] [--replay I,J,...] [--help]\n"
    "Replays the kept regressions, then drives the headless gallery with N events made from seed S\n"
    "(defaults 20000 and 1), settling and checking every B events (default 200). --replay runs\n"
    "only the events of those indices, as a shrunk reproduction prints them.\n"
    "Exit codes: 0 no finding, 1 a finding (seed, event index and reproduction printed), 2 bad arguments.\n";

// The numbers of a comma-separated list; nothing unless each is a plain decimal that fits.
std::optional<Indices> Numbers(const std::string& text) {
  Indices list;
  for (size_t from = 0, to = 0; from <= text.size(); from = to + 1) {
    to = std::min(text.find(',', from), text.size());
    if (to == from || to - from > 18 || text.find_first_not_of("0123456789", from) < to)
      return std::nullopt;
    list.push_back(std::stoull(text.substr(from, to - from)));
  }
  return list;
}

// Null when the arguments are bad (the reason printed).
std::optional<Options> Parse(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help") return o.help = true, o;
    const auto n = i + 1 < argc ? Numbers(argv[++i]) : std::nullopt;
    const bool one = n && n->size() == 1;
    if (n && arg == "--replay") o.replay = n;
    else if (one && arg == "--events") o.events = n->front();
    else if (one && arg == "--seed") o.seed = n->front();
    else if (one && arg == "--batch" && n->front() > 0) o.batch = n->front();
    else return std::fprintf(stderr, "soak: bad argument '%s'\n%s", arg.c_str(), kUsage), std::nullopt;
  }
  return o;
}

// ---- one run
// Written by the child as it goes, read by the parent when it is gone: where in the list of
// indices it was, what it found there, and the figures behind it (which differ between the
// shrinker's tries, so only `what` must match).
struct Finding {
  uint64_t position;
  char what[256];
  char detail[256];
};

struct Fault {
  std::string what, detail;
};

// The memory the run holds, in bytes: the resident size, or in a sanitizer build the heap in
// use as its allocator counts it. A sanitizer build's resident size measures nothing the soak
// wants: its shadow memory and the allocator's bookkeeping grow with every address the heap has
// ever used, some 40 MB over 20,000 events with nothing held.
extern "C" __attribute__((weak)) size_t __sanitizer_get_current_allocated_bytes();
uint64_t HeldBytes() {
  if (__sanitizer_get_current_allocated_bytes) return __sanitizer_get_current_allocated_bytes();
  unsigned long long pages = 0, resident = 0;
  FILE* statm = std::fopen("/proc/self/statm", "r");
  if (statm && std::fscanf(statm, "%llu %llu", &pages, &resident) != 2) resident = 0;
  if (statm) std::fclose(statm);
  return resident * uint64_t(sysconf(_SC_PAGESIZE));
}
const char* HeldName() {
  return __sanitizer_get_current_allocated_bytes ? "heap in use" : "resident";
}

// How much the memory held may grow from the end of the first batch (when the caches of fonts,
// glyphs and themes are warm) to the end of the run. Release runs of 100,000 events grow by 1
// to 2 MB (the allocator's free lists as the gallery's items and texts come and go); a leak of
// a few hundred bytes an event passes this within such a run.
constexpr uint64_t kHeldGrowthBound = 16ull << 20;

double Megabytes(uint64_t bytes) { return double(bytes) / (1 << 20); }

// After a settle every object a batch made is gone again: a count above the one before the
// batch is a control that makes an object and never deletes it.
std::optional<Fault> CheckHeldObjects(const soak::SoakWorld& world,
                                      const soak::GuiObjects& before) {
  const soak::GuiObjects now = world.HeldObjects();
  const auto figures = [&](const char* what, unsigned long from, unsigned long to) {
    return std::string(what) + " objects " + std::to_string(from) + " before the batch, " +
           std::to_string(to) + " after the settle";
  };
  if (now.gdi > before.gdi)
    return Fault{"GDI objects leak: more after the settle than before the batch",
                 figures("GDI", before.gdi, now.gdi)};
  if (now.user > before.user)
    return Fault{"USER objects leak: more after the settle than before the batch",
                 figures("USER", before.user, now.user)};
  return std::nullopt;
}

std::optional<Fault> RunStream(uint64_t seed, const Indices& indices, size_t batch,
                               Finding& shared, bool progress) {
  soak::SoakWorld world;
  const auto start = std::chrono::steady_clock::now();
  soak::GuiObjects held = world.HeldObjects();
  uint64_t warm = 0;  // the memory held at the end of the first batch
  for (uint64_t& i = shared.position; i < indices.size(); ++i) {
    world.Apply(soak::EventAt(seed, indices[i]));
    const bool end = (i + 1) % batch == 0 || i + 1 == indices.size();
    std::optional<Fault> fault;
    if (auto broken = world.Check(false)) fault = Fault{*broken, ""};
    const bool settled = !fault && end && world.Settle();
    if (settled) {
      if (auto broken = world.Check(true)) fault = Fault{*broken, ""};
      else fault = CheckHeldObjects(world, held);
      held = world.HeldObjects();
    }
    if (!fault && end && Leaked()) fault = Fault{"LeakSanitizer found a leak", ""};
    if (fault) return fault;
    if (end && !warm) warm = HeldBytes();
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (progress && (i + 1) % 10000 == 0)
      std::printf("soak: %llu events, %.0f s, %.0f events/s, %s %.1f MB, held after the last "
                  "settle %lu GDI and %lu USER objects\n",
                  (unsigned long long)(i + 1), s, (i + 1) / s, HeldName(), Megabytes(HeldBytes()),
                  held.gdi, held.user), std::fflush(stdout);
  }
  // A run of a single batch has no warm size to compare with.
  if (indices.size() <= batch) return std::nullopt;
  const uint64_t last = HeldBytes();
  if (progress)
    std::printf("soak: %s %.1f MB after the first batch, %.1f MB at the end (bound: %.0f MB "
                "more)\n", HeldName(), Megabytes(warm), Megabytes(last),
                Megabytes(kHeldGrowthBound));
  if (last > warm + kHeldGrowthBound) {
    char figures[128];
    std::snprintf(figures, sizeof figures, "%s %.1f MB after the first batch, %.1f MB at the end",
                  HeldName(), Megabytes(warm), Megabytes(last));
    return Fault{"the memory held grew beyond its bound", figures};
  }
  return std::nullopt;
}

// ---- a run in a child
std::optional<Finding> RunIsolated(uint64_t seed, const Indices& indices, size_t batch, bool quiet,
                                   bool progress = false) {
  auto* shared = static_cast<Finding*>(
      mmap(nullptr, sizeof(Finding), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));  // zeroed
  std::fflush(nullptr);
  if (fork() == 0) {
    if (quiet) dup2(open("/dev/null", O_WRONLY), STDERR_FILENO);
    if (const auto fault = RunStream(seed, indices, batch, *shared, progress)) {
      std::snprintf(shared->what, sizeof shared->what, "%s", fault->what.c_str());
      std::snprintf(shared->detail, sizeof shared->detail, "%s", fault->detail.c_str());
      _exit(1);  // the finding is told; a leak check at exit would only add noise
    }
    std::exit(0);  // LeakSanitizer's last check runs here
  }
  int status = 0;
  wait(&status);
  Finding f = *shared;
  munmap(shared, sizeof(Finding));
  f.position = std::min<uint64_t>(f.position, indices.size() - 1);
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return std::nullopt;
  if (!f.what[0] && WIFSIGNALED(status)) std::snprintf(f.what, sizeof f.what, "crash, signal %d", WTERMSIG(status));
  else if (!f.what[0]) std::snprintf(f.what, sizeof f.what, "sanitizer report, exit code %d", WEXITSTATUS(status));
  return f;
}

// ---- shrinking
// Tries short tails first (most faults need only the events just before them), then drops ever
// smaller runs of events while the rest still fails the same way, cutting what follows the
// failing event. Bounded by a number of tries, since each try replays a stream.
Indices Shrink(uint64_t seed, Indices list, size_t batch, const std::string& what) {
  const auto keeps = [&](const Indices& candidate) {
    const auto f = candidate.empty() ? std::nullopt : RunIsolated(seed, candidate, batch, true);
    if (f && f->what == what) list.assign(candidate.begin(), candidate.begin() + f->position + 1);
    return f && f->what == what;
  };
  for (size_t tail = batch; tail < list.size() && !keeps(Indices(list.end() - tail, list.end()));)
    tail *= 4;
  int tries = 0;
  for (size_t chunk = list.size() / 2; chunk > 0; chunk /= 2) {
    for (size_t from = 0; from < list.size() && ++tries < 400;) {
      Indices candidate(list.begin(), list.begin() + from);
      candidate.insert(candidate.end(), list.begin() + std::min(from + chunk, list.size()), list.end());
      if (!keeps(candidate)) from += chunk;
    }
  }
  return list;
}

// Runs a list; on a finding prints it with its shrunk reproduction. True when clean.
bool Run(uint64_t seed, const Indices& list, size_t batch, bool progress) {
  const auto f = RunIsolated(seed, list, batch, false, progress);
  if (!f) return true;
  std::printf("soak: FINDING with seed %llu at event index %llu: %s\n",
              (unsigned long long)seed, (unsigned long long)list[f->position], f->what);
  if (f->detail[0]) std::printf("soak: %s\n", f->detail);
  std::printf("soak: shrinking...\n");
  std::fflush(stdout);
  const Indices small = Shrink(seed, Indices(list.begin(), list.begin() + f->position + 1), batch, f->what);
  std::ostringstream kinds, indices;
  for (const uint64_t& i : small) {
    indices << (&i == &small.front() ? "" : ",") << i;
    kinds << "  event " << i << ": " << soak::KindName(soak::EventAt(seed, i).kind) << "\n";
  }
  std::printf("soak: reproduction (%zu events): soak --seed %llu --batch %zu --replay %s\n%s",
              small.size(), (unsigned long long)seed, batch, indices.str().c_str(), kinds.str().c_str());
  return false;
}

// ---- regressions: shrunk streams of faults the soak found, as (seed, indices), replayed on
// every run with the default batch
const std::pair<uint64_t, const char*> kRegressions[] = {
    // A date picker's calendar opened while another's was open never had the focus, so no
    // click elsewhere closed it.
    {6, "13355,13414,13473,13480,13555,13567,13580"},
};

}  // namespace

// ---- main
int main(int argc, char** argv) {
  const auto options = Parse(argc, argv);
  if (options && options->help) { std::fputs(kUsage, stdout); return 0; }
  if (!options) return 2;
  const auto start = std::chrono::steady_clock::now();
  bool clean = true;
  for (const auto& [seed, list] : kRegressions)
    if (!options->replay) clean = Run(seed, *Numbers(list), Options().batch, false) && clean;
  Indices all(options->events);
  std::iota(all.begin(), all.end(), 0);
  const Indices& list = options->replay ? *options->replay : all;
  if (!list.empty()) clean = Run(options->seed, list, options->batch, !options->replay) && clean;
  const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("soak: seed %llu, %s, %.1f s\n", (unsigned long long)options->seed,
              clean ? "no finding" : "FINDINGS", s);
  return clean ? 0 : 1;
}
