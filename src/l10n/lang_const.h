#pragma once
// The lookup of message constants, as the rest of the program sees it.
#include <string>
#include <string_view>

namespace zt {

class LangConstSource {
 public:
  virtual ~LangConstSource() = default;
  // The constant's text in the active language; throws EDKLangError when
  // no constant has that name.
  virtual std::wstring LangConst(std::wstring_view name) const = 0;
};

}  // namespace zt
