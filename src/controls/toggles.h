#pragma once
// Check boxes, radio buttons and group boxes: button windows with behaviour of their own.
#include "controls/control.h"

// What check boxes and radio buttons share; not a class that scripts' class tests see.
class ToggleControl : public Control {
 public:
  bool Checked() const;
  virtual void SetChecked(bool checked);
  void Toggle() { SetChecked(!Checked()); }
  // The caption goes left of the box for left alignment and right of it otherwise: a centred
  // caption has no layout of its own.
  void SetCaptionSide(TextAlign alignment);

 protected:
  using Control::Control;
};

class CheckBoxControl : public ToggleControl {
 public:
  static constexpr ControlClass kClass = ControlClass::CheckBox;
  explicit CheckBoxControl(HWND window) : ToggleControl(kClass, window) {}
};

class RadioButtonControl : public ToggleControl {
 public:
  static constexpr ControlClass kClass = ControlClass::RadioButton;
  explicit RadioButtonControl(HWND window) : ToggleControl(kClass, window) {}

  // Checking a radio button clears the other radio buttons of the same parent.
  void SetChecked(bool checked) override;
};

// A group box frame that, unlike the system's, takes its own mouse input.
class GroupBoxControl : public Control {
 public:
  static constexpr ControlClass kClass = ControlClass::GroupBox;
  explicit GroupBoxControl(HWND window) : Control(kClass, window) { InstallBehaviour(); }

 protected:
  bool HandleMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override;
};
