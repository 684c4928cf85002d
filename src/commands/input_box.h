// src/commands/input_box.h
// The modal one-line input box: a prompt, one text field holding the initial text, OK and
// Cancel. The answer is the text as typed, or nothing when the box was cancelled or closed.
// Tests answer it in-process through SetInputBoxHandler; a test driving the real program from
// outside finds it as a dialog ("#32770") holding the controls below.
#pragma once
#include <functional>
#include <optional>
#include <string_view>

#include "store/gbk_text.h"

// Control identifiers of the box (OK and Cancel are the system's IDOK 1 and IDCANCEL 2).
inline constexpr int kInputBoxPromptId = 0x0E01;
inline constexpr int kInputBoxEditId = 0x0E02;
inline constexpr int kInputBoxOkId = 1;
inline constexpr int kInputBoxCancelId = 2;

// An empty title shows the program's caption "信息：". Owned by the main window, which is
// disabled while the box is open. The native build has no box: without a handler it cancels.
std::optional<GbkText> AskForText(std::string_view prompt, std::string_view title, std::string_view initial);

// Replaces the box (nullptr restores it). The handler gets the prompt, the title and the
// initial text.
using InputBoxHandler =
    std::function<std::optional<GbkText>(std::string_view prompt, std::string_view title, std::string_view initial)>;
void SetInputBoxHandler(InputBoxHandler handler);
