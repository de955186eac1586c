#include "platform/window/DisplayScale.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace platform {

namespace {

// Division rounding towards minus infinity and plus infinity, for signed coordinates.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a / b - (a % b != 0 && a < 0); }
std::int64_t CeilDiv(std::int64_t a, std::int64_t b) { return a / b + (a % b != 0 && a > 0); }

int Clamped(std::int64_t v) {
  return int(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}

}  // namespace

std::optional<DisplayScale> DisplayScale::FromText(std::string_view text) {
  double factor = 0;
  const char* end = text.data() + text.size();
  // Plain decimals only: an exponent, a plus sign or anything left over refuses.
  const auto [stop, error] = std::from_chars(text.data(), end, factor, std::chars_format::fixed);
  if (text.empty() || error != std::errc() || stop != end || !std::isfinite(factor))
    return std::nullopt;
  if (factor > kLargest / double(kOne) + 1.0) return std::nullopt;
  return FromThousandths(int(std::lround(factor * kOne)));
}

DisplayScale DisplayScale::FromDpi(double dpi) {
  const double thousandths = std::isfinite(dpi) ? dpi / 96.0 * kOne : kOne;
  return DisplayScale(int(std::lround(std::clamp<double>(thousandths, kSmallest, kLargest))));
}

std::optional<DisplayScale> DisplayScale::FromThousandths(int thousandths) {
  if (thousandths < kSmallest || thousandths > kLargest) return std::nullopt;
  return DisplayScale(thousandths);
}

POINT DisplayScale::ToScreen(POINT window) const {
  return {Clamped(FloorDiv(std::int64_t(window.x) * kOne, m_thousandths)),
          Clamped(FloorDiv(std::int64_t(window.y) * kOne, m_thousandths))};
}

SIZE DisplayScale::ScreenSize(int windowWidth, int windowHeight) const {
  const POINT corner = ToScreen({windowWidth, windowHeight});
  return {std::max(1, corner.x), std::max(1, corner.y)};
}

SIZE DisplayScale::WindowSize(int screenWidth, int screenHeight) const {
  return {Clamped(CeilDiv(std::int64_t(screenWidth) * m_thousandths, kOne)),
          Clamped(CeilDiv(std::int64_t(screenHeight) * m_thousandths, kOne))};
}

POINT DisplayScale::ToWindow(POINT screen) const {
  return {Clamped(CeilDiv(std::int64_t(screen.x) * m_thousandths, kOne)),
          Clamped(CeilDiv(std::int64_t(screen.y) * m_thousandths, kOne))};
}

RECT DisplayScale::ToWindow(const RECT& screen) const {
  const auto lower = [this](LONG v) {
    return Clamped(FloorDiv(std::int64_t(v) * m_thousandths, kOne));
  };
  const auto upper = [this](LONG v) {
    return Clamped(CeilDiv(std::int64_t(v) * m_thousandths, kOne));
  };
  return {lower(screen.left), lower(screen.top), upper(screen.right), upper(screen.bottom)};
}

}  // namespace platform
