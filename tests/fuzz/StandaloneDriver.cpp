// Runs a fuzz target without libFuzzer: replays every file of the corpus paths given, then runs
// seeded mutations of them until a count or a time is reached. It takes libFuzzer's options of
// the same names, so one command line serves both:
//   program [-runs=N] [-max_total_time=SECONDS] [-seed=N] [-max_len=BYTES] PATH...
#include <chrono>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Read(const std::filesystem::path& path) {
  return Bytes(std::istreambuf_iterator<char>(std::ifstream(path, std::ios::binary).rdbuf()), {});
}

// One of the changes libFuzzer makes most: flip a bit, set a byte, insert bytes, erase a run,
// or splice in a run of this input or another one.
void Mutate(Bytes& b, const std::vector<Bytes>& corpus, std::mt19937_64& random) {
  const auto below = [&](std::size_t n) { return n == 0 ? 0 : std::size_t(random() % n); };
  const auto at = b.begin() + std::ptrdiff_t(below(b.size() + 1));
  const Bytes& from = random() % 2 || corpus.empty() ? Bytes(b) : corpus[below(corpus.size())];
  const auto first = from.begin() + std::ptrdiff_t(below(from.size() + 1));
  const auto last = first + std::ptrdiff_t(below(std::size_t(from.end() - first) + 1));
  switch (random() % 5) {
    case 0: if (at != b.end()) *at ^= std::uint8_t(1u << below(8)); break;
    case 1: if (at != b.end()) *at = std::uint8_t(random()); break;
    case 2: b.insert(at, below(8) + 1, std::uint8_t(random())); break;
    case 3: b.erase(at, at + std::ptrdiff_t(below(std::size_t(b.end() - at) + 1))); break;
    default: b.insert(at, first, last);
  }
}

}  // namespace

int main(int argc, char** argv) {
  long long runs = -1, seconds = 0, seed = 1, maxLength = 4096;
  std::vector<Bytes> corpus;
  for (int i = 1; i < argc; ++i) {
    if (std::sscanf(argv[i], "-runs=%lld", &runs) || std::sscanf(argv[i], "-seed=%lld", &seed) ||
        std::sscanf(argv[i], "-max_total_time=%lld", &seconds) ||
        std::sscanf(argv[i], "-max_len=%lld", &maxLength) || argv[i][0] == '-')
      continue;
    if (!std::filesystem::is_directory(argv[i])) corpus.push_back(Read(argv[i]));
    else for (const auto& entry : std::filesystem::recursive_directory_iterator(argv[i]))
      if (entry.is_regular_file()) corpus.push_back(Read(entry.path()));
  }
  if (runs < 0) runs = seconds > 0 ? LLONG_MAX : 100000;  // libFuzzer itself would never stop
  for (const Bytes& input : corpus) LLVMFuzzerTestOneInput(input.data(), input.size());
  std::mt19937_64 random{std::uint64_t(seed)};
  const auto stop = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  long long done = 0;
  for (; done < runs && (seconds <= 0 || std::chrono::steady_clock::now() < stop); ++done) {
    Bytes input = corpus.empty() ? Bytes() : corpus[std::size_t(random() % corpus.size())];
    for (int k = int(random() % 8); k >= 0; --k) Mutate(input, corpus, random);
    input.resize(std::min(input.size(), std::size_t(maxLength)));
    LLVMFuzzerTestOneInput(input.data(), input.size());
  }
  std::printf("replayed %zu inputs, ran %lld mutations (seed %lld)\n", corpus.size(), done, seed);
  return 0;
}
