#include "lines/point_to_point_profile_line_cnnlst_page.h"

#include "config/config_paths.h"
#include "config/config_text.h"
#include "config/line_cnnlst_config.h"
#include "host/server_calls.h"
#include "lines/line_value_text.h"
#include "lines/point_to_point_profile_line_digital_property_sheet.h"
#include "lines/virtual_line_files.h"
#include "platform/ui/ddx.h"
#include "platform/ui/message_box.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/connection_list.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/line.h"
#include "resources/ids/line_digital.h"

namespace ptp::lines {
namespace {

namespace ln = attr::line;
namespace cn = attr::connection_list;
namespace ce = attr::connection_list_entry;
namespace swt = code::line_switched_connection;

struct CallKind {
    std::string_view incomingEntry;
    std::string_view outgoingEntry;
    std::string_view transferType;
};

// In the order of the page's boxes and of the outgoing type's choices.
constexpr std::array<CallKind, 5> kKinds = {{
    {"ANYIN", "ANYOUT", "*UNRESTRICTED"},
    {"V110IN", "V110OUT", "*V110"},
    {"DOVIN", "DOVOUT", "*DOV"},
    {"ASYNCIN", "ASYNCOUT", "*ASYNCMODEM"},
    {"SYNCIN", "SYNCOUT", "*SYNCMODEM"},
}};
constexpr std::array<int, 5> kIncomingBoxes = {IDC_CNNL_ANYIN, IDC_CNNL_V110IN, IDC_CNNL_DOVIN,
                                               IDC_CNNL_ASYNCIN, IDC_CNNL_SYNCIN};
constexpr std::array<UINT, 5> kTypeTexts = {IDS_DLINE_TYPE_UNRESTRICTED, IDS_DLINE_TYPE_V110,
                                            IDS_DLINE_TYPE_DOV, IDS_DLINE_TYPE_ASYNC,
                                            IDS_DLINE_TYPE_SYNC};
constexpr std::size_t kAsyncModem = 3;
constexpr std::size_t kSyncModem = 4;
constexpr std::size_t kMaxListName = 10;
constexpr std::string_view kEntryMissing = "CPF2681";
constexpr std::string_view kEntryExists = "CPD8E69";

bool UsesLocalNumber(std::string_view networkType) {
    return networkType == "*ETSI" || networkType == "*JAPAN" || networkType == "*DBP1TR6";
}

}  // namespace

CPointToPointProfileLineCnnlstPage::CPointToPointProfileLineCnnlstPage(
    CPointToPointProfileLineDigitalPropertySheet* pSheet)
    : CDigitalLinePage(IDD_DLINE_CNNLST, pSheet) {
    m_wanted[0] = 1;
}

bool CPointToPointProfileLineCnnlstPage::LoadServerData() {
    host::IHost* host = host::GetHost();
    if (!host) return false;
    host::SOFError* error = nullptr;
    const std::string system = config::ToUpper(m_pSheet->GetSystemName());
    auto lists =
        host->Objects().CreateList(kinds::kConnectionList, host::kClientName, system, "", &error);
    if (lists && !error && host::LoadList(*lists, &error)) {
        const long count = lists->GetCount(&error);
        for (long index = 0; !error && index < count; ++index) {
            host::IServerObject* list = lists->ElementAt(index, &error);
            if (error || !list) break;
            const std::string name = list->GetAttributeText(cn::kName, &error);
            m_lists[config::ToUpper(name)].strNetworkType =
                config::ToUpper(list->GetAttributeText(cn::kNetworkType, &error));
        }
    }
    auto entries = error ? nullptr
                         : host->Objects().CreateList(kinds::kConnectionListEntry,
                                                      host::kClientName, system, "", &error);
    if (entries && !error && host::LoadList(*entries, &error)) {
        const long count = entries->GetCount(&error);
        for (long index = 0; !error && index < count; ++index) {
            host::IServerObject* entry = entries->ElementAt(index, &error);
            if (error || !entry) break;
            const std::string list = config::ToUpper(entry->GetAttributeText(ce::kList, &error));
            const std::string name = config::ToUpper(entry->GetAttributeText(ce::kEntry, &error));
            if (!error) m_lists[list].entries.insert(name);
        }
    }
    if (!error && lists && entries) return true;
    host::ShowAndDestroy(error, m_pSheet->GetSafeHwnd());
    return false;
}

void CPointToPointProfileLineCnnlstPage::Load() {
    if (m_pSheet->IsNewMode()) return;
    m_strIncoming = m_pSheet->GetLineText(ln::kIncomingConnectionList);
    m_strOutgoing = m_pSheet->GetLineText(ln::kOutgoingConnectionList);
    m_strOpenedOutgoingEntry =
        config::ToUpper(m_pSheet->GetLineText(ln::kOutgoingConnectionListEntry));
    const auto incoming = m_lists.find(config::ToUpper(m_strIncoming));
    for (std::size_t kind = 0; kind < kKinds.size(); ++kind) {
        m_wanted[kind] = incoming != m_lists.end() &&
                         incoming->second.entries.count(std::string(kKinds[kind].incomingEntry));
        if (m_strOpenedOutgoingEntry == kKinds[kind].outgoingEntry)
            m_nOutgoingType = static_cast<int>(kind);
    }
}

ui::BOOL CPointToPointProfileLineCnnlstPage::OnInitDialog() {
    EnsureLoaded();
    for (int id : {IDC_CNNL_IN, IDC_CNNL_OUT}) {
        ui::CComboBox& box = ComboBox(id);
        box.AddString(ui::LoadText(IDS_DLINE_NONE_ENTRY));
        for (const auto& [name, list] : m_lists)
            box.AddString(name);
    }
    ui::CComboBox& types = ComboBox(IDC_CNNL_OUT_TYPE);
    for (const UINT text : kTypeTexts)
        types.AddString(ui::LoadText(text));
    CDigitalLinePage::OnInitDialog();
    return ui::TRUE;
}

void CPointToPointProfileLineCnnlstPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_CBString(pDX, IDC_CNNL_IN, m_strIncoming);
    for (std::size_t kind = 0; kind < kIncomingBoxes.size(); ++kind)
        ui::DDX_Check(pDX, kIncomingBoxes[kind], m_wanted[kind]);
    ui::DDX_CBString(pDX, IDC_CNNL_OUT, m_strOutgoing);
    ui::DDX_CBIndex(pDX, IDC_CNNL_OUT_TYPE, m_nOutgoingType);
}

