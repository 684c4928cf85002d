// tests/wine/drop_hook_test.cpp
// The drop target on a real window: the hook in front of the window's own procedure, the
// extended style, WM_DROPFILES built from a real DROPFILES block, the undo and the repair.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/drop_target_win.h"

namespace {

constexpr char kClass[] = "TovenkDropHookTest";
constexpr DWORD kOwnExStyle = WS_EX_TOOLWINDOW;
constexpr UINT kPing = WM_APP + 1;
int g_ownDrops = 0;  // WM_DROPFILES that reached the window's own procedure

LRESULT CALLBACK OwnProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kPing) return 4242;
  if (message == WM_DROPFILES) {
    ++g_ownDrops;
    DragFinish(reinterpret_cast<HDROP>(wParam));
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

struct Call {
  int32_t count, position;
  GbkText path, extension;
  bool operator==(const Call&) const = default;
};
std::vector<Call> g_calls;
int32_t Record(int32_t count, int32_t position, const GbkText& path, const GbkText& extension) {
  g_calls.push_back({count, position, path, extension});
  return position == count ? 0 : position;
}

// A drop as the shell makes it: DROPFILES, then the paths, each ending in a zero byte, then one
// more zero byte.
HGLOBAL MakeDrop(const std::vector<std::string>& paths) {
  size_t bytes = sizeof(DROPFILES) + 1;
  for (const std::string& p : paths) bytes += p.size() + 1;
  HGLOBAL memory = GlobalAlloc(GHND, bytes);
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->pt = {20, 30};
  header->fWide = FALSE;
  char* out = reinterpret_cast<char*>(header + 1);
  for (const std::string& p : paths) {
    memcpy(out, p.c_str(), p.size() + 1);
    out += p.size() + 1;
  }
  GlobalUnlock(memory);
  return memory;
}

void RunPendingMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

void Drop(HWND window, const std::vector<std::string>& paths) {
  ASSERT_TRUE(PostMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(paths)), 0));
  RunPendingMessages();
}

class DropHookTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = OwnProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kClass;
    RegisterClassA(&wc);
  }
  void SetUp() override {
    window_ = CreateWindowExA(kOwnExStyle, kClass, "drop", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(window_);
    g_calls.clear();
    g_ownDrops = 0;
  }
  void TearDown() override {
    DropTarget().removeDropHook(window_);
    DestroyWindow(window_);
  }
  LONG_PTR Proc() const { return GetWindowLongPtrA(window_, GWLP_WNDPROC); }
  LONG_PTR ExStyle() const { return GetWindowLongPtrA(window_, GWL_EXSTYLE); }
  HWND window_ = nullptr;
};

TEST_F(DropHookTest, HookAcceptsFilesAndPassesEveryOtherMessageToTheWindowsOwnProcedure) {
  const LONG_PTR ownProc = Proc();
  const LONG_PTR ownStyle = ExStyle();
  ASSERT_EQ(ownStyle & WS_EX_ACCEPTFILES, 0);
  DropTarget target;
  target.installDropHook(window_, Record);
  EXPECT_EQ(ExStyle(), ownStyle | WS_EX_ACCEPTFILES);
  EXPECT_EQ(Proc(), reinterpret_cast<LONG_PTR>(&DropHookWindowProc));
  EXPECT_EQ(SendMessageA(window_, kPing, 0, 0), 4242);
  const std::optional<DropRegistration> registration = ProcessDropRegistry().Lookup(reinterpret_cast<uintptr_t>(window_));
  ASSERT_TRUE(registration);
  EXPECT_EQ(registration->savedWindowProc, static_cast<uintptr_t>(ownProc));
  EXPECT_EQ(registration->savedExStyle, static_cast<uint32_t>(ownStyle));

  target.installDropHook(window_, nullptr);  // already hooked: left as it is
  EXPECT_EQ(ProcessDropRegistry().Lookup(reinterpret_cast<uintptr_t>(window_))->callback, &Record);

  target.removeDropHook(window_);
  EXPECT_EQ(Proc(), ownProc);
  EXPECT_EQ(ExStyle(), ownStyle);
  EXPECT_EQ(ProcessDropRegistry().Find(reinterpret_cast<uintptr_t>(window_)), 0u);
  Drop(window_, {"C:\\a.txt"});
  EXPECT_TRUE(g_calls.empty());
  EXPECT_EQ(g_ownDrops, 1) << "after the undo the window's own procedure sees drops again";
}

