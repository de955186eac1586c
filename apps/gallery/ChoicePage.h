// The gallery's page of choice controls and system buttons, in every look:
//
//   row 1   radios, unchecked: normal, disabled, focused, hover, pushed
//   row 2   the same, checked
//   row 3   a group of three radios, the second chosen by a click
//   row 4   colour buttons: normal, disabled, focused, hover, pushed
//   row 5   picture buttons in the same looks
//
// Hover, pushed and the buttons' focus are put on by replaying the handler calls the framework
// makes for that input, so they show at once and change back as soon as the user moves over
// them. The radios' focused look needs the window's element focus, which the page takes.
#pragma once

#include <filesystem>

#include "button/CElementButtonSys.h"
#include "choice/CElementRadio.h"
#include "choice/CRatioGroup.h"

class ChoicePage {
 public:
  // Builds the page in `parent` with its top-left corner at `origin` (parent coordinates).
  // `images` is the folder of the picture buttons' images (apps/gallery/images).
  ChoicePage(CElementContainer* parent, POINT origin, const std::filesystem::path& images);
  ChoicePage(const ChoicePage&) = delete;
  ChoicePage& operator=(const ChoicePage&) = delete;

  // The room the page takes.
  static CSize Size();

 private:
  // A radio or button that can be shown in a look (COLOR_STATE_*) without real input.
  class ShowcaseRadio : public CElementRadio {
   public:
    void ShowLook(DWORD look);
    void ReplayClick();
  };
  class ShowcaseButton : public CElementButtonSys {
   public:
    void ShowLook(DWORD look);
  };

  ShowcaseRadio m_looks[2][5];  // unchecked, checked
  ShowcaseRadio m_grouped[3];
  CRatioGroup m_group;
  ShowcaseButton m_colorButtons[5];
  ShowcaseButton m_pictureButtons[5];
};
