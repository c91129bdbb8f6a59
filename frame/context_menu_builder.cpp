#include "frame/context_menu_builder.h"

#include "config/config_text.h"
#include "frame/frame_messages.h"
#include "frame/logging_option.h"
#include "frame/point_to_point_ext_app.h"
#include "frame/point_to_point_ext_interfaces.h"
#include "frame/type_codes.h"
#include "frame/verb_table.h"
#include "resources/ids/frame_commands.h"

namespace ptp::frame {
namespace {

constexpr UINT kEnabledEntry = fw::MF_BYPOSITION | fw::MF_STRING;                     // 0x400
constexpr UINT kGreyedEntry = fw::MF_BYPOSITION | fw::MF_GRAYED;                      // 0x401
constexpr UINT kSeparatorEntry = fw::MF_BYPOSITION | fw::MF_SEPARATOR;                // 0xC00
constexpr UINT kPopupEntry = fw::MF_BYPOSITION | fw::MF_POPUP;                        // 0x410
constexpr UINT kGreyedPopupEntry = fw::MF_BYPOSITION | fw::MF_POPUP | fw::MF_GRAYED;  // 0x411
constexpr UINT kNewObjectMenu = 0x10000;
constexpr UINT kObjectMenu = 0x40000;

// The logging entry that shows the current option.
UINT CheckedLoggingCommand() {
    const std::string option = LoggingOption();
    if (config::EqualsNoCase(option, " OUTPUT(*PRINT)")) return ID_LOGMESSAGES;
    if (option.empty() || config::EqualsNoCase(option, " OUTPUT(*ERROR)")) return ID_LOGERRORS;
    return ID_LOGNONE;
}

}  // namespace

HRESULT CPointToPointContextMenuBuilder::Build(fw::HMENU menu, UINT indexMenu, UINT idCmdFirst,
                                               UINT idCmdLast, UINT flags) {
    if (flags & fw::CMF_VERBSONLY) return E_FAIL;
    m_extension.ClearMenuCommands();
    m_summary = CPointToPointSelectionSummary::Collect(m_extension);
    m_menu = menu;
    m_nPosition = indexMenu;
    m_nNextId = idCmdFirst;
    m_nLastId = idCmdLast;
    const std::string type = m_extension.CurrentItem().m_strTypeCode;
    if (!m_extension.FolderPath().empty()) {
        // Menus of folders in the console's tree are the console's.
    } else if (flags & fw::CMF_DEFAULTONLY) {
        AddDefaultOnly(type);
    } else if (flags & kNewObjectMenu) {
        AddNewObjectMenu(type);
    } else if (flags & kObjectMenu) {
        AddObjectMenu(type);
    }
    return MAKE_HRESULT(SEVERITY_SUCCESS, FACILITY_NULL, m_nNextId - idCmdFirst);
}

void CPointToPointContextMenuBuilder::AddCommand(UINT id, bool enabled, bool makeDefault) {
    if (m_nNextId > m_nLastId) return;
    if (!m_extension.AppendMenuCommand(enabled ? id : id | kMenuCommandGreyed)) return;
    const UINT commandId = m_nNextId++;
    fw::InsertMenu(m_menu, m_nPosition++, enabled ? kEnabledEntry : kGreyedEntry, commandId,
                   FrameText(id));
    if (makeDefault) fw::SetMenuDefaultItem(m_menu, commandId, FALSE);
}

void CPointToPointContextMenuBuilder::AddSeparator() {
    if (m_nNextId > m_nLastId) return;
    if (!m_extension.AppendMenuCommand(kMenuSeparator)) return;
    ++m_nNextId;
    fw::InsertMenu(m_menu, m_nPosition++, kSeparatorEntry, 0, "");
}

// The three logging levels sit in a popup of their own; the popup takes no command id and no
// slot, its entries do.
void CPointToPointContextMenuBuilder::AddLoggingPopup(bool enabled) {
    fw::HMENU popup = fw::CreatePopupMenu();
    const UINT first = m_nNextId;
    UINT position = 0;
    for (UINT id : {ID_LOGMESSAGES, ID_LOGERRORS, ID_LOGNONE}) {
        if (m_nNextId > m_nLastId) break;
        if (!m_extension.AppendMenuCommand(enabled ? id : id | kMenuCommandGreyed)) break;
        fw::InsertMenu(popup, position++, enabled ? kEnabledEntry : kGreyedEntry, m_nNextId++,
                       FrameText(id));
    }
    const UINT checked = first + (CheckedLoggingCommand() - ID_LOGMESSAGES);
    if (m_nNextId > first) fw::CheckMenuRadioItem(popup, first, m_nNextId - 1, checked, 0);
    if (!fw::InsertMenu(m_menu, m_nPosition, enabled ? kPopupEntry : kGreyedPopupEntry,
                        reinterpret_cast<std::uintptr_t>(popup), FrameText(IDS_LOGGING_MENU))) {
        fw::DestroyMenu(popup);
        return;
    }
    ++m_nPosition;
}

void CPointToPointContextMenuBuilder::AddDefaultOnly(const std::string& type) {
    if (type == kTypeModem || type == kTypePolicy) {
        AddCommand(ID_PROPERTIES, true, true);
        return;
    }
    if (!IsProfile(type)) return;
    if (m_summary.migrationCandidates == 0) {
        AddCommand(ID_PROPERTIES, true, true);
    } else if (m_extension.CurrentItem().m_bV5R1) {
        AddCommand(ID_MIGRATE, true, true);
    }
}

void CPointToPointContextMenuBuilder::AddNewObjectMenu(const std::string& type) {
    const bool authority = m_summary.authority;
    if (type == kTypeContainerFolder) {
        if (m_extension.CurrentItem().m_bV5R1) {
            AddCommand(ID_SERVICES, !m_summary.walkFailed && authority);
        }
    } else if (type == kTypeModemsFolder) {
        AddCommand(ID_NEWMODEM, authority);
    } else if (type == kTypeOriginatorFolder) {
        AddCommand(ID_NEWPROFILE, authority);
        AddSeparator();
        AddCommand(ID_NEWWDNPROFILE, authority);
    } else if (type == kTypeReceiverFolder) {
        AddCommand(ID_NEWPROFILE, authority);
    } else if (type == kTypePoliciesFolder) {
        AddCommand(ID_NEWGROUPPOLICY, authority);
    }
}

void CPointToPointContextMenuBuilder::AddObjectMenu(const std::string& type) {
    const bool usable = !m_summary.walkFailed && m_summary.authority;
    if (type == kTypeModem) {
        AddCommand(ID_NEWBASEDON, usable);
        AddSeparator();
        AddCommand(ID_DELETE, usable && m_summary.systemModems == 0 && m_summary.otherModems > 0);
        AddSeparator();
        AddCommand(ID_PROPERTIES, true, true);
    } else if (IsProfile(type)) {
        AddProfileMenu();
    } else if (type == kTypePolicy) {
        AddCommand(ID_DELETE, usable);
        AddSeparator();
        AddCommand(ID_PROPERTIES, true, true);
    }
}

void CPointToPointContextMenuBuilder::AddProfileMenu() {
    const CPointToPointSelectionSummary& s = m_summary;
    const bool consistent = !s.walkFailed && s.migrationCandidates == 0;
    const bool allStopped = consistent && s.stoppedProfiles > 0 && s.runningProfiles == 0;
    const bool allRunning = consistent && s.stoppedProfiles == 0 && s.runningProfiles > 0;
    AddCommand(ID_START, allStopped);
    AddLoggingPopup(allStopped);
    AddCommand(ID_STOP, allRunning);
    AddSeparator();
    AddCommand(ID_JOBS, s.jobs > 0);
    AddCommand(ID_CONNECTIONS, s.connections);
    AddSeparator();
    AddCommand(ID_DELETE, !s.walkFailed && s.stoppedProfiles > 0 && s.authority);
    AddSeparator();
    if (consistent) {
        AddCommand(ID_PROPERTIES, true, true);
    } else if (s.migrationCandidates > 0) {
        AddCommand(ID_MIGRATE, true, true);
    } else {
        AddCommand(ID_PROPERTIES, false);
    }
}

}  // namespace ptp::frame
