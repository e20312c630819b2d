// Paths that the system hands over in UTF-16 (a dropped file, the answer of a
// file or folder dialog) on their way into the settings, which keep the ANSI
// code page. A path the code page cannot hold exactly is refused with a message
// that names it, instead of being stored altered: the altered path would name
// no file, or another one.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/message_box.h"

namespace nuvopick {

// The paths in the code page, in their order; those it cannot hold are left
// out, and Messages names them in one warning. There each character that the
// code page lacks shows as [U+XXXX], so the user can tell which name to change.
std::vector<std::string> StorablePaths(const std::vector<std::u16string>& paths,
                                       IMessageBox& messages);

// One path: in the code page, or nothing after the warning.
std::optional<std::string> StorablePath(const std::u16string& path, IMessageBox& messages);

}  // namespace nuvopick
