// src/commands/shortcut_writer.h
// Every shortcut file (".lnk") the launcher writes goes through WriteShortcut: the user's
// shortcuts of items and the temporary shortcuts of the item loader and the icon change. The file
// is written by the Windows Script Host shell object ("WScript.Shell"): CreateShortcut, then the
// properties of the shortcut object, then Save. Paths are byte strings in code page 936.
#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "store/gbk_text.h"

struct ShortcutRequest;  // store/store_seams.h

// A shortcut object of the shell ("IWshShortcut"): properties are written by name.
class ShortcutObject {
 public:
  virtual ~ShortcutObject() = default;
  virtual bool PutText(std::string_view property, const GbkText& value) = 0;
  virtual bool PutNumber(std::string_view property, int32_t value) = 0;
  // Stores the file; false when it was not written.
  virtual bool Save() = 0;
};

// The shell object that makes shortcut objects ("CreateShortcut").
class ShortcutShell {
 public:
  virtual ~ShortcutShell() = default;
  // The shortcut object for a file path, or nullptr when the shell gives none.
  virtual std::unique_ptr<ShortcutObject> CreateShortcut(const GbkText& shortcutPath) = 0;
};

// The process's shell object (the one made at start-up), or nullptr when there is none; a shell
// set with SetShortcutShell takes its place. The native build has none.
ShortcutShell* CurrentShortcutShell();
// Puts `shell` in place of the process's shell object (nullptr goes back to it); for tests.
void SetShortcutShell(ShortcutShell* shell);

// Writes the shortcut file `shortcutPath` pointing to `target`:
//  - ".lnk" is appended to `shortcutPath` (the caller's text) unless it already ends in it, in any
//    letter case, and a file already at that path is deleted;
//  - a target without a "\" gives no shortcut (false);
//  - the working directory is the target's folder with a trailing "\";
//  - the icon location is written as given (it may be empty) or, when not given, target + ",0".
// True when the file was saved.
bool WriteShortcut(GbkText& shortcutPath, const GbkText& target, const GbkText& arguments = {},
                   const std::optional<GbkText>& iconLocation = std::nullopt, int32_t windowStyle = 0,
                   const GbkText& description = {}, const GbkText& hotkey = {});

// The same through a given shell (nullptr: there is none).
bool WriteShortcutWith(ShortcutShell* shell, GbkText& shortcutPath, const GbkText& target,
                       const GbkText& arguments = {}, const std::optional<GbkText>& iconLocation = std::nullopt,
                       int32_t windowStyle = 0, const GbkText& description = {}, const GbkText& hotkey = {});

// The temporary shortcut of the item store (store seam "writeShortcut"): target, arguments and
// icon location as requested; window style 0, no description, no hotkey.
bool WriteShortcutRequest(const ShortcutRequest& request);
