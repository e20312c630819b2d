// Lists of application entries.
#include "model/exe_list.h"

#include <stdexcept>

namespace nuvopick {

namespace {

void CheckEntry(const std::unique_ptr<TExeInfo>& entry) {
  if (!entry) throw std::invalid_argument("TExeList: no entry given");
}

// Index must lie in 0 ... last.
void CheckPosition(int index, int last) {
  if (index < 0 || index > last) throw std::out_of_range("TExeList: position out of range");
}

}  // namespace

int TExeList::Add(const std::string& name, const std::string& appPath, const std::string& dirPath,
                  const std::string& param, bool isUseCmdp, std::int32_t showCmd) {
  auto entry = std::make_unique<TExeInfo>();
  entry->Name = name;
  entry->AppPath = appPath;
  entry->DirPath = dirPath;
  entry->Param = param;
  entry->IsUseCmdp = isUseCmdp;
  entry->ShowCmd = showCmd;
  return AddEntry(std::move(entry));
}

int TExeList::AddEntry(std::unique_ptr<TExeInfo> entry) {
  CheckEntry(entry);
  entry->Owner = owner_;
  items_.push_back(std::move(entry));
  return Count() - 1;
}

TExeInfo& TExeList::Items(int index) {
  CheckPosition(index, Count() - 1);
  return *items_[static_cast<std::size_t>(index)];
}

const TExeInfo& TExeList::Items(int index) const {
  CheckPosition(index, Count() - 1);
  return *items_[static_cast<std::size_t>(index)];
}

void TExeList::Insert(int index, std::unique_ptr<TExeInfo> entry) {
  CheckEntry(entry);
  CheckPosition(index, Count());
  items_.insert(items_.begin() + index, std::move(entry));
}

void TExeList::Delete(int index) {
  CheckPosition(index, Count() - 1);
  items_.erase(items_.begin() + index);
}

}  // namespace nuvopick
