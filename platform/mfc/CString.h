// MFC's wide string (CStringW) over std::wstring, with MFC's clamping rules: positions and counts
// out of range are clamped, never an error.
#pragma once

#include <compare>
#include <string>

#include "platform/win32/WinDef.h"

class CString {
 public:
  CString() = default;
  CString(const wchar_t* s) : m_text(s ? s : L"") {}  // NOLINT: converts as MFC's does
  CString(const wchar_t* s, int length);
  CString(wchar_t ch, int repeat = 1) : m_text(repeat > 0 ? std::size_t(repeat) : 0, ch) {}
  CString(const std::wstring& s) : m_text(s) {}  // NOLINT

  int GetLength() const { return static_cast<int>(m_text.size()); }
  bool IsEmpty() const { return m_text.empty(); }
  void Empty() { m_text.clear(); }
  const wchar_t* GetString() const { return m_text.c_str(); }
  operator const wchar_t*() const { return m_text.c_str(); }  // NOLINT
  const std::wstring& Str() const { return m_text; }
  wchar_t GetAt(int i) const { return InRange(i) ? m_text[std::size_t(i)] : L'\0'; }
  void SetAt(int i, wchar_t ch) {
    if (InRange(i)) m_text[std::size_t(i)] = ch;
  }
  wchar_t operator[](int i) const { return GetAt(i); }

  // A writable buffer of at least minLength characters plus the terminator; ReleaseBuffer(-1)
  // takes the length up to the first terminator written.
  wchar_t* GetBuffer(int minLength = 0);
  wchar_t* GetBufferSetLength(int length);
  void ReleaseBuffer(int newLength = -1);

  CString& operator=(const wchar_t* s) {
    m_text = s ? s : L"";
    return *this;
  }
  CString& operator=(wchar_t ch) {
    m_text.assign(1, ch);
    return *this;
  }
  CString& operator+=(const CString& s) {
    m_text += s.m_text;
    return *this;
  }
  CString& operator+=(const wchar_t* s) {
    if (s) m_text += s;
    return *this;
  }
  CString& operator+=(wchar_t ch) {
    m_text += ch;
    return *this;
  }
  void Append(const wchar_t* s, int length);
  void AppendChar(wchar_t ch) { m_text += ch; }

  friend CString operator+(const CString& a, const CString& b) { return CString(a.m_text + b.m_text); }
  friend CString operator+(const CString& a, const wchar_t* b) { return a + CString(b); }
  friend CString operator+(const wchar_t* a, const CString& b) { return CString(a) + b; }
  friend CString operator+(const CString& a, wchar_t b) { return CString(a.m_text + b); }
  friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
  friend bool operator==(const CString& a, const wchar_t* b) { return a.Compare(b) == 0; }
  friend std::strong_ordering operator<=>(const CString& a, const CString& b) {
    return a.m_text <=> b.m_text;
  }

  int Compare(const wchar_t* s) const;
  int CompareNoCase(const wchar_t* s) const;

  CString Left(int count) const;
  CString Right(int count) const;
  CString Mid(int first) const;
  CString Mid(int first, int count) const;
  int Insert(int index, wchar_t ch);
  int Insert(int index, const wchar_t* s);
  int Delete(int index, int count = 1);
  int Find(wchar_t ch, int start = 0) const;
  int Find(const wchar_t* s, int start = 0) const;
  int ReverseFind(wchar_t ch) const;
  int Replace(wchar_t from, wchar_t to);
  int Replace(const wchar_t* from, const wchar_t* to);
  int Remove(wchar_t ch);
  CString& MakeUpper();
  CString& MakeLower();
  CString& Trim();
  CString& TrimLeft();
  CString& TrimRight();

  // printf-style formatting with the platform's wide conventions: %s and %c take wide arguments.
  void Format(const wchar_t* format, ...);
  void AppendFormat(const wchar_t* format, ...);

 private:
  bool InRange(int i) const { return i >= 0 && i < GetLength(); }
  std::wstring m_text;
};
