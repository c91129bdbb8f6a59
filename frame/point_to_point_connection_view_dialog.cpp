#include "frame/point_to_point_connection_view_dialog.h"

#include <array>
#include <map>

#include "config/config_text.h"
#include "frame/connection_link_id.h"
#include "frame/connection_status_text.h"
#include "frame/console_job_views.h"
#include "frame/point_to_point_connection_view_details_dialog.h"
#include "frame/point_to_point_selected_object.h"
#include "host/server_calls.h"
#include "platform/framework/console_navigation.h"
#include "platform/framework/console_services.h"
#include "platform/ui/message_box.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/connection.h"
#include "platform/vocabulary/job.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/status.h"
#include "resources/ids/views.h"

namespace ptp::frame {
namespace {

namespace con = attr::connection;

constexpr std::size_t kAttributeCapacity = 512;
constexpr std::size_t kMaxBundleHeads = 16384;
constexpr UINT kWarningStyle = 48;
constexpr std::string_view kSpooledFileOwner = "QTCP";

struct Column {
    UINT heading;
    int width;
};

// The columns after the number column, in order.
constexpr std::array<Column, 10> kColumns{{
    {IDS_COLUMN_STATUS, 90},
    {IDS_COLUMN_REASON, 90},
    {IDS_COLUMN_LINE, 100},
    {IDS_COLUMN_REMOTE_ADDRESS, 90},
    {IDS_COLUMN_PROFILE, 90},
    {IDS_COLUMN_JOB_NAME, 90},
    {IDS_COLUMN_JOB_USER, 80},
    {IDS_COLUMN_JOB_NUMBER, 70},
    {IDS_COLUMN_LINK_ID, 80},
    {IDS_COLUMN_LAST, 80},
}};
constexpr int kNumberColumnWidth = 50;

// The plain attributes after status and reason, in column order.
constexpr std::array<int, 6> kTextAttributes{con::kLineName, con::kRemoteAddress, con::kProfileName,
                                             con::kJobName,  con::kJobUser,       con::kJobNumber};

const res::ResourceModule& Texts() {
    static const std::shared_ptr<const res::ResourceModule> none =
        res::ResourceModule::FromFiles({}, nullptr);
    const auto module = ui::GetResourceModule();
    return module ? *module : *none;
}

}  // namespace

CPointToPointConnectionViewDialog::CPointToPointConnectionViewDialog(std::string_view systemName,
                                                                     HWND parent)
    : CDialog(IDD_CONNECTION_VIEW, ui::CWnd::FromHandle(parent)), m_strSystemName(systemName) {
    OnClicked(IDC_CONNECTION_DETAILS, [this] { OnDetails(); });
    OnClicked(IDC_CONNECTION_SPOOLED_OUTPUT, [this] { OnSpooledOutput(); });
    OnClicked(IDC_CONNECTION_JOB, [this] { OnJob(); });
    OnChanged(IDC_CONNECTION_LIST, [this] { UpdateButtons(); });
    OnDoubleClicked(IDC_CONNECTION_LIST, [this] { OnDetails(); });
}

CPointToPointConnectionViewDialog::~CPointToPointConnectionViewDialog() {
    host::ShowAndDestroy(m_ErrorHandle, nullptr);
}

ui::BOOL CPointToPointConnectionViewDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    ui::CWaitCursor wait;
    if (host::IHost* host = host::GetHost()) {
        m_pConnectionList = host->Objects().CreateList(kinds::kConnectionJob, host::kClientName,
                                                       m_strSystemName, "", &m_ErrorHandle);
        if (m_pConnectionList && !m_ErrorHandle) {
            host::LoadList(*m_pConnectionList, &m_ErrorHandle);
            if (!m_ErrorHandle) m_nCount = m_pConnectionList->GetCount(&m_ErrorHandle);
        }
        if (host::IsAlreadyReported(m_ErrorHandle)) m_ErrorHandle = nullptr;
        if (m_ErrorHandle) {
            host::ShowAndDestroy(m_ErrorHandle, GetSafeHwnd());
            m_pConnectionList.reset();
            m_nCount = 0;
        }
    }
    std::array<char, 7> release{};
    if (fw::ServerFacts().GetServerRelease(m_strSystemName, release.data(), release.size())) {
        m_bV5R2 = ReleaseAtLeast(release.data(), kReleaseV5R2);
        m_bV5R4 = ReleaseAtLeast(release.data(), kReleaseV5R4);
    }
    ui::CListCtrl& list = ListCtrl(IDC_CONNECTION_LIST);
    int column = 0;
    if (m_bV5R4) {
        list.InsertColumn(column++, ui::LoadText(IDS_COLUMN_NUMBER), ui::LVCFMT_LEFT,
                          kNumberColumnWidth);
    }
    for (const Column& c : kColumns)
        list.InsertColumn(column++, ui::LoadText(c.heading), ui::LVCFMT_LEFT, c.width);
    Fill();
    return ui::TRUE;
}

