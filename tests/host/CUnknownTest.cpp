#include <gtest/gtest.h>

#include "host/CUnknown.h"
#include "tests/host/HostTestSupport.h"

namespace {

constexpr IID kOther = {0x12345678, 0x1, 0x2, {1, 2, 3, 4, 5, 6, 7, 8}};

}  // namespace

TEST(CUnknown, CountsReferencesAndAnswersOnlyIUnknown) {
  int deaths = 0;
  auto* probe = new trellis::test::DeathCounter(&deaths);
  EXPECT_EQ(probe->AddRef(), 1u);
  EXPECT_EQ(probe->AddRef(), 2u);
  EXPECT_EQ(probe->Release(), 1u);
  void* out = reinterpret_cast<void*>(0x1234);
  EXPECT_EQ(probe->QueryInterface(kOther, &out), E_FAIL);
  EXPECT_EQ(out, reinterpret_cast<void*>(0x1234));
  EXPECT_EQ(probe->QueryInterface(IID_IUnknown, &out), S_OK);
  EXPECT_EQ(out, static_cast<IUnknown*>(probe));
  IUnknown* unknown = nullptr;
  EXPECT_EQ(probe->GetUnknown(&unknown), S_OK);
  EXPECT_EQ(unknown, static_cast<IUnknown*>(probe));
  // The failed query took no reference; the two good ones took one each.
  EXPECT_EQ(probe->Release(), 2u);
  EXPECT_EQ(probe->Release(), 1u);
  EXPECT_EQ(deaths, 0);
  EXPECT_EQ(probe->Release(), 0u);
  EXPECT_EQ(deaths, 1);
}

TEST(CUnknown, NamesAreOwnedCopies) {
  CUnknown a;
  EXPECT_EQ(a.GetName(), nullptr);
  wchar_t name[] = L"Tree.Scroll";
  EXPECT_EQ(a.SetName(name), 1);
  name[0] = L'X';
  EXPECT_STREQ(a.GetName(), L"Tree.Scroll");
  // Setting the name it already holds keeps one valid copy.
  EXPECT_EQ(a.SetName(a.GetName()), 1);
  EXPECT_STREQ(a.GetName(), L"Tree.Scroll");
  CUnknown b(a);
  EXPECT_NE(b.GetName(), a.GetName());
  EXPECT_STREQ(b.GetName(), L"Tree.Scroll");
  a.SetName(nullptr);
  EXPECT_EQ(a.GetName(), nullptr);
}
