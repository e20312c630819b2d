// The window that is told when an entry's or an extension record's modified mark
// changes (the setup window, which then enables its apply and reload buttons).
#pragma once

namespace nuvopick {

class IEntryOwner {
 public:
  virtual ~IEntryOwner() = default;

  // Called after the mark was set or cleared, whatever its new value.
  virtual void EntryModified() = 0;
};

}  // namespace nuvopick
