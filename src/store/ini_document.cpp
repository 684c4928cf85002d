// src/store/ini_document.cpp
#include "store/ini_document.h"

#include <atomic>
#include <cstring>
#include <utility>

#include "store/ini_line.h"

namespace {

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

// The line `line` parses as a key line named exactly `key`.
bool ReadsBackAsKey(std::string_view line, std::string_view key) {
  ini::LineParts parts = ini::ParseLine(line);
  return parts.kind == ini::LineKind::kKey && line.substr(parts.name.begin, parts.name.size()) == key;
}

bool ReadsBackAsSection(std::string_view line, std::string_view section) {
  ini::LineParts parts = ini::ParseLine(line);
  return parts.kind == ini::LineKind::kSection && line.substr(parts.name.begin, parts.name.size()) == section;
}

std::atomic<uint64_t> g_parses{0};

}  // namespace

IniDocument::IniDocument(std::string bytes) : bytes_(std::move(bytes)) {
  ++g_parses;
  Reindex();
}

uint64_t IniDocument::ParseCount() { return g_parses.load(std::memory_order_relaxed); }

void IniDocument::Reindex() {
  sections_.clear();
  sectionByName_.clear();
  keyByName_.clear();
  IndexFrom(0);
}

// Indexes the lines from `pos` (a line start) to the end. Lines before the first section header
// belong to no section and are only kept.
void IniDocument::IndexFrom(size_t pos) {
  const std::string_view text = bytes_;
  while (pos < text.size()) {
    size_t contentEnd = ini::LineContentEnd(text, pos);
    std::string_view line = text.substr(pos, contentEnd - pos);
    ini::LineParts parts = ini::ParseLine(line);
    if (parts.kind == ini::LineKind::kSection) {
      Section section{pos + parts.name.begin, pos + parts.name.end, contentEnd, false, {}};
      auto [it, inserted] = sectionByName_.try_emplace(ini::FoldName(line.substr(parts.name.begin, parts.name.size())),
                                                        sections_.size());
      section.first = inserted;
      sections_.push_back(std::move(section));
    } else if (parts.kind == ini::LineKind::kKey && !sections_.empty()) {
      AddKey(sections_.size() - 1, KeyLine{pos + parts.name.begin, pos + parts.name.end, pos + parts.value.begin,
                                           pos + parts.value.end, contentEnd, parts.hasEquals});
    }
    pos = ini::NextLineStart(text, contentEnd);
  }
}

void IniDocument::AddKey(size_t sectionIndex, const KeyLine& key) {
  Section& section = sections_[sectionIndex];
  if (section.first && key.nameEnd > key.nameBegin) {
    std::string_view name = std::string_view(bytes_).substr(key.nameBegin, key.nameEnd - key.nameBegin);
    keyByName_.try_emplace(KeyId(sectionIndex, name), section.keys.size());
  }
  section.keys.push_back(key);
}

IniDocument::KeyLine IniDocument::KeyLineAt(size_t begin, size_t contentEnd) const {
  std::string_view line = std::string_view(bytes_).substr(begin, contentEnd - begin);
  ini::LineParts parts = ini::ParseLine(line);
  return KeyLine{begin + parts.name.begin, begin + parts.name.end, begin + parts.value.begin,
                 begin + parts.value.end, contentEnd, parts.hasEquals};
}

// Moves every stored offset at or after `pos` by `delta`, in the sections from `fromSection` on
// (the ones before it lie wholly before `pos`).
void IniDocument::ShiftOffsets(size_t fromSection, size_t pos, ptrdiff_t delta) {
  auto shift = [&](size_t& offset) {
    if (offset >= pos) offset = static_cast<size_t>(static_cast<ptrdiff_t>(offset) + delta);
  };
  for (size_t i = fromSection; i < sections_.size(); ++i) {
    Section& section = sections_[i];
    shift(section.nameBegin);
    shift(section.nameEnd);
    shift(section.contentEnd);
    for (KeyLine& key : section.keys) {
      shift(key.nameBegin);
      shift(key.nameEnd);
      shift(key.valueBegin);
      shift(key.valueEnd);
      shift(key.contentEnd);
    }
  }
}

std::string IniDocument::KeyId(size_t sectionIndex, std::string_view name) {
  // The section's index as four raw bytes, then the folded key name.
  uint32_t index = static_cast<uint32_t>(sectionIndex);
  std::string id(sizeof index, '\0');
  std::memcpy(id.data(), &index, sizeof index);
  id += ini::FoldName(name);
  return id;
}

const IniDocument::Section* IniDocument::FindSection(std::string_view name) const {
  auto it = sectionByName_.find(ini::FoldName(name));
  return it == sectionByName_.end() ? nullptr : &sections_[it->second];
}

const IniDocument::KeyLine* IniDocument::FindKey(size_t sectionIndex, std::string_view name) const {
  auto it = keyByName_.find(KeyId(sectionIndex, name));
  return it == keyByName_.end() ? nullptr : &sections_[sectionIndex].keys[it->second];
}

