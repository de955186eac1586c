// window_soak: drives the gallery in a real window on an X server through XTest, with a seeded
// stream of what a person does, asking the program for an answer after each event and checking
// it between batches (WindowWorld.h). Run it on a display of its own, as CTest does:
//
//   tests/desktop/desktop-session.sh build/tests/soak/window_soak --events 2000
//
// A finding prints the seed, the event's index and kind, and what was wrong, and exits 1; so
// does a program that stops answering (after 20 s) or hangs inside an event (after a minute).
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/soak/WindowWorld.h"

namespace {

struct Options {
  unsigned long long events = 2000, seed = 1, batch = 100;
  platform::DisplayScale scale;
  int width = 800, height = 600;
};

const char kUsage[] =
    "usage: window_soak [--events N] [--seed S] [--batch B] [--scale F] [--size WxH] [--help]\n"
    "Drives the gallery in a window on the X display through XTest: N events made from seed S\n"
    "(defaults 2000 and 1), settling and checking every B events (default 100), the window\n"
    "at scale F (1 to 4, default 1) showing a screen of W x H (default 800x600).\n"
    "Exit codes: 0 no finding, 1 a finding or no display to run on, 2 bad arguments.\n";

// A plain decimal that fits, and is at least 1.
bool Count(const char* text, unsigned long long& out) {
  char* end = nullptr;
  if (!text || !*text || *text == '-') return false;
  out = std::strtoull(text, &end, 10);
  return *end == '\0' && out > 0;
}

bool Parse(int argc, char** argv, Options& o, bool& help) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help") return help = true;
    const char* value = i + 1 < argc ? argv[++i] : nullptr;
    unsigned long long w = 0, h = 0;
    const std::string text = value ? value : "";
    const auto x = text.find('x');
    const bool size = x != std::string::npos && Count(text.substr(0, x).c_str(), w) &&
                      Count(text.substr(x + 1).c_str(), h) && w <= 4096 && h <= 4096;
    if (arg == "--events" && Count(value, o.events)) continue;
    if (arg == "--seed" && value && (std::string(value) == "0" || Count(value, o.seed))) {
      o.seed = std::strtoull(value, nullptr, 10);
      continue;
    }
    if (arg == "--batch" && Count(value, o.batch)) continue;
    if (arg == "--size" && size) {
      o.width = int(w), o.height = int(h);
      continue;
    }
    if (arg == "--scale" && value) {
      if (const auto scale = platform::DisplayScale::FromText(value)) {
        o.scale = *scale;
        continue;
      }
    }
    std::fprintf(stderr, "window_soak: bad argument '%s'\n%s", arg.c_str(), kUsage);
    return false;
  }
  return true;
}

// A program stuck inside an event never comes back to say so: the alarm says it instead.
void Hung(int) {
  const char text[] =
      "window_soak: FINDING: no event finished within a minute (the program hangs)\n";
  (void)!write(STDOUT_FILENO, text, sizeof text - 1);
  _exit(1);
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  bool help = false;
  if (!Parse(argc, argv, o, help)) return 2;
  if (help) return std::fputs(kUsage, stdout), 0;
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  std::string error;
  auto world = soak::WindowWorld::Open(o.width, o.height, o.scale, error);
  if (!world) {
    std::printf("window_soak: cannot start: %s\n", error.c_str());
    return 1;
  }
  std::signal(SIGALRM, Hung);
  const auto start = std::chrono::steady_clock::now();
  const auto seconds = [&start] {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  };
  for (unsigned long long i = 0; i < o.events; ++i) {
    alarm(60);
    const soak::WindowEvent e = soak::WindowEventAt(o.seed, i);
    auto fault = world->Apply(e);
    if (!fault) fault = world->Check();
    const bool end = (i + 1) % o.batch == 0 || i + 1 == o.events;
    if (!fault && end) fault = world->SettleAndCheck();
    if (fault) {
      std::printf("window_soak: FINDING with seed %llu at event index %llu (%s): %s\n", o.seed, i,
                  soak::WindowKindName(e.kind), fault->c_str());
      return 1;
    }
    if ((i + 1) % 10000 == 0)
      std::printf("window_soak: %llu events, %.0f s\n", i + 1, seconds());
  }
  alarm(0);
  std::printf("window_soak: seed %llu, %llu events at scale %.3g, no finding, %.1f s\n", o.seed,
              o.events, o.scale.Factor(), seconds());
  return 0;
}
