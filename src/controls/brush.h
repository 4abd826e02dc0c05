#pragma once
// A background brush owned by one control: made once per colour change, freed when replaced
// or when the control goes.
#include <windows.h>

class OwnedBrush {
 public:
  OwnedBrush() = default;
  ~OwnedBrush() { Release(); }
  OwnedBrush(const OwnedBrush&) = delete;
  OwnedBrush& operator=(const OwnedBrush&) = delete;

  void SetColor(COLORREF color) {
    if (brush_ && color == color_) return;
    Release();
    brush_ = CreateSolidBrush(color);
    color_ = color;
  }
  bool IsSet() const { return brush_ != nullptr; }
  HBRUSH Handle() const { return brush_; }
  COLORREF Color() const { return color_; }

 private:
  void Release() {
    if (brush_) DeleteObject(brush_);
    brush_ = nullptr;
  }

  HBRUSH brush_ = nullptr;
  COLORREF color_ = 0;
};
