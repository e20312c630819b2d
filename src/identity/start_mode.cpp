// Choosing the start mode.
#include "identity/start_mode.h"

namespace nuvopick {

TStartMode SelectStartMode(const std::u16string& firstArgument) {
  if (firstArgument.empty()) return TStartMode::Setup;
  if (firstArgument == kTestFormArgument) return TStartMode::TestForm;
  return TStartMode::OpenFile;
}

}  // namespace nuvopick