TEST_F(DropHookTest, ADropCallsBackOncePerFileInOrderAndIsNotPassedOn) {
  DropTarget().installDropHook(window_, Record);
  const std::string chinese = "C:\\\xB9\xA4\xBE\xDF\\\xCE\xC4\xBC\xFE.doc";  // C:\工具\文件.doc
  const std::string longest = "C:\\" + std::string(250, 'x') + "\\a.txt";    // 259 bytes
  ASSERT_EQ(longest.size(), 259u);
  Drop(window_, {"C:\\dir\\report.txt", chinese, "C:\\README", longest});
  EXPECT_EQ(g_calls, (std::vector<Call>{{4, 1, "C:\\dir\\report.txt", "txt"},
                                        {4, 2, chinese, "doc"},
                                        {4, 3, "C:\\README", "C:\\README"},
                                        {4, 4, longest, "txt"}}));
  EXPECT_EQ(g_ownDrops, 0);
}

TEST_F(DropHookTest, APathTooLongForItsBufferIsLeftOutRatherThanCut) {
  DropTarget().installDropHook(window_, Record);
  const std::string tooLong = "C:\\" + std::string(260, 'y') + ".txt";
  Drop(window_, {"C:\\a.txt", tooLong});
  EXPECT_EQ(g_calls, (std::vector<Call>{{1, 1, "C:\\a.txt", "txt"}}));
}

TEST_F(DropHookTest, AHundredFilesArriveWhole) {
  DropTarget().installDropHook(window_, Record);
  std::vector<std::string> paths;
  for (int i = 1; i <= 100; ++i) paths.push_back("C:\\many\\file" + std::to_string(i) + ".dat");
  Drop(window_, paths);
  ASSERT_EQ(g_calls.size(), 100u);
  for (int i = 1; i <= 100; ++i) {
    EXPECT_EQ(g_calls[i - 1].position, i);
    EXPECT_EQ(g_calls[i - 1].count, 100);
    EXPECT_EQ(g_calls[i - 1].path, paths[i - 1]);
  }
}

TEST_F(DropHookTest, RepairLeavesOneHookInFrontOfTheOriginalProcedure) {
  const LONG_PTR ownProc = Proc();
  const LONG_PTR ownStyle = ExStyle();
  for (int repair = 0; repair < 3; ++repair) {
    DropTarget target;
    target.removeDropHook(window_);
    target.installDropHook(window_, Record);
    target.release();
  }
  size_t hooks = 0;
  for (const DropRegistration& r : ProcessDropRegistry().Entries()) hooks += r.window == reinterpret_cast<uintptr_t>(window_);
  EXPECT_EQ(hooks, 1u);
  EXPECT_EQ(ExStyle(), ownStyle | WS_EX_ACCEPTFILES);
  EXPECT_EQ(ProcessDropRegistry().Lookup(reinterpret_cast<uintptr_t>(window_))->savedWindowProc,
            static_cast<uintptr_t>(ownProc));
  Drop(window_, {"C:\\one.txt"});
  EXPECT_EQ(g_calls.size(), 1u) << "one hook, one call";
}

TEST_F(DropHookTest, ADestroyedWindowIsForgotten) {
  HWND doomed = CreateWindowExA(0, kClass, "doomed", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_TRUE(doomed);
  DropTarget().installDropHook(doomed, Record);
  ASSERT_NE(ProcessDropRegistry().Find(reinterpret_cast<uintptr_t>(doomed)), 0u);
  DestroyWindow(doomed);
  EXPECT_EQ(ProcessDropRegistry().Find(reinterpret_cast<uintptr_t>(doomed)), 0u)
      << "a new window that gets the same handle must be hookable";
}

TEST_F(DropHookTest, HooksOnSeveralWindowsStayApart) {
  HWND second = CreateWindowExA(0, kClass, "second", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_TRUE(second);
  DropTarget target;
  target.installDropHook(window_, Record);
  target.installDropHook(second, Record);
  target.removeDropHook(window_);
  Drop(second, {"C:\\second.txt"});
  Drop(window_, {"C:\\first.txt"});
  EXPECT_EQ(g_calls, (std::vector<Call>{{1, 1, "C:\\second.txt", "txt"}}));
  EXPECT_EQ(g_ownDrops, 1);
  target.removeDropHook(second);
  DestroyWindow(second);
  target.installDropHook(nullptr, Record);
  EXPECT_EQ(ProcessDropRegistry().Find(0), 0u) << "no window, no hook";
}

}  // namespace
