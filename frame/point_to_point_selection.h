#pragma once
// The walk over the selected items that commands and tasks make before anything else.
#include <functional>

#include "frame/point_to_point_selected_object.h"
#include "platform/framework/selection_holder.h"

namespace ptp::frame {

class CPointToPointSelection {
  public:
    // Answers whether the walk goes on past `item`.
    using Visitor = std::function<bool(long index, const CPointToPointSelectedObject& item)>;

    // Reads the items in order into `current` and hands each one that was read whole to
    // `visit`. An item that cannot be read, a profile, modem or policy without its list record,
    // or an item the visitor stops at ends the walk there; `current` then keeps what was read of
    // it. Returns the number of items the walk went past.
    static long Walk(const fw::CSelectionHolder& selection, CPointToPointSelectedObject& current,
                     const Visitor& visit);

    // Reads item `index` into `item`; false when the walk must end at it.
    static bool ReadItem(const fw::CSelectionHolder& selection, long index,
                         CPointToPointSelectedObject& item);
};

}  // namespace ptp::frame