bool CPointToPointProfileLineCnnlstPage::Answers() {
    return m_pSheet->SwitchedConnection() != swt::kDial;
}

bool CPointToPointProfileLineCnnlstPage::Dials() {
    return m_pSheet->SwitchedConnection() != swt::kAnswer;
}

// The none entry and an empty box name no list.
std::string CPointToPointProfileLineCnnlstPage::ListName(const std::string& shown) const {
    const std::string name(config::Trim(shown));
    if (name == ui::LoadText(IDS_DLINE_NONE_ENTRY)) return {};
    return config::ToUpper(name);
}

bool CPointToPointProfileLineCnnlstPage::Validate() {
    if (IsCreated() && !UpdateData(ui::TRUE)) return false;
    const std::string incoming = ListName(m_strIncoming);
    const std::string outgoing = ListName(m_strOutgoing);
    for (const auto& [name, control] :
         {std::pair{incoming, IDC_CNNL_IN}, {outgoing, IDC_CNNL_OUT}}) {
        if (name.size() <= kMaxListName && !HasBlank(name)) continue;
        ShowProblem(IDS_DLINE_LIST_NAME_INVALID, control);
        return false;
    }
    if (Answers() && incoming.empty()) {
        ShowProblem(IDS_DLINE_INCOMING_LIST_REQUIRED, IDC_CNNL_IN);
        return false;
    }
    bool anyKind = false;
    for (const int wanted : m_wanted)
        anyKind = anyKind || wanted == 1;
    if (!incoming.empty() && !anyKind) {
        ShowProblem(IDS_DLINE_INCOMING_KIND_REQUIRED, IDC_CNNL_ANYIN);
        return false;
    }
    if (!Dials() || !outgoing.empty()) return true;
    ShowProblem(IDS_DLINE_OUTGOING_LIST_REQUIRED, IDC_CNNL_OUT);
    return false;
}

