// The live gallery on a headless screen, driven by soak events and checked between batches.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "apps/gallery/GalleryWindow.h"
#include "platform/backend/headless/HeadlessScreen.h"
#include "tests/soak/SoakEvent.h"

namespace soak {

class SoakWorld {
 public:
  SoakWorld();
  ~SoakWorld();
  SoakWorld(const SoakWorld&) = delete;
  SoakWorld& operator=(const SoakWorld&) = delete;

  void Apply(const Event& e);
  // How a person ends whatever was going on: Escape, then a click on empty space. False when
  // the screen shows no empty space to click.
  bool Settle();
  // The first invariant that does not hold, described; `settled` adds the ones that need a
  // Settle first (no capture, no pop-up).
  std::optional<std::string> Check(bool settled);

 private:
  using Toggle = void (*)(CElementContainer*, bool on);

  std::vector<CElementContainer*> Elements(bool shownOnly) const;
  std::vector<HWND> PopUps() const;
  POINT Target(uint32_t how, uint32_t u, uint32_t v);
  POINT InElement(CElementContainer* e, uint32_t u, uint32_t v);
  void Drag(const Event& e);
  void Key(uint32_t which, uint32_t modifiers);
  void HostAction(const Event& e);
  void Flip(std::vector<CElementContainer*>& off, const Event& e, Toggle set);
  void ChangeItems(const Event& e);
  void SwitchTheme();
  std::optional<std::string> CheckHost(CElementHost* host, bool settled) const;

  platform::headless::HeadlessScreen m_screen;
  std::unique_ptr<GalleryWindow> m_gallery;
  // Elements the stream hid or disabled, so that it can bring them back.
  std::vector<CElementContainer*> m_hidden;
  std::vector<CElementContainer*> m_disabled;
  bool m_dark = false;
};

}  // namespace soak
