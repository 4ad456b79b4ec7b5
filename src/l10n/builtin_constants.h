#pragma once
// The built-in English message constants in their stored form. The native
// build embeds them in a generated source; on Windows the same bytes are the
// module's RCDATA resource "DKLANG_CONSTS".
#include <cstdint>
#include <span>

namespace zt {

std::span<const std::uint8_t> BuiltinConstantsStream();

}  // namespace zt
