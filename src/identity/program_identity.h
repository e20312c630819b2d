// The program's name as the user sees it.
#pragma once

namespace nuvopick {

// Application title, also the caption of the setup window's plain message boxes.
inline constexpr char kApplicationTitle[] = "NuvoPick";

}  // namespace nuvopick
