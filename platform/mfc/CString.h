// MFC's wide string (CStringW), with MFC's clamping rules: positions and counts out of range are
// clamped, never an error.
#pragma once

#include <compare>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "platform/win32/WinDef.h"

class CString {
 public:
  CString() = default;
  CString(const wchar_t* s) { Assign(s ? std::wstring_view(s) : std::wstring_view()); }  // NOLINT
  CString(const wchar_t* s, int length);
  CString(wchar_t ch, int repeat = 1);
  CString(const std::wstring& s) { Assign(s); }  // NOLINT
  CString(const CString& other) { Assign(other.View()); }
  CString(CString&& other) noexcept : m_chars(std::exchange(other.m_chars, nullptr)) {}
  CString& operator=(const CString& other) {
    if (this != &other) Assign(other.View());
    return *this;
  }
  CString& operator=(CString&& other) noexcept {
    std::swap(m_chars, other.m_chars);
    return *this;
  }
  ~CString() { Release(); }

  int GetLength() const { return m_chars ? int(Header().length) : 0; }
  bool IsEmpty() const { return GetLength() == 0; }
  void Empty() { Splice(0, std::size_t(GetLength()), {}); }
  const wchar_t* GetString() const { return m_chars ? m_chars : L""; }
  operator const wchar_t*() const { return GetString(); }  // NOLINT
  std::wstring_view View() const { return {GetString(), std::size_t(GetLength())}; }
  wchar_t GetAt(int i) const { return InRange(i) ? m_chars[i] : L'\0'; }
  void SetAt(int i, wchar_t ch) {
    if (InRange(i)) m_chars[i] = ch;
  }
  wchar_t operator[](int i) const { return GetAt(i); }

  // A writable buffer of at least minLength characters plus the terminator; ReleaseBuffer(-1)
  // takes the length up to the first terminator written.
  wchar_t* GetBuffer(int minLength = 0);
  wchar_t* GetBufferSetLength(int length);
  void ReleaseBuffer(int newLength = -1);

  CString& operator=(const wchar_t* s) {
    Assign(s ? std::wstring_view(s) : std::wstring_view());
    return *this;
  }
  CString& operator=(wchar_t ch) {
    Assign(std::wstring_view(&ch, 1));
    return *this;
  }
  CString& operator+=(const CString& s) {
    AppendView(s.View());
    return *this;
  }
  CString& operator+=(const wchar_t* s) {
    if (s) AppendView(s);
    return *this;
  }
  CString& operator+=(wchar_t ch) {
    AppendView(std::wstring_view(&ch, 1));
    return *this;
  }
  void Append(const wchar_t* s, int length);
  void AppendChar(wchar_t ch) { *this += ch; }

  friend CString operator+(const CString& a, const CString& b) {
    CString sum(a);
    return sum += b;
  }
  friend CString operator+(const CString& a, const wchar_t* b) { return a + CString(b); }
  friend CString operator+(const wchar_t* a, const CString& b) { return CString(a) + b; }
  friend CString operator+(const CString& a, wchar_t b) {
    CString sum(a);
    return sum += b;
  }
  friend bool operator==(const CString& a, const CString& b) { return a.View() == b.View(); }
  friend bool operator==(const CString& a, const wchar_t* b) { return a.Compare(b) == 0; }
  friend std::strong_ordering operator<=>(const CString& a, const CString& b) {
    return a.View() <=> b.View();
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
  // The characters live in one block behind a header, as MFC keeps them: a string is a single
  // pointer, and an empty one owns nothing. Records that hold many texts (a tree's million
  // items) pay one pointer each, not a whole std::wstring.
  struct BlockHeader {
    std::uint32_t length;
    std::uint32_t capacity;  // characters, the terminator not counted
  };

  bool InRange(int i) const { return i >= 0 && i < GetLength(); }
  const BlockHeader& Header() const { return reinterpret_cast<const BlockHeader*>(m_chars)[-1]; }
  BlockHeader& Header() { return reinterpret_cast<BlockHeader*>(m_chars)[-1]; }
  std::size_t Capacity() const { return m_chars ? Header().capacity : 0; }
  void Assign(std::wstring_view text) { Splice(0, std::size_t(GetLength()), text); }
  void AppendView(std::wstring_view text) { Splice(std::size_t(GetLength()), 0, text); }
  // Replaces `count` characters at `at` (both within the text) by `text`, which may be part of
  // this string.
  void Splice(std::size_t at, std::size_t count, std::wstring_view text);
  // Room for `length` characters and the terminator, keeping the text; grows geometrically.
  void Reserve(std::size_t length);
  void SetLength(std::size_t length);
  void Release();

  wchar_t* m_chars = nullptr;  // behind a BlockHeader; null while the string has never held text
};
