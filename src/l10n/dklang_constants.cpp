#include "l10n/dklang_constants.h"

#include <algorithm>
#include <string>

#include "base/utf16.h"
#include "l10n/dklang_error.h"

namespace zt {

namespace {

std::uint32_t FoldCase(wchar_t c) {
  auto u = static_cast<std::uint32_t>(c);
  return (u >= 'a' && u <= 'z') ? u - ('a' - 'A') : u;
}

// Upper-case comparison: digits < letters < "_", which is the table's order.
int CompareNames(std::wstring_view a, std::wstring_view b) {
  std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    auto ca = FoldCase(a[i]), cb = FoldCase(b[i]);
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool IsLetterOrUnderscore(wchar_t c) {
  return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || c == L'_';
}

bool IsValidIdent(std::wstring_view name) {
  if (name.empty() || !IsLetterOrUnderscore(name[0])) return false;
  for (wchar_t c : name)
    if (!IsLetterOrUnderscore(c) && !(c >= L'0' && c <= L'9')) return false;
  return true;
}

EDKLangError InvalidName(std::wstring_view name) {
  return EDKLangError(L"Invalid constant name (\"" + std::wstring(name) + L"\")");
}

EDKLangError DuplicateName(std::wstring_view name) {
  return EDKLangError(L"Duplicate constant name (\"" + std::wstring(name) + L"\")");
}

// Reads the stored form with a bounds check on every field; any shortfall is
// an EDKLangError naming what was being read.
class StreamReader {
 public:
  explicit StreamReader(std::span<const std::uint8_t> data) : data_(data) {}

  std::size_t Remaining() const { return data_.size() - pos_; }

  std::uint8_t Byte(const wchar_t* what) {
    Need(1, what);
    return data_[pos_++];
  }

  std::uint16_t Word(const wchar_t* what) {
    Need(2, what);
    auto v = static_cast<std::uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
    pos_ += 2;
    return v;
  }

  std::uint32_t DWord(const wchar_t* what) {
    Need(4, what);
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | data_[pos_ + i];
    pos_ += 4;
    return v;
  }

  std::string_view Bytes(std::size_t count, const wchar_t* what) {
    Need(count, what);
    std::string_view out(reinterpret_cast<const char*>(data_.data() + pos_), count);
    pos_ += count;
    return out;
  }

  // A 16-bit count of UTF-16 units, then the units. A stream that ends
  // inside a unit is reported as such; a partial unit is never decoded.
  std::wstring Utf16String(const wchar_t* what) {
    std::size_t bytes = std::size_t{Word(what)} * 2;
    if (Remaining() < bytes && Remaining() % 2 == 1)
      throw EDKLangError(L"Constants stream ends inside a UTF-16 unit of the " + std::wstring(what) +
                         L" at byte " + std::to_wstring(data_.size()));
    Need(bytes, what);
    std::wstring out = FromUtf16LeBytes(data_.data() + pos_, bytes);
    pos_ += bytes;
    return out;
  }

 private:
  void Need(std::size_t count, const wchar_t* what) const {
    if (Remaining() < count)
      throw EDKLangError(L"Constants stream is truncated: the " + std::wstring(what) + L" at byte " +
                         std::to_wstring(pos_) + L" needs " + std::to_wstring(count) + L" bytes, " +
                         std::to_wstring(Remaining()) + L" left");
  }

  std::span<const std::uint8_t> data_;
  std::size_t pos_ = 0;
};

void PutWord(std::vector<std::uint8_t>& out, std::size_t v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void PutUtf16String(std::vector<std::uint8_t>& out, std::wstring_view text, std::wstring_view name) {
  auto units = ToUtf16LeBytes(text);
  if (units.size() / 2 > 0xFFFF)
    throw EDKLangError(L"Constant \"" + std::wstring(name) +
                       L"\" is too long to be stored (more than 65535 UTF-16 units)");
  PutWord(out, units.size() / 2);
  out.insert(out.end(), units.begin(), units.end());
}

}  // namespace

TDKLang_Constants::TDKLang_Constants(platform::Session* session, LangIdCallback langId)
    : session_(session), langId_(std::move(langId)) {}

bool TDKLang_Constants::FindName(std::wstring_view name, int& index) const {
  std::size_t lo = 0, hi = items_.size();
  while (lo < hi) {
    std::size_t mid = lo + (hi - lo) / 2;
    int c = CompareNames(items_[mid].wsName, name);
    if (c == 0) {
      index = static_cast<int>(mid);
      return true;
    }
    if (c < 0)
      lo = mid + 1;
    else
      hi = mid;
  }
  index = static_cast<int>(lo);
  return false;
}

int TDKLang_Constants::IndexOfName(std::wstring_view name) const {
  int index;
  return FindName(name, index) ? index : -1;
}

const TDKLang_Constant* TDKLang_Constants::FindConstName(std::wstring_view name) const {
  int index;
  return FindName(name, index) ? &items_[static_cast<std::size_t>(index)] : nullptr;
}

int TDKLang_Constants::Add(std::wstring_view name, std::wstring_view value,
                           TDKLang_TranslationStates states) {
  if (!IsValidIdent(name)) throw InvalidName(name);
  int index;
  if (FindName(name, index)) throw DuplicateName(name);
  items_.insert(items_.begin() + index,
                TDKLang_Constant{std::wstring(name), std::wstring(value), std::wstring(value), states});
  return index;
}

void TDKLang_Constants::LoadFromStream(std::span<const std::uint8_t> stream) {
  StreamReader in(stream);
  unsigned version = in.Byte(L"stream version");
  if (version > kStreamVersion)
    throw EDKLangError(L"Stream version (" + std::to_wstring(version) +
                       L") is greater than the current one (" + std::to_wstring(kStreamVersion) + L")");
  bool autoSave = version >= 2 ? in.Byte(L"AutoSaveLangSource flag") != 0 : version == 1;
  std::uint32_t count = in.DWord(L"constant count");

  // Versions 0 to 2 keep names (and before 2 also values) as 8-bit text.
  std::uint32_t nameCodePage = 0, valueCodePage = 0;
  if (version < 3 && count > 0) {
    if (!session_)
      throw EDKLangError(L"Constants stream version " + std::to_wstring(version) +
                         L" holds ANSI texts, but no session is set to decode them");
    nameCodePage = session_->AnsiCodePage();
    valueCodePage = langId_ ? session_->LanguageAnsiCodePage(langId_()) : nameCodePage;
  }

  // Records are collected and sorted once: inserting each in order would be
  // quadratic for a stream written in reverse order.
  std::vector<TDKLang_Constant> loaded;
  for (std::uint32_t i = 0; i < count; ++i) {
    if (in.Remaining() == 0)
      throw EDKLangError(L"Constants stream is truncated: it declares " + std::to_wstring(count) +
                         L" constants but holds " + std::to_wstring(i));
    std::wstring name, value;
    if (version == 3) {
      name = in.Utf16String(L"constant name");
      value = in.Utf16String(L"constant value");
    } else {
      std::uint16_t nameBytes = in.Word(L"constant name length");
      name = session_->DecodeAnsi(nameCodePage, in.Bytes(nameBytes, L"constant name"));
      if (version == 2) {
        value = in.Utf16String(L"constant value");
      } else {
        std::uint16_t valueBytes = in.Word(L"constant value length");
        value = session_->DecodeAnsi(valueCodePage, in.Bytes(valueBytes, L"constant value"));
      }
    }
    if (!IsValidIdent(name)) throw InvalidName(name);
    loaded.push_back(TDKLang_Constant{std::move(name), value, value, {}});
  }
  std::stable_sort(loaded.begin(), loaded.end(), [](const TDKLang_Constant& a, const TDKLang_Constant& b) {
    return CompareNames(a.wsName, b.wsName) < 0;
  });
  // Stable order puts the later of two equal names second, as Add would see it.
  for (std::size_t i = 1; i < loaded.size(); ++i)
    if (CompareNames(loaded[i - 1].wsName, loaded[i].wsName) == 0) throw DuplicateName(loaded[i].wsName);
  items_ = std::move(loaded);
  autoSaveLangSource_ = autoSave;
}

std::vector<std::uint8_t> TDKLang_Constants::SaveToStream() const {
  std::vector<std::uint8_t> out{kStreamVersion, static_cast<std::uint8_t>(autoSaveLangSource_ ? 1 : 0)};
  auto count = static_cast<std::uint32_t>(items_.size());
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(count >> (8 * i)));
  for (const auto& c : items_) {
    PutUtf16String(out, c.wsName, c.wsName);
    PutUtf16String(out, c.wsValue, c.wsName);
  }
  return out;
}

bool TDKLang_Constants::LoadFromResource(platform::Files& files, std::wstring_view name) {
  auto data = files.ModuleRcData(name);
  if (!data) return false;
  LoadFromStream(*data);
  return true;
}

void TDKLang_Constants::TranslateFrom(const TDKLang_Constants* other) {
  for (auto& c : items_) {
    if (!other) {
      c.wsValue = c.wsDefValue;
    } else if (const auto* found = other->FindConstName(c.wsName)) {
      c.wsValue = found->wsValue;
    }
  }
}

void TDKLang_Constants::SetAsRawString(std::span<const std::uint8_t> bytes) {
  if (!bytes.empty()) LoadFromStream(bytes);
}

std::wstring TDKLang_Constants::LangConst(std::wstring_view name) const {
  const auto* found = FindConstName(name);
  if (!found) throw EDKLangError(L"Constant \"" + std::wstring(name) + L"\" not found");
  return found->wsValue;
}

}  // namespace zt
