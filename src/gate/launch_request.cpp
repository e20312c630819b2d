#include "gate/launch_request.h"

#include "text/ansi_text.h"
#include "text/text_helpers.h"

namespace nuvopick {
namespace {

// Position of the dot that starts the extension of the file name part, or npos.
std::size_t ExtensionDotPos(const std::u16string& path) {
  const std::size_t dot = path.rfind(u'.');
  if (dot == std::u16string::npos) return dot;
  const std::size_t separator = path.find_last_of(u"\\:");
  if (separator != std::u16string::npos && separator > dot) return std::u16string::npos;
  return dot;
}

std::u16string Quoted(const std::u16string& text) {
  return u"\"" + text + u"\"";
}

// Letter case of the ASCII letters only, as the shell compares extensions.
bool SameExtension(const std::u16string& extension, const std::u16string& lowerCase) {
  if (extension.size() != lowerCase.size()) return false;
  for (std::size_t i = 0; i < extension.size(); ++i) {
    const char16_t c = extension[i];
    if ((c >= u'A' && c <= u'Z' ? c - u'A' + u'a' : c) != lowerCase[i]) return false;
  }
  return true;
}

}  // namespace

std::u16string FileExtensionOf(const std::u16string& path) {
  const std::size_t dot = ExtensionDotPos(path);
  return dot == std::u16string::npos ? std::u16string() : path.substr(dot);
}

std::u16string FileFolderOf(const std::u16string& path) {
  const std::size_t separator = path.find_last_of(u"\\:");
  return separator == std::u16string::npos ? std::u16string() : path.substr(0, separator + 1);
}

bool IsProgramFile(const std::u16string& path) {
  const std::u16string extension = FileExtensionOf(path);
  return SameExtension(extension, u".exe") || SameExtension(extension, u".com");
}

void WrapInInterpreter(TLaunchRequest& request, const TInterpreterCommand& command,
                       const std::string& systemDirectory) {
  // cmd takes off the first and the last quote of the line after /C and reads
  // the rest as the command.
  request.Parameters = u"/V:OFF /C \"" + command.Text() + u"\"";
  request.File = WidenAnsi(systemDirectory) + u"\\cmd.exe";
  request.Show = kShowHide;
  if (command.UsesPercentVariable()) request.Environment = {{kPercentVariable, u"%"}};
}

TLaunchRequest EntryLaunchRequest(const TExeInfo& entry, const std::u16string& openedFile,
                                  const std::string& systemDirectory) {
  TLaunchRequest request;
  request.Verb = u"open";
  request.File = Quoted(WidenAnsi(Unquote(entry.AppPath)));
  request.Directory =
      Quoted(entry.DirPath.empty() ? FileFolderOf(openedFile) : WidenAnsi(Unquote(entry.DirPath)));
  request.Show = entry.ShowCmd;
  const std::u16string paramTemplate = WidenAnsi(entry.Param);
  if (!entry.IsUseCmdp) {
    request.Parameters = ExpandParam(paramTemplate, openedFile);
  } else {
    // The program keeps its quotes inside the quoted command, and the blank
    // before the closing quote stays when there are no parameters.
    TInterpreterCommand command;
    command.AppendCommandText(request.File + u" ");
    ExpandParamParts(paramTemplate, openedFile,
                     [&command](const std::u16string& text, bool isPath) {
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

TLaunchRequest ProgramFileLaunchRequest(bool useInterpreter, const std::u16string& openedFile,
                                        const std::string& systemDirectory) {
  TLaunchRequest request;
  request.File = openedFile;
  request.ExpandVariables = false;
  if (useInterpreter) {
    TInterpreterCommand command;
    command.AppendCommandText(u"\"");
    command.AppendPathText(openedFile);
    command.AppendCommandText(u"\" ");
    WrapInInterpreter(request, command, systemDirectory);
  }
  // Started shown and by the default verb whatever the interpreter asked for.
  request.Verb.clear();
  request.Directory.clear();
  request.Show = kShowNormal;
  return request;
}

}  // namespace nuvopick
