#pragma once
// The English texts of the registry console lines, as a stand-in for the
// language layer in tests of the registry operations.
#include <map>
#include <stdexcept>
#include <string>

#include "l10n/lang_const.h"

namespace zt::testing {

class EnglishRegistryTexts : public LangConstSource {
 public:
  std::wstring LangConst(std::wstring_view name) const override {
    auto found = texts_.find(std::wstring(name));
    if (found == texts_.end()) throw std::out_of_range("no test text for this constant");
    return found->second;
  }

 private:
  std::map<std::wstring, std::wstring> texts_{
      {L"NO_KEY", L"no key:"},
      {L"NO_DWORD_VALUE", L"no REG_DWORD value"},
      {L"NO_REGSZ_VALUE", L"no REG_SZ value"},
      {L"NO_BIN_VALUE", L"no REG_BINARY value"},
      {L"NO_VALUE", L"no value"},
      {L"IN_KEY", L"in key"},
      {L"ERR_READ", L"read error"},
      {L"ERR_WRITE", L"write error"},
      {L"SET_DWORD_VALUE", L"set REG_DWORD value"},
      {L"SET_REGSZ_VALUE", L"set REG_SZ value"},
      {L"SET_SZEXP_VALUE", L"set REG_EXPAND_ SZ value"},
      {L"SET_BIN_VALUE", L"set REG_BINARY value"},
      {L"DELETE_VALUE", L"delete value"},
      {L"ERR_DEL_VALUE", L"error deleting value:"},
      {L"DELETE_KEY", L"delete key:"},
      {L"ERR_DEL_KEY", L"error deleting key:"},
  };
};

}  // namespace zt::testing
