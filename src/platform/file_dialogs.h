// The common dialogs that ask the user for a file or a folder.
#pragma once

#include <optional>
#include <string>

namespace nuvopick {

class IFileDialogs {
 public:
  virtual ~IFileDialogs() = default;

  // Runs an open-file dialog. Filter pairs names and patterns, each part
  // closed by '|': "実行可能ファイル ( *.exe )|*.exe|全てのファイル|*"; empty
  // for all files. The dialog starts in InitialDir, or where the system
  // chooses when it is empty. Returns the chosen file's full path, or nothing
  // when the user cancelled.
  virtual std::optional<std::string> OpenFile(const std::string& filter,
                                              const std::string& initialDir) = 0;
  // Runs the folder browser; returns the chosen folder, or nothing.
  virtual std::optional<std::string> BrowseFolder() = 0;
};

}  // namespace nuvopick
