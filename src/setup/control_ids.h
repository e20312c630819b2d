// The setup window's control numbers, by the component name of the control's
// model, so that the window numbers each control the same way whatever order
// the pages are built in.
#pragma once

#include <string_view>

namespace nuvopick {

// The number of the control named ComponentName, or 0 for a control that has
// none of its own.
int SetupControlId(std::string_view componentName);

}  // namespace nuvopick
