#pragma once
// Labels: a static text that sizes itself to its text.
#include "controls/control.h"

class StaticTextControl : public Control {
 public:
  static constexpr ControlClass kClass = ControlClass::StaticText;
  explicit StaticTextControl(HWND window) : Control(kClass, window) {}

  void SetScriptText(const char* text) override;
  void SetAlignment(TextAlign alignment);

 protected:
  bool ButtonFaceBackground() const override { return true; }

 private:
  void FitToText();
};
