// src/platform/message_box.h
// The program's message box: the system's box with caption "信息：", no owner, task-modal.
// Tests that run the program's code in-process answer it through SetMessageBoxHandler.
#pragma once
#include <functional>
#include <string_view>

enum class BoxButtons { kOk, kYesNo };
enum class BoxAnswer { kOk, kYes, kNo };

inline constexpr const char kMessageCaption[] = "\xD0\xC5\xCF\xA2\xA3\xBA";  // 信息：

BoxAnswer ShowMessage(std::string_view text, BoxButtons buttons = BoxButtons::kOk);

// Replaces the system box (nullptr restores it). The handler gets the text and the buttons.
using MessageBoxHandler = std::function<BoxAnswer(std::string_view text, BoxButtons buttons)>;
void SetMessageBoxHandler(MessageBoxHandler handler);
