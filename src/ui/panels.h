#pragma once
// Containers and decorations: group box, panel, frame, bevel.
#include <string>

#include "ui/control.h"

namespace zt::ui {

// A group box. A check box that switches the whole box is an ordinary child
// placed on the frame (top 0, left of the caption, whose text starts with
// blanks to make room); nothing here keeps children off the frame.
class GroupBox : public WinControl {
 public:
  std::wstring_view ClassName() const override { return L"TGroupBox"; }

  const std::wstring& Caption() const { return CaptionText(); }
  void SetCaption(std::wstring caption) { StoreCaptionText(std::move(caption)); }

  std::vector<StringProperty> StringProperties() override;
};

enum class PanelBevel { bvNone, bvLowered, bvRaised, bvSpace };

class Panel : public WinControl {
 public:
  std::wstring_view ClassName() const override { return L"TPanel"; }

  const std::wstring& Caption() const { return CaptionText(); }
  void SetCaption(std::wstring caption) { StoreCaptionText(std::move(caption)); }

  PanelBevel BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(PanelBevel bevel);
  // Draws the parent's background (themes) instead of Color.
  bool ParentBackground() const { return parentBackground_; }
  void SetParentBackground(bool parentBackground);

  std::vector<StringProperty> StringProperties() override;

 private:
  PanelBevel bevelOuter_ = PanelBevel::bvRaised;
  bool parentBackground_ = true;
};

// A frame: a container that owns its own components (names inside a frame
// are unique within the frame, and reached as "Frame.Name").
class Frame : public WinControl {
 public:
  std::wstring_view ClassName() const override { return L"TFrame"; }

  bool AutoScroll() const { return autoScroll_; }
  void SetAutoScroll(bool autoScroll);

 private:
  bool autoScroll_ = false;
};

enum class BevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum class BevelStyle { bsLowered, bsRaised };

class Bevel : public Control {
 public:
  std::wstring_view ClassName() const override { return L"TBevel"; }

  BevelShape Shape() const { return shape_; }
  void SetShape(BevelShape shape);
  BevelStyle Style() const { return style_; }
  void SetStyle(BevelStyle style);

 private:
  BevelShape shape_ = BevelShape::bsBox;
  BevelStyle style_ = BevelStyle::bsLowered;
};

}  // namespace zt::ui
