#pragma once
// The lists clients open, as the server assembles them: most are the objects of one kind narrowed
// by the list's filter; a few are views built from several kinds (see platform/vocabulary/kinds.h
// for what each kind's filter means).
#include <string_view>
#include <vector>

#include "server/list_snapshot.h"
#include "server/object_record.h"
#include "server/object_tx.h"
#include "server/result.h"

namespace ptp::server {

Result<std::vector<ObjectRecord>> ReadList(ObjectTx& tx, std::string_view kind,
                                           std::string_view filter);

// The same list as one snapshot; unfiltered lists of plain kinds take the fast path.
Result<ListSnapshot> ReadListSnapshot(ObjectTx& tx, std::string_view kind, std::string_view filter);

}  // namespace ptp::server
