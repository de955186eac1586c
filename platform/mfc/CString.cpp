#include "platform/mfc/CString.h"

#include <algorithm>
#include <cstdarg>
#include <cwchar>
#include <cwctype>
#include <wchar.h>
#include <vector>

CString::CString(const wchar_t* s, int length) {
  if (s && length > 0) m_text.assign(s, std::size_t(length));
}

wchar_t* CString::GetBuffer(int minLength) {
  if (minLength > GetLength()) m_text.resize(std::size_t(minLength));
  return m_text.data();
}

wchar_t* CString::GetBufferSetLength(int length) {
  m_text.resize(std::size_t(std::max(length, 0)));
  return m_text.data();
}

void CString::ReleaseBuffer(int newLength) {
  if (newLength < 0) newLength = static_cast<int>(std::wcslen(m_text.c_str()));
  m_text.resize(std::min<std::size_t>(std::size_t(newLength), m_text.size()));
}

void CString::Append(const wchar_t* s, int length) {
  if (s && length > 0) m_text.append(s, std::size_t(length));
}

int CString::Compare(const wchar_t* s) const { return std::wcscmp(m_text.c_str(), s ? s : L""); }

int CString::CompareNoCase(const wchar_t* s) const {
  return ::wcscasecmp(m_text.c_str(), s ? s : L"");
}

CString CString::Left(int count) const {
  count = std::clamp(count, 0, GetLength());
  return CString(m_text.substr(0, std::size_t(count)));
}

CString CString::Right(int count) const {
  count = std::clamp(count, 0, GetLength());
  return CString(m_text.substr(m_text.size() - std::size_t(count)));
}

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const {
  first = std::clamp(first, 0, GetLength());
  count = std::clamp(count, 0, GetLength() - first);
  return CString(m_text.substr(std::size_t(first), std::size_t(count)));
}

int CString::Insert(int index, wchar_t ch) {
  index = std::clamp(index, 0, GetLength());
  m_text.insert(std::size_t(index), 1, ch);
  return GetLength();
}

int CString::Insert(int index, const wchar_t* s) {
  index = std::clamp(index, 0, GetLength());
  if (s) m_text.insert(std::size_t(index), s);
  return GetLength();
}

int CString::Delete(int index, int count) {
  index = std::max(index, 0);
  if (count > 0 && index < GetLength())
    m_text.erase(std::size_t(index), std::size_t(std::min(count, GetLength() - index)));
  return GetLength();
}

int CString::Find(wchar_t ch, int start) const {
  if (start < 0 || start > GetLength()) return -1;
  const auto at = m_text.find(ch, std::size_t(start));
  return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::Find(const wchar_t* s, int start) const {
  if (!s || start < 0 || start > GetLength()) return -1;
  const auto at = m_text.find(s, std::size_t(start));
  return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(wchar_t ch) const {
  const auto at = m_text.rfind(ch);
  return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::Replace(wchar_t from, wchar_t to) {
  int count = 0;
  for (wchar_t& c : m_text)
    if (c == from) {
      c = to;
      ++count;
    }
  return count;
}

int CString::Replace(const wchar_t* from, const wchar_t* to) {
  if (!from || !*from) return 0;
  const std::wstring f(from), t(to ? to : L"");
  int count = 0;
  for (std::size_t at = m_text.find(f); at != std::wstring::npos; at = m_text.find(f, at + t.size())) {
    m_text.replace(at, f.size(), t);
    ++count;
  }
  return count;
}

int CString::Remove(wchar_t ch) {
  const auto before = m_text.size();
  std::erase(m_text, ch);
  return static_cast<int>(before - m_text.size());
}

CString& CString::MakeUpper() {
  for (wchar_t& c : m_text) c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
  return *this;
}

CString& CString::MakeLower() {
  for (wchar_t& c : m_text) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
  return *this;
}

CString& CString::TrimLeft() {
  const auto first = std::find_if_not(m_text.begin(), m_text.end(),
                                      [](wchar_t c) { return std::iswspace(static_cast<wint_t>(c)); });
  m_text.erase(m_text.begin(), first);
  return *this;
}

CString& CString::TrimRight() {
  while (!m_text.empty() && std::iswspace(static_cast<wint_t>(m_text.back()))) m_text.pop_back();
  return *this;
}

CString& CString::Trim() { return TrimLeft().TrimRight(); }

namespace {

// The platform's wide printf reads %s and %c as wide and %S as narrow; the C library reads them
// the other way round, so each conversion without a size gets one.
std::wstring PortableFormat(const wchar_t* format) {
  std::wstring out;
  for (const wchar_t* p = format; *p; ++p) {
    out += *p;
    if (*p != L'%') continue;
    ++p;
    if (*p == L'%') {
      out += *p;
      continue;
    }
    bool sized = false;
    while (*p && !std::wcschr(L"diouxXeEfgGaAcspnSC", *p)) {
      if (*p == L'l' || *p == L'h' || *p == L'L' || *p == L'j' || *p == L'z' || *p == L't')
        sized = true;
      out += *p++;
    }
    if (!*p) break;
    if ((*p == L's' || *p == L'c') && !sized) out += L'l';
    if (*p == L'S' || *p == L'C') {
      out += static_cast<wchar_t>(std::towlower(static_cast<wint_t>(*p)));
      continue;
    }
    out += *p;
  }
  return out;
}

std::wstring FormatV(const wchar_t* format, va_list args) {
  if (!format) return {};
  const std::wstring portable = PortableFormat(format);
  std::vector<wchar_t> buffer(256);
  for (;;) {
    va_list copy;
    va_copy(copy, args);
    const int n = std::vswprintf(buffer.data(), buffer.size(), portable.c_str(), copy);
    va_end(copy);
    if (n >= 0) return std::wstring(buffer.data(), std::size_t(n));
    // vswprintf says only "too small or bad format": grow up to a bound, then give up.
    if (buffer.size() >= (1u << 20)) return {};
    buffer.resize(buffer.size() * 4);
  }
}

}  // namespace

void CString::Format(const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  m_text = FormatV(format, args);
  va_end(args);
}

void CString::AppendFormat(const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  m_text += FormatV(format, args);
  va_end(args);
}
