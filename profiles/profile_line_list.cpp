#include "profiles/profile_line_list.h"

#include <algorithm>
#include <functional>
#include <memory>

#include "config/config_text.h"
#include "host/server_calls.h"
#include "platform/ui/message_box.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/line.h"
#include "platform/vocabulary/profile.h"
#include "profiles/point_to_point_profile_page.h"
#include "resources/ids/profiles.h"

namespace ptp::profiles {
namespace {

namespace line = attr::line;
namespace assoc = attr::line_association;

constexpr std::string_view kDigitalResource = "*NWID";

// Reads every element of one list through `take`; false after the error was shown.
bool ReadList(std::string_view kind, std::string_view system, std::string_view filter, HWND parent,
              const std::function<void(host::IServerObject&, host::SOFError**)>& take) {
    host::IHost* host = host::GetHost();
    if (!host) return false;
    host::SOFError* error = nullptr;
    std::unique_ptr<host::IServerList> list =
        host->Objects().CreateList(kind, host::kClientName, system, filter, &error);
    if (!list && !host::IsPendingError(error)) {
        ui::AfxMessageBox(IDS_PROFILE_OUT_OF_MEMORY, kProfileMessageStyle);
        return false;
    }
    if (list && !host::IsPendingError(error) && host::LoadList(*list, &error)) {
        const long count = list->GetCount(&error);
        for (long index = 0; !error && index < count; ++index) {
            host::IServerObject* element = list->ElementAt(index, &error);
            if (element && !error) take(*element, &error);
        }
    }
    if (list) {
        host::SOFError* closing = nullptr;
        list->Close(&closing);
        if (closing) closing->Destroy();
    }
    if (!host::IsPendingError(error)) return true;
    host::ShowAndDestroy(error, parent);
    return false;
}

}  // namespace

LineChoice LineChoiceOf(int lineKind) {
    switch (lineKind) {
        case code::line_kind::kPool:
        case code::line_kind::kPoolForPPPAnswer:
            return LineChoice::Pool;
        case code::line_kind::kISDNLine:
        case code::line_kind::kISDNLineOwnLabel:
            return LineChoice::ISDN;
        default:
            return LineChoice::OneLine;
    }
}

std::string_view WantedConnectionType(int lineService) {
    return lineService == code::line_service::kNonswitched ? "*NONSWTPP" : "*SWTPP";
}

bool CProfileLineList::Read(std::string_view systemName, HWND parent) {
    m_lines.clear();
    m_members.clear();
    const bool linesRead = ReadList(
        kinds::kPPPLineList, systemName, code::line_type::kPPP, parent,
        [this](host::IServerObject& element, host::SOFError** error) {
            Line entry;
            entry.name = element.GetAttributeText(line::kName, error);
            if (!*error)
                entry.connectionType = element.GetAttributeText(line::kConnectionType, error);
            if (!*error) entry.resource = element.GetAttributeText(line::kResource, error);
            if (!*error) m_lines.push_back(std::move(entry));
        });
    if (!linesRead) return false;
    return ReadList(kinds::kLinePoolMemberList, systemName, "", parent,
                    [this](host::IServerObject& element, host::SOFError** error) {
                        Member entry;
                        entry.line = element.GetAttributeText(assoc::kLineName, error);
                        if (!*error) entry.pool = element.GetAttributeText(assoc::kPoolName, error);
                        if (!*error && !entry.pool.empty()) m_members.push_back(std::move(entry));
                    });
}

const CProfileLineList::Line* CProfileLineList::FindLine(std::string_view name) const {
    const auto it = std::find_if(m_lines.begin(), m_lines.end(), [&](const Line& entry) {
        return config::EqualsNoCase(entry.name, name);
    });
    return it == m_lines.end() ? nullptr : &*it;
}

std::vector<std::string> CProfileLineList::Names(LineChoice choice,
                                                 std::string_view connectionType) const {
    std::vector<std::string> names;
    if (choice == LineChoice::Pool) {
        for (const Member& member : m_members) {
            const Line* memberLine = FindLine(member.line);
            if (!memberLine || !config::EqualsNoCase(memberLine->connectionType, connectionType))
                continue;
            const bool listed = std::any_of(names.begin(), names.end(), [&](const auto& name) {
                return config::EqualsNoCase(name, member.pool);
            });
            if (!listed) names.push_back(member.pool);
        }
        return names;
    }
    const bool digital = choice == LineChoice::ISDN;
    for (const Line& entry : m_lines) {
        if (!config::EqualsNoCase(entry.connectionType, connectionType)) continue;
        if (config::EqualsNoCase(entry.resource, kDigitalResource) != digital) continue;
        names.push_back(entry.name);
    }
    return names;
}

int CProfileLineList::PoolLineCount(std::string_view pool, std::string_view connectionType) const {
    int count = 0;
    for (const Member& member : m_members) {
        if (!config::EqualsNoCase(member.pool, pool)) continue;
        const Line* memberLine = FindLine(member.line);
        if (memberLine && config::EqualsNoCase(memberLine->connectionType, connectionType)) ++count;
    }
    return count;
}

}  // namespace ptp::profiles
