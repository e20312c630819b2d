// The sections of the settings file that are not an extension's own.
#pragma once

namespace nuvopick {

// The section that holds the general keys; written to the file as "[]".
inline constexpr const char* kGeneralSection = "";

// The section of the entries offered for every extension.
inline constexpr char kCommonSectionName[] = "<COMMON>";

}  // namespace nuvopick
