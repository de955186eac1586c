/// @class CPngBitmapFactory
/// The bitmap factory of the default environment: images are PNG files, the source is a folder
/// and the name a file in it ("ok" and "ok.png" both name ok.png).
#pragma once

#include <filesystem>
#include <map>
#include <memory>

#include "host/CUnknown.h"
#include "host/IBitmapFactory.h"
#include "platform/mfc/CGdiObject.h"

class CPngBitmapFactory : public CUnknownTmp<IBitmapFactory> {
 public:
  CPngBitmapFactory() = default;
  CPngBitmapFactory(const CPngBitmapFactory&) = delete;
  CPngBitmapFactory& operator=(const CPngBitmapFactory&) = delete;

  /// Null for a null or empty source or name and for a file that is missing or not a PNG. An
  /// image is read once and then kept, so painting does not touch the disk again; a missing one
  /// is looked for again next time, so a file the host writes later still shows.
  CBitmap* GetBitmap(const wchar_t* source, const wchar_t* name) override;

 private:
  std::map<std::filesystem::path, std::unique_ptr<CBitmap>> m_mapLoaded;
};
