#include "lines/point_to_point_profile_line_digital_property_sheet.h"

#include <array>

#include "config/config_text.h"
#include "host/server_calls.h"
#include "lines/digital_line_values.h"
#include "platform/ui/display_name.h"
#include "platform/ui/message_box.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/line.h"
#include "resources/ids/line_digital.h"

namespace ptp::lines {

CPointToPointProfileLineDigitalPropertySheet::CPointToPointProfileLineDigitalPropertySheet(
    std::string_view caption, ui::CWnd* pParentWnd)
    : CLineObjectSheet(caption, pParentWnd),
      m_GeneralPage(this),
      m_NwiPage(this),
      m_ConnectionPage(this),
      m_LinkPage(this),
      m_LCPPage(this),
      m_CnnlstPage(this),
      m_SecurityPage(this) {
    AddPage(&m_GeneralPage);
    AddPage(&m_NwiPage);
    AddPage(&m_ConnectionPage);
    AddPage(&m_LinkPage);
    AddPage(&m_LCPPage);
}

CPointToPointProfileLineDigitalPropertySheet::~CPointToPointProfileLineDigitalPropertySheet() =
    default;

ui::INT_PTR CPointToPointProfileLineDigitalPropertySheet::DoModal() {
    host::IHost* host = host::GetHost();
    const bool read =
        host && m_NwiPage.LoadServerData() && (!IsSwitched() || m_CnnlstPage.LoadServerData());
    if (!read) {
        EndDialog(ui::IDCANCEL);
        return CPropertySheet::DoModal();
    }
    if (!IsNewMode() && !OpenLineObject(*host)) return CPropertySheet::DoModal();
    if (IsSwitched()) AddPage(&m_CnnlstPage);
    if (IsNewMode()) AddPage(&m_SecurityPage);
    SetTitle(IsNewMode()
                 ? ui::FormatResource(IDS_DLINE_NEW_CAPTION, {GetSystemName()})
                 : ui::FormatResource(IDS_DLINE_PROPERTIES_CAPTION,
                                      {ui::DisplayName(GetExistingLineName()), GetSystemName()}));
    return CPropertySheet::DoModal();
}

bool CPointToPointProfileLineDigitalPropertySheet::LineNameExists(std::string_view name) {
    host::IHost* host = host::GetHost();
    if (!host) return false;
    host::SOFError* error = nullptr;
    auto line = host->Objects().CreateObject(kinds::kLine, host::kClientName,
                                             config::ToUpper(GetSystemName()),
                                             config::ToUpper(name), &error);
    const std::string found =
        line && !error ? line->GetAttributeText(attr::line::kName, &error) : std::string();
    host::ShowAndDestroy(error, GetSafeHwnd());
    return !found.empty();
}

std::string CPointToPointProfileLineDigitalPropertySheet::SwitchedConnection() {
    m_ConnectionPage.EnsureLoaded();
    return m_ConnectionPage.SwitchedConnection();
}

bool CPointToPointProfileLineDigitalPropertySheet::ValidatePages() {
    std::array<CDigitalLinePage*, 7> pages = {&m_GeneralPage, &m_ConnectionPage, &m_LinkPage,
                                              &m_LCPPage,     &m_NwiPage,        &m_CnnlstPage,
                                              &m_SecurityPage};
    for (CDigitalLinePage* page : pages) {
        if (GetPageIndex(page) < 0) continue;
        if (!IsNewMode() && !page->IsCreated()) continue;
        page->EnsureLoaded();
        if (!page->Validate()) return false;
    }
    return true;
}

int CPointToPointProfileLineDigitalPropertySheet::Commit() {
    if (HasFailed() || !ValidatePages()) return 2;
    // An existing leased line changes through its object.
    if (!IsNewMode() && IsLeased()) {
        for (CDigitalLinePage* page : std::array<CDigitalLinePage*, 5>{
                 &m_GeneralPage, &m_NwiPage, &m_ConnectionPage, &m_LinkPage, &m_LCPPage}) {
            if (page->IsCreated()) page->Store();
        }
        return CommitLineObject();
    }
    if (!IsNewMode() && !IsSwitched()) return 0;
    CDigitalLineValues values;
    for (CDigitalLinePage* page : std::array<CDigitalLinePage*, 7>{
             &m_GeneralPage, &m_NwiPage, &m_ConnectionPage, &m_LinkPage, &m_LCPPage, &m_CnnlstPage,
             &m_SecurityPage}) {
        if (GetPageIndex(page) < 0) continue;
        page->EnsureLoaded();
        page->Collect(values);
    }
    if (IsSwitched() && !m_CnnlstPage.CommitLists()) return 2;
    if (!IsNewMode()) {
        values.strLineName = config::ToUpper(GetExistingLineName());
        return RunCommand(BuildChangeSwitchedDigitalLineCommand(values)) ? 0 : 2;
    }
    const std::string command = IsSwitched() ? BuildCreateSwitchedDigitalLineCommand(values)
                                             : BuildCreateLeasedDigitalLineCommand(values);
    if (!RunCommand(command)) return 2;
    MarkLineCreated();
    return 0;
}

}  // namespace ptp::lines
