#include <gtest/gtest.h>

#include "platform/mfc/CString.h"

TEST(CString, ClampsPositionsLikeMfc) {
  const CString s(L"中文abc");
  EXPECT_EQ(s.Left(-1), L"");
  EXPECT_EQ(s.Left(99), L"中文abc");
  EXPECT_EQ(s.Mid(-3, 2), L"中文");
  EXPECT_EQ(s.Mid(4, 10), L"c");
  EXPECT_EQ(s.Right(2), L"bc");
  EXPECT_EQ(s.GetAt(9), L'\0');
  CString t = s;
  EXPECT_EQ(t.Insert(99, L'!'), 6);
  EXPECT_EQ(t.Delete(-2, 2), 4);
  EXPECT_EQ(t, L"abc!");
  EXPECT_EQ(t.Delete(3, 50), 3);
  EXPECT_EQ(t.Find(L'c'), 2);
  EXPECT_EQ(t.Find(L"bc", 4), -1);
  CString a(L"aaa");  // replacing does not rescan inserted text
  EXPECT_EQ(a.Replace(L"a", L"aa"), 3);
  EXPECT_EQ(a, L"aaaaaa");
  EXPECT_EQ(a.Replace(L"", L"x"), 0);
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
