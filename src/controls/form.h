#pragma once
// Window gadgets: our own window class, a child window or a top-level window.
#include "controls/control.h"

// Numbered as CREATE GADGET WINDOW and SET WINDOW STYLE take them.
enum class BorderStyle : unsigned char { Single, ToolWindow, SizeToolWin, Dialog, Sizeable, None };

class FormControl : public OwnWindowControl {
 public:
  static constexpr ControlClass kClass = ControlClass::Form;
  explicit FormControl(HWND window);

  // Null parent: the form leaves its parent and becomes a top-level window of the desktop.
  void SetParentWindow(HWND parent) override;
  void SetVisible(bool visible) override;
  bool TopLevel() const { return ParentWindow() == nullptr; }
  // Layered from the first call on; 0 is fully transparent, 255 opaque.
  void SetAlpha(BYTE alpha);

  // Frame and caption, changed in place so the window keeps its handle.
  BorderStyle Border() const { return border_; }
  void SetBorder(BorderStyle border);
  // The system menu is always there; minimize and maximize boxes show where the frame allows.
  void SetMinMaxBoxes(bool shown);

 protected:
  bool HandleMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override;
  bool ButtonFaceBackground() const override { return true; }

 private:
  void ApplyFrame();

  BorderStyle border_ = BorderStyle::Sizeable;
  bool minMaxBoxes_ = false;  // asked for; shown only with a single or sizeable frame
};
