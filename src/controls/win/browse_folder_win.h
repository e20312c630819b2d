// Runs the shell's folder dialog for a TplBrowseFolder. The shell's and OLE's
// functions are looked up on first use, so that the exe imports neither.
#pragma once

#include <windows.h>

#include "controls/browse_folder.h"

namespace nuvopick::win {

// Shows the folder dialog owned by Owner, modally on the calling (user
// interface) thread, and returns true when the user confirmed a folder; its
// path is then browseFolder.SelectedDir(). Failures of the shell give false.
// The first call initialises OLE for this thread, for the rest of the process.
bool ExecuteBrowseFolder(TplBrowseFolder& browseFolder, HWND owner);

}  // namespace nuvopick::win
