// The fixed captions of a radio group or a switching panel as the list its model holds.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace nuvopick {

template <std::size_t N>
std::vector<std::string> CaptionList(const std::array<std::string_view, N>& captions) {
  return std::vector<std::string>(captions.begin(), captions.end());
}

}  // namespace nuvopick