GbkText IniDocument::Read(std::string_view section, std::string_view key) const {
  section = ini::NameArgument(section);
  key = ini::NameArgument(key);
  if (section.empty() || key.empty()) return {};
  const Section* found = FindSection(section);
  if (!found) return {};
  const KeyLine* line = FindKey(static_cast<size_t>(found - sections_.data()), key);
  if (!line) return {};
  std::string_view value = std::string_view(bytes_).substr(line->valueBegin, line->valueEnd - line->valueBegin);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  // What a caller of the profile function gets: the buffer's whole characters, up to a NUL.
  return GbkText(ini::UpToNul(gbk::LeftWhole(value, kMaxValueBytes)));
}

IniDocument::WriteResult IniDocument::Write(std::string_view section, std::string_view key, std::string_view value) {
  section = ini::NameArgument(section);
  key = ini::NameArgument(key);
  value = ini::UpToNul(value);
  if (section.empty() || key.empty()) return WriteResult::kRefused;
  // A line break would split the line and could forge other keys or sections.
  if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value)) return WriteResult::kRefused;
  std::string keyLine(key);
  keyLine.append("=").append(value);
  std::string header("[");
  header.append(section).append("]");
  if (!ReadsBackAsKey(keyLine, key) || !ReadsBackAsSection(header, section)) return WriteResult::kRefused;

  const Section* found = FindSection(section);
  if (!found) {
    // A new section at the end, on a line of its own.
    size_t start = bytes_.size();
    if (!bytes_.empty() && bytes_.back() != '\r' && bytes_.back() != '\n') bytes_ += "\r\n";
    bytes_ += header + "\r\n" + keyLine + "\r\n";
    IndexFrom(start);
    return WriteResult::kChanged;
  }
  const size_t sectionIndex = static_cast<size_t>(found - sections_.data());
  Section& target = sections_[sectionIndex];

  if (const KeyLine* existing = FindKey(sectionIndex, key)) {
    // Only the value's bytes change; the key's spelling, the blanks and the line end stay.
    KeyLine& line = target.keys[static_cast<size_t>(existing - target.keys.data())];
    const size_t oldSize = line.valueEnd - line.valueBegin;
    if (std::string_view(bytes_).substr(line.valueBegin, oldSize) == value) return WriteResult::kUnchanged;
    const size_t lineBegin = line.nameBegin;
    if (line.hasEquals) {
      const size_t oldValueEnd = line.valueEnd;
      bytes_.replace(line.valueBegin, oldSize, value);
      ShiftOffsets(sectionIndex, oldValueEnd, static_cast<ptrdiff_t>(value.size()) - static_cast<ptrdiff_t>(oldSize));
    } else {
      // A line that is just the name gets its '=' and value right after the name.
      std::string added("=");
      added.append(value);
      const size_t nameEnd = line.nameEnd;
      bytes_.insert(nameEnd, added);
      ShiftOffsets(sectionIndex, nameEnd, static_cast<ptrdiff_t>(added.size()));
    }
    // Blanks or quotes inside the new value decide where its trimmed span lies.
    line = KeyLineAt(lineBegin, line.contentEnd);
    return WriteResult::kChanged;
  }

  // A new key: the line after the section's last key line (or after its header), so blank lines
  // and comments that end the section stay between it and the next one.
  const size_t anchorEnd = target.keys.empty() ? target.contentEnd : target.keys.back().contentEnd;
  const size_t insertAt = ini::NextLineStart(bytes_, anchorEnd);
  const std::string prefix = insertAt == anchorEnd ? "\r\n" : "";  // the anchor ends the file unterminated
  const std::string inserted = prefix + keyLine + "\r\n";
  bytes_.insert(insertAt, inserted);
  ShiftOffsets(sectionIndex + 1, insertAt, static_cast<ptrdiff_t>(inserted.size()));
  const size_t lineBegin = insertAt + prefix.size();
  AddKey(sectionIndex, KeyLineAt(lineBegin, lineBegin + keyLine.size()));
  return WriteResult::kChanged;
}

std::vector<GbkText> IniDocument::SectionNames() const {
  // GetPrivateProfileSectionNamesA fills the buffer with name NUL name NUL ... and a final NUL;
  // when that does not fit, it keeps the first (size - 2) bytes, cutting the last name short.
  const size_t room = kSectionNamesBufferBytes - 2;
  std::vector<GbkText> names;
  names.reserve(sections_.size());
  size_t used = 0;
  for (const Section& section : sections_) {
    std::string_view name = ini::UpToNul(std::string_view(bytes_).substr(section.nameBegin, section.nameEnd - section.nameBegin));
    if (used + name.size() + 1 <= room) {
      names.emplace_back(name);
      used += name.size() + 1;
      continue;
    }
    if (used < room) names.emplace_back(name.substr(0, room - used));
    break;
  }
  return names;
}
