// The launch request for an entry and the opened file: which program the shell
// starts, with which parameters, in which folder and window state. Free of any
// window or system call, so every rule is checked on its own. The opened file's
// path is UTF-16 as the command line gave it; the entry's texts come from the
// settings file in the ANSI code page and are widened.
#pragma once

#include <string>

#include "gate/interpreter_command.h"
#include "model/exe_info.h"
#include "platform/shell_execute.h"

namespace nuvopick {

// The extension of the file name part of Path with its dot (".txt"); empty when
// the name has no dot, also when the last dot belongs to a folder name.
std::u16string FileExtensionOf(const std::u16string& path);

// The folder of Path up to and including its last "\" or ":", empty when it has
// neither. Entries without a usable working folder start here.
std::u16string FileFolderOf(const std::u16string& path);

// True when the opened file is itself a program (".exe" or ".com", any letter case).
bool IsProgramFile(const std::u16string& path);

// Rewrites the request so that the command interpreter runs Command, hidden:
// File becomes cmd.exe in SystemDirectory and the command goes quoted after
// /V:OFF /C (no "!" expansion, whatever the system's default). The request
// carries the percent variable when the command refers to it.
void WrapInInterpreter(TLaunchRequest& request, const TInterpreterCommand& command,
                       const std::string& systemDirectory);

// The request for an ordinary file: the entry's program in quotes, its parameter
// template with "%1" replaced by OpenedFile, its working folder in quotes (the
// opened file's folder when the entry has none), its show code; wrapped in the
// interpreter when the entry asks for it.
TLaunchRequest EntryLaunchRequest(const TExeInfo& entry, const std::u16string& openedFile,
                                  const std::string& systemDirectory);

// The request when the opened file is itself a program: that very file is
// started on its own by the default verb, shown normally, its path taken
// exactly (no variable expansion). Of the entry only the interpreter flag counts.
TLaunchRequest ProgramFileLaunchRequest(bool useInterpreter, const std::u16string& openedFile,
                                        const std::string& systemDirectory);

}  // namespace nuvopick
