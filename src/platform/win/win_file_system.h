// Files through the Win32 API, in the system's ANSI code page.
#pragma once

#include "platform/file_system.h"

namespace nuvopick::win {

class TWinFileSystem : public IFileSystem {
 public:
  bool FileExists(const std::string& path) const override;
  bool DirectoryExists(const std::string& path) const override;
  std::optional<std::string> ReadAll(const std::string& path) const override;
  bool ReadPieces(const std::string& path,
                  const std::function<void(std::string_view)>& take) const override;
  bool WriteAllAtomically(const std::string& path, const std::string& bytes) override;
  bool RemoveFile(const std::string& path) override;
};

}  // namespace nuvopick::win
