#include "server/cl/cl_interpreter.h"

#include <map>

#include "server/cl/cl_arguments.h"
#include "server/cl/cl_command_definition.h"
#include "server/cl/cl_messages.h"
#include "server/cl/cl_parser.h"

namespace ptp::server::cl {

namespace {

// Commands live in the system library; a command qualified with another library is not found.
bool IsCommandLibrary(std::string_view library) {
    return library.empty() || library == "QSYS" || library == "*LIBL" || library == "*SYSTEM";
}

Error SyntaxReply(const ClSyntaxError& error) {
    if (error.position == 0) return ClMessage("CPD0002", {error.message});
    return ClMessage("CPD0001", {std::to_string(error.position), error.message});
}

}  // namespace

const ClCommandDefinition* FindCommand(std::string_view name) {
    static const std::map<std::string_view, ClCommandDefinition> table = [] {
        std::map<std::string_view, ClCommandDefinition> commands;
        for (auto family : {ProfileCommands, LineCommands, NetworkInterfaceCommands,
                            ConnectionListCommands, TcpipCommands}) {
            for (ClCommandDefinition& definition : family()) {
                commands.emplace(definition.name, std::move(definition));
            }
        }
        return commands;
    }();
    auto it = table.find(name);
    return it == table.end() ? nullptr : &it->second;
}

std::string ExecuteClCommand(System& system, std::string_view client, std::string_view command) {
    auto statement = ParseCommand(command);
    if (!statement.Ok()) return SyntaxReply(statement.Error()).Reply();
    const ClStatement& parsed = statement.Value();
    const ClCommandDefinition* definition =
        IsCommandLibrary(parsed.library) ? FindCommand(parsed.command) : nullptr;
    if (definition == nullptr) {
        const std::string library = parsed.library.empty() ? "*LIBL" : parsed.library;
        return ClMessage("CPD0030", {parsed.command, library}).Reply();
    }
    auto arguments = CheckArguments(parsed, definition->parameters);
    if (!arguments) return arguments.error().Reply();
    ClContext context{system, client};
    Status status =
        system.Transact([&](ObjectTx& tx) { return definition->execute(context, tx, *arguments); });
    return status.ok() ? std::string() : status.error().Reply();
}

std::string RunClCommand(System& system, std::string_view client, std::string_view command) {
    std::string reply = ExecuteClCommand(system, client, command);
    // The command ran (or was refused) whatever happens to its log line; a log failure must not
    // turn the reply into something the caller would act on.
    (void)system.LogCommand(client, command, reply);
    return reply;
}

}  // namespace ptp::server::cl
