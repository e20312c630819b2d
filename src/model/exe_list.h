// An ordered list of application entries that owns them: the entries of one
// extension, or the common entries offered for every extension.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/entry_owner.h"
#include "model/exe_info.h"

namespace nuvopick {

class TExeList {
 public:
  // Owner (may be null) is handed to every entry added through Add or AddEntry.
  explicit TExeList(IEntryOwner* owner = nullptr) : owner_(owner) {}

  IEntryOwner* Owner() const { return owner_; }

  // Appends a new unmarked entry without shortcut and returns its position. The
  // usual way to copy an entry is Add with blank values, then Assign into it.
  int Add(const std::string& name, const std::string& appPath, const std::string& dirPath,
          const std::string& param, bool isUseCmdp, std::int32_t showCmd);
  // Appends an existing entry, giving it the list's owner; returns its position.
  int AddEntry(std::unique_ptr<TExeInfo> entry);

  // Positions run from 0 to Count() - 1; anything else throws std::out_of_range.
  TExeInfo& Items(int index);
  const TExeInfo& Items(int index) const;
  int Count() const { return static_cast<int>(items_.size()); }

  // Puts the entry before position Index (Count() appends); its owner is kept.
  void Insert(int index, std::unique_ptr<TExeInfo> entry);
  void Delete(int index);
  void Clear() { items_.clear(); }

 private:
  IEntryOwner* owner_;
  std::vector<std::unique_ptr<TExeInfo>> items_;
};

}  // namespace nuvopick
