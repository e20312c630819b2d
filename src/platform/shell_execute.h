// Starting a program or opening a document through the shell's execute service.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace nuvopick {

// Show-window codes handed to the started program.
inline constexpr std::int32_t kShowHide = 0;
inline constexpr std::int32_t kShowNormal = 1;
inline constexpr std::int32_t kShowShow = 5;  // as the window last was

// One launch: what the service is asked to start and how. The service does not
// wait for the new program. The texts are UTF-16, so that a file name reaches
// the program with every character, also those the ANSI code page lacks.
struct TLaunchRequest {
  std::u16string Verb;  // u"open", or empty for the file's default verb
  std::u16string File;
  std::u16string Parameters;
  std::u16string Directory;
  std::int32_t Show = kShowNormal;
  // A failure shows no message of the service's own either.
  bool Quiet = false;
  // Whether the service expands environment variables in File and Directory;
  // off when File is a path that must be taken exactly as it is.
  bool ExpandVariables = true;
  // Variables set in our own environment just before the request is sent, so
  // that the started program inherits them: name and value.
  std::vector<std::pair<std::u16string, std::u16string>> Environment{};

  bool operator==(const TLaunchRequest&) const = default;
};

class IShellExecute {
 public:
  virtual ~IShellExecute() = default;

  // Sends the request and returns at once. False when the service refused it;
  // unless the request is quiet, the service may then have shown its own error
  // message.
  virtual bool Execute(const TLaunchRequest& request) = 0;

  // The shell's plain open of a document, address or mail link, without the
  // expansion of environment variables. Owned: the asking window owns what the
  // shell may show. False when the shell reports a failure (a result of 32 or less).
  virtual bool Open(const TLaunchRequest& request, bool owned) = 0;
};

}  // namespace nuvopick
