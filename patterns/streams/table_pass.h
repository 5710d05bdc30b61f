// A reset pass over several tables of one kind: slot i of every table, in
// the order given, before slot i + 1. The random start values come out in
// that order, so tables reset together interleave their draws.
#pragma once
#include <initializer_list>

namespace patterns {

template <class Instance, class ResetSlot>
void ResetTogether(std::initializer_list<const Instance*> tables, ResetSlot resetSlot) {
  int longest = 0;
  for (const Instance* t : tables) longest = t->row.SlotCount > longest ? t->row.SlotCount : longest;
  for (int i = 0; i < longest; ++i)
    for (const Instance* t : tables)
      if (i < t->row.SlotCount) resetSlot(t->slots[i]);
}

}  // namespace patterns