std::string CPointToPointProfileLineCnnlstPage::OutgoingType() const {
    const bool known = m_nOutgoingType >= 0 && m_nOutgoingType < static_cast<int>(kKinds.size());
    return std::string(kKinds[known ? static_cast<std::size_t>(m_nOutgoingType) : 0].transferType);
}

std::string CPointToPointProfileLineCnnlstPage::OutgoingEntry() const {
    const bool known = m_nOutgoingType >= 0 && m_nOutgoingType < static_cast<int>(kKinds.size());
    return std::string(kKinds[known ? static_cast<std::size_t>(m_nOutgoingType) : 0].outgoingEntry);
}

void CPointToPointProfileLineCnnlstPage::Collect(CDigitalLineValues& values) {
    values.strIncomingList = ListName(m_strIncoming);
    values.strOutgoingList = ListName(m_strOutgoing);
    values.strOutgoingEntry = OutgoingEntry();
    const bool modemIn = Answers() && (m_wanted[kAsyncModem] == 1 || m_wanted[kSyncModem] == 1);
    const bool modemOut = Dials() && (static_cast<std::size_t>(m_nOutgoingType) == kAsyncModem ||
                                      static_cast<std::size_t>(m_nOutgoingType) == kSyncModem);
    values.bModemCalls = modemIn || modemOut;
}

std::string CPointToPointProfileLineCnnlstPage::LocalNumberFragment() {
    const CLocalNumberValues& local = m_pSheet->GetLocalNumberValues();
    if (!UsesLocalNumber(m_pSheet->NetworkType()) || local.strNumber.empty()) return {};
    return " LCLNBR(" + local.strNumber + ") LCLNBRTYPE(" + local.strType + ") LCLNBRPLAN(" +
           local.strPlan + ") LCLNBRPSN(" + local.strPresentation + ")";
}

// A list whose network type no longer fits is dropped with its entries and made again.
bool CPointToPointProfileLineCnnlstPage::EnsureList(const std::string& list) {
    const std::string networkType = m_pSheet->NetworkType();
    auto known = m_lists.find(list);
    if (known != m_lists.end() && known->second.strNetworkType == networkType) return true;
    if (known != m_lists.end()) {
        if (!m_pSheet->RunCommand("QSYS/DLTCNNL CNNL(" + list + ")")) return false;
        m_lists.erase(known);
    }
    const CLocalNumberValues& local = m_pSheet->GetLocalNumberValues();
    const bool ownCharacters =
        (networkType == "*ETSI" || networkType == "*JAPAN") && !local.strRemoveCharacters.empty();
    const std::string remove = ownCharacters ? local.strRemoveCharacters : "*NETTYPE";
    if (!m_pSheet->RunCommand("QSYS/CRTCNNL CNNL(" + list + ") NETTYPE(" + networkType +
                              ") RMVCHR(" + remove + ")"))
        return false;
    m_lists[list].strNetworkType = networkType;
    Record(list, false);
    return true;
}

