// Lists of extension records.
#include "model/ext_list.h"

#include <algorithm>
#include <stdexcept>

#include "settings/section_names.h"
#include "text/dbcs.h"

namespace nuvopick {

namespace {

constexpr char kAllExtKey[] = "AllExt";

void CheckPosition(int index, int count) {
  if (index < 0 || index >= count) throw std::out_of_range("TExtList: position out of range");
}

// Position of the first Separator, walking whole characters: in code page 932 the
// second byte of a character such as "ポ" is the bar itself.
std::size_t FindSeparator(const std::string& text, char separator) {
  for (std::size_t i = 0; i < text.size(); i = NextCharPos(text, i)) {
    if (text[i] == separator) return i;
  }
  return std::string::npos;
}

}  // namespace

void TExtList::Sort(const std::function<bool(const TExtInfo&, const TExtInfo&)>& less) {
  std::stable_sort(items_.begin(), items_.end(),
                   [&less](const std::unique_ptr<TExtInfo>& a, const std::unique_ptr<TExtInfo>& b) {
                     return less(*a, *b);
                   });
}

int TExtList::Add(const std::string& name, TRegFlags regFlags, TExeList apps,
                  const std::string& iconPath, std::int32_t iconIndex) {
  auto record = std::make_unique<TExtInfo>();
  record->Name = name;
  record->RegFlags = regFlags;
  record->Apps = std::move(apps);
  record->IconPath = iconPath;
  record->IconIndex = iconIndex;
  record->Owner = owner_;
  items_.push_back(std::move(record));
  return Count() - 1;
}

TExtInfo& TExtList::Items(int index) {
  CheckPosition(index, Count());
  return *items_[static_cast<std::size_t>(index)];
}

const TExtInfo& TExtList::Items(int index) const {
  CheckPosition(index, Count());
  return *items_[static_cast<std::size_t>(index)];
}

void TExtList::Delete(int index) {
  CheckPosition(index, Count());
  items_.erase(items_.begin() + index);
}

std::vector<TRecordError> TExtList::Load(const TIniFile& ini, const IClassStore& classStore) {
  std::vector<std::string> names;
  SplitList(ini.ReadString(kGeneralSection, kAllExtKey, ""), names, '|');
  Clear();
  // Every record first, whole: a registry error must not cost the file's content.
  for (const std::string& name : names) {
    const int position = Add("", TRegFlags(), TExeList(owner_), "", 0);
    TExtInfo& record = Items(position);
    record.Name = name;
    record.LoadSection(ini);
  }
  return ForEach(
      [&classStore](TExtInfo& record) { record.RegFlags = record.GetRegState(classStore); },
      [&ini](TExtInfo& record) {
        record.RegFlags = record.SavedRegFlags(ini);
        record.SetModified(true);
      });
}

std::vector<TRecordError> TExtList::ForEach(const std::function<void(TExtInfo&)>& work,
                                            const std::function<void(TExtInfo&)>& onError) {
  std::vector<TRecordError> errors;
  for (const auto& record : items_) {
    try {
      work(*record);
    } catch (const TRegistryError& error) {
      errors.push_back({record->Name, error.what()});
      if (onError) onError(*record);
    }
  }
  return errors;
}

void TExtList::Save(TIniFile& ini) const {
  std::string allExt;
  for (const auto& record : items_) {
    allExt += record->Name + "|";
    record->Save(ini);
  }
  ini.WriteString(kGeneralSection, kAllExtKey, allExt);
}

void TExtList::SplitList(const std::string& text, std::vector<std::string>& strings,
                         char separator) {
  std::string rest = text;
  if (!rest.empty() && rest[0] == separator) rest.erase(0, 1);
  while (!rest.empty()) {
    if (rest.size() == 1 && rest[0] == separator) break;
    const std::size_t end = FindSeparator(rest, separator);
    if (end == std::string::npos) {
      strings.push_back(rest);
      break;
    }
    strings.push_back(rest.substr(0, end));
    rest.erase(0, end + 1);
  }
}

}  // namespace nuvopick
