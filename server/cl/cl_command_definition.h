#pragma once
// One CL command the server knows: its name, its parameters and what running it does to the
// store. The body runs inside the command's transaction, so a refusal half way leaves nothing
// behind.
#include <string_view>
#include <vector>

#include "server/cl/cl_arguments.h"
#include "server/cl/cl_parameter_rule.h"
#include "server/object_tx.h"
#include "server/result.h"
#include "server/system.h"

namespace ptp::server::cl {

struct ClContext {
    System& system;
    std::string_view client;
};

using ClExecute = Status (*)(ClContext& context, ObjectTx& tx, const ClArguments& arguments);

struct ClCommandDefinition {
    std::string_view name;
    std::vector<ClParameterSpec> parameters;
    ClExecute execute = nullptr;
};

// Every command, by family; the interpreter looks commands up in all of them.
std::vector<ClCommandDefinition> ProfileCommands();
std::vector<ClCommandDefinition> LineCommands();
std::vector<ClCommandDefinition> NetworkInterfaceCommands();
std::vector<ClCommandDefinition> ConnectionListCommands();
std::vector<ClCommandDefinition> TcpipCommands();

// The command named `name` (upper case), or null.
const ClCommandDefinition* FindCommand(std::string_view name);

}  // namespace ptp::server::cl
