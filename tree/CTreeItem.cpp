// The row painter: deriving a row's look from its record, the row's geometry, drawing and hit
// testing.
#include "tree/CTreeItem.h"

#include <algorithm>

#include "tree/CElementTree.h"
#include "tree/CTreeBitmaps.h"

namespace {

// '&' in an item text is a character, not a mnemonic marker.
constexpr UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
constexpr const wchar_t* kTipMarker = L" >";
// Half the check box's height above and below the row's middle.
constexpr int kCheckHalf = 6;

bool IsSet(COLORREF color) { return color != TREE_CLR_UNSET; }

// A picture's size in pixels; 0 x 0 for a bitmap that cannot be read.
CSize PictureSize(const CBitmap& bitmap) {
  BITMAP bm{};
  return bitmap.GetBitmap(&bm) ? CSize(bm.bmWidth, bm.bmHeight) : CSize();
}

int Channel(COLORREF color, int shift) { return int((color >> shift) & 0xFF); }

// a * b / c rounded to the nearest, halves away from zero, as the platform's MulDiv.
int MulDivRounded(int a, int b, int c) {
  const long long product = static_cast<long long>(a) * b;
  const long long half = c / 2;
  return int(product >= 0 ? (product + half) / c : (product - half) / c);
}

}  // namespace

CTreeItem::CTreeItem(_TREE_ITEM& item) { SetItemValue(item); }

void CTreeItem::Reset() { *this = CTreeItem(); }

void CTreeItem::SetItemValue(const _TREE_ITEM& item) {
  if (m_pTree) SetItemValue(item, m_pTree->GetRowLook());
  else SetItemValue(item, m_look);
}

void CTreeItem::SetItemValue(const _TREE_ITEM& item, const TreeRowLook& look) {
  m_strText = item.strText;
  m_clrText = item.clrText;
  m_clrTextT = item.clrTextT;
  m_clrBkFrom = item.clrBkFrom;
  m_clrBkTo = item.clrBkTo;
  m_nChildCount = item.nChildCount;
  m_nIndex = item.nIndex;
  m_nID = item.nID;
  m_nParentID = item.nParentID;
  m_nHeight = item.nHeight;
  m_nFatherBtnNoShow = item.nFatherBtnNoShow;
  m_bShowBtn = item.bShowBtn;
  m_bHaveTip = item.bHaveTip;
  m_nOpen = item.nOpen;
  m_eCheck = item.eCheck;
  m_nLevel = item.nLevel - item.nFatherBtnNoShow;
  m_nState = COLOR_STATE_NORMAL;
  if (!m_pTree) return;
  m_look = look;
  m_pTree->GetRowPlace(item, m_place);
  if (m_place.inStore) m_nLineKind = m_place.lineKind;
  if (m_place.hover) m_nState = COLOR_STATE_HOVER;
  if (m_place.focus) m_nState = COLOR_STATE_FOCUS;
}

int CTreeItem::IsItemEndNode(const _TREE_ITEM& item) const {
  return m_pTree ? m_pTree->IsLastChild(item) : 1;
}

int CTreeItem::BeHaveBtn() const { return m_look.buttons && m_bShowBtn ? 1 : 0; }

CBitmap* CTreeItem::ButtonBitmap() const {
  if (!m_look.pictures) return nullptr;
  if (m_nOpen == 0) return m_look.pictures->Get(CTreeBitmaps::CLOSE);
  if (m_nOpen == 1) return m_look.pictures->Get(CTreeBitmaps::OPEN);
  return nullptr;
}

const LOGFONTW& CTreeItem::TextFont() const {
  return m_nParentID != 0 ? m_look.childFont : m_look.fatherFont;
}

CString CTreeItem::ShownText() const {
  if (m_bHaveTip && m_nState == COLOR_STATE_HOVER && m_nParentID == 0)
    return m_strText + kTipMarker;
  return m_strText;
}

// ---- geometry

CRect CTreeItem::ButtonPictureRect(TREE_SHOW_STYLE style, int cx, int cy, CSize size) {
  // Left of the connector's end in the line style, right of it in the flat.
  const int x = style == TREE_STYLE_LINE ? cx - 1 : cx + 4;
  return CRect(CPoint(x - size.cx / 2, cy - size.cy / 2), size);
}

