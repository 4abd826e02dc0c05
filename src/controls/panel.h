#pragma once
// Panels: our own window class, painting its colour, two bevels and a caption.
#include "controls/control.h"

enum class Bevel : unsigned char { None, Lowered, Raised };

class PanelControl : public OwnWindowControl {
 public:
  static constexpr ControlClass kClass = ControlClass::Panel;
  explicit PanelControl(HWND window);

  Bevel InnerBevel() const { return inner_; }
  Bevel OuterBevel() const { return outer_; }
  void SetInnerBevel(Bevel bevel);
  void SetOuterBevel(Bevel bevel);
  void SetCaptionAlignment(TextAlign alignment);

 protected:
  bool HandleMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override;
  bool ButtonFaceBackground() const override { return true; }

 private:
  void Paint(HDC dc);
  void Invalidate() { InvalidateRect(hwnd(), nullptr, TRUE); }

  Bevel inner_ = Bevel::None;                // drawn just inside the outer bevel
  Bevel outer_ = Bevel::Raised;              // drawn at the window's edge
  TextAlign captionAlignment_ = TextAlign::Center;
};

// Draws a one-pixel bevel just inside *rect and shrinks *rect past it.
void DrawBevel(HDC dc, RECT* rect, Bevel bevel);
