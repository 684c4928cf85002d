// bench/paint_bench.cpp
// The launcher's paint with a 200-item category at icon size 64: milliseconds per paint on a
// window of the default size and on one large enough to show every item; then pointer moves
// sent to the canvas, with the paints they caused (moves over the grid should cause none, moves
// along the title bar one per change of the hovered button).
#include <windows.h>

#include "platform/dib_win.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/file_io.h"
#include "store/app_dirs.h"
#include "store/category_catalogue.h"
#include "store/item_store.h"
#include "store/store_seams.h"
#include "view/launcher_paint_win.h"
#include "view/launcher_view_win.h"

namespace {

constexpr int kItems = 200;
constexpr int kIconSize = 64;
constexpr int kPaints = 200;

double Now() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// A picture as the item loader makes them: a 24-bit top-down DIB section.
HBITMAP Picture(int size, int shade) {
  BITMAPINFO info = TopDownBitmapInfo(size, size, 24);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap || !bits) return bitmap;
  const size_t stride = (static_cast<size_t>(size) * 3 + 3) / 4 * 4;
  auto* row = static_cast<unsigned char*>(bits);
  for (int y = 0; y < size; ++y, row += stride) {
    for (int x = 0; x < size; ++x) {
      row[3 * x] = static_cast<unsigned char>(255 - shade);
      row[3 * x + 1] = static_cast<unsigned char>(x * 4);
      row[3 * x + 2] = static_cast<unsigned char>(shade);
    }
  }
  return bitmap;
}

// A run folder with one category of kItems items, each with a cached icon file.
bool MakeCategory(int columns) {
  char temp[MAX_PATH] = {};
  GetTempPathA(sizeof temp, temp);
  const std::string run = std::string(temp) + "tovenk-paint-bench-" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(run.c_str(), nullptr);
  CreateDirectoryA((run + "\\data").c_str(), nullptr);
  SetCurrentAppDirs(MakeAppDirs(run, "paint_bench.exe"));
  const std::string data = CurrentAppDirs().dataDir;
  std::string ini;
  for (int j = 1; j <= kItems; ++j) {
    const std::string name = "Program " + std::to_string(j) + " with a long name";
    ini += "[" + name + "]\r\n\xCE\xC4\xBC\xFE\xCE\xBB\xD6\xC3=C:\\x" + std::to_string(j) + ".exe\r\n";  // 文件位置
    ini += "\xCD\xBC\xB1\xEA" "hash=icon.bmp\r\n";                                                      // 图标hash
  }
  if (!file_io::WriteWholeFile(data + "bench.ini", ini) || !file_io::WriteWholeFile(data + "icon.bmp", "BM")) return false;

  StoreSeams seams;
  seams.gridValues = [columns] { return GridValues{kIconSize, 16, columns}; };
  seams.loadItemPicture = [](const std::string&, int32_t size) {
    static int shade = 0;
    shade = (shade + 37) % 256;
    return reinterpret_cast<ItemPictureHandle>(Picture(size, shade));
  };
  seams.releaseItemPicture = [](ItemPictureHandle picture) { DeleteObject(reinterpret_cast<HBITMAP>(picture)); };
  SetStoreSeams(seams);
  return OpenCategoryFile("bench") && GetItemTable().size() == static_cast<size_t>(kItems);
}

LRESULT CALLBACK CanvasProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (HandleCanvasMessage(window, message, wParam, lParam, &result)) return result;
  return DefWindowProcA(window, message, wParam, lParam);
}

HWND MakeCanvas(int width, int height) {
  WNDCLASSA canvasClass{};
  canvasClass.lpfnWndProc = CanvasProc;
  canvasClass.hInstance = GetModuleHandleA(nullptr);
  canvasClass.lpszClassName = "PaintBenchCanvas";
  RegisterClassA(&canvasClass);
  HWND window = CreateWindowExA(0, "PaintBenchCanvas", "", WS_POPUP, 0, 0, width, height, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  ShowWindow(window, SW_SHOWNOACTIVATE);
  return window;
}

void TimePaints(const char* label, int width, int height) {
  HWND canvas = MakeCanvas(width, height);
  HDC screen = GetDC(canvas);
  HDC back = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(back, bitmap);
  ReleaseDC(canvas, screen);

  std::vector<double> times;
  for (int i = 0; i < kPaints; ++i) {
    const double start = Now();
    PaintLauncherOn({canvas, back}, i % kItems + 1);
    GdiFlush();
    times.push_back(Now() - start);
  }
  std::sort(times.begin(), times.end());
  double sum = 0;
  for (double t : times) sum += t;
  std::printf("paint %-28s %5dx%-5d  mean %6.2f ms  median %6.2f ms  max %6.2f ms\n", label, width, height,
              sum / times.size(), times[times.size() / 2], times.back());

  SelectObject(back, old);
  DeleteObject(bitmap);
  DeleteDC(back);
  DestroyWindow(canvas);
}

void CountPointerPaints(int width, int height) {
  HWND canvas = MakeCanvas(width, height);
  const std::uint64_t before = LauncherPaintCount();
  const double start = Now();
  int moves = 0;
  for (int pass = 0; pass < 5; ++pass) {
    for (int y = 30; y < height; y += 7) {
      for (int x = 0; x < width; x += 11, ++moves) SendMessageA(canvas, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    }
  }
  const double gridTime = Now() - start;
  const std::uint64_t gridPaints = LauncherPaintCount() - before;

  // Along the title bar and back: "类别", "显示", "设置", "－", "×" and off again, twice.
  const std::uint64_t titleBefore = LauncherPaintCount();
  int titleMoves = 0;
  for (int pass = 0; pass < 2; ++pass) {
    for (int x = 0; x < width; ++x, ++titleMoves) SendMessageA(canvas, WM_MOUSEMOVE, 0, MAKELPARAM(x, 10));
    SendMessageA(canvas, WM_MOUSEMOVE, 0, MAKELPARAM(10, 60));
    ++titleMoves;
  }
  const std::uint64_t titlePaints = LauncherPaintCount() - titleBefore;
  std::printf("pointer over the grid: %d moves, %llu paints, %.4f ms per move\n", moves,
              static_cast<unsigned long long>(gridPaints), gridTime / moves);
  std::printf("pointer along the title bar: %d moves, %llu paints (12 changes of the hovered button)\n", titleMoves,
              static_cast<unsigned long long>(titlePaints));
  DestroyWindow(canvas);
}

}  // namespace

int main() {
  if (!MakeCategory(2)) {
    std::printf("could not set up the %d-item category\n", kItems);
    return 1;
  }
  TimePaints("default window, 2 columns", 265, 337);
  CountPointerPaints(265, 337);
  if (!MakeCategory(10)) return 1;
  // Ten columns of 182 x 72 cells: every item on the canvas.
  TimePaints("every item shown, 10 columns", 10 * 182 + 40, 20 * 72 + 40);
  return 0;
}
