// The soak's world: the live gallery on a headless screen, driven by events and checked between
// batches. Each event is made from the seed and its index alone, so any subset of a stream can
// be replayed on its own while it is shrunk to a short reproduction.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "apps/gallery/GalleryWindow.h"
#include "platform/backend/headless/HeadlessScreen.h"

namespace soak {

enum class Kind {
  // what a person does
  Move, Click, DoubleClick, RightClick, Press, Release, Drag, Wheel, Key, Text, Ime, Time, Resize,
  // what the host does between events
  Enable, Show, SetText, Items, Date, Theme, Rebuild,
};

// The kind and four raw numbers; the world reads them against its state when it applies them
// (which element, which point, which key), so they stay meaningful as the gallery changes.
struct Event {
  Kind kind = Kind::Move;
  uint32_t a = 0, b = 0, c = 0, d = 0;
};

// The GDI and USER objects the process holds, as GetGuiResources counts them.
struct GuiObjects {
  unsigned long gdi = 0, user = 0;
};

Event EventAt(uint64_t seed, uint64_t index);
std::string KindName(Kind kind);

class SoakWorld {
 public:
  SoakWorld();
  ~SoakWorld();

  void Apply(const Event& e);
  // How a person ends whatever was going on: Escape, then a click on empty space. False when
  // the screen shows no empty space to click.
  bool Settle();
  // The first invariant that does not hold, described; `settled` adds the ones that need a
  // Settle first (no capture, no pop-up).
  std::optional<std::string> Check(bool settled);
  // The objects the process holds now, less what the gallery may keep from one batch to the
  // next (see the .cpp).
  GuiObjects HeldObjects() const;

 private:
  std::vector<CElementContainer*> Elements(bool shownOnly) const;
  POINT Target(uint32_t how, uint32_t u, uint32_t v);
  void Drag(const Event& e);
  void LoadTheme(bool dark);

  platform::headless::HeadlessScreen m_screen;
  std::unique_ptr<GalleryWindow> m_gallery;
  // Elements the stream hid or disabled, so that it can bring them back.
  std::vector<CElementContainer*> m_hidden;
  std::vector<CElementContainer*> m_disabled;
  bool m_dark = false;
};

}  // namespace soak
