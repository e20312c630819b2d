// The registration flags of an extension record: whether the program is the
// extension's open command and whether the extension's entries are context-menu
// verbs. Kept in one byte, bit 0 and bit 1, as the settings file and the setup
// window see them.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace nuvopick {

// An element of the set: its value is the bit position.
enum TRegMode : std::uint8_t {
  rlmdExe = 0,          // the program is the extension's open command
  rlmdContextMenu = 1,  // the extension's entries are context-menu verbs
};

class TRegFlags {
 public:
  constexpr TRegFlags() = default;
  constexpr TRegFlags(std::initializer_list<TRegMode> modes) {
    for (TRegMode mode : modes) Include(mode);
  }

  // The byte as stored; bits other than the two elements are dropped.
  static constexpr TRegFlags FromByte(std::uint8_t byte) {
    TRegFlags flags;
    flags.bits_ = static_cast<std::uint8_t>(byte & kAllBits);
    return flags;
  }
  constexpr std::uint8_t Byte() const { return bits_; }

  constexpr bool Contains(TRegMode mode) const { return (bits_ & Bit(mode)) != 0; }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr void Include(TRegMode mode) { bits_ = static_cast<std::uint8_t>(bits_ | Bit(mode)); }
  constexpr void Exclude(TRegMode mode) { bits_ = static_cast<std::uint8_t>(bits_ & ~Bit(mode)); }

  constexpr bool operator==(const TRegFlags&) const = default;

 private:
  static constexpr std::uint8_t kAllBits = 0x03;
  static constexpr std::uint8_t Bit(TRegMode mode) {
    return static_cast<std::uint8_t>(1u << static_cast<unsigned>(mode));
  }

  std::uint8_t bits_ = 0;
};

}  // namespace nuvopick
