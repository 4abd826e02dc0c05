#include "controls/text.h"

#include <vector>

std::string ScriptToControl(const char* scriptText) { return scriptText ? scriptText : ""; }

std::string ControlToScript(const char* controlText) { return controlText ? controlText : ""; }

void SetControlText(HWND window, const char* scriptText) {
  SetWindowTextA(window, ScriptToControl(scriptText).c_str());
}

std::string ControlText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  std::vector<char> buffer(static_cast<size_t>(length) + 1);
  GetWindowTextA(window, buffer.data(), length + 1);
  return ControlToScript(buffer.data());
}
