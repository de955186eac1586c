// The platform objects behind module and resource handles, their registration, and the Win32
// functions that find and read resources.
#include "platform/resource/ResourceModule.h"

#include <cwctype>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/gdi/HandleTable.h"
#include "platform/win32/WinRes.h"

namespace platform {

namespace {

// A resource type or name: an integer id (never 0), or else an upper-cased string.
struct ResourceKey {
  WORD id = 0;
  std::wstring name;
  auto operator<=>(const ResourceKey&) const = default;
};
using TypeAndName = std::pair<ResourceKey, ResourceKey>;

std::wstring UpperCase(LPCWSTR text) {
  std::wstring upper(text);
  for (wchar_t& ch : upper) ch = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(ch)));
  return upper;
}

// "#123" is the string spelling of id 123; anything else after '#' is an ordinary name.
std::optional<WORD> IdFromNumberSign(LPCWSTR name) {
  if (name[0] != L'#' || name[1] == L'\0') return std::nullopt;
  unsigned value = 0;
  for (LPCWSTR p = name + 1; *p; ++p) {
    if (*p < L'0' || *p > L'9') return std::nullopt;
    value = value * 10 + unsigned(*p - L'0');
    if (value > 0xFFFF) return std::nullopt;
  }
  if (value == 0) return std::nullopt;
  return WORD(value);
}

// False for a null or empty name.
bool KeyOf(LPCWSTR name, ResourceKey& key) {
  if (!name) return false;
  if (IS_INTRESOURCE(name)) {
    key.id = WORD(reinterpret_cast<ULONG_PTR>(name));
    return true;
  }
  if (name[0] == L'\0') return false;
  if (auto id = IdFromNumberSign(name)) {
    key.id = *id;
    return true;
  }
  key.name = UpperCase(name);
  return true;
}

struct ModuleObject : PlatformObject {
  static constexpr ObjectKind kKind = ObjectKind::Module;
  ModuleObject() : PlatformObject(kKind) {}
  std::wstring name;  // upper-cased
  std::map<TypeAndName, HRSRC> resources;
};

// Holds the module's handle as a plain value, not a pointer: a destructor here never reaches
// into other objects, which may be gone when the handle table is torn down at exit.
struct ResourceObject : PlatformObject {
  static constexpr ObjectKind kKind = ObjectKind::Resource;
  ResourceObject() : PlatformObject(kKind) {}
  HMODULE module = nullptr;
  std::vector<BYTE> bytes;
};

std::set<std::wstring>& RegisteredNames() {
  // Never destroyed, like the handle table that holds the modules.
  static auto* const names = new std::set<std::wstring>;
  return *names;
}

// The resource behind a handle when it belongs to that module.
ResourceObject* ResourceOf(HMODULE module, HRSRC handle) {
  ResourceObject* resource = Resolve<ResourceObject>(handle);
  return resource && module && resource->module == module ? resource : nullptr;
}

}  // namespace

HINSTANCE RegisterResourceModule(LPCWSTR name, std::span<const ResourceEntry> entries) {
  if (!name || name[0] == L'\0') return nullptr;
  auto module = std::make_unique<ModuleObject>();
  module->name = UpperCase(name);
  if (RegisteredNames().contains(module->name)) return nullptr;

  // Every entry is checked before any handle is made, so a refusal leaves nothing behind.
  std::map<TypeAndName, const ResourceEntry*> checked;
  for (const ResourceEntry& entry : entries) {
    TypeAndName key;
    if (!KeyOf(entry.type, key.first) || !KeyOf(entry.name, key.second) || !entry.data ||
        entry.size == 0 || entry.size > std::numeric_limits<DWORD>::max())
      return nullptr;
    if (!checked.emplace(std::move(key), &entry).second) return nullptr;
  }

  ModuleObject* raw = module.get();
  const auto handle = Register<ModuleObject, HINSTANCE>(std::move(module));
  for (auto& [typeAndName, entry] : checked) {
    auto resource = std::make_unique<ResourceObject>();
    resource->module = handle;
    const auto* bytes = static_cast<const BYTE*>(entry->data);
    resource->bytes.assign(bytes, bytes + entry->size);
    raw->resources.emplace(typeAndName, Register<ResourceObject, HRSRC>(std::move(resource)));
  }
  RegisteredNames().insert(raw->name);
  return handle;
}

BOOL UnregisterResourceModule(HINSTANCE handle) {
  ModuleObject* module = Resolve<ModuleObject>(handle);
  if (!module) return FALSE;
  for (const auto& [typeAndName, resource] : module->resources) Handles().Erase(resource);
  RegisteredNames().erase(module->name);
  return Handles().Erase(handle);
}

}  // namespace platform

using namespace platform;

HRSRC FindResourceW(HMODULE handle, LPCWSTR name, LPCWSTR type) {
  ModuleObject* module = Resolve<ModuleObject>(handle);
  if (!module) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  TypeAndName key;
  if (!KeyOf(type, key.first) || !KeyOf(name, key.second)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  const auto it = module->resources.find(key);
  if (it == module->resources.end()) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
  }
  return it->second;
}

// The data handle is the resource's own handle in another type: it lives exactly as long as
// the resource, and LockResource can tell it from any other kind of handle.
HGLOBAL LoadResource(HMODULE module, HRSRC resource) {
  return ResourceOf(module, resource) ? reinterpret_cast<HGLOBAL>(resource) : nullptr;
}

LPVOID LockResource(HGLOBAL data) {
  ResourceObject* resource = Resolve<ResourceObject>(data);
  return resource ? resource->bytes.data() : nullptr;
}

DWORD SizeofResource(HMODULE module, HRSRC resource) {
  ResourceObject* object = ResourceOf(module, resource);
  return object ? DWORD(object->bytes.size()) : 0;
}
