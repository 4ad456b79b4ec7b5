#include "ui/translation/lang_ids_file.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <set>
#include <tuple>
#include <vector>

#include "base/utf8.h"
#include "l10n/dklang_error.h"

namespace zt::ui {

namespace {

struct Triple {
  std::int32_t id;
  std::wstring componentPath;
  std::wstring propertyPath;
};

void Collect(const TDKLang_CompEntry& entry, std::vector<Triple>& out) {
  if (const TDKLang_PropEntries* props = entry.PropEntries())
    for (int i = 0; i < props->Count(); ++i)
      out.push_back({props->Item(i).iID, entry.Path(), props->Item(i).wsPropName});
  if (const TDKLang_CompEntries* children = entry.OwnedCompEntries())
    for (int i = 0; i < children->Count(); ++i) Collect(children->Item(i), out);
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    std::size_t start = i;
    while (i < line.size() && !IsBlank(line[i])) ++i;
    if (i > start) fields.push_back(line.substr(start, i - start));
  }
  return fields;
}

std::int32_t ParseId(std::string_view text) {
  std::int64_t value = 0;
  if (text.empty() || text.size() > 10) return 0;
  for (char c : text) {
    if (c < '0' || c > '9') return 0;
    value = value * 10 + (c - '0');
  }
  return value > std::numeric_limits<std::int32_t>::max() ? 0 : static_cast<std::int32_t>(value);
}

std::wstring Decode(std::string_view bytes) {
  std::wstring text;
  std::size_t errorOffset = 0;
  if (!FromUtf8(bytes, text, errorOffset)) throw EDKLangError(L"the text is not valid UTF-8");
  return text;
}

// The entry of a component path below `root`, made when missing.
TDKLang_CompEntry& EntryOf(TDKLang_CompEntry& root, std::wstring_view path) {
  if (path == L".") return root;
  TDKLang_CompEntry* entry = &root;
  while (true) {
    std::size_t dot = path.find(L'.');
    std::wstring_view name = path.substr(0, dot);
    if (name.empty()) throw EDKLangError(L"the component path has an empty name");
    TDKLang_CompEntries& children = entry->EnsureOwnedCompEntries();
    int index = children.IndexOfCompName(name);
    if (index < 0) {
      children.Add().SetStoredName(std::wstring(name));
      index = children.Count() - 1;
    }
    entry = &children.Item(index);
    if (dot == std::wstring_view::npos) return *entry;
    path.remove_prefix(dot + 1);
  }
}

}  // namespace

std::string FormatLangIds(const TDKLang_CompEntry& root) {
  std::vector<Triple> triples;
  Collect(root, triples);
  std::sort(triples.begin(), triples.end(), [](const Triple& a, const Triple& b) { return a.id < b.id; });
  std::string text = "; Translation IDs of the window " + ToUtf8(root.Name()) +
                     ": ID, component (\".\" for the window\n"
                     "; itself), property. Language files refer to these IDs, so they never change;\n"
                     "; `make langids` gives new properties new IDs.\n";
  for (const Triple& t : triples) {
    std::string id = std::to_string(t.id);
    id.resize(std::max<std::size_t>(id.size(), 5), ' ');
    text += id + ' ' + (t.componentPath.empty() ? std::string(".") : ToUtf8(t.componentPath)) + ' ' +
            ToUtf8(t.propertyPath) + '\n';
  }
  return text;
}

void ParseLangIds(std::string_view text, TDKLang_CompEntry& root) {
  std::set<std::int32_t> ids;
  std::size_t lineNumber = 0;
  while (!text.empty()) {
    ++lineNumber;
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    try {
      auto fields = Fields(line);
      if (fields.empty() || fields[0].starts_with(';')) continue;
      if (fields.size() != 3) throw EDKLangError(L"expected an ID, a component path and a property path");
      std::int32_t id = ParseId(fields[0]);
      if (id <= 0) throw EDKLangError(L"the ID \"" + Decode(fields[0]) + L"\" is not a positive number");
      if (!ids.insert(id).second) throw EDKLangError(L"the ID " + std::to_wstring(id) + L" is given twice");
      std::wstring propertyPath = Decode(fields[2]);
      TDKLang_CompEntry& entry = EntryOf(root, Decode(fields[1]));
      if (!entry.EnsurePropEntries().Add(id, propertyPath, L""))
        throw EDKLangError(L"the property " + Decode(fields[1]) + L" " + propertyPath + L" is given twice");
    } catch (const EDKLangError& e) {
      throw EDKLangError(L"Line " + std::to_wstring(lineNumber) + L": " + e.Message());
    }
  }
}

}  // namespace zt::ui
