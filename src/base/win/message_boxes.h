// The program's message boxes: each takes its caption, buttons and icon from its purpose, so that
// every box of one kind looks the same.
#pragma once

#include <windows.h>

#include <string>

// A question under the program's name; true when the user answers yes.
bool askYesOrNo(HWND owner, const std::string& question);
// A failure the user must know about, under the program's name.
void reportError(HWND owner, const std::string& text);
// A notice under a caption of its own that says what it is about.
void tellUser(HWND owner, const std::string& text, const std::string& caption);