std::string CPointToPointConnectionViewDialog::Read(host::IServerObject& element, int id) {
    std::array<char, kAttributeCapacity> buffer{};
    element.GetAttribute(id, buffer.data(), buffer.size(), &m_ErrorHandle);
    return m_ErrorHandle ? std::string() : std::string(buffer.data());
}

std::vector<CPointToPointConnectionViewDialog::Element>
CPointToPointConnectionViewDialog::OrderedElements(const std::vector<Element>& elements) const {
    std::map<std::uint32_t, std::vector<const Element*>> linksOf;
    for (const Element& element : elements) {
        if (element.IsHead()) linksOf[element.linkId];
    }
    for (const Element& element : elements) {
        if (element.IsHead()) continue;
        auto head = linksOf.find(element.bundleId);
        if (head != linksOf.end()) head->second.push_back(&element);
    }
    std::vector<Element> ordered;
    ordered.reserve(elements.size());
    for (const Element& element : elements) {
        if (!element.IsHead()) {
            // A link whose head is listed comes right after its head.
            if (linksOf.count(element.bundleId) == 0) ordered.push_back(element);
            continue;
        }
        ordered.push_back(element);
        const auto& links = linksOf[element.linkId];
        if (!links.empty()) ordered.back().marker = Element::kBundleHead;
        for (const Element* link : links) {
            ordered.push_back(*link);
            ordered.back().marker = Element::kBundleLink;
        }
    }
    return ordered;
}

// The server's own text for code 255 is a nicety: without it the code still tells the user
// something, so a failed read shows the code.
std::string CPointToPointConnectionViewDialog::ReadOr255(host::IServerObject& element, int id) {
    std::string text = Read(element, id);
    if (!m_ErrorHandle) return text;
    if (!host::IsAlreadyReported(m_ErrorHandle)) m_ErrorHandle->Destroy();
    m_ErrorHandle = nullptr;
    return "255";
}

std::string CPointToPointConnectionViewDialog::StatusColumnText(host::IServerObject& element) {
    const int code = config::TextToInt(Read(element, con::kStatus));
    if (m_ErrorHandle) return {};
    if (code != code::status::kOther) return StatusText(Texts(), code);
    if (!m_bV5R2) return "255";
    return ReadOr255(element, con::kStatusText);
}

std::string CPointToPointConnectionViewDialog::ReasonColumnText(host::IServerObject& element) {
    if (!m_bV5R2) return {};
    const int code = config::TextToInt(Read(element, con::kReason));
    if (m_ErrorHandle || code == code::reason::kNone) return {};
    if (code != code::reason::kOther) return ReasonText(Texts(), code);
    return ReadOr255(element, con::kReasonText);
}

// A row gets its texts only when every read for it succeeded, so a read error leaves no half
// row behind.
bool CPointToPointConnectionViewDialog::FillRow(int row, const Element& element,
                                                const std::string& number) {
    host::IServerObject* object = m_pConnectionList->ElementAt(element.position, &m_ErrorHandle);
    if (m_ErrorHandle || !object) return false;
    std::vector<std::string> cells;
    if (m_bV5R4) cells.push_back(number);
    cells.push_back(StatusColumnText(*object));
    if (!m_ErrorHandle) cells.push_back(ReasonColumnText(*object));
    for (int id : kTextAttributes) {
        if (m_ErrorHandle) break;
        cells.push_back(Read(*object, id));
    }
    if (m_ErrorHandle) return false;
    cells.push_back(LinkIdText(element.linkId));
    ui::CListCtrl& list = ListCtrl(IDC_CONNECTION_LIST);
    list.SetItemData(row, static_cast<ui::DWORD_PTR>(element.position));
    for (std::size_t column = 0; column < cells.size(); ++column)
        list.SetItemText(row, static_cast<int>(column), cells[column]);
    return true;
}

