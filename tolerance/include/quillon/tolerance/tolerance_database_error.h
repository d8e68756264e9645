#pragma once

#include <stdexcept>
#include <string>

namespace quillon::tolerance {

// The tolerance database could not be opened or is not a complete tolerance database. The text
// says why, in English, for logs and tests; the user only sees the program's one message.
class ToleranceDatabaseError final : public std::runtime_error {
  public:
    explicit ToleranceDatabaseError(const std::string& reason) : std::runtime_error(reason) {}
};

}  // namespace quillon::tolerance
