#include "gate/launch_request.h"

#include "text/dbcs.h"
#include "text/text_helpers.h"

namespace nuvopick {
namespace {

// Position of the dot that starts the extension of the file name part, or npos.
std::size_t ExtensionDotPos(const std::string& path) {
  const std::size_t dot = FindLastOfChars(path, ".");
  if (dot == std::string::npos) return dot;
  const std::size_t separator = FindLastOfChars(path, "\\:");
  if (separator != std::string::npos && separator > dot) return std::string::npos;
  return dot;
}

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

}  // namespace

std::string FileExtensionOf(const std::string& path) {
  const std::size_t dot = ExtensionDotPos(path);
  return dot == std::string::npos ? std::string() : path.substr(dot);
}

std::string FileFolderOf(const std::string& path) {
  const std::size_t separator = FindLastOfChars(path, "\\:");
  return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

bool IsProgramFile(const std::string& path) {
  const std::string extension = FileExtensionOf(path);
  return SameTextAscii(extension, ".exe") || SameTextAscii(extension, ".com");
}

void WrapInInterpreter(TLaunchRequest& request, const TInterpreterCommand& command,
                       const std::string& systemDirectory) {
  // cmd takes off the first and the last quote of the line after /C and reads
  // the rest as the command.
  request.Parameters = "/V:OFF /C \"" + command.Text() + "\"";
  request.File = systemDirectory + "\\cmd.exe";
  request.Show = kShowHide;
  if (command.UsesPercentVariable()) request.Environment = {{kPercentVariable, "%"}};
}

TLaunchRequest EntryLaunchRequest(const TExeInfo& entry, const std::string& openedFile,
                                  const std::string& systemDirectory) {
  TLaunchRequest request;
  request.Verb = "open";
  request.File = Quoted(Unquote(entry.AppPath));
  request.Directory = Quoted(Unquote(entry.DirPath));
  request.Show = entry.ShowCmd;
  if (!entry.IsUseCmdp) {
    request.Parameters = ExpandParam(entry.Param, openedFile);
  } else {
    // The program keeps its quotes inside the quoted command, and the blank
    // before the closing quote stays when there are no parameters.
    TInterpreterCommand command;
    command.AppendCommandText(request.File + " ");
    ExpandParamParts(entry.Param, openedFile, [&command](const std::string& text, bool isPath) {
      if (isPath) {
        command.AppendPathText(text);
      } else {
        command.AppendCommandText(text);
      }
    });
    WrapInInterpreter(request, command, systemDirectory);
  }
  return request;
}

TLaunchRequest ProgramFileLaunchRequest(bool useInterpreter, const std::string& openedFile,
                                        const std::string& systemDirectory) {
  TLaunchRequest request;
  request.File = openedFile;
  request.ExpandVariables = false;
  if (useInterpreter) {
    TInterpreterCommand command;
    command.AppendCommandText("\"");
    command.AppendPathText(openedFile);
    command.AppendCommandText("\" ");
    WrapInInterpreter(request, command, systemDirectory);
  }
  // Started shown and by the default verb whatever the interpreter asked for.
  request.Verb.clear();
  request.Directory.clear();
  request.Show = kShowNormal;
  return request;
}

}  // namespace nuvopick
