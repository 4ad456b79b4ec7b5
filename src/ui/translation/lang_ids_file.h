#pragma once
// The translation IDs of a window as a text committed with its layout, so
// that language files stay valid from one release to the next. One line per
// recorded property, sorted by ID:
//
//   <ID> <component path> <property path>
//
// where the component path is "." for the window itself, else the names
// from the window down ("LabelOS", "MenuFrame.System"). Blank lines and
// lines starting with ";" are skipped.
#include <string>
#include <string_view>

#include "ui/translation/lang_entries.h"

namespace zt::ui {

// UTF-8 text of every property entry below `root`, with a comment header.
std::string FormatLangIds(const TDKLang_CompEntry& root);

// Fills `root` (which must be empty) with the entries of the text; their
// built-in texts are empty and uncaptured. Throws EDKLangError "Line <n>:
// <cause>" (counted from 1) for a malformed line, a repeated ID or a
// property given twice.
void ParseLangIds(std::string_view text, TDKLang_CompEntry& root);

}  // namespace zt::ui
