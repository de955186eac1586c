/// @class SkinScrollGeometry
/// The skinned scroll bar's arithmetic as pure functions of its state and sizes: which position
/// a drag means, and where a scroll action leads (the thumb itself lies by the platform's
/// ScrollThumb). Neither divides by an empty range or a track with no room, and positions
/// computed in floating point are clamped before they become integers.
#pragma once

#include "platform/controls/ScrollState.h"

struct SkinScrollGeometry {
  /// Range, page and position, as the platform's scroll bar keeps them.
  using ScrollState = platform::ScrollState;

  ///@{
  /// The actions of CSkinScroll::ScrollBy, as the scroll requests number them.
  static constexpr int kLineUp = 0;
  static constexpr int kLineDown = 1;
  static constexpr int kPageUp = 2;
  static constexpr int kPageDown = 3;
  ///@}

  /// The position a drag of `dy` pixels means, from `startPos`, when the thumb can travel
  /// `travel` pixels: the range's positions spread over the travel, clamped to the positions
  /// there are. Without travel or positions to move through, the position stays.
  static int DragPosition(const ScrollState& state, int travel, int startPos, int dy);

  /// The position after a scroll action (a line or a page up or down; anything else moves
  /// nothing), clamped to the positions there are.
  static int ScrollTarget(const ScrollState& state, int action);
};
