#include "host/CPngBitmapFactory.h"

#include "platform/text/Utf8.h"
#include "platform/image/Png.h"

CBitmap* CPngBitmapFactory::GetBitmap(const wchar_t* source, const wchar_t* name) {
  if (!source || !*source || !name || !*name) return nullptr;
  std::filesystem::path file = std::filesystem::path(platform::Utf8FromWide(source)) / platform::Utf8FromWide(name);
  if (!file.has_extension()) file += ".png";
  if (const auto it = m_mapLoaded.find(file); it != m_mapLoaded.end()) return it->second.get();

  auto bitmap = std::make_unique<CBitmap>();
  if (!bitmap->Attach(platform::LoadBitmapPng(file))) return nullptr;
  return m_mapLoaded.emplace(file, std::move(bitmap)).first->second.get();
}
