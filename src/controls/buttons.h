#pragma once
// Push buttons and bitmap buttons.
#include "controls/control.h"

class ButtonControl : public Control {
 public:
  static constexpr ControlClass kClass = ControlClass::Button;
  explicit ButtonControl(HWND window) : Control(kClass, window) {}

 protected:
  ButtonControl(ControlClass cls, HWND window) : Control(cls, window) {}
};

// A bitmap button: a push button that can carry a glyph.
class BitBtnControl : public ButtonControl {
 public:
  static constexpr ControlClass kClass = ControlClass::BitBtn;
  explicit BitBtnControl(HWND window) : ButtonControl(kClass, window) {}
};
