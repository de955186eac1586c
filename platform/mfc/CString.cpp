#include "platform/mfc/CString.h"

#include <algorithm>
#include <cstdarg>
#include <cwchar>
#include <cwctype>
#include <wchar.h>
#include <vector>

CString::CString(const wchar_t* s, int length) {
  if (s && length > 0) Assign(std::wstring_view(s, std::size_t(length)));
}

CString::CString(wchar_t ch, int repeat) {
  if (repeat <= 0) return;
  SetLength(std::size_t(repeat));
  std::fill_n(m_chars, repeat, ch);
}

// ---- the block

void CString::Release() {
  if (m_chars) ::operator delete(reinterpret_cast<BlockHeader*>(m_chars) - 1);
  m_chars = nullptr;
}

void CString::Reserve(std::size_t length) {
  const std::size_t capacity = Capacity();
  if (m_chars && length <= capacity) return;
  // An empty string gets exactly its first text: most never change again.
  const std::size_t grown = m_chars ? std::max(length, capacity + capacity / 2) : length;
  void* block = ::operator new(sizeof(BlockHeader) + (grown + 1) * sizeof(wchar_t));
  auto* header = static_cast<BlockHeader*>(block);
  auto* chars = reinterpret_cast<wchar_t*>(header + 1);
  const std::size_t kept = std::size_t(GetLength());
  std::copy_n(GetString(), kept + 1, chars);
  *header = {std::uint32_t(kept), std::uint32_t(grown)};
  Release();
  m_chars = chars;
}

void CString::SetLength(std::size_t length) {
  Reserve(length);
  Header().length = std::uint32_t(length);
  m_chars[length] = L'\0';
}

void CString::Splice(std::size_t at, std::size_t count, std::wstring_view text) {
  const std::size_t length = std::size_t(GetLength());
  const std::size_t total = length - count + text.size();
  if (total == 0 && !m_chars) return;
  // The text may be part of this string: copy it aside when the block moves or shifts under it.
  const bool inside = m_chars && text.data() >= m_chars && text.data() < m_chars + length;
  const std::wstring copy = inside ? std::wstring(text) : std::wstring();
  if (inside) text = copy;
  Reserve(total);
  std::copy(m_chars + at + count, m_chars + length + 1, m_chars + at + text.size());
  std::copy(text.begin(), text.end(), m_chars + at);
  Header().length = std::uint32_t(total);
}

// ---- MFC's operations

wchar_t* CString::GetBuffer(int minLength) {
  if (minLength > GetLength()) {
    const std::size_t from = std::size_t(GetLength());
    SetLength(std::size_t(minLength));
    std::fill(m_chars + from, m_chars + minLength, L'\0');
  }
  Reserve(std::size_t(GetLength()));
  return m_chars;
}

wchar_t* CString::GetBufferSetLength(int length) {
  const std::size_t from = std::size_t(GetLength()), to = std::size_t(std::max(length, 0));
  SetLength(to);
  if (to > from) std::fill(m_chars + from, m_chars + to, L'\0');
  return m_chars;
}

void CString::ReleaseBuffer(int newLength) {
  if (!m_chars) return;
  if (newLength < 0) newLength = static_cast<int>(std::wcslen(m_chars));
  SetLength(std::min<std::size_t>(std::size_t(newLength), std::size_t(GetLength())));
}

void CString::Append(const wchar_t* s, int length) {
  if (s && length > 0) AppendView(std::wstring_view(s, std::size_t(length)));
}

int CString::Compare(const wchar_t* s) const { return std::wcscmp(GetString(), s ? s : L""); }

int CString::CompareNoCase(const wchar_t* s) const {
  return ::wcscasecmp(GetString(), s ? s : L"");
}

CString CString::Left(int count) const { return Mid(0, count); }

CString CString::Right(int count) const {
  count = std::clamp(count, 0, GetLength());
  return Mid(GetLength() - count, count);
}

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const {
  first = std::clamp(first, 0, GetLength());
  count = std::clamp(count, 0, GetLength() - first);
  return CString(GetString() + first, count);
}

int CString::Insert(int index, wchar_t ch) {
  index = std::clamp(index, 0, GetLength());
  Splice(std::size_t(index), 0, std::wstring_view(&ch, 1));
  return GetLength();
}

int CString::Insert(int index, const wchar_t* s) {
  index = std::clamp(index, 0, GetLength());
  if (s) Splice(std::size_t(index), 0, s);
  return GetLength();
}

int CString::Delete(int index, int count) {
  index = std::max(index, 0);
  if (count > 0 && index < GetLength())
    Splice(std::size_t(index), std::size_t(std::min(count, GetLength() - index)), {});
  return GetLength();
}

int CString::Find(wchar_t ch, int start) const {
  if (start < 0 || start > GetLength()) return -1;
  const auto at = View().find(ch, std::size_t(start));
  return at == std::wstring_view::npos ? -1 : static_cast<int>(at);
}

int CString::Find(const wchar_t* s, int start) const {
  if (!s || start < 0 || start > GetLength()) return -1;
  const auto at = View().find(s, std::size_t(start));
  return at == std::wstring_view::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(wchar_t ch) const {
  const auto at = View().rfind(ch);
  return at == std::wstring_view::npos ? -1 : static_cast<int>(at);
}

int CString::Replace(wchar_t from, wchar_t to) {
  int count = 0;
  for (int i = 0; i < GetLength(); ++i)
    if (m_chars[i] == from) {
      m_chars[i] = to;
      ++count;
    }
  return count;
}

int CString::Replace(const wchar_t* from, const wchar_t* to) {
  if (!from || !*from) return 0;
  const std::wstring f(from), t(to ? to : L"");
  int count = 0;
  for (std::size_t at = View().find(f); at != std::wstring_view::npos;
       at = View().find(f, at + t.size())) {
    Splice(at, f.size(), t);
    ++count;
  }
  return count;
}

int CString::Remove(wchar_t ch) {
  const int before = GetLength();
  if (!m_chars) return 0;
  const wchar_t* end = std::remove(m_chars, m_chars + before, ch);
  SetLength(std::size_t(end - m_chars));
  return before - GetLength();
}

CString& CString::MakeUpper() {
  for (int i = 0; i < GetLength(); ++i)
    m_chars[i] = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(m_chars[i])));
  return *this;
}

CString& CString::MakeLower() {
  for (int i = 0; i < GetLength(); ++i)
    m_chars[i] = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(m_chars[i])));
  return *this;
}

CString& CString::TrimLeft() {
  const std::wstring_view text = View();
  const auto first = std::find_if_not(text.begin(), text.end(), [](wchar_t c) {
    return std::iswspace(static_cast<wint_t>(c));
  });
  Splice(0, std::size_t(first - text.begin()), {});
  return *this;
}

CString& CString::TrimRight() {
  int length = GetLength();
  while (length > 0 && std::iswspace(static_cast<wint_t>(m_chars[length - 1]))) --length;
  if (length < GetLength()) SetLength(std::size_t(length));
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
  Assign(FormatV(format, args));
  va_end(args);
}

void CString::AppendFormat(const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  AppendView(FormatV(format, args));
  va_end(args);
}
