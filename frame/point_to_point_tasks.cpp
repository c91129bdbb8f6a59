#include "frame/point_to_point_tasks.h"

#include <string_view>

#include "frame/frame_messages.h"
#include "frame/group_access_policies_data.h"
#include "frame/point_to_point_ext_app.h"
#include "frame/point_to_point_ext_interfaces.h"
#include "frame/selection_summary.h"
#include "frame/sheet_openers.h"
#include "platform/framework/help_text.h"
#include "platform/ui/message_box.h"
#include "platform/ui/ui_constants.h"
#include "resources/ids/frame.h"
#include "resources/ids/frame_commands.h"
#include "resources/ids/tasks.h"

namespace ptp::frame {
namespace {

constexpr std::string_view kConsoleOwnFolder = "NWF";
constexpr std::string_view kTaskFolders[] = {"NWF", "NPP", "NPF", "NRC", "NMD", "NGP"};

struct TaskEntry {
    UINT id;
    UINT icon;
};

constexpr TaskEntry kTasks[] = {
    {TASK_NEW_MODEM, IDB_NEW_MODEM},
    {TASK_NEW_ORIGINATOR_PROFILE, IDB_NEW_ORIGINATOR_PROFILE},
    {TASK_NEW_RECEIVER_PROFILE, IDB_NEW_RECEIVER_PROFILE},
    {TASK_NEW_GROUP_POLICY, IDB_NEW_GROUP_POLICY},
    {TASK_DIALER_WIZARD, IDB_NEW_ORIGINATOR_PROFILE},
    {TASK_CONSOLE_OWN, IDB_CONNECTIONS},
};

bool OffersTasks(std::string_view type) {
    for (std::string_view folder : kTaskFolders) {
        if (folder == type) return true;
    }
    return false;
}

void ReportFailedStart(DialogResult result) {
    if (result == -1 || result == -2) ShowFrameMessage(IDS_CANNOT_OPEN, ui::MB_ICONWARNING);
}

}  // namespace

HRESULT CPointToPointTasks::GetTasks(UINT requestFlags, std::vector<fw::R8Task>& tasks) {
    tasks.clear();
    CPointToPointSelectedObject first;
    if (!CPointToPointSelection::ReadItem(m_extension.Selection(), 0, first)) return S_OK;
    if (!(requestFlags & fw::R8TASK_REQUEST_CREATE) || !OffersTasks(first.m_strTypeCode)) {
        return S_OK;
    }
    for (const auto& entry : kTasks) {
        if (entry.id == TASK_CONSOLE_OWN && first.m_strTypeCode != kConsoleOwnFolder) continue;
        tasks.push_back(
            {entry.id, FrameText(entry.id), fw::GetHelpText(entry.id).value_or(""), entry.icon});
    }
    return S_OK;
}

HRESULT CPointToPointTasks::RunTask(UINT taskId, HWND parent) {
    CPointToPointSelectedObject item;
    if (!CPointToPointSelection::ReadItem(m_extension.Selection(), 0, item)) return S_OK;
    const bool authority = ReadConfigurationAuthority(item.m_strServerName);
    if (taskId < TASK_NEW_MODEM || taskId > TASK_NEW_GROUP_POLICY) return S_OK;
    if (!authority) {
        ShowFrameMessage(IDS_NO_CONFIGURATION_AUTHORITY, ui::MB_ICONWARNING);
        return S_OK;
    }
    switch (taskId) {
        case TASK_NEW_MODEM:
            (void)OpenModemSheet(item.m_strServerName, "", nullptr, authority, parent);
            break;
        case TASK_NEW_ORIGINATOR_PROFILE:
            (void)CreateProfile(item, 0, parent);
            break;
        case TASK_NEW_RECEIVER_PROFILE:
            (void)CreateProfile(item, 1, parent);
            break;
        case TASK_DIALER_WIZARD:
            ReportFailedStart(RunDialerWizard(item.m_strServerName, parent));
            break;
        case TASK_NEW_GROUP_POLICY:
            ReportFailedStart(OpenGroupPolicySheet(item.m_strServerName, "", authority, parent));
            break;
        default:
            break;
    }
    return S_OK;
}

}  // namespace ptp::frame
