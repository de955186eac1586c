// Turns a fuzzer's bytes into the choices a target makes: numbers in a range, flags and texts.
// Reading past the end gives zeros, so every input, however short, is a whole run; small
// ranges take one byte, so a mutation of one byte changes one choice.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "platform/gdi/Surface.h"

// A broken invariant is a finding: say which and stop, so the fuzzer keeps the input.
#define FUZZ_CHECK(condition) \
  ((condition) ? void(0) : (std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition), std::abort()))

class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : m_data(data), m_end(data + size) {}

  bool Empty() const { return m_data >= m_end; }
  std::uint8_t Byte() { return m_data < m_end ? *m_data++ : 0; }
  bool Flag() { return Byte() & 1; }
  std::uint64_t Bits(int bytes) {
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i) value |= std::uint64_t(Byte()) << (8 * i);
    return value;
  }
  // A number in [low, high].
  std::int64_t Pick(std::int64_t low, std::int64_t high) {
    const std::uint64_t span = std::uint64_t(high) - std::uint64_t(low);
    const std::uint64_t roll = Bits(span < 0x100 ? 1 : span < 0x10000 ? 2 : span >> 32 ? 8 : 4);
    return std::int64_t(std::uint64_t(low) + (span == UINT64_MAX ? roll : roll % (span + 1)));
  }
  // Up to maxLength characters, leaning towards those text code treats specially: prefix marks,
  // tabs, breaks, wide spaces, ideographs and their full stop, combining marks, lone
  // surrogates, values past the last code point and nul; bytes from 0xE0 give any value.
  std::wstring Text(std::size_t maxLength) {
    static constexpr wchar_t kSpecial[] = {L'&', L'\t', L'\n', L'\r', L' ', L'.', 0x3000, 0x4E2D,
        0x3002, 0x0301, 0xFFFF, 0x1F600, wchar_t(0xD800), wchar_t(0xDFFF), wchar_t(0x110000), 0};
    std::wstring out(std::size_t(Pick(0, std::int64_t(maxLength))), L' ');
    for (wchar_t& c : out) {
      const std::uint8_t b = Byte();
      c = b < std::size(kSpecial) ? kSpecial[b]
          : b < 0xE0            ? wchar_t(0x20 + b % 0x5F)
                                : wchar_t(Bits(3) | std::uint64_t(b & 0x1F) << 24);
    }
    return out;
  }

 private:
  const std::uint8_t* m_data;
  const std::uint8_t* m_end;
};

// The bytes in a buffer of exactly their size, so a read even one past them is caught.
inline std::unique_ptr<std::uint8_t[]> ExactCopy(const std::uint8_t* data, std::size_t size) {
  std::unique_ptr<std::uint8_t[]> copy(new std::uint8_t[size]);  // new[0] is not null
  std::memcpy(copy.get(), data, size);
  return copy;
}

// Decodes into a surface holding one marked pixel, which a refusal must leave as it was.
template <class Decode>
bool DecodedOrUntouched(platform::Surface& surface, Decode decode) {
  FUZZ_CHECK(surface.Allocate(1, 1));
  surface.Row(0)[0] = 0x123456;
  if (decode(surface)) return true;
  FUZZ_CHECK(surface.Width() == 1 && surface.Height() == 1 && surface.Row(0)[0] == 0x123456);
  return false;
}