bool CPointToPointProfileLineCnnlstPage::CommitIncoming(const std::string& list) {
    std::set<std::string>& exists = m_lists[list].entries;
    for (std::size_t kind = 0; kind < kKinds.size(); ++kind) {
        const std::string entry(kKinds[kind].incomingEntry);
        if (m_wanted[kind] == 1 || !exists.count(entry)) continue;
        if (!m_pSheet->RunCommand("QSYS/RMVCNNLE CNNL(" + list + ") ENTRY(" + entry + ")",
                                  kEntryMissing))
            return false;
        exists.erase(entry);
    }
    for (std::size_t kind = 0; kind < kKinds.size(); ++kind) {
        const std::string entry(kKinds[kind].incomingEntry);
        if (m_wanted[kind] == 0 || exists.count(entry)) continue;
        if (!m_pSheet->RunCommand(
                "QSYS/ADDCNNLE CNNL(" + list + ") ENTRY(" + entry + ") RMTNBR(*ANY) INFTRFTYPE(" +
                    std::string(kKinds[kind].transferType) + ")" + LocalNumberFragment(),
                kEntryExists))
            return false;
        exists.insert(entry);
    }
    Record(list, true);
    return true;
}

bool CPointToPointProfileLineCnnlstPage::CommitOutgoing(const std::string& list) {
    std::set<std::string>& exists = m_lists[list].entries;
    const std::string entry = OutgoingEntry();
    const std::string& old = m_strOpenedOutgoingEntry;
    if (!old.empty() && old != entry && exists.count(old)) {
        if (!m_pSheet->RunCommand("QSYS/RMVCNNLE CNNL(" + list + ") ENTRY(" + old + ")",
                                  kEntryMissing))
            return false;
        exists.erase(old);
    }
    if (!exists.count(entry)) {
        if (!m_pSheet->RunCommand("QSYS/ADDCNNLE CNNL(" + list + ") ENTRY(" + entry +
                                      ") RMTNBR(*NONE) INFTRFTYPE(" + OutgoingType() + ")" +
                                      LocalNumberFragment(),
                                  kEntryExists))
            return false;
        exists.insert(entry);
    }
    m_strOpenedOutgoingEntry = entry;
    Record(list, false);
    return true;
}

// What the server now holds, into the list's record of the connection-list file.
void CPointToPointProfileLineCnnlstPage::Record(const std::string& list, bool incoming) {
    config::CPointToPointProfileLineCnnlstConfigFile file(
        config::ToUpper(m_pSheet->GetSystemName()), config::kLineCnnlstConfigPath, 0);
    if (LoadLineFile(file) == LineFileRead::Unreadable) return;
    config::CPointToPointProfileLineCnnlstData* record = nullptr;
    for (std::size_t index = 0; index < file.GetCount() && !record; ++index) {
        if (config::EqualsNoCase(file.GetAt(index)->GetCnnLstName(), list))
            record = file.GetAt(index);
    }
    if (!record) {
        auto made = config::CPointToPointProfileLineCnnlstConfigFile::CreateRecord("");
        record = made.get();
        file.Add(std::move(made));
        record->SetCnnLstName(list);
    }
    record->SetNetworkType(m_lists[list].strNetworkType);
    if (incoming) {
        const auto& exists = m_lists[list].entries;
        record->SetUnrestrictedIn(exists.count("ANYIN") ? 1 : 0);
        record->SetV110In(exists.count("V110IN") ? 1 : 0);
        record->SetDOVIn(exists.count("DOVIN") ? 1 : 0);
        record->SetAsyncIn(exists.count("ASYNCIN") ? 1 : 0);
        record->SetSyncIn(exists.count("SYNCIN") ? 1 : 0);
    } else if (list == ListName(m_strOutgoing)) {
        record->SetInfoXferTypeOut(OutgoingType());
    }
    if (file.Save() != config::kFileResultOk)
        ui::AfxMessageBox(IDS_DLINE_LISTS_NOT_RECORDED, kLineMessageStyle);
}

bool CPointToPointProfileLineCnnlstPage::CommitLists() {
    const std::string incoming = Answers() ? ListName(m_strIncoming) : std::string();
    const std::string outgoing = Dials() ? ListName(m_strOutgoing) : std::string();
    if (!incoming.empty() && (!EnsureList(incoming) || !CommitIncoming(incoming))) return false;
    if (outgoing.empty()) return true;
    if (outgoing != incoming && !EnsureList(outgoing)) return false;
    return CommitOutgoing(outgoing);
}

}  // namespace ptp::lines
