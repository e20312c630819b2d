// A folder of its own for one test, under the system's temporary folder, removed
// with everything in it when the test ends.
#pragma once

#include <string>

namespace nuvopick::testing {

class TTempFolder {
 public:
  // Name becomes part of the folder's name; it may hold double-byte characters.
  explicit TTempFolder(const std::string& name);
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;
  ~TTempFolder();

  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

// The folder of the running test program (where the build puts every exe).
std::string TestProgramFolder();

// Copies the files of folder From (not its sub-folders) into folder To, which is
// made when missing. False when From cannot be listed.
bool CopyFolderFiles(const std::string& from, const std::string& to);

std::string ReadFileText(const std::string& path);
void WriteFileText(const std::string& path, const std::string& text);

}  // namespace nuvopick::testing