void CPointToPointConnectionViewDialog::Fill() {
    ui::CListCtrl& list = ListCtrl(IDC_CONNECTION_LIST);
    list.DeleteAllItems();
    if (!m_pConnectionList) {
        UpdateButtons();
        return;
    }
    // First pass: the identifiers of every element, and which elements head a bundle.
    std::vector<Element> elements;
    std::size_t heads = 0;
    for (long position = 0; position < m_nCount; ++position) {
        host::IServerObject* object = m_pConnectionList->ElementAt(position, &m_ErrorHandle);
        if (m_ErrorHandle || !object) break;
        std::array<char, kAttributeCapacity> link{}, bundle{};
        object->GetAttribute(con::kLinkId, link.data(), link.size(), &m_ErrorHandle);
        if (!m_ErrorHandle)
            object->GetAttribute(con::kBundleId, bundle.data(), bundle.size(), &m_ErrorHandle);
        if (m_ErrorHandle) break;
        Element element{position, LinkIdFromBuffer(link.data(), link.size()),
                        LinkIdFromBuffer(bundle.data(), bundle.size())};
        // Past the limit of bundle heads an element is shown as a link of nothing.
        if (element.IsHead() && ++heads > kMaxBundleHeads) element.bundleId = ~element.linkId;
        elements.push_back(element);
    }

    // Second pass: one row per element, bundles together, numbered by connection.
    const std::vector<Element> ordered = OrderedElements(elements);
    for (std::size_t index = 0; index < ordered.size(); ++index)
        list.InsertItem(static_cast<int>(index), "");
    int connection = 0;
    for (std::size_t index = 0; index < ordered.size() && !m_ErrorHandle; ++index) {
        const Element& element = ordered[index];
        if (element.marker != Element::kBundleLink) ++connection;
        std::string number = std::to_string(connection);
        if (element.marker == Element::kBundleHead) number += ". *NCP";
        if (element.marker == Element::kBundleLink) number += ". *LCP";
        if (!FillRow(static_cast<int>(index), element, number)) break;
    }

    // Rows that got no text (the pass ended before them) go.
    for (int row = list.GetItemCount() - 1; row >= 0; --row) {
        bool empty = true;
        for (int column = 0; column < list.GetColumnCount() && empty; ++column)
            empty = list.GetItemText(row, column).empty();
        if (empty) list.DeleteItem(row);
    }
    if (host::IsAlreadyReported(m_ErrorHandle)) m_ErrorHandle = nullptr;
    host::ShowAndDestroy(m_ErrorHandle, GetSafeHwnd());
    UpdateButtons();
}

std::vector<long> CPointToPointConnectionViewDialog::RowElements() {
    std::vector<long> positions;
    ui::CListCtrl& list = ListCtrl(IDC_CONNECTION_LIST);
    for (int row = 0; row < list.GetItemCount(); ++row)
        positions.push_back(static_cast<long>(list.GetItemData(row)));
    return positions;
}

host::IServerObject* CPointToPointConnectionViewDialog::SelectedElement() {
    if (!m_pConnectionList) return nullptr;
    ui::CListCtrl& list = ListCtrl(IDC_CONNECTION_LIST);
    const int row = list.GetNextItem(-1, ui::LVNI_SELECTED);
    if (row < 0) return nullptr;
    host::SOFError* error = nullptr;
    host::IServerObject* element =
        m_pConnectionList->ElementAt(static_cast<long>(list.GetItemData(row)), &error);
    host::ShowAndDestroy(error, GetSafeHwnd());
    return element;
}