TreeRowGeometry CTreeItem::GetRowGeometry(const CRect& rowRect, int textWidth) const {
  TreeRowGeometry g;
  const TREE_SHOW_STYLE style = m_look.style;
  const CRect rc = FilledPart(style, rowRect);
  g.mid = (rc.top + rc.bottom) / 2;
  g.indent = rc.left + m_look.leftMargin;
  int left = g.indent + kIndent * m_nLevel;
  g.column = left + kColumnInset;
  if (BeHaveBtn()) {
    g.buttonCentre = CPoint(style == TREE_STYLE_FLAT ? left + 3 : left + 4, g.mid);
    if (m_nChildCount > 0)
      if (CBitmap* bitmap = ButtonBitmap())
        g.button =
            ButtonPictureRect(style, g.buttonCentre.x, g.buttonCentre.y, PictureSize(*bitmap));
    left += kButtonRoom;
  }
  if (m_eCheck != TREE_CHECK_NONE) {
    g.check = CRect(left, g.mid - kCheckHalf, left + kCheckRoom, g.mid + kCheckHalf);
    left += kCheckRoom;
  }
  const int right = BeHaveBtn() ? std::min(left + textWidth + kTextBandExtra, rowRect.right)
                                : rc.right;
  g.text = CRect(left, rc.top, right, rc.bottom);
  g.textX = left + kTextInset;
  return g;
}

MOUSE_IN_ITEM_AREA CTreeItem::GetPointInItemArea(POINT& pt, CRect rc) const {
  if (m_look.style == TREE_STYLE_FLAT) return m_nChildCount > 0 ? MOUSE_IN_BTN : MOUSE_IN_NONE;
  if (!m_pTree || !rc.PtInRect(pt)) return MOUSE_IN_NONE;
  const int textWidth = m_pTree->MeasureText(ShownText(), TextFont());
  const TreeRowGeometry g = GetRowGeometry(rc, textWidth);
  // Columns over the whole row's height: a press a little above or below a picture still
  // means it. The button's picture reaches a pixel into the box's column; the box keeps it.
  const auto inColumn = [&](int left, int right) { return pt.x >= left && pt.x < right; };
  const int buttonEnd =
      g.check.IsRectEmpty() ? g.button.right : std::min(g.button.right, g.check.left);
  if (!g.button.IsRectEmpty() && inColumn(g.button.left, buttonEnd)) return MOUSE_IN_BTN;
  if (!g.check.IsRectEmpty() && m_eCheck <= TREE_CHECK_YES_HALF &&
      inColumn(g.check.left, g.check.right))
    return MOUSE_IN_CHECK;
  if (inColumn(g.text.left, g.textX + textWidth + 3)) return MOUSE_IN_TEXT;
  return MOUSE_IN_NONE;
}

// ---- drawing

COLORREF CTreeItem::BackColor() const {
  if (m_look.style != TREE_STYLE_FLAT) return m_look.panel;
  switch (m_nState) {
    case COLOR_STATE_HOVER: return m_look.panelHover;
    case COLOR_STATE_FOCUS:
      // A child row's own focus colour, when the host set one.
      if (m_nParentID != 0 && IsSet(m_look.focusBackChild)) return m_look.focusBackChild;
      return m_look.panelFocus;
    default: return m_look.panel;
  }
}

COLORREF CTreeItem::TextColor() const {
  switch (m_nState) {
    case COLOR_STATE_FOCUS: return m_look.textFocus;
    case COLOR_STATE_HOVER: return m_look.textHover;
    default: return m_clrText;
  }
}

CRect CTreeItem::FilledPart(TREE_SHOW_STYLE style, const CRect& rc) {
  CRect filled = rc;
  if (style == TREE_STYLE_FLAT) filled.bottom -= 1;  // the divider's line
  return filled;
}

int CTreeItem::Draw(CDC* dc, CRect rc) {
  CLightCanvas canvas(dc);
  return Draw(canvas, rc);
}

