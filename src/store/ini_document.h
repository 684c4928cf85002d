// src/store/ini_document.h
// One INI file held in memory as its bytes, read and edited with the semantics of the Windows
// profile functions (GetPrivateProfileStringA with an empty default and a 10240-byte buffer,
// WritePrivateProfileStringA with a value, GetPrivateProfileSectionNamesA with a 204800-byte
// buffer). Edits change only the lines concerned; every other byte of the file stays as it was.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "store/gbk_text.h"

class IniDocument {
 public:
  IniDocument() = default;
  explicit IniDocument(std::string bytes);

  // The value (blanks around it removed, one pair of surrounding quotes removed, at most 10239
  // bytes), or the empty text when the section or key is missing or a name is blank.
  GbkText Read(std::string_view section, std::string_view key) const;
  // Sets the value: replaced in place, or appended as the last line of its section, or in a new
  // section at the end. Lines are key=value CR LF. Does nothing when a name is blank.
  void Write(std::string_view section, std::string_view key, std::string_view value);
  // All section names in file order.
  std::vector<GbkText> SectionNames() const;

  const std::string& Bytes() const { return bytes_; }

 private:
  std::string bytes_;
  // The implementation keeps whatever index it needs to answer reads fast.
};
