// Reordering records and entries in their lists: the contents change places
// through Assign, so each object keeps its place, its owner and its identity.
#pragma once

namespace nuvopick {

template <typename T>
void SwapContents(T& a, T& b) {
  T held;
  held.Assign(a);
  a.Assign(b);
  b.Assign(held);
}

}  // namespace nuvopick
