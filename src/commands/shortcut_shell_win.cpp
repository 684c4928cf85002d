// src/commands/shortcut_shell_win.cpp
// The shell object of the Script Host through OLE automation: names are looked up with
// GetIDsOfNames and called with Invoke; texts go over as BSTRs converted from the ANSI code page.
#include <windows.h>
#include <oleauto.h>

#include <string>

#include "commands/shell_automation_win.h"
#include "commands/shortcut_writer.h"

namespace {

BSTR ToBstr(const GbkText& text) {
  int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  BSTR wide = SysAllocStringLen(nullptr, static_cast<UINT>(length));
  if (wide && length > 0)
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide, length);
  return wide;
}

bool LookUp(IDispatch* object, std::string_view name, DISPID& id) {
  std::wstring wide(name.begin(), name.end());  // member names are ASCII
  LPOLESTR names[] = {wide.data()};
  return SUCCEEDED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id));
}

// Calls a method with the given arguments (in call order); `result` may be null.
HRESULT CallMethod(IDispatch* object, std::string_view name, VARIANT* arguments, UINT count, VARIANT* result) {
  DISPID id;
  if (!LookUp(object, name, id)) return DISP_E_UNKNOWNNAME;
  DISPPARAMS params{arguments, nullptr, count, 0};
  return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, result, nullptr, nullptr);
}

HRESULT PutProperty(IDispatch* object, std::string_view name, VARIANT& value) {
  DISPID id;
  if (!LookUp(object, name, id)) return DISP_E_UNKNOWNNAME;
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params{&value, &named, 1, 1};
  return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr,
                        nullptr);
}

class ScriptHostShortcut : public ShortcutObject {
 public:
  explicit ScriptHostShortcut(IDispatch* object) : object_(object) {}
  ~ScriptHostShortcut() override { object_->Release(); }
  ScriptHostShortcut(const ScriptHostShortcut&) = delete;
  ScriptHostShortcut& operator=(const ScriptHostShortcut&) = delete;

  bool PutText(std::string_view property, const GbkText& value) override {
    VARIANT text;
    VariantInit(&text);
    text.vt = VT_BSTR;
    text.bstrVal = ToBstr(value);
    if (!text.bstrVal) return false;
    HRESULT result = PutProperty(object_, property, text);
    VariantClear(&text);
    return SUCCEEDED(result);
  }

  bool PutNumber(std::string_view property, int32_t value) override {
    VARIANT number;
    VariantInit(&number);
    number.vt = VT_I4;
    number.lVal = value;
    return SUCCEEDED(PutProperty(object_, property, number));
  }

  bool Save() override { return SUCCEEDED(CallMethod(object_, "Save", nullptr, 0, nullptr)); }

 private:
  IDispatch* object_;
};

class ScriptHostShell : public ShortcutShell {
 public:
  std::unique_ptr<ShortcutObject> CreateShortcut(const GbkText& shortcutPath) override {
    ShellAutomation& automation = ProcessShellAutomation();
    if (!automation.created || !automation.object) return nullptr;
    VARIANT path;
    VariantInit(&path);
    path.vt = VT_BSTR;
    path.bstrVal = ToBstr(shortcutPath);
    if (!path.bstrVal) return nullptr;
    VARIANT answer;
    VariantInit(&answer);
    HRESULT result = CallMethod(automation.object, "CreateShortcut", &path, 1, &answer);
    VariantClear(&path);
    IDispatch* shortcut = nullptr;
    if (SUCCEEDED(result) && (answer.vt == VT_DISPATCH || answer.vt == VT_UNKNOWN) && answer.punkVal)
      answer.punkVal->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&shortcut));
    VariantClear(&answer);
    if (!shortcut) return nullptr;
    return std::make_unique<ScriptHostShortcut>(shortcut);
  }
};

}  // namespace

ShortcutShell* ProcessShortcutShell() {
  static ScriptHostShell shell;
  return ProcessShellAutomation().created ? &shell : nullptr;
}
