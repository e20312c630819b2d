// In-memory files for the tests: whole files by path, with writes refused on
// demand, and the reads and writes (refused ones too) kept in order.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace nuvopick::testing {

class MemoryFileSystem : public IFileSystem {
 public:
  std::map<std::string, std::string> files;
  std::set<std::string> directories;
  bool refuseWrites = false;
  // Files that are there but cannot be read, as one held open by another program.
  std::set<std::string> unreadable;
  // Files whose writes are refused, as in a folder the user may not write to.
  std::set<std::string> refusedWrites;
  mutable std::vector<std::string> reads;
  std::vector<std::string> writes;
  // Sees every write before it is done or refused, to look at the world then.
  std::function<void(const std::string& path)> beforeWrite;

  bool FileExists(const std::string& path) const override { return files.count(path) != 0; }
  bool DirectoryExists(const std::string& path) const override {
    return directories.count(path) != 0;
  }
  std::optional<std::string> ReadAll(const std::string& path) const override {
    reads.push_back(path);
    auto it = files.find(path);
    if (it == files.end() || unreadable.count(path) != 0) return std::nullopt;
    return it->second;
  }
  bool WriteAllAtomically(const std::string& path, const std::string& bytes) override {
    writes.push_back(path);
    if (beforeWrite) beforeWrite(path);
    if (refuseWrites || refusedWrites.count(path) != 0) return false;
    files[path] = bytes;
    return true;
  }
  bool RemoveFile(const std::string& path) override {
    if (refuseWrites) return false;
    return files.erase(path) != 0;
  }
};

}  // namespace nuvopick::testing
