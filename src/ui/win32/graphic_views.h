#pragma once
#include <memory>

#include "ui/buttons.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/panels.h"
#include "ui/win32/control_view.h"
#include "ui/win32/png_picture.h"

namespace zt::ui::win32 {

// A label drawn by the binding, so that its colour and font style (bold,
// underline) show exactly, and transparently over pictures.
class LabelView : public GraphicView {
 public:
  LabelView(Binding& binding, ui::Label& label) : GraphicView(binding, label), label_(label) {}
  void Realise() override;
  void Paint(HDC dc, const RECT& box) override;

 protected:
  void FontChanged() override;
  void CaptionChanged() override;
  void OtherChanged(const ui::Change& change) override;

 private:
  UINT TextFlags() const;
  // AutoSize: the model gets the size of the text.
  void FitText();
  ui::Label& label_;
};

// The picture is decoded when it is first needed, to be drawn or to size an
// AutoSize image: a picture that starts hidden costs nothing at start-up.
class ImageView : public GraphicView {
 public:
  ImageView(Binding& binding, ui::Image& image) : GraphicView(binding, image), image_(image) {}
  void Realise() override;
  void Paint(HDC dc, const RECT& box) override;
  // The decoded picture (null when there is none or it cannot be read).
  const Picture* Decoded() const;

 protected:
  void OtherChanged(const ui::Change& change) override;

 private:
  void Reload();
  void FitPicture();
  SIZE PictureSize() const;
  ui::Image& image_;
  mutable std::unique_ptr<Picture> picture_;
  mutable bool decoded_ = false;
};

class BevelView : public GraphicView {
 public:
  BevelView(Binding& binding, ui::Bevel& bevel) : GraphicView(binding, bevel), bevel_(bevel) {}
  void Paint(HDC dc, const RECT& box) override;

 protected:
  void OtherChanged(const ui::Change& change) override;

 private:
  ui::Bevel& bevel_;
};

// A flat speed button: no border until the mouse is over it, sunken while
// pressed or down.
class SpeedButtonView : public GraphicView {
 public:
  SpeedButtonView(Binding& binding, ui::SpeedButton& button)
      : GraphicView(binding, button), button_(button) {}
  void Paint(HDC dc, const RECT& box) override;
  void MouseDown(ui::MouseButton button, ui::ShiftStates shift, POINT client) override;
  void MouseUp(ui::MouseButton button, ui::ShiftStates shift, POINT client, bool click) override;
  void MouseEnter() override;
  void MouseLeave() override;

 protected:
  void OtherChanged(const ui::Change& change) override;

 private:
  ui::SpeedButton& button_;
  bool hot_ = false;
  bool pressed_ = false;
};

}  // namespace zt::ui::win32
