// src/commands/shortcut_writer.cpp
#include "commands/shortcut_writer.h"

#include <vector>

#include "platform/file_io.h"
#include "store/store_seams.h"

// The process's own shell object (shortcut_shell_win.cpp; none in the native build).
ShortcutShell* ProcessShortcutShell();

namespace {

ShortcutShell* g_shellOverride = nullptr;

bool EndsInLnk(const GbkText& path) {
  return path.size() >= 4 && gbk::AsciiLower(std::string_view(path).substr(path.size() - 4)) == ".lnk";
}

}  // namespace

ShortcutShell* CurrentShortcutShell() { return g_shellOverride ? g_shellOverride : ProcessShortcutShell(); }
void SetShortcutShell(ShortcutShell* shell) { g_shellOverride = shell; }

bool WriteShortcutWith(ShortcutShell* shell, GbkText& shortcutPath, const GbkText& target, const GbkText& arguments,
                       const std::optional<GbkText>& iconLocation, int32_t windowStyle, const GbkText& description,
                       const GbkText& hotkey) {
  if (!EndsInLnk(shortcutPath)) shortcutPath += ".lnk";
  if (file_io::FileExists(shortcutPath)) file_io::RemoveFile(shortcutPath);

  const std::vector<GbkText> parts = gbk::Split(target, "\\");
  if (parts.size() < 2) return false;
  GbkText workingDirectory;
  for (size_t i = 0; i + 1 < parts.size(); ++i) workingDirectory += parts[i] + "\\";

  if (!shell) return false;
  std::unique_ptr<ShortcutObject> shortcut = shell->CreateShortcut(shortcutPath);
  if (!shortcut) return false;
  if (!shortcut->PutText("TargetPath", target)) return false;
  // The rest is written as far as the shell takes it (some shells refuse a hotkey, for one).
  shortcut->PutText("WorkingDirectory", workingDirectory);
  shortcut->PutText("IconLocation", iconLocation ? *iconLocation : target + ",0");
  shortcut->PutNumber("WindowStyle", windowStyle);
  shortcut->PutText("Description", description);
  shortcut->PutText("Arguments", arguments);
  shortcut->PutText("Hotkey", hotkey);
  // The item loader hands the file on to the item maker: a shortcut that was not stored must not
  // be reported as written.
  return shortcut->Save();
}

bool WriteShortcut(GbkText& shortcutPath, const GbkText& target, const GbkText& arguments,
                   const std::optional<GbkText>& iconLocation, int32_t windowStyle, const GbkText& description,
                   const GbkText& hotkey) {
  return WriteShortcutWith(CurrentShortcutShell(), shortcutPath, target, arguments, iconLocation, windowStyle,
                           description, hotkey);
}

bool WriteShortcutRequest(const ShortcutRequest& request) {
  GbkText path = request.shortcutPath;
  return WriteShortcut(path, request.target, request.arguments, request.iconLocation);
}
