// The setup window's hint texts: one table keyed by the lower-cased component name
// of a control, with rows that hold on every page and rows of one page only.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace nuvopick {

// The page of a row that holds whatever page shows.
inline constexpr int kAnyPage = -1;

struct THintRow {
  int Page;                   // kAnyPage or the page of PageControl_base
  std::string_view Name;      // lower-cased component name
  std::string_view Text;      // "\r\n" breaks the line
  std::string_view Appended;  // a text box whose present text follows Text, or empty
};

std::span<const THintRow> HintTable();

// The present text of the text box with the component name given.
using THintTextOf = std::function<std::string(std::string_view componentName)>;

// The hint of the control ComponentName (letters in any case) while page
// ActivePage shows: the rows of every page first, then those of that page.
// Empty when the control has none.
std::string LookUpHint(std::string_view componentName, int activePage, const THintTextOf& textOf);

}  // namespace nuvopick
