#include <gtest/gtest.h>

#include <string>

#include "platform/win32/WinGdi.h"
#include "platform/win32/WinRes.h"
#include "tests/support/ScopedResourceModule.h"

namespace {

using platform::ResourceEntry;
using trellis::test::ScopedResourceModule;

const char kAbc[] = "abc";

std::string Bytes(HMODULE module, HRSRC resource) {
  const void* data = LockResource(LoadResource(module, resource));
  return data ? std::string(static_cast<const char*>(data), SizeofResource(module, resource)) : "";
}

}  // namespace

// Ids may be spelt "#7"; names and types ignore case. The module keeps its own copy of the
// bytes, and a resource is read only through the module it belongs to.
TEST(ResourceModule, FindsResourcesByIdAndByNameAndRefusesTheRest) {
  ScopedResourceModule module(L"find-test", {{RT_BITMAP, MAKEINTRESOURCEW(7), kAbc, 3},
                                             {L"Custom", L"Logo", "logo bytes", 10}});
  ScopedResourceModule other(L"find-other", {{RT_BITMAP, MAKEINTRESOURCEW(7), kAbc, 3}});
  ASSERT_NE(module.get(), nullptr);
  HRSRC seven = FindResourceW(module.get(), MAKEINTRESOURCEW(7), RT_BITMAP);
  ASSERT_NE(seven, nullptr);
  EXPECT_EQ(FindResourceW(module.get(), L"#7", RT_BITMAP), seven);
  EXPECT_EQ(FindResourceW(module.get(), MAKEINTRESOURCEW(7), L"#2"), seven);
  EXPECT_EQ(Bytes(module.get(), seven), "abc");
  EXPECT_NE(LockResource(LoadResource(module.get(), seven)), static_cast<const void*>(kAbc));
  EXPECT_EQ(Bytes(module.get(), FindResourceW(module.get(), L"LOGO", L"custom")), "logo bytes");

  HBRUSH brush = CreateSolidBrush(0);
  const HMODULE badModules[] = {nullptr, reinterpret_cast<HMODULE>(0x5a5a5a),
                                reinterpret_cast<HMODULE>(brush)};
  for (HMODULE bad : badModules) EXPECT_EQ(FindResourceW(bad, MAKEINTRESOURCEW(7), RT_BITMAP), nullptr);
  EXPECT_EQ(LockResource(reinterpret_cast<HGLOBAL>(brush)), nullptr);
  DeleteObject(brush);
  const struct {
    LPCWSTR name, type;
  } missing[] = {{MAKEINTRESOURCEW(8), RT_BITMAP}, {MAKEINTRESOURCEW(7), L"Custom"},
                 {L"#7x", RT_BITMAP}, {nullptr, RT_BITMAP}, {L"", RT_BITMAP},
                 {MAKEINTRESOURCEW(7), nullptr}};
  for (const auto& m : missing) EXPECT_EQ(FindResourceW(module.get(), m.name, m.type), nullptr);
  EXPECT_EQ(LoadResource(other.get(), seven), nullptr);
  EXPECT_EQ(LoadResource(nullptr, seven), nullptr);
  EXPECT_EQ(SizeofResource(other.get(), seven), 0u);
  EXPECT_EQ(LoadResource(module.get(), nullptr), nullptr);
  EXPECT_EQ(LockResource(nullptr), nullptr);
}

// A refused registration keeps neither its name nor anything else; "#5" is id 5 spelt as a
// string, so it repeats the first entry.
TEST(ResourceModule, RefusedRegistrationLeavesNothingBehind) {
  const auto refused = [](LPCWSTR name, std::initializer_list<ResourceEntry> entries) {
    return ScopedResourceModule(name, entries).get() == nullptr;
  };
  const ResourceEntry good{RT_BITMAP, MAKEINTRESOURCEW(5), kAbc, 3};
  EXPECT_TRUE(refused(nullptr, {good}));
  EXPECT_TRUE(refused(L"", {good}));
  for (const ResourceEntry bad : {ResourceEntry{RT_BITMAP, MAKEINTRESOURCEW(6), nullptr, 3},
                                  ResourceEntry{RT_BITMAP, MAKEINTRESOURCEW(6), kAbc, 0},
                                  ResourceEntry{nullptr, MAKEINTRESOURCEW(6), kAbc, 3},
                                  ResourceEntry{RT_BITMAP, nullptr, kAbc, 3},
                                  ResourceEntry{RT_BITMAP, L"", kAbc, 3},
                                  ResourceEntry{RT_BITMAP, L"#5", kAbc, 3}})
    EXPECT_TRUE(refused(L"bad", {good, bad}));
  EXPECT_TRUE(refused(L"bad", {{L"t", L"Name", kAbc, 3}, {L"T", L"NAME", kAbc, 3}}));
  ScopedResourceModule taken(L"Taken", {good});
  ASSERT_NE(taken.get(), nullptr);
  EXPECT_TRUE(refused(L"TAKEN", {good}));
  EXPECT_NE(ScopedResourceModule(L"bad", {good}).get(), nullptr);
}
