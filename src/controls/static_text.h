#pragma once
// Labels: a static text that sizes itself to its text.
#include "controls/control.h"

class StaticTextControl : public Control {
 public:
  static constexpr ControlClass kClass = ControlClass::StaticText;
  explicit StaticTextControl(HWND window) : Control(kClass, window) {}

  void SetScriptText(const char* text) override;
  void SetAlignment(TextAlign alignment);
  // A single-line frame around the text, put on in place; the label still fits its text.
  void SetBorder(bool single);

 protected:
  bool ButtonFaceBackground() const override { return true; }

 private:
  void FitToText();
};
