#pragma once
// Static texts: label and link label.
#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace zt::ui {

// A label (no window of its own). AutoSize is carried out by the window
// binding, which reports the measured size back with SetBounds.
class Label : public Control {
 public:
  std::wstring_view ClassName() const override { return L"TLabel"; }

  const std::wstring& Caption() const { return CaptionText(); }
  void SetCaption(std::wstring caption) { StoreCaptionText(std::move(caption)); }

  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wordWrap);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  ui::Alignment Alignment() const { return alignment_; }
  void SetAlignment(ui::Alignment alignment);

  std::vector<StringProperty> StringProperties() override;

 private:
  bool autoSize_ = true;
  bool wordWrap_ = false;
  bool transparent_ = false;
  ui::Alignment alignment_ = ui::Alignment::taLeftJustify;
};

enum class SysLinkType { sltURL, sltID };

// One `<a ...>text</a>` of a link label's caption.
struct Link {
  std::wstring text;  // what is shown
  std::wstring href;  // the href attribute ("" for href="")
  std::wstring id;    // the id attribute
};

// A link label: a caption with `<a href="">...</a>` parts. A user click on a
// link fires OnLinkClick with the link's href, or its id (kind sltID) when
// the href is empty.
class LinkLabel : public WinControl {
 public:
  std::wstring_view ClassName() const override { return L"TLinkLabel"; }

  const std::wstring& Caption() const { return CaptionText(); }
  void SetCaption(std::wstring caption) { StoreCaptionText(std::move(caption)); }
  // The links of the caption, in order.
  std::vector<Link> Links() const;
  // The caption as shown: the tags removed.
  std::wstring DisplayText() const;

  ui::Alignment Alignment() const { return alignment_; }
  void SetAlignment(ui::Alignment alignment);

  // A click on the link with this index; out of range does nothing.
  void UserClickLink(int index);

  std::vector<StringProperty> StringProperties() override;

  std::function<void(const std::wstring& link, SysLinkType type)> OnLinkClick;

 private:
  ui::Alignment alignment_ = ui::Alignment::taLeftJustify;
};

// The links of a text with `<a ...>` tags (also used by task dialog footers).
std::vector<Link> ParseLinks(std::wstring_view text);
std::wstring StripLinkTags(std::wstring_view text);

}  // namespace zt::ui
