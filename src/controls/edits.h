#pragma once
// Text areas: memos and rich-text edits.
#include "controls/control.h"

class MemoControl : public Control {
 public:
  static constexpr ControlClass kClass = ControlClass::Memo;
  explicit MemoControl(HWND window) : Control(kClass, window) {}

  // The window style that shows every line with this alignment. The edit class reads its
  // alignment only at creation, so a change means a new window (see Control::Remake).
  DWORD AlignedStyle(TextAlign alignment) const;

 protected:
  void CopyContentsTo(HWND fresh) override;
};

class RichEditControl : public Control {
 public:
  static constexpr ControlClass kClass = ControlClass::RichEdit;
  explicit RichEditControl(HWND window) : Control(kClass, window) {}

  // Aligns every paragraph; text typed later joins an aligned paragraph and keeps it, and a
  // new text from the script is aligned the same way.
  void SetAlignment(TextAlign alignment);
  void SetScriptText(const char* text) override;

 private:
  void ApplyAlignment();

  TextAlign alignment_ = TextAlign::Left;
};
