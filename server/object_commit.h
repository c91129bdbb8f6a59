#pragma once
// What the server does when a client commits or deletes a server object: the object's key is
// derived from its attributes where the kind names its objects that way, numbers are handed out,
// limits of the kind are kept, and dependent objects go with the object they depend on.
// Both run inside a store transaction.
#include <string>
#include <string_view>

#include "server/object_record.h"
#include "server/object_tx.h"
#include "server/result.h"

namespace ptp::server {

// The name a new object of `kind` gets from its staged attributes when the client created it
// without one (or, for modem commands, with the modem's name only). Empty when the kind cannot
// name it; the commit then numbers it.
std::string NameFromAttributes(ObjectTx& tx, std::string_view kind, std::string_view name,
                               const Attributes& staged);

// Writes `staged` into the object `name` of `kind`, creating it when it does not exist.
// Returns the name the object is stored under.
Result<std::string> CommitObject(ObjectTx& tx, std::string_view kind, std::string_view name,
                                 const Attributes& staged);

// Refuses a commit (CPF3220) when another client changed the object after the committing client
// read it: `read` holds the values it read, and any of them that differs now is a lost update in
// the making. An object that is gone is left to the commit (it creates or refuses it).
Status CheckUnchangedSince(ObjectTx& tx, std::string_view kind, std::string_view name,
                           const Attributes& read);

// Removes the object and what depends on it. CPF2105 when it does not exist; CPF2189 for
// objects the system keeps (system-supplied modems).
Status DeleteObjectWithDependents(ObjectTx& tx, std::string_view kind, std::string_view name);

}  // namespace ptp::server
