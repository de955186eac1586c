// One face of a pinned font file: what fontconfig says about it and, once needed, its FreeType
// face. The FreeType face is shared by every size; each font instance puts its own FT_Size on it.
#pragma once

#include <string>

struct FT_FaceRec_;
struct FT_LibraryRec_;
struct _FcCharSet;

namespace platform::text {

class FontFace {
 public:
  // `charset` is copied; `library` must outlive the face.
  FontFace(FT_LibraryRec_* library, std::string file, int index, std::string family, int weight,
           int slant, const _FcCharSet* charset);
  ~FontFace();
  FontFace(const FontFace&) = delete;
  FontFace& operator=(const FontFace&) = delete;

  const std::string& File() const { return m_file; }
  int Index() const { return m_index; }
  const std::string& Family() const { return m_family; }
  bool IsBold() const;
  bool IsItalic() const;
  bool HasChar(char32_t cp) const;
  // The FreeType face, opened on first use; null when the file cannot be read.
  FT_FaceRec_* Face();

 private:
  FT_LibraryRec_* m_library = nullptr;
  std::string m_file;
  int m_index = 0;
  std::string m_family;
  int m_weight = 0;  // fontconfig weight
  int m_slant = 0;   // fontconfig slant
  _FcCharSet* m_charset = nullptr;
  FT_FaceRec_* m_face = nullptr;
  bool m_openFailed = false;
};

}  // namespace platform::text
