#include "nwi/point_to_point_isdn_nwi_entries_page.h"

#include <sstream>

#include "config/config_text.h"
#include "nwi/point_to_point_isdn_nwi_add_channel_entries_dialog.h"
#include "nwi/point_to_point_isdn_nwi_add_protocol_entries_dialog.h"
#include "nwi/point_to_point_isdn_nwi_property_sheet.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/network_interface.h"
#include "resources/ids/nwi.h"

namespace ptp::nwi {
namespace {

namespace nw = attr::network_interface;

constexpr std::size_t kMostProtocols = 3;
constexpr int kColumnWidth = 60;

// The elements of each parenthesised entry of a list as the commands write it.
std::vector<std::vector<std::string>> Elements(const std::string& list) {
    std::vector<std::vector<std::string>> entries;
    std::size_t open = list.find('(');
    while (open != std::string::npos) {
        const std::size_t close = list.find(')', open);
        if (close == std::string::npos) break;
        std::istringstream words(list.substr(open + 1, close - open - 1));
        std::vector<std::string> elements;
        for (std::string word; words >> word;)
            elements.push_back(word);
        entries.push_back(elements);
        open = list.find('(', close);
    }
    return entries;
}

void AddColumns(ui::CListCtrl& list, std::initializer_list<UINT> headings) {
    int column = 0;
    for (const UINT heading : headings)
        list.InsertColumn(column++, ui::LoadText(heading), ui::LVCFMT_LEFT, kColumnWidth);
}

}  // namespace

CPointToPointIsdnNwiEntriesPage::CPointToPointIsdnNwiEntriesPage(
    CPointToPointIsdnNwiPropertySheet* pSheet)
    : CNwiPage(IDD_NWI_ENTRIES, pSheet) {
    OnClicked(IDC_NWI_CHANNEL_ADD, [this] { OnAddChannel(); });
    OnClicked(IDC_NWI_CHANNEL_REMOVE, [this] { OnRemoveChannel(); });
    OnClicked(IDC_NWI_PROTOCOL_ADD, [this] { OnAddProtocol(); });
    OnClicked(IDC_NWI_PROTOCOL_REMOVE, [this] { OnRemoveProtocol(); });
    OnChanged(IDC_NWI_CHANNELS, [this] { UpdateControls(); });
    OnChanged(IDC_NWI_PROTOCOLS, [this] { UpdateControls(); });
}

void CPointToPointIsdnNwiEntriesPage::Load() {
    if (m_pSheet->IsNewMode()) return;
    const std::string channels = m_pSheet->GetText(nw::kChannelEntries);
    m_bAllChannels = config::EqualsNoCase(config::Trim(channels), "*SWTALL");
    for (const auto& elements : Elements(channels)) {
        if (elements.size() < 2) continue;
        m_channels.push_back({elements[0], elements[1], elements.size() > 2 ? elements[2] : ""});
    }
    const std::string protocols = m_pSheet->GetText(nw::kProtocolEntries);
    m_bAllProtocols = config::EqualsNoCase(config::Trim(protocols), "*PPPMAX");
    for (const auto& elements : Elements(protocols)) {
        if (elements.size() == 3) m_protocols.push_back({elements[0], elements[1], elements[2]});
    }
}

ui::BOOL CPointToPointIsdnNwiEntriesPage::OnInitDialog() {
    AddColumns(ListCtrl(IDC_NWI_CHANNELS),
               {IDS_NWI_COLUMN_CHANNEL, IDS_NWI_COLUMN_CONNECTION, IDS_NWI_COLUMN_THIRD});
    AddColumns(ListCtrl(IDC_NWI_PROTOCOLS),
               {IDS_NWI_COLUMN_PROTOCOL, IDS_NWI_COLUMN_LOAD, IDS_NWI_COLUMN_MAXIMUM});
    CNwiPage::OnInitDialog();
    Show();
    return ui::TRUE;
}

void CPointToPointIsdnNwiEntriesPage::Show() {
    ui::CListCtrl& channels = ListCtrl(IDC_NWI_CHANNELS);
    channels.DeleteAllItems();
    if (m_bAllChannels) channels.InsertItem(0, ui::LoadText(IDS_NWI_ALL_CHANNELS));
    for (const CChannelEntry& entry : m_channels) {
        const int row = channels.InsertItem(channels.GetItemCount(), entry.strChannel);
        channels.SetItemText(row, 1, entry.strConnection);
        channels.SetItemText(row, 2, entry.strThird);
    }
    ui::CListCtrl& protocols = ListCtrl(IDC_NWI_PROTOCOLS);
    protocols.DeleteAllItems();
    if (m_bAllProtocols) protocols.InsertItem(0, ui::LoadText(IDS_NWI_ALL_PROTOCOLS));
    for (const CProtocolEntry& entry : m_protocols) {
        const int row = protocols.InsertItem(protocols.GetItemCount(), entry.strProtocol);
        protocols.SetItemText(row, 1, entry.strLoad);
        protocols.SetItemText(row, 2, entry.strMaximum);
    }
    UpdateControls();
}

void CPointToPointIsdnNwiEntriesPage::UpdateControls() {
    const bool changes = m_pSheet->ChangesAllowed();
    const bool moreProtocols = !m_bAllProtocols && m_protocols.size() < kMostProtocols;
    auto enable = [this](int id, bool on) {
        GetDlgItem(id)->EnableWindow(on ? ui::TRUE : ui::FALSE);
    };
    enable(IDC_NWI_CHANNEL_ADD, changes && !m_bAllChannels);
    enable(IDC_NWI_CHANNEL_REMOVE, changes && ListCtrl(IDC_NWI_CHANNELS).GetSelectionMark() >= 0);
    enable(IDC_NWI_PROTOCOL_ADD, changes && moreProtocols);
    enable(IDC_NWI_PROTOCOL_REMOVE, changes && ListCtrl(IDC_NWI_PROTOCOLS).GetSelectionMark() >= 0);
}

// Every switched channel stands for the whole list.
void CPointToPointIsdnNwiEntriesPage::OnAddChannel() {
    CPointToPointIsdnNwiAddChannelEntriesDialog dialog(GetSheet(), m_pSheet->IsNewMode());
    if (dialog.DoModal() != ui::IDOK) return;
    if (dialog.AllChannels()) {
        m_bAllChannels = true;
        m_channels.clear();
    } else {
        m_channels.push_back(dialog.Entry());
    }
    Show();
}

void CPointToPointIsdnNwiEntriesPage::OnRemoveChannel() {
    const int row = ListCtrl(IDC_NWI_CHANNELS).GetSelectionMark();
    if (row < 0) return;
    if (m_bAllChannels) {
        m_bAllChannels = false;
    } else if (row < static_cast<int>(m_channels.size())) {
        m_channels.erase(m_channels.begin() + row);
    }
    Show();
}

void CPointToPointIsdnNwiEntriesPage::OnAddProtocol() {
    CPointToPointIsdnNwiAddProtocolEntriesDialog dialog(GetSheet());
    if (dialog.DoModal() != ui::IDOK) return;
    if (dialog.AllProtocols()) {
        m_bAllProtocols = true;
        m_protocols.clear();
    } else {
        m_protocols.push_back(dialog.Entry());
    }
    Show();
}

void CPointToPointIsdnNwiEntriesPage::OnRemoveProtocol() {
    const int row = ListCtrl(IDC_NWI_PROTOCOLS).GetSelectionMark();
    if (row < 0) return;
    if (m_bAllProtocols) {
        m_bAllProtocols = false;
    } else if (row < static_cast<int>(m_protocols.size())) {
        m_protocols.erase(m_protocols.begin() + row);
    }
    Show();
}

bool CPointToPointIsdnNwiEntriesPage::Validate() {
    if (!m_bAllChannels && m_channels.empty()) {
        ShowProblem(IDS_NWI_CHANNELS_REQUIRED, IDC_NWI_CHANNEL_ADD);
        return false;
    }
    if (m_bAllProtocols || !m_protocols.empty()) return true;
    ShowProblem(IDS_NWI_PROTOCOLS_REQUIRED, IDC_NWI_PROTOCOL_ADD);
    return false;
}

void CPointToPointIsdnNwiEntriesPage::Collect(CNwiCommandValues& values) {
    values.bAllChannels = m_bAllChannels;
    values.channels = m_channels;
    values.bAllProtocols = m_bAllProtocols;
    values.protocols = m_protocols;
}

}  // namespace ptp::nwi
