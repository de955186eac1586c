/// @class ElementAccessible
/// An element's IAccessible object: what the element's accessibility members say
/// (CElementContainer.h), for as long as the element lives; afterwards every member answers
/// E_FAIL. An element that edits text also answers IAccessibleText.
#pragma once

#include "platform/accessibility/AccessibleObject.h"
#include "platform/accessibility/AccessibleText.h"

class CElementContainer;

class ElementAccessible : public platform::AccessibleObject, public IAccessibleText {
 public:
  /// The object of `element`, which keeps it (CElementContainer::GetAccessibleObject).
  explicit ElementAccessible(CElementContainer* element) : m_pElement(element) {}

  /// The element goes: the object stays for whoever holds it, describing nothing.
  void Disconnect() { m_pElement = nullptr; }

  ///@{
  /// One object, one count, whichever of its two interfaces is asked.
  HRESULT QueryInterface(REFIID riid, void** out) override;
  ULONG AddRef() override;
  ULONG Release() override;
  ///@}

  ///@{
  /// The element's value and caret (CElementContainer::GetAccessibleTextCaret), as
  /// IAccessibleText reads them; E_FAIL for an element that edits no text or has gone.
  HRESULT get_nCharacters(LONG* count) override;
  HRESULT get_text(LONG start, LONG end, BSTR* text) override;
  HRESULT get_caretOffset(LONG* offset) override;
  HRESULT get_nSelections(LONG* count) override;
  HRESULT get_selection(LONG index, LONG* start, LONG* end) override;
  ///@}

 protected:
  ///@{
  /// What the element's accessibility members say: its facts, items, child elements (and
  /// pop-ups), focus, selection and default action; the parent is its parent element's object
  /// or, for a top-level element, the host window's client object. Taking the focus is the
  /// only selection an element takes.
  bool IsAlive() const override { return m_pElement != nullptr; }
  void Describe(platform::AccessibleFacts& facts) const override;
  LONG ItemCount() const override;
  void DescribeItem(LONG item, platform::AccessibleFacts& facts) const override;
  std::vector<CComPtr<IAccessible>> ChildObjects() const override;
  CComPtr<IAccessible> Parent() const override;
  platform::AccessibleChild Focus() const override;
  platform::AccessibleChild Selection() const override;
  HRESULT DoDefaultAction(LONG child) override;
  HRESULT Select(LONG flags, LONG child) override;
  void* OtherInterface(REFIID riid) override;
  ///@}

 private:
  // The text and its caret; false when the element is gone or edits no text.
  bool TextState(std::wstring& text, platform::AccessibleTextCaret& caret) const;

  CElementContainer* m_pElement;  // null once the element has gone
};

/// The object of the element holding the host's focus when `within` holds it (the element
/// itself or a descendant); none otherwise. For an element, its focused item.
platform::AccessibleChild FocusWithin(CElementContainer& within);
