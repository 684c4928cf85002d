// src/store/ini_document.h
// One INI file held in memory as its bytes, read and edited with the semantics of the Windows
// profile functions (GetPrivateProfileStringA with an empty default and a 10240-byte buffer,
// WritePrivateProfileStringA with a value, GetPrivateProfileSectionNamesA with a 204800-byte
// buffer). Edits change only the lines concerned; every other byte of the file stays as it was.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "store/gbk_text.h"

class IniDocument {
 public:
  // Largest value a read returns: the profile functions' 10240-byte buffer less its NUL.
  static constexpr size_t kMaxValueBytes = 10239;
  // The section listing's buffer: names, each followed by NUL, and a final NUL must fit.
  static constexpr size_t kSectionNamesBufferBytes = 204800;

  enum class WriteResult {
    kRefused,    // a name is blank, or the line would not read back as this key (see Write)
    kUnchanged,  // the key already held exactly this value
    kChanged,
  };

  IniDocument() = default;
  explicit IniDocument(std::string bytes);

  // The value (blanks around it removed, one pair of surrounding quotes removed, at most 10239
  // bytes), or the empty text when the section or key is missing or a name is blank.
  GbkText Read(std::string_view section, std::string_view key) const;
  // Sets the value: replaced in place, or appended as the last line of its section, or in a new
  // section at the end. Lines are key=value CR LF. Does nothing when a name is blank, and refuses
  // text that would break the file's lines: a CR or LF anywhere, or a key that would not read
  // back as itself (one starting with ';' or containing '=', say).
  WriteResult Write(std::string_view section, std::string_view key, std::string_view value);
  // All section names in file order.
  std::vector<GbkText> SectionNames() const;

  const std::string& Bytes() const { return bytes_; }

  // How many documents this process has parsed from bytes (one per construction), so a
  // benchmark can tell how often a file was parsed.
  static uint64_t ParseCount();

 private:
  // Offsets into bytes_. Blanks around names and values are already excluded.
  struct KeyLine {
    size_t nameBegin, nameEnd, valueBegin, valueEnd, contentEnd;
    bool hasEquals;  // false for a line that is just a name
  };
  struct Section {
    size_t nameBegin, nameEnd, contentEnd;
    bool first;  // the first section of its name: the only one reads and writes ever see
    std::vector<KeyLine> keys;
  };

  void Reindex();
  void IndexFrom(size_t pos);
  void AddKey(size_t sectionIndex, const KeyLine& key);
  KeyLine KeyLineAt(size_t begin, size_t contentEnd) const;
  void ShiftOffsets(size_t fromSection, size_t pos, ptrdiff_t delta);
  const Section* FindSection(std::string_view name) const;
  const KeyLine* FindKey(size_t sectionIndex, std::string_view name) const;
  static std::string KeyId(size_t sectionIndex, std::string_view name);

  std::string bytes_;
  std::vector<Section> sections_;
  std::unordered_map<std::string, size_t> sectionByName_;  // folded name -> index in sections_
  std::unordered_map<std::string, size_t> keyByName_;      // KeyId -> index in that section's keys
};
