#pragma once
// The stored entries ("LangData") of the translated windows, generated at
// build time from their committed ID files. The native build embeds them in
// a generated source; on Windows the same bytes are the module's RCDATA
// resources named by LangDataResourceName.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace zt::ui {

// None for a window without an ID file.
std::optional<std::span<const std::uint8_t>> BuiltinLangData(std::wstring_view window);

}  // namespace zt::ui
