#include "frame/point_to_point_connection_view_details_dialog.h"

#include <array>

#include "config/config_text.h"
#include "frame/connection_link_id.h"
#include "frame/connection_status_text.h"
#include "frame/console_job_views.h"
#include "frame/point_to_point_connection_view_dialog.h"
#include "host/server_calls.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/connection.h"
#include "resources/ids/views.h"

namespace ptp::frame {
namespace {

namespace con = attr::connection;
constexpr std::size_t kAttributeCapacity = 512;

std::string ReadText(host::IServerObject& element, int id, host::SOFError** error) {
    std::array<char, kAttributeCapacity> buffer{};
    element.GetAttribute(id, buffer.data(), buffer.size(), error);
    return *error ? std::string() : std::string(buffer.data());
}

std::string ReadLinkId(host::IServerObject& element, int id, host::SOFError** error) {
    std::array<char, kAttributeCapacity> buffer{};
    element.GetAttribute(id, buffer.data(), buffer.size(), error);
    return *error ? std::string() : LinkIdText(LinkIdFromBuffer(buffer.data(), buffer.size()));
}

}  // namespace

CPointToPointConnectionViewDetailsDialog::CPointToPointConnectionViewDetailsDialog(
    std::string_view systemName, host::IServerList& list, long position, ui::CWnd* pParent)
    : CDialog(IDD_CONNECTION_DETAILS, pParent),
      m_strSystemName(systemName),
      m_list(list),
      m_nPosition(position) {}

std::string CPointToPointConnectionViewDetailsDialog::StateText(host::IServerObject& element,
                                                                int id, host::SOFError** error) {
    const std::string code = ReadText(element, id, error);
    if (*error || config::Trim(code).empty()) return {};
    const auto module = ui::GetResourceModule();
    return module ? StatusText(*module, config::TextToInt(code)) : code;
}

ui::BOOL CPointToPointConnectionViewDetailsDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    host::SOFError* error = nullptr;
    host::IServerObject* element = m_list.ElementAt(m_nPosition, &error);
    if (!element || error) {
        host::ShowAndDestroy(error, GetSafeHwnd());
        EndDialog(ui::IDCANCEL);
        return ui::TRUE;
    }
    const std::string name = ReadText(*element, con::kJobName, &error);
    const std::string user = error ? "" : ReadText(*element, con::kJobUser, &error);
    const std::string number = error ? "" : ReadText(*element, con::kJobNumber, &error);
    if (!error) SetDlgItemText(IDC_DETAILS_JOB, QualifiedJobName(name, user, number));
    struct Field {
        int control;
        int attribute;
    };
    for (const Field field :
         {Field{IDC_DETAILS_PROFILE, con::kProfileName}, Field{IDC_DETAILS_LINE, con::kLineName},
          Field{IDC_DETAILS_BUNDLE_KIND, con::kBundleKind},
          Field{IDC_DETAILS_REMOTE_ADDRESS, con::kRemoteAddress},
          Field{IDC_DETAILS_LOCAL_ADDRESS, con::kLocalAddress}}) {
        if (error) break;
        SetDlgItemText(field.control, ReadText(*element, field.attribute, &error));
    }
    if (!error) {
        const std::string seconds = ReadText(*element, con::kConnectedSeconds, &error);
        SetDlgItemText(
            IDC_DETAILS_CONNECTED,
            ui::FormatResource(IDS_CONNECTED_SECONDS, {std::string(config::Trim(seconds))}));
    }
    if (!error) SetDlgItemText(IDC_DETAILS_LINK_ID, ReadLinkId(*element, con::kLinkId, &error));
    if (!error) SetDlgItemText(IDC_DETAILS_BUNDLE_ID, ReadLinkId(*element, con::kBundleId, &error));
    if (!error) SetDlgItemText(IDC_DETAILS_LCP_STATE, StateText(*element, con::kLcpStatus, &error));
    if (!error)
        SetDlgItemText(IDC_DETAILS_IPCP_STATE, StateText(*element, con::kIpcpStatus, &error));
    host::ShowAndDestroy(error, GetSafeHwnd());
    return ui::TRUE;
}

}  // namespace ptp::frame
