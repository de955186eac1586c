#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/win32/WinGdi.h"
#include "platform/win32/WinRes.h"
#include "tests/support/ScopedResourceModule.h"

namespace {

using platform::RegisterResourceModule;
using platform::ResourceEntry;
using platform::UnregisterResourceModule;
using trellis::test::ScopedResourceModule;

const char kAbc[] = "abc";
const char kLogo[] = "logo bytes";

std::string Bytes(HMODULE module, HRSRC resource) {
  const void* data = LockResource(LoadResource(module, resource));
  const DWORD size = SizeofResource(module, resource);
  return data ? std::string(static_cast<const char*>(data), size) : std::string();
}

}  // namespace

TEST(ResourceModule, FindsResourcesByIdAndByNameIgnoringCase) {
  ScopedResourceModule module(L"find-test", {{RT_BITMAP, MAKEINTRESOURCEW(7), kAbc, 3},
                                             {L"Custom", L"Logo", kLogo, sizeof kLogo - 1}});
  ASSERT_NE(module.get(), nullptr);

  HRSRC seven = FindResourceW(module.get(), MAKEINTRESOURCEW(7), RT_BITMAP);
  ASSERT_NE(seven, nullptr);
  EXPECT_EQ(FindResourceW(module.get(), L"#7", RT_BITMAP), seven);
  EXPECT_EQ(FindResourceW(module.get(), MAKEINTRESOURCEW(7), L"#2"), seven);
  EXPECT_EQ(Bytes(module.get(), seven), "abc");
  // The module keeps its own copy: the registrar's buffer may go away.
  EXPECT_NE(LockResource(LoadResource(module.get(), seven)), static_cast<const void*>(kAbc));

  HRSRC logo = FindResourceW(module.get(), L"LOGO", L"custom");
  ASSERT_NE(logo, nullptr);
  EXPECT_EQ(FindResourceW(module.get(), L"logo", L"CUSTOM"), logo);
  EXPECT_EQ(Bytes(module.get(), logo), "logo bytes");

  SetLastError(0);
  EXPECT_EQ(FindResourceW(module.get(), MAKEINTRESOURCEW(8), RT_BITMAP), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_RESOURCE_NOT_FOUND);
  EXPECT_EQ(FindResourceW(module.get(), MAKEINTRESOURCEW(7), L"Custom"), nullptr);
  EXPECT_EQ(FindResourceW(module.get(), L"#7x", RT_BITMAP), nullptr);
}

