#include "profiles/point_to_point_profile_dial_connection_page.h"

#include "config/config_text.h"
#include "platform/ui/ddx.h"
#include "platform/ui/display_name.h"
#include "platform/ui/message_box.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/profile.h"
#include "profiles/point_to_point_profile_dial_connection_advanced_dialog.h"
#include "profiles/point_to_point_profile_multilink_dialog.h"
#include "profiles/point_to_point_profile_property_sheet.h"
#include "resources/ids/profiles.h"

namespace ptp::profiles {
namespace {

namespace prf = attr::profile;

constexpr std::array<int, 6> kNumberAttributes = {prf::kRemoteNumber1, prf::kRemoteNumber2,
                                                  prf::kRemoteNumber3, prf::kRemoteNumber4,
                                                  prf::kRemoteNumber5, prf::kRemoteNumber6};
constexpr int kBasicNumbers = 3;
constexpr int kAllNumbers = 6;
constexpr std::string_view kNoNumber = "*NONE";
constexpr int kNumberColumnWidth = 160;

}  // namespace

CPointToPointProfileDialConnectionPage::CPointToPointProfileDialConnectionPage(
    CPointToPointProfilePropertySheet* pSheet)
    : CPointToPointProfilePage(IDD_PROFILE_DIAL_CONNECTION, pSheet), m_line(*pSheet) {
    OnChanged(IDC_PROFILE_LINE,
              [this] { m_line.UpdateButtons(*this, m_pSheet->ChangesAllowed()); });
    OnClicked(IDC_PROFILE_LINE_NEW, [this] { m_line.OnNew(*this); });
    OnClicked(IDC_PROFILE_LINE_PROPERTIES, [this] { m_line.OnProperties(*this); });
    OnClicked(IDC_PROFILE_MULTILINK, [this] { OnMultilinkClicked(); });
    OnClicked(IDC_PROFILE_MULTILINK_SETTINGS, [this] { OnMultilinkSettings(); });
    OnChanged(IDC_PROFILE_NUMBERS, [this] { UpdateNumberControls(); });
    OnClicked(IDC_PROFILE_NUMBER_ADD, [this] { OnAddNumber(); });
    OnClicked(IDC_PROFILE_NUMBER_REMOVE, [this] { OnRemoveNumber(); });
    OnClicked(IDC_PROFILE_NUMBER_UP, [this] { OnMoveNumber(-1); });
    OnClicked(IDC_PROFILE_NUMBER_DOWN, [this] { OnMoveNumber(1); });
    OnClicked(IDC_PROFILE_DIAL_ADVANCED, [this] { OnAdvanced(); });
}

CPointToPointProfileDialConnectionPage::~CPointToPointProfileDialConnectionPage() = default;

bool CPointToPointProfileDialConnectionPage::UsesNumbers() const {
    return IsSwitchedDialMode(m_pSheet->GetLineService(), m_pSheet->GetMode());
}

int CPointToPointProfileDialConnectionPage::NumberLimit() const {
    return m_pSheet->GetCapabilityC() ? kAllNumbers : kBasicNumbers;
}

bool CPointToPointProfileDialConnectionPage::CanUseMultilink() const {
    return m_pSheet->GetCapabilityC() && m_pSheet->IsPPP() &&
           m_pSheet->IsKind(code::line_service::kSwitched, code::mode::kDial);
}

std::string CPointToPointProfileDialConnectionPage::DisplayName() const {
    return ui::DisplayName(m_pSheet->IsNew() ? m_pSheet->GetNewProfileName()
                                             : m_pSheet->GetProfileName());
}

int CPointToPointProfileDialConnectionPage::Load() {
    if (m_bLoaded) return kPageOk;
    m_bLoaded = true;
    if (m_pSheet->IsNew()) return kPageOk;
    int result = m_line.Load(m_strLine);
    m_strLoadedLine = m_strLine;
    if (m_pSheet->GetCapabilityC())
        result |= m_pSheet->GetIntAttribute(prf::kMultilink, m_nMultilink);
    if (UsesNumbers()) {
        for (int slot = 0; slot < NumberLimit(); ++slot) {
            std::string& number = m_numbers[static_cast<std::size_t>(slot)];
            result |= m_pSheet->GetTextAttribute(kNumberAttributes[static_cast<std::size_t>(slot)],
                                                 number);
            if (config::EqualsNoCase(number, kNoNumber)) number.clear();
        }
    }
    if (UsesNumbers() && m_pSheet->GetCapabilityC()) {
        int use = code::number_use::kInTurn;
        result |= m_pSheet->GetIntAttribute(prf::kNumberUse, use);
        m_nNumberUse = use >= code::number_use::kInTurn && use <= code::number_use::kFirstOnly
                           ? use - code::number_use::kInTurn
                           : 0;
    }
    return result == 0 ? kPageOk : kPageFailed;
}

ui::BOOL CPointToPointProfileDialConnectionPage::OnInitDialog() {
    (void)Load();
    ui::CListCtrl& numbers = ListCtrl(IDC_PROFILE_NUMBERS);
    numbers.InsertColumn(0, ui::LoadText(IDS_PROFILE_NUMBERS_COLUMN), ui::LVCFMT_LEFT,
                         kNumberColumnWidth);
    NumbersToList();
    CPointToPointProfilePage::OnInitDialog();
    if (!m_line.Fill(*this, m_strLine)) return ui::TRUE;
    UpdateControls();
    return ui::TRUE;
}

void CPointToPointProfileDialConnectionPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_CBString(pDX, IDC_PROFILE_LINE, m_strLine);
    ui::DDX_Check(pDX, IDC_PROFILE_MULTILINK, m_nMultilink);
    ui::DDX_Radio(pDX, IDC_PROFILE_NUMBERS_IN_TURN, m_nNumberUse);
}

