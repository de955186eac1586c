#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "platform/mfc/CString.h"

// What the random edits below do not check: Left, Mid, GetAt, and one character inserted or
// found.
TEST(CString, ClampsPositionsLikeMfc) {
  const CString s(L"中文abc");
  EXPECT_EQ(s.Left(-1), L"");
  EXPECT_EQ(s.Left(99), L"中文abc");
  EXPECT_EQ(s.Mid(-3, 2), L"中文");
  EXPECT_EQ(s.Mid(4, 10), L"c");
  EXPECT_EQ(s.GetAt(9), L'\0');
  CString t = s;
  EXPECT_EQ(t.Insert(99, L'!'), 6);
  EXPECT_EQ(t, L"中文abc!");
  EXPECT_EQ(t.Find(L'c'), 4);
}

TEST(CString, FormatReadsWideStringsAndCharacters) {
  CString s;
  s.Format(L"%s-%c-%d-%5.2f", L"宽", L'x', 42, 3.14159);
  EXPECT_EQ(s, L"宽-x-42- 3.14");
  s.AppendFormat(L"%%%ls", L"!");
  EXPECT_EQ(s, L"宽-x-42- 3.14%!");
  CString longer;
  longer.Format(L"%0300d", 7);
  EXPECT_EQ(longer.GetLength(), 300);
}

// Every edit of a seeded random sequence, applied to a CString and, by MFC's clamping rules, to a
// plain std::wstring: the two texts and the answers agree after every step. The edits take their
// text from the string itself as often as not, and the copies made along the way must not share
// anything with it.
TEST(CString, RandomEditsMatchAPlainStringReference) {
  constexpr unsigned kSeed = 20261207;
  std::mt19937 random(kSeed);
  const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
  const wchar_t alphabet[] = L"ab 中\t";
  const auto word = [&] {
    std::wstring w(std::size_t(pick(6)), L'a');
    for (wchar_t& c : w) c = alphabet[pick(5)];
    return w;
  };
  CString s;
  std::wstring ref;
  std::vector<std::pair<CString, std::wstring>> copies;
  for (int step = 0; step < 4000; ++step) {
    const int n = int(ref.size());
    const int at = pick(n + 5) - 2, count = pick(n + 5) - 2;
    const int clampedAt = std::clamp(at, 0, n);
    const std::wstring w = pick(2) ? word() : std::wstring(CString(s).Mid(at, 3).GetString());
    int answer = 0, expected = 0;
    const int op = n > 200 ? 9 : pick(13);  // long texts start again
    switch (op) {
      case 0: s = w.c_str(); ref = w; break;
      case 1: s += w.c_str(); ref += w; break;
      case 2:
        answer = s.Insert(at, w.c_str());
        ref.insert(std::size_t(clampedAt), w);
        expected = int(ref.size());
        break;
      case 3:
        answer = s.Delete(at, count);
        if (count > 0 && std::max(at, 0) < n)
          ref.erase(std::size_t(std::max(at, 0)), std::size_t(std::min(count, n - at)));
        expected = int(ref.size());
        break;
      case 4: {
        const std::wstring to = w + L"x";
        if (!w.empty())
          for (auto p = ref.find(w); p != std::wstring::npos; p = ref.find(w, p + to.size())) {
            ref.replace(p, w.size(), to);
            ++expected;
          }
        answer = s.Replace(w.c_str(), to.c_str());
        break;
      }
      case 5:
        answer = s.Remove(L'a');
        expected = int(std::erase(ref, L'a'));
        break;
      case 6:
        s.Trim();
        ref.erase(0, std::min(ref.find_first_not_of(L" \t"), ref.size()));
        ref.erase(ref.find_last_not_of(L" \t") + 1);
        break;
      case 7: {
        wchar_t* buffer = s.GetBuffer(n + 3);
        buffer[std::min(n, 2)] = L'\0';
        s.ReleaseBuffer();
        ref.resize(std::size_t(std::min(n, 2)));
        break;
      }
      case 8: copies.emplace_back(s, ref); break;
      case 9: s.Empty(); ref.clear(); break;
      case 10:
        s = s + s.Right(count);
        ref += ref.substr(ref.size() - std::size_t(std::clamp(count, 0, n)));
        break;
      case 11: {  // the text added is the string's own
        const int from = std::min(clampedAt, 1), length = std::min(3, n - clampedAt);
        if (n < 40) {
          s.Insert(at, s.GetString() + from);
          ref.insert(std::size_t(clampedAt), ref.substr(std::size_t(from)));
        } else {
          s.Append(s.GetString() + clampedAt, length);
          ref += ref.substr(std::size_t(clampedAt), std::size_t(std::max(length, 0)));
        }
        break;
      }
      default:
        answer = s.Find(w.c_str(), std::max(at, 0));
        expected = at > n ? -1 : int(ref.find(w, std::size_t(std::max(at, 0))));
        break;
    }
    ASSERT_EQ(std::wstring(s.GetString()), ref) << "seed " << kSeed << ", step " << step;
    ASSERT_EQ(s.GetLength(), int(ref.size())) << "step " << step;
    ASSERT_EQ(answer, expected) << "step " << step << ", op " << op;
  }
  for (const auto& [copy, text] : copies) EXPECT_EQ(std::wstring(copy.GetString()), text);
}