int CTreeItem::Draw(CLightCanvas& canvas, CRect rc) {
  if (!m_pTree) return 1;
  const TREE_SHOW_STYLE style = m_look.style;
  const CRect row = rc;
  canvas.SetBkMode(TRANSPARENT);
  const CString text = ShownText();
  canvas.SetFont(TextFont());
  m_drawn = GetRowGeometry(row, m_pTree->MeasureText(text, TextFont()));

  rc = FilledPart(style, row);
  const COLORREF back = BackColor();
  const COLORREF bandBack = m_nState == COLOR_STATE_FOCUS ? m_look.panelFocus : m_clrBkFrom;
  const CRect& textBand = m_drawn.text;
  // A band of the row's own colour is filled with the row, in one fill.
  const bool bandFilled = style == TREE_STYLE_LINE && bandBack != back;
  if (bandFilled && bandBack != COLOR_NONE && textBand.left < textBand.right) {
    // The text's band gets its own fill below, over nothing drawn before it: the row's fill
    // goes beside the band, so that each pixel is filled once.
    const int bandLeft = std::clamp(int(textBand.left), int(rc.left), int(rc.right));
    const int bandRight = std::clamp(int(textBand.right), int(rc.left), int(rc.right));
    canvas.FillRect(CRect(rc.left, rc.top, bandLeft, rc.bottom), back);
    canvas.FillRect(CRect(bandRight, rc.top, rc.right, rc.bottom), back);
  } else {
    canvas.FillRect(rc, back);
  }
  if (style == TREE_STYLE_FLAT && m_nState == COLOR_STATE_FOCUS &&
      m_look.focusHead.clrFrom != m_look.focusHead.clrTo)
    DrawGradientItem(canvas, rc, m_look.focusHead.clrFrom, m_look.focusHead.clrTo);

  rc.left = m_drawn.indent;
  DrawPixLine(rc, canvas);
  if (m_eCheck != TREE_CHECK_NONE) DrawCheckBox(rc, canvas);

  CRect band = m_drawn.text;
  if (bandFilled) canvas.FillRect(band, bandBack);
  if (style == TREE_STYLE_LINE && m_nState == COLOR_STATE_FOCUS) DrawFocusItemFrame(canvas, band);

  band.left = m_drawn.textX;
  band.top += 1;
  canvas.SetTextColor(TextColor());
  canvas.DrawText(text.GetString(), text.GetLength(), &band, kTextFormat);

  // A child with a tip of its own: a small triangle pointing right, after the text.
  if (m_bHaveTip && m_nParentID != 0) {
    const int x = band.right, y = (band.top + band.bottom) / 2;
    canvas.FillRect(CRect(x, y - 2, x + 1, y + 3), m_clrText);
    canvas.FillRect(CRect(x + 1, y - 1, x + 2, y + 2), m_clrText);
    canvas.FillRect(CRect(x + 2, y, x + 3, y + 1), m_clrText);
  }
  if (style == TREE_STYLE_FLAT && m_nParentID == 0 && IsSet(m_look.divideLine)) {
    canvas.FillRect(CRect(row.left, row.bottom - 1, row.right, row.bottom), m_look.divideLine);
    canvas.FillRect(CRect(row.left, row.top - 1, row.right, row.top), m_look.divideLine);
  }
  return 1;
}

void CTreeItem::DrawDots(CLightCanvas& canvas, int x, int y, int dx, int dy, int count,
                         COLORREF color) {
  if (count <= 0) return;
  // The dotted pen lights the first pixel and every other one after it; the end is left out.
  canvas.DrawDottedLine(x, y, x + dx * (2 * count - 1), y + dy * (2 * count - 1), color);
}

void CTreeItem::DrawPixLine(CRect& rc, CLightCanvas& canvas) {
  const TreeRowGeometry& g = m_drawn;
  const int half = (rc.bottom - rc.top) / 2;
  if (m_look.style == TREE_STYLE_LINE) {
    // The columns of the ancestors that have later siblings run through this row.
    for (std::size_t k = 0; k < m_place.columns.size(); ++k)
      if (m_place.columns[k])
        DrawDots(canvas, g.column - kIndent * (m_nLevel - int(k)), rc.top, 0, 1, half,
                 kLineDots);
    switch (m_nLineKind) {
      case 0: DrawDots(canvas, g.column, g.mid, 0, 1, half / 2, kLineDots); break;
      case 1: DrawDots(canvas, g.column, rc.top, 0, 1, half, kLineDots); break;
      default: DrawDots(canvas, g.column, rc.top, 0, 1, half / 2 + 1, kLineDots); break;
    }
    DrawDots(canvas, g.column + 2, g.mid, 1, 0, 4, kLineDots);
  }
  if (BeHaveBtn() && m_nChildCount > 0)
    DrawBtnUseBitmap(m_look.style, g.buttonCentre.x, canvas, g.buttonCentre.y);
  rc.left = m_eCheck != TREE_CHECK_NONE ? g.check.left : g.text.left;
}

void CTreeItem::DrawBtnUseBitmap(TREE_SHOW_STYLE style, int cx, CLightCanvas& canvas, int cy) {
  CBitmap* bitmap = ButtonBitmap();
  if (!bitmap || !bitmap->m_hObject) return;
  const CRect place = ButtonPictureRect(style, cx, cy, PictureSize(*bitmap));
  canvas.DrawBitmapKeyed(place.left, place.top, bitmap, m_look.panel);
}

