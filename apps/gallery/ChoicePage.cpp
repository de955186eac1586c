#include "apps/gallery/ChoicePage.h"

namespace {

// The looks in the order of the columns; focus comes last when applied (see ShowLooks).
constexpr DWORD kColumns[5] = {COLOR_STATE_NORMAL, COLOR_STATE_DISABLE, COLOR_STATE_FOCUS,
                               COLOR_STATE_HOVER, COLOR_STATE_PUSH};
constexpr const wchar_t* kLookNames[5] = {L"Normal", L"Disabled", L"Focused", L"Hover", L"Pushed"};
constexpr int kColumnWidth = 104;
constexpr int kControlWidth = 96;
constexpr int kRadioHeight = 21;
constexpr int kButtonHeight = 28;
constexpr int kPictureSize = 36;
constexpr int kRowGap = 10;
// Picture buttons stand on a neutral grey so the images' edges show in either theme.
constexpr COLORREF kPictureBackground = RGB(0x9A, 0x9A, 0x9A);

_CONTAINER_INFO InfoAt(CElementContainer* parent, int x, int y, int cx, int cy,
                       const wchar_t* text) {
  _CONTAINER_INFO info;
  info.SetPosition(x, y);
  info.SetSize(cx, cy);
  info.SetParent(parent);
  info.SetText(text);
  return info;
}

}  // namespace

void ChoicePage::ShowcaseRadio::ShowLook(DWORD look) {
  const POINT inside{kControlWidth / 2, kRadioHeight / 2};
  switch (look) {
    case COLOR_STATE_DISABLE: Enable(0); break;
    case COLOR_STATE_FOCUS: SetFocus(); break;
    case COLOR_STATE_HOVER: OnMouseMove(inside.x, inside.y, 0); break;
    case COLOR_STATE_PUSH:
      OnLButtonDown(inside);
      ReleaseCapture();  // a real press would hold it until the release
      break;
    default: break;
  }
}

void ChoicePage::ShowcaseRadio::ReplayClick() {
  const POINT inside{kControlWidth / 2, kRadioHeight / 2};
  OnLButtonDown(inside);
  OnLButtonUp(inside);
  OnMouseLeave();
}

void ChoicePage::ShowcaseButton::ShowLook(DWORD look) {
  switch (look) {
    case COLOR_STATE_DISABLE: Enable(0); break;
    case COLOR_STATE_FOCUS:
      // Only one element holds the focus; the others of the column show its look through the
      // public setter.
      SetShowColor(COLOR_STATE_FOCUS);
      InvalidContainerRect(0, nullptr);
      break;
    case COLOR_STATE_HOVER: OnMouseMove(1, 1, 0); break;
    case COLOR_STATE_PUSH:
      OnLButtonDown({1, 1});
      ReleaseCapture();
      break;
    default: break;
  }
}

ChoicePage::ChoicePage(CElementContainer* parent, POINT origin,
                       const std::filesystem::path& images) {
  int y = origin.y;
  for (int checked = 0; checked < 2; ++checked) {
    for (int c = 0; c < 5; ++c) {
      _CONTAINER_INFO info = InfoAt(parent, origin.x + c * kColumnWidth, y, kControlWidth,
                                    kRadioHeight, kLookNames[c]);
      m_looks[checked][c].InitObject(L"radio", &info);
      if (checked) m_looks[checked][c].SetCheck(CElementRadio::RADIO_CHECKED);
    }
    y += kRadioHeight + kRowGap;
  }

  const wchar_t* groupNames[3] = {L"One", L"Two", L"Three"};
  for (int i = 0; i < 3; ++i) {
    _CONTAINER_INFO info = InfoAt(parent, origin.x + i * kColumnWidth, y, kControlWidth,
                                  kRadioHeight, groupNames[i]);
    info.SetId(DWORD(i + 1));
    m_grouped[i].InitObject(L"grouped", &info);
  }
  m_group.AddRadioToGroup(m_grouped, 3);
  y += kRadioHeight + kRowGap;

  const std::wstring source = images.wstring();
  for (int c = 0; c < 5; ++c) {
    _CONTAINER_INFO info = InfoAt(parent, origin.x + c * kColumnWidth, y, kControlWidth,
                                  kButtonHeight, kLookNames[c]);
    m_colorButtons[c].InitObject(L"button", &info);
    _CONTAINER_INFO picture = InfoAt(parent, origin.x + c * kColumnWidth,
                                     y + kButtonHeight + kRowGap, kPictureSize, kPictureSize,
                                     nullptr);
    ShowcaseButton& pictureButton = m_pictureButtons[c];
    pictureButton.InitObject(L"picture", &picture);
    pictureButton.SetButtonType(BUTTON_TYPE_PICTURE);
    pictureButton.SetBKColor(kPictureBackground);
    pictureButton.SetImage(source.c_str(), L"button-normal", L"button-hover", L"button-pushed",
                           nullptr);
  }

  // Presses take the focus, so the click and the pushed looks go first and focus last.
  m_grouped[1].ReplayClick();
  for (int c = 0; c < 5; ++c) {
    if (kColumns[c] == COLOR_STATE_FOCUS) continue;
    for (auto& row : m_looks) row[c].ShowLook(kColumns[c]);
    m_colorButtons[c].ShowLook(kColumns[c]);
    m_pictureButtons[c].ShowLook(kColumns[c]);
  }
  for (int c = 0; c < 5; ++c) {
    if (kColumns[c] != COLOR_STATE_FOCUS) continue;
    m_colorButtons[c].ShowLook(kColumns[c]);
    m_pictureButtons[c].ShowLook(kColumns[c]);
    // One element holds the focus; the checked radio shows it.
    m_looks[1][c].ShowLook(kColumns[c]);
  }
}

CSize ChoicePage::Size() {
  return {4 * kColumnWidth + kControlWidth,
          3 * (kRadioHeight + kRowGap) + kButtonHeight + kRowGap + kPictureSize};
}
