// Files as the program uses them: read whole or in pieces, written in one go.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace nuvopick {

class IFileSystem {
 public:
  virtual ~IFileSystem() = default;

  virtual bool FileExists(const std::string& path) const = 0;
  virtual bool DirectoryExists(const std::string& path) const = 0;

  // The whole file, or nothing when it is missing or cannot be read.
  virtual std::optional<std::string> ReadAll(const std::string& path) const = 0;

  // The file handed to Take in consecutive pieces, for a reader that keeps only
  // a little of it; false when it is missing or cannot be read, and then the
  // pieces already handed over do not count. By default one piece, the whole file.
  virtual bool ReadPieces(const std::string& path,
                          const std::function<void(std::string_view)>& take) const {
    const std::optional<std::string> bytes = ReadAll(path);
    if (!bytes) return false;
    take(*bytes);
    return true;
  }

  // Writes to a temporary file in the same folder and moves it over Path in one
  // step. On failure Path is left exactly as it was and false is returned.
  virtual bool WriteAllAtomically(const std::string& path, const std::string& bytes) = 0;

  virtual bool RemoveFile(const std::string& path) = 0;
};

}  // namespace nuvopick