void CTreeItem::DrawCheckBox(CRect& rc, CLightCanvas& canvas) {
  const CRect& box = m_drawn.check;
  if (CBitmap* bitmap = m_look.pictures ? m_look.pictures->ForCheck(m_eCheck) : nullptr)
    canvas.DrawBitmapKeyed(box.left, box.top, bitmap, kCheckTransparent);
  // An open parent's box leads down to its children.
  if (m_nChildCount > 0 && m_nOpen == 1)
    DrawDots(canvas, box.left + 9, rc.bottom - 2, 0, -1, (rc.bottom - m_drawn.mid - 7) / 2,
             kLineDots);
  rc.left = m_drawn.text.left;
}

void CTreeItem::DrawFocusItemFrame(CLightCanvas& canvas, CRect& rc) {
  const int l = rc.left, t = rc.top, r = rc.right, b = rc.bottom;
  canvas.DrawLine(l, t, kFocusFrameOutline, l, b - 1);
  canvas.DrawLine(r, b - 1, kFocusFrameOutline);
  canvas.DrawLine(r, t, kFocusFrameOutline);
  canvas.DrawLine(l, t, kFocusFrameOutline);
  // The dots go round clockwise without a break in their rhythm: an edge starts lit when the
  // previous edge ended a pixel before its corner.
  struct Edge {
    int x, y, dx, dy, length;
  };
  const Edge edges[] = {{l, t, 1, 0, r - l},
                        {r, t, 0, 1, b - t - 1},
                        {r, b - 1, -1, 0, r - l},
                        {l, b - 1, 0, -1, b - t - 1}};
  bool on = true;
  for (const Edge& e : edges) {
    if (e.length > 0) {
      const int first = on ? 0 : 1;
      DrawDots(canvas, e.x + e.dx * first, e.y + e.dy * first, e.dx, e.dy,
               (e.length - first + 1) / 2, kFocusFrameDots);
    }
    on = on ? e.length % 2 == 0 : e.length % 2 == 1;
  }
}

COLORREF CTreeItem::GradientColor(COLORREF from, COLORREF to, int i, int n) {
  if (n <= 1) return from & 0xFFFFFF;
  COLORREF color = 0;
  for (int shift : {0, 8, 16}) {
    const int f = Channel(from, shift), t = Channel(to, shift);
    color |= COLORREF(std::clamp(f + MulDivRounded(t - f, i, n - 1), 0, 255)) << shift;
  }
  return color;
}

void CTreeItem::DrawGradient(PaintCanvas& canvas, const CRect& rc, COLORREF from, COLORREF to,
                             int across) {
  const int n = across ? rc.Width() : rc.Height();
  for (int i = 0; i < n; ++i) {
    const COLORREF color = GradientColor(from, to, i, n);
    canvas.FillRect(across ? CRect(rc.left + i, rc.top, rc.left + i + 1, rc.bottom)
                           : CRect(rc.left, rc.top + i, rc.right, rc.top + i + 1),
                    color);
  }
}

void CTreeItem::DrawGradient(CDC* dc, const CRect& rc, COLORREF from, COLORREF to, int across) {
  PaintCanvas canvas(dc);
  DrawGradient(canvas, rc, from, to, across);
}

// ---- the helpers on a device context: each on a canvas over it, which puts the context back
// as it found it

void CTreeItem::DrawPixLine(CRect& rc, CDC* dc) {
  CLightCanvas canvas(dc);
  DrawPixLine(rc, canvas);
}

void CTreeItem::DrawCheckBox(CRect& rc, CDC* dc) {
  CLightCanvas canvas(dc);
  DrawCheckBox(rc, canvas);
}

void CTreeItem::DrawFocusItemFrame(CDC* dc, CRect& rc) {
  CLightCanvas canvas(dc);
  DrawFocusItemFrame(canvas, rc);
}

void CTreeItem::DrawBtnUseBitmap(TREE_SHOW_STYLE style, int cx, CDC* dc, int cy) {
  CLightCanvas canvas(dc);
  DrawBtnUseBitmap(style, cx, canvas, cy);
}

void CTreeItem::DrawGradientItem(CDC* dc, const CRect& rc, COLORREF from, COLORREF to) {
  CLightCanvas canvas(dc);
  DrawGradientItem(canvas, rc, from, to);
}

void CTreeItem::DrawGradientItem(CLightCanvas& canvas, const CRect& rc, COLORREF from,
                                 COLORREF to) {
  CRect band(rc.left, rc.top, rc.right, rc.bottom - 1);
  if (m_nParentID == 0 && m_look.gradientLine) {
    canvas.FillRect(CRect(band.left, band.top, band.right, band.top + 1), m_look.panelHover);
    band.top += 1;
  }
  DrawGradient(canvas, band, from, to, 0);
}
