#include <gtest/gtest.h>

#include "host/CPngBitmapFactory.h"
#include "tests/host/HostTestSupport.h"

using trellis::test::SizeOf;
using trellis::test::TempDir;
using trellis::test::WritePng;

TEST(CPngBitmapFactory, LoadsNamedImagesOnceByUnicodeFileNameAndKeepsThem) {
  TempDir dir;
  WritePng(dir.path() / "ok.png", 5, 3, RGB(10, 20, 30));
  WritePng(dir.path() / "\xE6\x8C\x89\xE9\x92\xAE" / "\xE5\x9B\xBE.png", 4, 4, RGB(9, 9, 9));
  CComPtr<CPngBitmapFactory> factory(new CPngBitmapFactory);
  const std::wstring source = dir.path().wstring();

  CBitmap* ok = factory->GetBitmap(source.c_str(), L"ok");
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(SizeOf(ok), CSize(5, 3));
  EXPECT_EQ(factory->GetBitmap(source.c_str(), L"ok.png"), ok);
  const std::wstring folder = source + L"/\u6309\u94AE";
  EXPECT_EQ(SizeOf(factory->GetBitmap(folder.c_str(), L"\u56FE")), CSize(4, 4));

  // The factory owns its images: they go with it.
  const HGDIOBJ handle = ok->GetSafeHandle();
  factory = nullptr;
  EXPECT_EQ(GetObjectType(handle), 0);
}

TEST(CPngBitmapFactory, RefusesWhatIsNotThereAndFindsItOnceItIs) {
  TempDir dir;
  CComPtr<CPngBitmapFactory> factory(new CPngBitmapFactory);
  const std::wstring source = dir.path().wstring();
  EXPECT_EQ(factory->GetBitmap(nullptr, L"ok"), nullptr);
  EXPECT_EQ(factory->GetBitmap(L"", L"ok"), nullptr);
  EXPECT_EQ(factory->GetBitmap(source.c_str(), nullptr), nullptr);
  EXPECT_EQ(factory->GetBitmap(source.c_str(), L""), nullptr);

  EXPECT_EQ(factory->GetBitmap(source.c_str(), L"late"), nullptr);
  WritePng(dir.path() / "late.png", 2, 2, RGB(1, 2, 3));
  EXPECT_EQ(SizeOf(factory->GetBitmap(source.c_str(), L"late")), CSize(2, 2));

  dir.Write("fake.png", "not a png at all");
  EXPECT_EQ(factory->GetBitmap(source.c_str(), L"fake"), nullptr);
}