ui::BOOL CPointToPointProfileDialConnectionPage::OnSetActive() {
    CPointToPointProfilePage::OnSetActive();
    UpdateControls();
    return ui::TRUE;
}

void CPointToPointProfileDialConnectionPage::UpdateControls() {
    m_line.UpdateButtons(*this, m_pSheet->ChangesAllowed());
    if (!CanUseMultilink()) CheckDlgButton(IDC_PROFILE_MULTILINK, ui::BST_UNCHECKED);
    GetDlgItem(IDC_PROFILE_MULTILINK)->EnableWindow(CanUseMultilink() ? ui::TRUE : ui::FALSE);
    UpdateNumberControls();
}

void CPointToPointProfileDialConnectionPage::UpdateNumberControls() {
    const bool multilink = IsDlgButtonChecked(IDC_PROFILE_MULTILINK) == ui::BST_CHECKED;
    const bool bundles = multilink && m_line.Choice() != LineChoice::OneLine;
    GetDlgItem(IDC_PROFILE_MULTILINK_SETTINGS)->EnableWindow(bundles ? ui::TRUE : ui::FALSE);
    ui::CListCtrl& numbers = ListCtrl(IDC_PROFILE_NUMBERS);
    const bool editable = UsesNumbers() && m_pSheet->ChangesAllowed();
    const int count = numbers.GetItemCount();
    const int selected = numbers.GetSelectionMark();
    auto enable = [this](int id, bool on) {
        GetDlgItem(id)->EnableWindow(on ? ui::TRUE : ui::FALSE);
    };
    enable(IDC_PROFILE_NUMBERS, UsesNumbers());
    enable(IDC_PROFILE_NUMBER_ADD, editable && count < NumberLimit());
    enable(IDC_PROFILE_NUMBER_REMOVE, editable && selected >= 0);
    enable(IDC_PROFILE_NUMBER_UP, editable && selected > 0);
    enable(IDC_PROFILE_NUMBER_DOWN, editable && selected >= 0 && selected + 1 < count);
    const bool spread = UsesNumbers() && m_pSheet->GetCapabilityC() && bundles && count >= 2;
    for (int id :
         {IDC_PROFILE_NUMBERS_IN_TURN, IDC_PROFILE_NUMBERS_SPREAD, IDC_PROFILE_NUMBERS_FIRST_ONLY})
        enable(id, spread);
}

void CPointToPointProfileDialConnectionPage::NumbersToList() {
    ui::CListCtrl& numbers = ListCtrl(IDC_PROFILE_NUMBERS);
    numbers.DeleteAllItems();
    for (const std::string& number : m_numbers) {
        if (!number.empty()) numbers.InsertItem(numbers.GetItemCount(), number);
    }
}

// Entries left empty are skipped, so the numbers close up in the order shown.
void CPointToPointProfileDialConnectionPage::NumbersFromList() {
    const ui::CListCtrl& numbers = ListCtrl(IDC_PROFILE_NUMBERS);
    m_numbers = {};
    std::size_t slot = 0;
    for (int row = 0; row < numbers.GetItemCount() && slot < m_numbers.size(); ++row) {
        const std::string number(config::Trim(numbers.GetItemText(row, 0)));
        if (!number.empty()) m_numbers[slot++] = number;
    }
}

void CPointToPointProfileDialConnectionPage::OnAddNumber() {
    ui::CListCtrl& numbers = ListCtrl(IDC_PROFILE_NUMBERS);
    if (numbers.GetItemCount() >= NumberLimit()) return;
    const int row = numbers.InsertItem(numbers.GetItemCount(), "");
    numbers.SetItemSelected(row, true);
    numbers.EditLabel(row);
    UpdateNumberControls();
}

void CPointToPointProfileDialConnectionPage::OnRemoveNumber() {
    ui::CListCtrl& numbers = ListCtrl(IDC_PROFILE_NUMBERS);
    const int row = numbers.GetSelectionMark();
    if (row < 0) return;
    numbers.DeleteItem(row);
    if (numbers.GetItemCount() > 0)
        numbers.SetItemSelected(std::min(row, numbers.GetItemCount() - 1), true);
    UpdateNumberControls();
}

