// src/icons/pe_resources.cpp
#include "icons/pe_resources.h"

#include "icons/byte_layout.h"
#include "icons/ico_file.h"
#include "platform/file_io.h"

using namespace byte_layout;

namespace {

constexpr uint32_t kHighBit = 0x80000000u;
constexpr uint16_t kLanguageNeutral = 0x0000;
constexpr uint16_t kLanguageChineseSimplified = 0x0804;
constexpr uint16_t kLanguageEnglishUs = 0x0409;

struct Section {
  uint32_t virtualAddress = 0;
  uint32_t rawSize = 0;
  uint32_t rawOffset = 0;
};

struct DirectoryEntry {
  bool named = false;
  uint32_t nameOffset = 0;  // from the resource root, for a named entry
  uint16_t id = 0;
  bool isDirectory = false;
  uint32_t target = 0;  // from the resource root: a subdirectory or a data entry
};

// The mapped view of a PE file that resource reading needs.
class PeImage {
 public:
  explicit PeImage(ByteSource& file) : file_(file) {}

  bool Open() {
    std::string head;
    if (!file_.Read(0, 64, head) || head.substr(0, 2) != "MZ") return false;
    uint32_t peOffset = *U32(head, 0x3C);
    std::string pe;
    if (!file_.Read(peOffset, 24, pe) || pe.substr(0, 4) != std::string_view("PE\0\0", 4)) return false;
    uint16_t sectionCount = *U16(pe, 6);
    uint16_t optionalSize = *U16(pe, 20);
    std::string optional;
    if (!file_.Read(uint64_t(peOffset) + 24, optionalSize, optional)) return false;
    auto magic = U16(optional, 0);
    if (!magic) return false;
    uint64_t countField, directories;
    if (*magic == 0x10B) {
      countField = 92, directories = 96;
    } else if (*magic == 0x20B) {
      countField = 108, directories = 112;
    } else {
      return false;
    }
    auto directoryCount = U32(optional, countField);
    if (!directoryCount || *directoryCount < 3) return false;
    auto resourceRva = U32(optional, directories + 2 * 8);
    if (!resourceRva || *resourceRva == 0) return false;
    resourceRoot_ = *resourceRva;

    std::string table;
    if (!file_.Read(uint64_t(peOffset) + 24 + optionalSize, uint64_t(sectionCount) * 40, table)) return false;
    for (uint16_t i = 0; i < sectionCount; ++i) {
      size_t at = size_t(i) * 40;
      sections_.push_back({*U32(table, at + 12), *U32(table, at + 16), *U32(table, at + 20)});
    }
    return true;
  }

  // Reads `length` bytes at a relative virtual address, which must lie within one section's
  // raw data (as the system translates addresses of a file loaded as data).
  bool ReadRva(uint64_t rva, uint64_t length, std::string& out) {
    for (const Section& s : sections_) {
      if (rva < s.virtualAddress || rva - s.virtualAddress >= s.rawSize) continue;
      uint64_t inSection = rva - s.virtualAddress;
      if (!Fits(inSection, length, s.rawSize)) return false;
      return file_.Read(uint64_t(s.rawOffset) + inSection, length, out);
    }
    return false;
  }

  // A resource directory at `offset` from the root, its entries in the order they stand.
  std::optional<std::vector<DirectoryEntry>> Directory(uint32_t offset) {
    std::string header;
    if (!ReadRva(uint64_t(resourceRoot_) + offset, 16, header)) return std::nullopt;
    uint32_t count = uint32_t(*U16(header, 12)) + *U16(header, 14);
    std::string raw;
    if (!ReadRva(uint64_t(resourceRoot_) + offset + 16, uint64_t(count) * 8, raw)) return std::nullopt;
    std::vector<DirectoryEntry> entries(count);
    for (uint32_t i = 0; i < count; ++i) {
      uint32_t name = *U32(raw, size_t(i) * 8);
      uint32_t target = *U32(raw, size_t(i) * 8 + 4);
      DirectoryEntry& e = entries[i];
      e.named = (name & kHighBit) != 0;
      e.nameOffset = name & ~kHighBit;
      e.id = static_cast<uint16_t>(name & 0xFFFF);
      e.isDirectory = (target & kHighBit) != 0;
      e.target = target & ~kHighBit;
    }
    return entries;
  }

  std::optional<ResourceName> NameOf(const DirectoryEntry& entry) {
    ResourceName name;
    if (!entry.named) {
      name.id = entry.id;
      return name;
    }
    name.isString = true;
    std::string length;
    if (!ReadRva(uint64_t(resourceRoot_) + entry.nameOffset, 2, length)) return std::nullopt;
    std::string text;
    if (!ReadRva(uint64_t(resourceRoot_) + entry.nameOffset + 2, uint64_t(*U16(length, 0)) * 2, text))
      return std::nullopt;
    for (size_t i = 0; i + 1 < text.size(); i += 2) name.text += static_cast<char16_t>(*U16(text, i));
    return name;
  }

