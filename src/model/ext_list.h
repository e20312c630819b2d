// The extension records in the user's order, owning them, and their part of the
// settings file: the key AllExt of the general section and one section each.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/entry_owner.h"
#include "model/exe_list.h"
#include "model/ext_info.h"
#include "model/reg_flags.h"
#include "platform/class_store.h"
#include "settings/ini_file.h"

namespace nuvopick {

// A registry error met by one record: its name and the class store's message.
struct TRecordError {
  std::string ExtName;
  std::string Message;

  bool operator==(const TRecordError&) const = default;
};

class TExtList {
 public:
  // Owner (may be null) is handed to every record added through Add.
  explicit TExtList(IEntryOwner* owner = nullptr) : owner_(owner) {}

  IEntryOwner* Owner() const { return owner_; }

  // Appends a new unmarked record that takes over Apps (whose own owner stays as
  // the caller made it) and returns its position.
  int Add(const std::string& name, TRegFlags regFlags, TExeList apps, const std::string& iconPath,
          std::int32_t iconIndex);

  // Positions run from 0 to Count() - 1; anything else throws std::out_of_range.
  TExtInfo& Items(int index);
  const TExtInfo& Items(int index) const;
  int Count() const { return static_cast<int>(items_.size()); }

  void Delete(int index);
  void Clear() { items_.clear(); }

  // Puts the records in the order of Less; records it finds equal keep their order.
  void Sort(const std::function<bool(const TExtInfo&, const TExtInfo&)>& less);

  // Replaces the records by those AllExt names, each loaded whole from its
  // section and then given the state the class store shows. Their entry lists get
  // the list's owner. A record whose state cannot be read (a value of the wrong
  // type) keeps its section's content, takes the flags saved there and gets the
  // modified mark, as the registry is not in line with it; the records after it
  // load all the same, and the errors are returned.
  std::vector<TRecordError> Load(const TIniFile& ini, const IClassStore& classStore);

  // Runs Work on every record in list order. A registry error of one record ends
  // only that record's work: it is collected with the record's name, OnError (when
  // given) sees the record, and the next record goes on.
  std::vector<TRecordError> ForEach(const std::function<void(TExtInfo&)>& work,
                                    const std::function<void(TExtInfo&)>& onError = nullptr);

  // Writes every record's section in list order, then AllExt ("txt|jpg|") into
  // the general section, so in a fresh file the extension sections come first.
  void Save(TIniFile& ini) const;

  // Appends the pieces of Text between Separators to Strings: one leading
  // separator is dropped, a trailing one ends the text, and a separator that
  // follows another gives an empty piece ("a||b" -> a, "", b). The second byte of
  // a double-byte character is never taken for the separator.
  static void SplitList(const std::string& text, std::vector<std::string>& strings, char separator);

 private:
  IEntryOwner* owner_;
  std::vector<std::unique_ptr<TExtInfo>> items_;
};

}  // namespace nuvopick