// Details and the job are there for every row; the spooled output belongs to the job, which the
// head of a multilink bundle stands for, so a link of a bundle leaves it to its head.
void CPointToPointConnectionViewDialog::UpdateButtons() {
    host::IServerObject* element = SelectedElement();
    bool jobRow = element != nullptr;
    if (element) {
        const std::string kind = Read(*element, con::kBundleKind);
        std::array<char, kAttributeCapacity> link{}, bundle{};
        element->GetAttribute(con::kLinkId, link.data(), link.size(), &m_ErrorHandle);
        if (!m_ErrorHandle)
            element->GetAttribute(con::kBundleId, bundle.data(), bundle.size(), &m_ErrorHandle);
        const bool linkOfBundle = config::EqualsNoCase(kind, "*MULTILINK") &&
                                  LinkIdFromBuffer(link.data(), link.size()) !=
                                      LinkIdFromBuffer(bundle.data(), bundle.size());
        jobRow = !m_ErrorHandle && !linkOfBundle;
        host::ShowAndDestroy(m_ErrorHandle, GetSafeHwnd());
    }
    Button(IDC_CONNECTION_DETAILS).EnableWindow(element != nullptr);
    Button(IDC_CONNECTION_JOB).EnableWindow(element != nullptr);
    Button(IDC_CONNECTION_SPOOLED_OUTPUT).EnableWindow(jobRow);
}

void CPointToPointConnectionViewDialog::OnDetails() {
    ui::CListCtrl& list = ListCtrl(IDC_CONNECTION_LIST);
    const int row = list.GetNextItem(-1, ui::LVNI_SELECTED);
    if (row < 0 || !m_pConnectionList) return;
    CPointToPointConnectionViewDetailsDialog details(
        m_strSystemName, *m_pConnectionList, static_cast<long>(list.GetItemData(row)), this);
    details.DoModal();
}

void CPointToPointConnectionViewDialog::OnSpooledOutput() {
    host::IServerObject* element = SelectedElement();
    if (!element) return;
    ui::CWaitCursor wait;
    const std::string name = Read(*element, con::kJobName);
    const std::string user = Read(*element, con::kJobUser);
    const std::string number = Read(*element, con::kJobNumber);
    bool opened = false;
    host::IHost* host = host::GetHost();
    if (!m_ErrorHandle && host) {
        // The job's spooled files are listed under its name "<number>/<user>/<job>".
        auto files =
            host->Objects().CreateList(kinds::kSpooledFile, host::kClientName, m_strSystemName,
                                       number + "/" + user + "/" + name, &m_ErrorHandle);
        if (files && !m_ErrorHandle && host::LoadList(*files, &m_ErrorHandle)) {
            const long count = files->GetCount(&m_ErrorHandle);
            for (long index = 0; !m_ErrorHandle && !opened && index < count; ++index) {
                host::IServerObject* file = files->ElementAt(index, &m_ErrorHandle);
                if (m_ErrorHandle || !file) break;
                if (!config::EqualsNoCase(Read(*file, attr::spooled_file::kJobUser),
                                          kSpooledFileOwner))
                    continue;
                const std::string fileName = Read(*file, attr::spooled_file::kFileName);
                const std::string fileKey = file->GetName();
                const int fileNumber =
                    config::TextToInt(fileKey.substr(fileKey.find_last_of('/') + 1));
                fw::IConsoleNavigation* navigation = fw::GetConsoleNavigation();
                opened = !m_ErrorHandle && navigation &&
                         SUCCEEDED(navigation->OpenSpooledFile(
                             m_strSystemName, QualifiedJobName(name, user, number), fileName,
                             fileNumber, kSpooledFileOwner, GetSafeHwnd()));
                if (!opened) break;
            }
        }
    }
    // The user learns that the output could not be opened; the server's reason is secondary.
    if (m_ErrorHandle) {
        if (!host::IsAlreadyReported(m_ErrorHandle)) m_ErrorHandle->Destroy();
        m_ErrorHandle = nullptr;
    }
    wait.Restore();
    if (!opened) ui::AfxMessageBox(IDS_SPOOLFILE_ERROR, kWarningStyle);
}

void CPointToPointConnectionViewDialog::OnJob() {
    host::IServerObject* element = SelectedElement();
    if (!element) return;
    const std::string name = Read(*element, con::kJobName);
    const std::string user = Read(*element, con::kJobUser);
    const std::string number = Read(*element, con::kJobNumber);
    if (m_ErrorHandle) {
        host::ShowAndDestroy(m_ErrorHandle, GetSafeHwnd());
        return;
    }
    OpenUserJob(m_strSystemName, QualifiedJobName(name, user, number), GetSafeHwnd());
}

}  // namespace ptp::frame
