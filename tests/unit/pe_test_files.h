// tests/unit/pe_test_files.h
// Minimal PE files (PE32 or PE32+) with one ".rsrc" section holding a resource tree made from a
// list of resources, for the icon group tests. The tree keeps the given order at every level.
#pragma once
#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "icon_test_files.h"

namespace pe_test {

using icon_test::PutU16;
using icon_test::PutU32;

struct Resource {
  uint16_t type;
  uint16_t id;            // used when `name` is empty
  std::u16string name;    // a string name when not empty
  uint16_t language;
  std::string data;
};

struct BuiltPe {
  std::string bytes;
  // File offsets of interesting places: "type:T" (a type's directory), "entry:T:i" (the i-th
  // name-level entry of type T), "leaf:T:i" (the data entry of its first language).
  std::map<std::string, size_t> at;
};

constexpr uint32_t kSectionRva = 0x1000;
constexpr uint32_t kSectionFile = 0x400;

// The image data of an icon group: entries (width, height, bit count, claimed size, icon id).
struct GroupMember { uint8_t width, height; uint16_t bitCount; uint32_t claimedSize; uint16_t iconId; };
inline std::string GroupData(const std::vector<GroupMember>& members) {
  std::string out;
  PutU16(out, 0), PutU16(out, 1), PutU16(out, uint16_t(members.size()));
  for (const GroupMember& m : members) {
    out += char(m.width), out += char(m.height), out += '\0', out += '\0';
    PutU16(out, 1), PutU16(out, m.bitCount), PutU32(out, m.claimedSize), PutU16(out, m.iconId);
  }
  return out;
}

inline BuiltPe BuildPe(const std::vector<Resource>& resources, bool plus) {
  // Group: type -> names (in order) -> languages (in order).
  struct Name { const Resource* first; std::vector<const Resource*> languages; };
  std::vector<std::pair<uint16_t, std::vector<Name>>> types;
  for (const Resource& r : resources) {
    auto type = std::find_if(types.begin(), types.end(), [&](auto& t) { return t.first == r.type; });
    if (type == types.end()) type = types.insert(types.end(), {r.type, {}});
    auto name = std::find_if(type->second.begin(), type->second.end(), [&](const Name& n) {
      return n.first->name == r.name && (r.name.size() || n.first->id == r.id);
    });
    if (name == type->second.end()) name = type->second.insert(type->second.end(), Name{&r, {}});
    name->languages.push_back(&r);
  }
  // Offsets from the section start.
  uint32_t at = 16 + 8 * uint32_t(types.size());
  std::vector<uint32_t> typeDir, nameDir, leaf, text, blob;
  for (auto& t : types) typeDir.push_back(at), at += 16 + 8 * uint32_t(t.second.size());
  for (auto& t : types)
    for (auto& n : t.second) nameDir.push_back(at), at += 16 + 8 * uint32_t(n.languages.size());
  for (auto& t : types)
    for (auto& n : t.second)
      for (size_t l = 0; l < n.languages.size(); ++l) leaf.push_back(at), at += 16;
  for (auto& t : types)
    for (auto& n : t.second)
      if (n.first->name.size()) text.push_back(at), at += (2 + 2 * uint32_t(n.first->name.size()) + 3) / 4 * 4;
  for (auto& t : types)
    for (auto& n : t.second)
      for (const Resource* r : n.languages) blob.push_back(at), at += (uint32_t(r->data.size()) + 3) / 4 * 4;
  const uint32_t sectionSize = (at + 511) / 512 * 512;

  BuiltPe pe;
  std::string s(sectionSize, '\0');
  auto put16 = [&](uint32_t o, uint16_t v) { icon_test::Patch16(s, o, v); };
  auto put32 = [&](uint32_t o, uint32_t v) { icon_test::Patch32(s, o, v); };
  auto directory = [&](uint32_t o, uint16_t named, uint16_t ids) { put16(o + 12, named), put16(o + 14, ids); };
  directory(0, 0, uint16_t(types.size()));
  size_t ni = 0, li = 0, ti = 0, bi = 0;
  for (size_t t = 0; t < types.size(); ++t) {
    put32(16 + 8 * uint32_t(t), types[t].first);
    put32(16 + 8 * uint32_t(t) + 4, 0x80000000u | typeDir[t]);
    pe.at["type:" + std::to_string(types[t].first)] = kSectionFile + typeDir[t];
    uint16_t named = 0;
    for (auto& n : types[t].second) named += n.first->name.size() ? 1 : 0;
    directory(typeDir[t], named, uint16_t(types[t].second.size() - named));
    for (size_t i = 0; i < types[t].second.size(); ++i, ++ni) {
      Name& n = types[t].second[i];
      uint32_t entry = typeDir[t] + 16 + 8 * uint32_t(i);
      pe.at["entry:" + std::to_string(types[t].first) + ":" + std::to_string(i)] = kSectionFile + entry;
      if (n.first->name.size()) {
        put32(entry, 0x80000000u | text[ti]);
        put16(text[ti], uint16_t(n.first->name.size()));
        for (size_t c = 0; c < n.first->name.size(); ++c) put16(text[ti] + 2 + 2 * uint32_t(c), n.first->name[c]);
        ++ti;
      } else {
        put32(entry, n.first->id);
      }
      put32(entry + 4, 0x80000000u | nameDir[ni]);
      directory(nameDir[ni], 0, uint16_t(n.languages.size()));
      for (size_t l = 0; l < n.languages.size(); ++l, ++li, ++bi) {
        const Resource* r = n.languages[l];
        put32(nameDir[ni] + 16 + 8 * uint32_t(l), r->language);
        put32(nameDir[ni] + 16 + 8 * uint32_t(l) + 4, leaf[li]);
        if (l == 0) pe.at["leaf:" + std::to_string(types[t].first) + ":" + std::to_string(i)] = kSectionFile + leaf[li];
        put32(leaf[li], kSectionRva + blob[bi]);
        put32(leaf[li] + 4, uint32_t(r->data.size()));
        s.replace(blob[bi], r->data.size(), r->data);
      }
    }
  }

  std::string& b = pe.bytes;
  b.assign(0x80, '\0');
  b[0] = 'M', b[1] = 'Z';
  icon_test::Patch32(b, 0x3C, 0x80);
  b += std::string("PE\0\0", 4);
  const uint16_t optionalSize = plus ? 240 : 224;
  PutU16(b, plus ? 0x8664 : 0x14C), PutU16(b, 1), PutU32(b, 0), PutU32(b, 0), PutU32(b, 0);
  PutU16(b, optionalSize), PutU16(b, 0x2102);
  std::string optional(optionalSize, '\0');
  icon_test::Patch16(optional, 0, plus ? 0x20B : 0x10B);
  const size_t directories = plus ? 112 : 96;
  icon_test::Patch32(optional, directories - 4, 16);
  icon_test::Patch32(optional, directories + 16, kSectionRva);
  icon_test::Patch32(optional, directories + 20, at);
  b += optional;
  std::string section(".rsrc\0\0\0", 8);
  PutU32(section, at), PutU32(section, kSectionRva), PutU32(section, sectionSize), PutU32(section, kSectionFile);
  section.resize(40, '\0');
  b += section;
  b.resize(kSectionFile, '\0');
  b += s;
  return pe;
}

}  // namespace pe_test