  // The data of a leaf (a data entry: RVA, size, code page, reserved), at most `limit` bytes.
  std::optional<std::string> LeafData(const DirectoryEntry& leaf, uint64_t limit) {
    if (leaf.isDirectory) return std::nullopt;
    std::string entry;
    if (!ReadRva(uint64_t(resourceRoot_) + leaf.target, 16, entry)) return std::nullopt;
    uint32_t rva = *U32(entry, 0), size = *U32(entry, 4);
    std::string data;
    if (size > limit || !ReadRva(rva, size, data)) return std::nullopt;
    return data;
  }

  // The entries below the first entry of the root with this type number.
  std::optional<std::vector<DirectoryEntry>> NamesOfType(uint16_t type) {
    auto types = Directory(0);
    if (!types) return std::nullopt;
    for (const DirectoryEntry& e : *types)
      if (!e.named && e.id == type) return e.isDirectory ? Directory(e.target) : std::nullopt;
    return std::nullopt;
  }

 private:
  ByteSource& file_;
  uint32_t resourceRoot_ = 0;
  std::vector<Section> sections_;
};

// Among the languages of one resource, the one a lookup without a language takes: `preferred`
// when given and present, else neutral, the system's Chinese, US English, and the first.
const DirectoryEntry* PickLanguage(const std::vector<DirectoryEntry>& languages, std::optional<uint16_t> preferred) {
  auto find = [&](auto matches) -> const DirectoryEntry* {
    for (const DirectoryEntry& e : languages)
      if (!e.named && matches(e.id)) return &e;
    return nullptr;
  };
  const DirectoryEntry* found = nullptr;
  if (preferred) found = find([&](uint16_t id) { return id == *preferred; });
  if (!found) found = find([](uint16_t id) { return id == kLanguageNeutral; });
  if (!found) found = find([](uint16_t id) { return (id & 0x3FF) == kLanguageNeutral; });
  if (!found) found = find([](uint16_t id) { return id == kLanguageChineseSimplified; });
  if (!found) found = find([](uint16_t id) { return id == kLanguageEnglishUs; });
  if (!found && !languages.empty()) found = &languages.front();
  return found;
}

// The data of a name entry (through its language level) and the language taken.
std::optional<std::pair<std::string, uint16_t>> ResourceData(PeImage& image, const DirectoryEntry& nameEntry,
                                                             std::optional<uint16_t> preferredLanguage,
                                                             uint64_t limit) {
  if (!nameEntry.isDirectory) return std::nullopt;
  auto languages = image.Directory(nameEntry.target);
  if (!languages) return std::nullopt;
  const DirectoryEntry* language = PickLanguage(*languages, preferredLanguage);
  if (!language) return std::nullopt;
  auto data = image.LeafData(*language, limit);
  if (!data) return std::nullopt;
  return std::make_pair(std::move(*data), language->id);
}

}  // namespace

std::vector<ResourceName> ListIconGroups(ByteSource& file) {
  PeImage image(file);
  std::vector<ResourceName> names;
  if (!image.Open()) return names;
  auto groups = image.NamesOfType(kResourceTypeGroupIcon);
  if (!groups) return names;
  for (const DirectoryEntry& e : *groups) names.push_back(image.NameOf(e).value_or(ResourceName{true, 0, u""}));
  return names;
}

std::optional<std::string> IconGroupAsIco(ByteSource& file, int position) {
  PeImage image(file);
  if (position < 1 || !image.Open()) return std::nullopt;
  auto groups = image.NamesOfType(kResourceTypeGroupIcon);
  if (!groups || size_t(position) > groups->size()) return std::nullopt;
  const uint64_t limit = file_io::kMaxWholeFileBytes;
  auto group = ResourceData(image, (*groups)[size_t(position) - 1], std::nullopt, limit);
  if (!group) return std::nullopt;
  const std::string& directory = group->first;
  auto count = U16(directory, 4);
  if (!count || *count == 0 || !Fits(6, uint64_t(*count) * 14, directory.size())) return std::nullopt;

  auto icons = image.NamesOfType(kResourceTypeIcon);
  if (!icons) return std::nullopt;
  std::vector<std::string> data;  // owns the image bytes that `images` points into
  std::vector<IcoImage> images;
  data.reserve(*count);
  uint64_t total = 0;
  for (uint16_t i = 0; i < *count; ++i) {
    size_t at = 6 + size_t(i) * 14;
    IcoImage member;
    member.entry.width = *U8(directory, at);
    member.entry.height = *U8(directory, at + 1);
    member.entry.colourCount = *U8(directory, at + 2);
    member.entry.reserved = *U8(directory, at + 3);
    member.entry.planes = *U16(directory, at + 4);
    member.entry.bitCount = *U16(directory, at + 6);
    uint16_t id = *U16(directory, at + 12);
    const DirectoryEntry* icon = nullptr;
    for (const DirectoryEntry& e : *icons)
      if (!e.named && e.id == id) {
        icon = &e;
        break;
      }
    if (!icon) return std::nullopt;
    auto bytes = ResourceData(image, *icon, group->second, limit - total);
    if (!bytes) return std::nullopt;
    if (bytes->first.empty()) continue;  // an empty image resource holds nothing to show
    total += bytes->first.size();
    data.push_back(std::move(bytes->first));
    images.push_back(member);
  }
  if (images.empty()) return std::nullopt;
  for (size_t i = 0; i < images.size(); ++i) images[i].data = data[i];
  return AssembleIco(images);
}
