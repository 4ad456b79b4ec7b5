#pragma once
// Small value types shared by every kind of the component model: colours,
// sets of flags, mouse and keyboard details, modal results.
#include <cstdint>
#include <initializer_list>
#include <string>

namespace zt::ui {

// Whether a setter fires the component's events. The silent form is for the
// window binding, which mirrors a state the model already knows about.
enum class Notify { Yes, No };

// A set of enumerators (each below 32), like the framework's sets:
// `{FontStyle::fsBold}`, `style + FontStyle::fsUnderline`, `style.Contains(...)`.
template <class E>
class Set {
 public:
  constexpr Set() = default;
  constexpr Set(E value) : bits_(Bit(value)) {}
  constexpr Set(std::initializer_list<E> values) {
    for (E value : values) bits_ |= Bit(value);
  }

  constexpr bool Contains(E value) const { return (bits_ & Bit(value)) != 0; }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr std::uint32_t Bits() const { return bits_; }

  constexpr Set operator+(Set other) const { return FromBits(bits_ | other.bits_); }
  constexpr Set operator-(Set other) const { return FromBits(bits_ & ~other.bits_); }
  constexpr Set operator*(Set other) const { return FromBits(bits_ & other.bits_); }
  constexpr Set& operator+=(Set other) { return *this = *this + other; }
  constexpr Set& operator-=(Set other) { return *this = *this - other; }
  constexpr bool operator==(const Set&) const = default;

 private:
  static constexpr std::uint32_t Bit(E value) { return std::uint32_t{1} << static_cast<unsigned>(value); }
  static constexpr Set FromBits(std::uint32_t bits) {
    Set set;
    set.bits_ = bits;
    return set;
  }
  std::uint32_t bits_ = 0;
};

// Colours: 0x00BBGGRR, a system colour (0x80000000 + the COLOR_ index) or a
// marker value.
using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;

inline constexpr TColor clSystemColor = 0x80000000;
inline constexpr TColor clScrollBar = clSystemColor | 0;
inline constexpr TColor clBackground = clSystemColor | 1;
inline constexpr TColor clActiveCaption = clSystemColor | 2;
inline constexpr TColor clInactiveCaption = clSystemColor | 3;
inline constexpr TColor clMenu = clSystemColor | 4;
inline constexpr TColor clWindow = clSystemColor | 5;
inline constexpr TColor clWindowFrame = clSystemColor | 6;
inline constexpr TColor clMenuText = clSystemColor | 7;
inline constexpr TColor clWindowText = clSystemColor | 8;
inline constexpr TColor clCaptionText = clSystemColor | 9;
inline constexpr TColor clActiveBorder = clSystemColor | 10;
inline constexpr TColor clInactiveBorder = clSystemColor | 11;
inline constexpr TColor clAppWorkSpace = clSystemColor | 12;
inline constexpr TColor clHighlight = clSystemColor | 13;
inline constexpr TColor clHighlightText = clSystemColor | 14;
inline constexpr TColor clBtnFace = clSystemColor | 15;
inline constexpr TColor clBtnShadow = clSystemColor | 16;
inline constexpr TColor clGrayText = clSystemColor | 17;
inline constexpr TColor clBtnText = clSystemColor | 18;
inline constexpr TColor clInactiveCaptionText = clSystemColor | 19;
inline constexpr TColor clBtnHighlight = clSystemColor | 20;
inline constexpr TColor cl3DDkShadow = clSystemColor | 21;
inline constexpr TColor cl3DLight = clSystemColor | 22;
inline constexpr TColor clInfoText = clSystemColor | 23;
inline constexpr TColor clInfoBk = clSystemColor | 24;
inline constexpr TColor clHotLight = clSystemColor | 26;

// True for clWindow, clHighlight, ...; their index is `color & 0xFF`.
constexpr bool IsSystemColor(TColor color) { return (color & 0xFF000000) == clSystemColor; }

enum class FontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };

struct Font {
  std::wstring Name = L"Segoe UI";
  int Height = -11;  // negative: character height in pixels
  TColor Color = clWindowText;
  Set<FontStyle> Style{};

  bool operator==(const Font&) const = default;
};

enum class Alignment { taLeftJustify, taRightJustify, taCenter };
enum class Cursor { crDefault, crArrow, crHandPoint, crIBeam, crHourGlass };
enum class MouseButton { mbLeft, mbRight, mbMiddle };
enum class ShiftState { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using ShiftStates = Set<ShiftState>;

// Modal results of forms, buttons and task dialogs.
inline constexpr int mrNone = 0;
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;
inline constexpr int mrAbort = 3;
inline constexpr int mrRetry = 4;
inline constexpr int mrIgnore = 5;
inline constexpr int mrYes = 6;
inline constexpr int mrNo = 7;
inline constexpr int mrClose = 8;

// Virtual-key codes the model itself reacts to.
inline constexpr std::uint16_t vkReturn = 0x0D;
inline constexpr std::uint16_t vkEscape = 0x1B;
inline constexpr std::uint16_t vkF5 = 0x74;

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};

struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Bounds&) const = default;
};

}  // namespace zt::ui