void CPointToPointProfileDialConnectionPage::OnMoveNumber(int delta) {
    ui::CListCtrl& numbers = ListCtrl(IDC_PROFILE_NUMBERS);
    const int row = numbers.GetSelectionMark();
    const int other = row + delta;
    if (row < 0 || other < 0 || other >= numbers.GetItemCount()) return;
    const std::string moved = numbers.GetItemText(row, 0);
    numbers.SetItemText(row, 0, numbers.GetItemText(other, 0));
    numbers.SetItemText(other, 0, moved);
    numbers.SetItemSelected(other, true);
    UpdateNumberControls();
}

void CPointToPointProfileDialConnectionPage::OnMultilinkClicked() {
    UpdateNumberControls();
}

CPointToPointProfileMultilinkDialog& CPointToPointProfileDialConnectionPage::MultilinkDialog() {
    const std::string line(config::Trim(GetDlgItemText(IDC_PROFILE_LINE)));
    const int poolLines = m_line.IsPool() ? m_line.PoolLineCount(line) : 0;
    if (!m_pMultilinkDialog) {
        m_pMultilinkDialog = std::make_unique<CPointToPointProfileMultilinkDialog>(
            m_pSheet, DisplayName(), m_pSheet);
        m_pMultilinkDialog->SetLine(line, m_line.Choice(), poolLines);
        (void)m_pMultilinkDialog->Load();
    }
    m_pMultilinkDialog->SetLine(line, m_line.Choice(), poolLines);
    return *m_pMultilinkDialog;
}

CPointToPointProfileDialConnectionAdvancedDialog&
CPointToPointProfileDialConnectionPage::AdvancedDialog() {
    if (!m_pAdvancedDialog) {
        m_pAdvancedDialog = std::make_unique<CPointToPointProfileDialConnectionAdvancedDialog>(
            m_pSheet, DisplayName(), m_pSheet);
        (void)m_pAdvancedDialog->Load();
    }
    return *m_pAdvancedDialog;
}

void CPointToPointProfileDialConnectionPage::OnMultilinkSettings() {
    (void)MultilinkDialog().DoModal();
}

void CPointToPointProfileDialConnectionPage::OnAdvanced() {
    (void)AdvancedDialog().DoModal();
}

ui::BOOL CPointToPointProfileDialConnectionPage::OnKillActive() {
    if (!CPointToPointProfilePage::OnKillActive()) return ui::FALSE;
    if (UsesNumbers()) NumbersFromList();
    return m_line.CheckOnLeaving(*this, m_strLine) ? ui::TRUE : ui::FALSE;
}

int CPointToPointProfileDialConnectionPage::Refuse(UINT message, int control) {
    GetSheet()->SetActivePage(this);
    if (message != 0) ui::AfxMessageBox(message, {m_strLine}, kProfileMessageStyle);
    GotoDlgCtrl(GetDlgItem(control));
    return kPageFailed;
}

// A page the user never opened writes nothing: the profile keeps what it has, as long as it has
// a line and, when it dials, a number.
int CPointToPointProfileDialConnectionPage::StoreNeverShown() {
    if (Load() != kPageOk) return kPageFailed;
    if (config::Trim(m_strLine).empty()) return Refuse(IDS_PROFILE_LINE_REQUIRED, IDC_PROFILE_LINE);
    if (UsesNumbers() && m_numbers[0].empty())
        return Refuse(IDS_PROFILE_NUMBER_REQUIRED, IDC_PROFILE_NUMBERS);
    return kPageOk;
}

int CPointToPointProfileDialConnectionPage::StoreNumbers() {
    if (m_numbers[0].empty()) return Refuse(IDS_PROFILE_NUMBER_REQUIRED, IDC_PROFILE_NUMBERS);
    for (int slot = 0; slot < NumberLimit(); ++slot) {
        const std::string& number = m_numbers[static_cast<std::size_t>(slot)];
        m_pSheet->SetTextAttribute(kNumberAttributes[static_cast<std::size_t>(slot)],
                                   number.empty() ? kNoNumber : std::string_view(number));
    }
    if (m_pSheet->GetCapabilityC())
        m_pSheet->SetIntAttribute(prf::kNumberUse, m_nNumberUse + code::number_use::kInTurn);
    return kPageOk;
}

int CPointToPointProfileDialConnectionPage::Store() {
    if (!IsCreated()) return StoreNeverShown();
    if (!UpdateData(ui::TRUE)) return kPageFailed;
    if (UsesNumbers()) NumbersFromList();
    if (const UINT message = m_line.Store(*this, m_strLine))
        return Refuse(message, IDC_PROFILE_LINE);
    m_pSheet->SetIntAttribute(prf::kLineUse, 1);
    if (m_pSheet->GetCapabilityC()) {
        m_pSheet->SetIntAttribute(prf::kMultilink, m_nMultilink);
        if (m_nMultilink != 0 && MultilinkDialog().Store() != kPageOk) {
            GetSheet()->SetActivePage(this);
            (void)MultilinkDialog().DoModal();
            return kPageFailed;
        }
    }
    if (UsesNumbers() && StoreNumbers() != kPageOk) return kPageFailed;
    return AdvancedDialog().Store();
}

}  // namespace ptp::profiles
