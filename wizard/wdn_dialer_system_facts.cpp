#include "wizard/wdn_dialer_system_facts.h"

#include <algorithm>
#include <functional>

#include "config/config_text.h"
#include "host/server_calls.h"
#include "lines/line_hardware.h"
#include "platform/vocabulary/code_text.h"
#include "platform/vocabulary/hardware_resource.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/line.h"
#include "platform/vocabulary/modem.h"
#include "platform/vocabulary/validation_list.h"
#include "wizard/wdn_dialer_names.h"

namespace ptp::wizard {

namespace {

namespace ln = attr::line;
namespace hw = attr::hardware_resource;

// Opens a list of `kind` on `system` and hands every element to `visit`; false after showing the
// server's error.
bool VisitList(std::string_view system, std::string_view kind, std::string_view filter,
               const std::function<void(host::IServerObject&, host::SOFError**)>& visit) {
    host::IHost* host = host::GetHost();
    if (!host) return false;
    host::SOFError* error = nullptr;
    const std::string server = config::ToUpper(system);
    auto list = host->Objects().CreateList(kind, host::kClientName, server, filter, &error);
    if (!list || !host::LoadList(*list, &error)) {
        host::ShowAndDestroy(error, nullptr);
        return false;
    }
    const long count = list->GetCount(&error);
    for (long index = 0; !error && index < count; ++index) {
        host::IServerObject* element = list->ElementAt(index, &error);
        if (error || !element) break;
        visit(*element, &error);
    }
    if (!error) return true;
    host::ShowAndDestroy(error, nullptr);
    return false;
}

}  // namespace

bool CWDNDialerSystemFacts::Load(std::string_view system) {
    return LoadLines(system) && LoadPorts(system) && LoadModems(system) &&
           LoadValidationLists(system);
}

bool CWDNDialerSystemFacts::LoadLines(std::string_view system) {
    m_lines.clear();
    return VisitList(system, kinds::kPPPLineList, code::line_type::kPPP,
                     [this](host::IServerObject& line, host::SOFError** error) {
                         const std::string connection =
                             line.GetAttributeText(ln::kConnectionType, error);
                         const std::string framing = line.GetAttributeText(ln::kFraming, error);
                         const std::string resource = line.GetAttributeText(ln::kResource, error);
                         if (*error) return;
                         if (!config::EqualsNoCase(connection, code::line_connection::kSwitched) ||
                             !config::EqualsNoCase(framing, code::line_framing::kAsync) ||
                             resource.empty() || resource.front() == '*')
                             return;
                         m_lines.push_back({line.GetAttributeText(ln::kName, error), resource,
                                            line.GetAttributeText(ln::kPoolName, error)});
                     });
}

bool CWDNDialerSystemFacts::LoadPorts(std::string_view system) {
    m_ports.clear();
    return VisitList(
        system, kinds::kHardwareResource, "",
        [this](host::IServerObject& resource, host::SOFError** error) {
            const std::string kind = resource.GetAttributeText(hw::kResourceKind, error);
            const std::string type = resource.GetAttributeText(hw::kAdapterType, error);
            if (*error) return;
            if (kind != lines::kCommunicationPortKind || !lines::IsSupportedAdapterType(type))
                return;
            m_ports.push_back(
                {resource.GetAttributeText(hw::kName, error),
                 lines::InterfaceOfPort(resource.GetAttributeText(hw::kDescription, error)),
                 std::string(lines::InternalModemName(type))});
        });
}

bool CWDNDialerSystemFacts::LoadModems(std::string_view system) {
    m_modems.clear();
    return VisitList(system, kinds::kModem, "",
                     [this](host::IServerObject& modem, host::SOFError** error) {
                         const std::string kind = modem.GetAttributeText(attr::modem::kKind, error);
                         // Dialling out over an analog line needs an analog modem.
                         if (!*error && kind != code::modem_kind::kISDN)
                             m_modems.push_back(modem.GetAttributeText(attr::modem::kName, error));
                     });
}

bool CWDNDialerSystemFacts::LoadValidationLists(std::string_view system) {
    m_bAccountList = false;
    return VisitList(
        system, kinds::kValidationListList, "",
        [this](host::IServerObject& list, host::SOFError** error) {
            const std::string name = list.GetAttributeText(attr::validation_list::kName, error);
            std::string library = list.GetAttributeText(attr::validation_list::kLibrary, error);
            if (library.empty()) library = std::string(kAccountListLibrary);
            if (config::EqualsNoCase(name, kAccountList) &&
                config::EqualsNoCase(library, kAccountListLibrary))
                m_bAccountList = true;
        });
}

std::vector<std::string> CWDNDialerSystemFacts::Pools() const {
    std::vector<std::string> pools;
    for (const CWDNUsableLine& line : m_lines) {
        if (line.strPool.empty()) continue;
        if (std::find(pools.begin(), pools.end(), line.strPool) == pools.end())
            pools.push_back(line.strPool);
    }
    return pools;
}

const CWDNPort* CWDNDialerSystemFacts::FindPort(std::string_view name) const {
    for (const CWDNPort& port : m_ports) {
        if (config::EqualsNoCase(port.strName, name)) return &port;
    }
    return nullptr;
}

std::vector<const CWDNUsableLine*> CWDNDialerSystemFacts::LinesOn(std::string_view port) const {
    std::vector<const CWDNUsableLine*> lines;
    for (const CWDNUsableLine& line : m_lines) {
        if (config::EqualsNoCase(line.strResource, port)) lines.push_back(&line);
    }
    return lines;
}

bool CWDNDialerSystemFacts::HasModem(std::string_view name) const {
    return std::find(m_modems.begin(), m_modems.end(), name) != m_modems.end();
}

}  // namespace ptp::wizard
