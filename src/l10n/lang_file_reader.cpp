// The reader of language files. Language files are outside data: every
// fault is an EDKLangError naming the line, and the work stays linear in the
// size of the file (sections and constants are collected, then sorted once).
#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "base/utf16.h"
#include "base/utf8.h"
#include "l10n/dklang_error.h"
#include "l10n/lang_file.h"
#include "l10n/lang_file_text.h"
#include "l10n/lang_text_escape.h"

namespace zt {

namespace {

// Strict decoding first; a file with faults decodes as Windows does it, one
// U+FFFD for each byte that starts no valid sequence.
std::wstring DecodeUtf8(std::string_view bytes) {
  std::wstring out;
  std::size_t errorOffset;
  if (FromUtf8(bytes, out, errorOffset)) return out;
  out.clear();
  std::wstring one;
  std::size_t i = 0;
  while (i < bytes.size()) {
    auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead < 0x80) {
      out.push_back(static_cast<wchar_t>(lead));
      ++i;
      continue;
    }
    std::size_t length = std::min<std::size_t>(lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2, bytes.size() - i);
    if (FromUtf8(bytes.substr(i, length), one, errorOffset)) {
      out += one;
      i += length;
    } else {
      out.push_back(static_cast<wchar_t>(0xFFFD));
      ++i;
    }
  }
  return out;
}

std::wstring DecodeText(std::span<const std::uint8_t> bytes, platform::Session& session) {
  auto startsWith = [&](std::initializer_list<std::uint8_t> bom) {
    return bytes.size() >= bom.size() && std::equal(bom.begin(), bom.end(), bytes.begin());
  };
  if (startsWith({0xFF, 0xFE})) return FromUtf16LeBytes(bytes.data() + 2, bytes.size() - 2);
  if (startsWith({0xFE, 0xFF})) {
    std::vector<std::uint8_t> swapped(bytes.begin() + 2, bytes.end() - (bytes.size() % 2));
    for (std::size_t i = 0; i + 1 < swapped.size(); i += 2) std::swap(swapped[i], swapped[i + 1]);
    return FromUtf16LeBytes(swapped.data(), swapped.size());
  }
  auto chars = reinterpret_cast<const char*>(bytes.data());
  if (startsWith({0xEF, 0xBB, 0xBF})) return DecodeUtf8(std::string_view(chars + 3, bytes.size() - 3));
  return session.DecodeAnsi(session.AnsiCodePage(), std::string_view(chars, bytes.size()));
}

bool IsBlankOrControl(wchar_t c) { return static_cast<std::uint32_t>(c) <= 32; }

std::wstring_view Trim(std::wstring_view s) {
  while (!s.empty() && IsBlankOrControl(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlankOrControl(s.back())) s.remove_suffix(1);
  return s;
}

// The rule TDKLang_Constants::Add applies, checked here so that the error
// names the line.
bool IsConstantName(std::wstring_view name) {
  auto letter = [](wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || c == L'_'; };
  if (name.empty() || !letter(name[0])) return false;
  return std::all_of(name.begin(), name.end(),
                     [&](wchar_t c) { return letter(c) || (c >= L'0' && c <= L'9'); });
}

struct PendingConstant {
  std::wstring upperName;  // the table's order: ASCII upper case, "_" after the letters
  std::wstring name;
  std::wstring value;
  int line;
};

struct PendingSection {
  std::vector<TDKLang_PropValueTranslation> items;
  std::unordered_set<std::int32_t> ids;
};

EDKLangError LineError(int line, const EDKLangError& cause) {
  return EDKLangError(L"Loading translations failed.\r\nLine " + std::to_wstring(line) + L": " +
                      cause.Message());
}

}  // namespace

void TDKLang_CompTranslations::Text_LoadFromStream(std::span<const std::uint8_t> bytes, bool paramsOnly) {
  Clear();
  const std::wstring text = DecodeText(bytes, session_);

  constexpr int kParams = -2, kConstants = -1;  // else: the index of a form section
  int section = kParams;
  std::vector<PendingConstant> constants;
  std::unordered_set<std::wstring> constantNames;
  std::vector<PendingSection> pending;

  // One line; false ends reading.
  auto processLine = [&](std::wstring_view line, int lineIndex) {
    if (line.empty() || line[0] == L';') return true;
    if (line[0] == L'[') {
      if (paramsOnly) return false;
      if (line.size() > 2 && line.back() == L']') {
        std::wstring_view name = Trim(line.substr(1, line.size() - 2));
        if (SameTextAscii(name, L"$CONSTANTS")) {
          section = kConstants;
        } else {
          Add(name);
          section = IndexOfComponentName(name);
          if (pending.size() < sections_.size()) pending.resize(sections_.size());
        }
      }
      return true;
    }
    auto equals = line.find(L'=');
    if (equals == std::wstring_view::npos) return true;
    std::wstring_view name = Trim(line.substr(0, equals));
    std::wstring_view value = Trim(line.substr(equals + 1));
    if (name.empty()) return true;

    if (section == kParams) {
      params_.push_back({std::wstring(name), std::wstring(value)});
    } else if (section == kConstants) {
      if (!IsConstantName(name))
        throw EDKLangError(L"Invalid constant name (\"" + std::wstring(name) + L"\")");
      std::wstring upper = UpperAscii(name);
      if (!constantNames.insert(upper).second)
        throw EDKLangError(L"Duplicate constant name (\"" + std::wstring(name) + L"\")");
      constants.push_back({std::move(upper), std::wstring(name), UnescapeText(value), lineIndex});
    } else {
      auto id = ParseInt32(name);
      if (!id || *id <= 0) return true;
      auto& target = pending[static_cast<std::size_t>(section)];
      if (!target.ids.insert(*id).second)
        throw EDKLangError(L"Duplicate property value translation ID (" + std::to_wstring(*id) + L")");
      target.items.push_back({*id, UnescapeText(value), {}});
    }
    return true;
  };

  try {
    int lineIndex = 0;
    for (std::size_t pos = 0; pos < text.size(); ++lineIndex) {
      std::size_t end = text.find_first_of(L"\r\n", pos);
      if (end == std::wstring::npos) end = text.size();
      std::wstring_view line = Trim(std::wstring_view(text).substr(pos, end - pos));
      pos = end + (end + 1 < text.size() && text[end] == L'\r' && text[end + 1] == L'\n' ? 2 : 1);
      try {
        if (!processLine(line, lineIndex)) break;
      } catch (const EDKLangError& cause) {
        throw LineError(lineIndex, cause);
      }
    }

    for (std::size_t i = 0; i < pending.size(); ++i) sections_[i].Assign(std::move(pending[i].items));
    // In the table's order every Add appends.
    std::sort(constants.begin(), constants.end(),
              [](const PendingConstant& a, const PendingConstant& b) { return a.upperName < b.upperName; });
    for (const auto& c : constants) {
      try {
        constants_.Add(c.name, c.value);
      } catch (const EDKLangError& cause) {
        throw LineError(c.line, cause);
      }
    }
  } catch (...) {
    Clear();
    throw;
  }
}

}  // namespace zt