TEST(ResourceModule, RefusesBadHandlesNamesAndForeignResources) {
  ScopedResourceModule a(L"refuse-a", {{RT_BITMAP, MAKEINTRESOURCEW(1), kAbc, 3}});
  ScopedResourceModule b(L"refuse-b", {{RT_BITMAP, MAKEINTRESOURCEW(1), kAbc, 3}});
  HRSRC ofA = FindResourceW(a.get(), MAKEINTRESOURCEW(1), RT_BITMAP);
  ASSERT_NE(ofA, nullptr);

  SetLastError(0);
  EXPECT_EQ(FindResourceW(nullptr, MAKEINTRESOURCEW(1), RT_BITMAP), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_EQ(FindResourceW(reinterpret_cast<HMODULE>(0x5a5a5a), MAKEINTRESOURCEW(1), RT_BITMAP),
            nullptr);
  HBRUSH brush = CreateSolidBrush(0);
  EXPECT_EQ(FindResourceW(reinterpret_cast<HMODULE>(brush), MAKEINTRESOURCEW(1), RT_BITMAP),
            nullptr);
  EXPECT_EQ(LockResource(reinterpret_cast<HGLOBAL>(brush)), nullptr);
  DeleteObject(brush);

  EXPECT_EQ(FindResourceW(a.get(), nullptr, RT_BITMAP), nullptr);
  EXPECT_EQ(FindResourceW(a.get(), L"", RT_BITMAP), nullptr);
  EXPECT_EQ(FindResourceW(a.get(), MAKEINTRESOURCEW(1), nullptr), nullptr);

  // A resource is read only through the module it belongs to.
  EXPECT_EQ(LoadResource(b.get(), ofA), nullptr);
  EXPECT_EQ(LoadResource(nullptr, ofA), nullptr);
  EXPECT_EQ(SizeofResource(b.get(), ofA), 0u);
  EXPECT_EQ(LoadResource(a.get(), nullptr), nullptr);
  EXPECT_EQ(LockResource(nullptr), nullptr);
}

TEST(ResourceModule, RefusedRegistrationLeavesNothingBehind) {
  const auto refused = [](LPCWSTR name, std::initializer_list<ResourceEntry> entries) {
    HINSTANCE module = RegisterResourceModule(name, entries);
    if (module) UnregisterResourceModule(module);
    return module == nullptr;
  };
  const ResourceEntry good{RT_BITMAP, MAKEINTRESOURCEW(5), kAbc, 3};
  EXPECT_TRUE(refused(nullptr, {good}));
  EXPECT_TRUE(refused(L"", {good}));
  EXPECT_TRUE(refused(L"bad", {good, {RT_BITMAP, MAKEINTRESOURCEW(6), nullptr, 3}}));
  EXPECT_TRUE(refused(L"bad", {good, {RT_BITMAP, MAKEINTRESOURCEW(6), kAbc, 0}}));
  EXPECT_TRUE(refused(L"bad", {good, {nullptr, MAKEINTRESOURCEW(6), kAbc, 3}}));
  EXPECT_TRUE(refused(L"bad", {good, {RT_BITMAP, nullptr, kAbc, 3}}));
  EXPECT_TRUE(refused(L"bad", {good, {RT_BITMAP, L"", kAbc, 3}}));
  // "#5" is id 5 spelt as a string, so it repeats the first entry.
  EXPECT_TRUE(refused(L"bad", {good, {RT_BITMAP, L"#5", kAbc, 3}}));
  EXPECT_TRUE(refused(L"bad", {{L"t", L"Name", kAbc, 3}, {L"T", L"NAME", kAbc, 3}}));

  ScopedResourceModule taken(L"Taken", {good});
  ASSERT_NE(taken.get(), nullptr);
  EXPECT_TRUE(refused(L"TAKEN", {good}));
  // None of the refusals above kept its name.
  ScopedResourceModule bad(L"bad", {good});
  EXPECT_NE(bad.get(), nullptr);
  ScopedResourceModule empty(L"no-resources", {});
  EXPECT_NE(empty.get(), nullptr);
}

TEST(ResourceModule, UnregisteringMakesEveryHandleStale) {
  const ResourceEntry entries[] = {{RT_BITMAP, MAKEINTRESOURCEW(1), kAbc, 3}};
  HINSTANCE module = RegisterResourceModule(L"stale", entries);
  ASSERT_NE(module, nullptr);
  HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(1), RT_BITMAP);
  HGLOBAL data = LoadResource(module, resource);
  ASSERT_NE(LockResource(data), nullptr);

  EXPECT_TRUE(UnregisterResourceModule(module));
  EXPECT_EQ(FindResourceW(module, MAKEINTRESOURCEW(1), RT_BITMAP), nullptr);
  EXPECT_EQ(LoadResource(module, resource), nullptr);
  EXPECT_EQ(LockResource(data), nullptr);
  EXPECT_EQ(SizeofResource(module, resource), 0u);
  EXPECT_EQ(LoadBitmapW(module, MAKEINTRESOURCEW(1)), nullptr);
  EXPECT_FALSE(UnregisterResourceModule(module));
  EXPECT_FALSE(UnregisterResourceModule(nullptr));

  // The name is free again.
  ScopedResourceModule again(L"stale", {});
  EXPECT_NE(again.get(), nullptr);
}
