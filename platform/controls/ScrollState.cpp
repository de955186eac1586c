#include "platform/controls/ScrollState.h"

#include <algorithm>
#include <cstddef>

namespace platform {

bool IsScrollInfoSize(UINT cbSize) {
  return cbSize == sizeof(SCROLLINFO) || cbSize == offsetof(SCROLLINFO, nTrackPos);
}

int ScrollState::MaxPos() const {
  // In 64 bits: max - page + 1 leaves int when the page is wider than the range allows.
  const long long last = static_cast<long long>(max) - std::max<long long>(page, 1) + 1;
  return static_cast<int>(std::max<long long>(last, min));
}

bool ScrollState::Apply(const SCROLLINFO* info) {
  if (!info || !IsScrollInfoSize(info->cbSize)) return false;
  if (info->fMask & SIF_RANGE) {
    // An inverted range, or one whose size does not fit an int, is no range at all.
    const long long span = static_cast<long long>(info->nMax) - info->nMin;
    if (span < 0 || span >= 0x7FFFFFFFLL) {
      min = max = 0;
    } else {
      min = info->nMin;
      max = info->nMax;
    }
  }
  if (info->fMask & SIF_PAGE) page = info->nPage;
  if (info->fMask & SIF_POS) pos = info->nPos;
  const long long size = static_cast<long long>(max) - min + 1;
  if (page > size) page = static_cast<UINT>(size);
  pos = std::clamp(pos, min, MaxPos());
  return true;
}

bool ScrollState::Fill(SCROLLINFO* info, int trackPos) const {
  if (!info || !IsScrollInfoSize(info->cbSize)) return false;
  if (info->fMask & SIF_RANGE) {
    info->nMin = min;
    info->nMax = max;
  }
  if (info->fMask & SIF_PAGE) info->nPage = page;
  if (info->fMask & SIF_POS) info->nPos = pos;
  if ((info->fMask & SIF_TRACKPOS) && info->cbSize == sizeof(SCROLLINFO)) info->nTrackPos = trackPos;
  return (info->fMask & SIF_ALL) != 0;
}

}  // namespace platform
