#include "frame/console_job_views.h"

#include <cstdio>

#include "platform/framework/console_navigation.h"
#include "platform/framework/item_id.h"
#include "platform/ui/message_box.h"
#include "platform/ui/toolkit.h"
#include "resources/ids/views.h"

namespace ptp::frame {
namespace {

constexpr UINT kWarningStyle = 48;

bool OpenView(std::string_view server, const std::string& path, std::string_view filter,
              UINT titleId, HWND parent) {
    fw::IConsoleNavigation* navigation = fw::GetConsoleNavigation();
    if (navigation &&
        SUCCEEDED(navigation->OpenView(server, path, filter, ui::LoadText(titleId), parent)))
        return true;
    ui::AfxMessageBox(IDS_NO_JOB_LIST, kWarningStyle);
    return false;
}

}  // namespace

std::string ServerJobsPath() {
    return fw::ItemIdText("Work Management", "JMF", 1) + fw::kLevelSeparator +
           fw::ItemIdText("Server Jobs", "Server Jobs", 0);
}

std::string UserJobsPath() {
    return fw::ItemIdText("Basic Operations", "BOF", 3) + fw::kLevelSeparator +
           fw::ItemIdText("Jobs", "User Jobs", 0);
}

std::string QualifiedJobName(std::string_view name, std::string_view user,
                             std::string_view number) {
    const std::string n(name), u(user), j(number);
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "%-10s%-10s%-6s", n.c_str(), u.c_str(), j.c_str());
    return buffer;
}

bool OpenServerJobList(std::string_view server, std::string_view jobPrefix, HWND parent) {
    return OpenView(server, ServerJobsPath(), jobPrefix, IDS_SERVER_JOBS_TITLE, parent);
}

bool OpenUserJob(std::string_view server, std::string_view qualifiedJob, HWND parent) {
    return OpenView(server, UserJobsPath(), qualifiedJob, IDS_USER_JOB_TITLE, parent);
}

}  // namespace ptp::frame
