// The platform's own fontconfig configuration. It is built in code and knows the files of the
// pinned font packages and nothing else (no system configuration, no user fonts, no other files
// that share the folders), so text measures the same on every machine that has those packages.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/text/FontFace.h"

struct _FcConfig;

namespace platform::text {

class FontConfig {
 public:
  // Made on first use, released at exit. Font instances outlive it (the registry that keeps them
  // is never destroyed) and ask Released() before touching a face, so text measured or drawn
  // from a later static destructor gets no ink and half-em advances instead of freed faces.
  static FontConfig& Get();
  static bool Released();
  ~FontConfig();
  FontConfig(const FontConfig&) = delete;
  FontConfig& operator=(const FontConfig&) = delete;

  // The faces to look a character up in, best first: the family asked for, then DejaVu Sans,
  // then WenQuanYi Micro Hei, then the rest, each in the weight and slant nearest the request.
  // Empty only when none of the pinned files could be read.
  std::vector<FontFace*> FacesFor(const std::string& family, int weight, bool italic) const;
  FT_LibraryRec_* Library() const { return m_library; }

 private:
  FontConfig();
  FontFace* FindFace(const std::string& file, int index) const;

  _FcConfig* m_config = nullptr;
  FT_LibraryRec_* m_library = nullptr;
  std::vector<std::unique_ptr<FontFace>> m_faces;
};

}  // namespace platform::text
