#include "ui/label.h"

namespace zt::ui {

namespace {

bool StartsWithNoCase(std::wstring_view text, std::wstring_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    wchar_t a = text[i];
    if (a >= L'A' && a <= L'Z') a = static_cast<wchar_t>(a - L'A' + L'a');
    if (a != prefix[i]) return false;
  }
  return true;
}

// The value of `name="..."` (or single quotes) inside a tag's attributes.
std::wstring Attribute(std::wstring_view attributes, std::wstring_view name) {
  for (std::size_t i = 0; i + name.size() < attributes.size(); ++i) {
    bool boundary = i == 0 || attributes[i - 1] == L' ' || attributes[i - 1] == L'\t';
    if (!boundary || !StartsWithNoCase(attributes.substr(i), name)) continue;
    std::size_t pos = i + name.size();
    while (pos < attributes.size() && attributes[pos] == L' ') ++pos;
    if (pos >= attributes.size() || attributes[pos] != L'=') continue;
    ++pos;
    while (pos < attributes.size() && attributes[pos] == L' ') ++pos;
    if (pos >= attributes.size()) return {};
    wchar_t quote = attributes[pos];
    if (quote != L'"' && quote != L'\'') {
      std::size_t end = attributes.find(L' ', pos);
      return std::wstring(attributes.substr(pos, end == std::wstring_view::npos ? end : end - pos));
    }
    std::size_t end = attributes.find(quote, pos + 1);
    if (end == std::wstring_view::npos) return std::wstring(attributes.substr(pos + 1));
    return std::wstring(attributes.substr(pos + 1, end - pos - 1));
  }
  return {};
}

// Walks the text, calling `onText` for shown text and `onLink` for each link.
template <class OnText, class OnLink>
void WalkLinks(std::wstring_view text, OnText onText, OnLink onLink) {
  while (!text.empty()) {
    std::size_t open = 0;
    while (open < text.size() &&
           !(text[open] == L'<' && StartsWithNoCase(text.substr(open), L"<a") && open + 2 < text.size() &&
             (text[open + 2] == L'>' || text[open + 2] == L' ')))
      ++open;
    onText(text.substr(0, open));
    if (open == text.size()) return;
    std::size_t tagEnd = text.find(L'>', open);
    if (tagEnd == std::wstring_view::npos) {
      onText(text.substr(open));
      return;
    }
    std::wstring_view attributes = text.substr(open + 2, tagEnd - open - 2);
    std::wstring_view rest = text.substr(tagEnd + 1);
    std::size_t close = 0;
    while (close < rest.size() && !StartsWithNoCase(rest.substr(close), L"</a>")) ++close;
    Link link{std::wstring(rest.substr(0, close)), Attribute(attributes, L"href"),
              Attribute(attributes, L"id")};
    onText(link.text);
    onLink(std::move(link));
    text = rest.substr(close < rest.size() ? close + 4 : close);
  }
}

}  // namespace

std::vector<Link> ParseLinks(std::wstring_view text) {
  std::vector<Link> links;
  WalkLinks(
      text, [](std::wstring_view) {}, [&](Link link) { links.push_back(std::move(link)); });
  return links;
}

std::wstring StripLinkTags(std::wstring_view text) {
  std::wstring shown;
  WalkLinks(
      text, [&](std::wstring_view part) { shown += part; }, [](const Link&) {});
  return shown;
}

void Label::SetAutoSize(bool autoSize) {
  if (autoSize == autoSize_) return;
  autoSize_ = autoSize;
  Changed(Property::Style);
}

void Label::SetWordWrap(bool wordWrap) {
  if (wordWrap == wordWrap_) return;
  wordWrap_ = wordWrap;
  Changed(Property::Style);
}

void Label::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  Changed(Property::Style);
}

void Label::SetAlignment(ui::Alignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Changed(Property::Style);
}

std::vector<StringProperty> Label::StringProperties() {
  auto list = Control::StringProperties();
  list.insert(list.begin(), CaptionProperty(L"Caption"));
  return list;
}

std::vector<Link> LinkLabel::Links() const { return ParseLinks(Caption()); }

std::wstring LinkLabel::DisplayText() const { return StripLinkTags(Caption()); }

void LinkLabel::SetAlignment(ui::Alignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Changed(Property::Style);
}

void LinkLabel::UserClickLink(int index) {
  if (!Usable()) return;
  auto links = Links();
  if (index < 0 || index >= static_cast<int>(links.size()) || !OnLinkClick) return;
  const Link& link = links[static_cast<std::size_t>(index)];
  if (link.href.empty())
    OnLinkClick(link.id, SysLinkType::sltID);
  else
    OnLinkClick(link.href, SysLinkType::sltURL);
}

std::vector<StringProperty> LinkLabel::StringProperties() {
  auto list = Control::StringProperties();
  list.insert(list.begin(), CaptionProperty(L"Caption"));
  return list;
}

}  // namespace zt::ui
