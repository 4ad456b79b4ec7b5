#pragma once
// The error of the localisation layer. Its message is wide because it quotes
// constant names and texts; what() gives the same message in UTF-8.
#include <stdexcept>
#include <string>
#include <utility>

#include "base/utf8.h"

namespace zt {

class EDKLangError : public std::runtime_error {
 public:
  explicit EDKLangError(std::wstring message)
      : std::runtime_error(ToUtf8(message)), message_(std::move(message)) {}

  std::wstring Message() const { return message_; }

 private:
  std::wstring message_;
};

}  // namespace zt
