#include "nwi/point_to_point_isdn_nwi_local_number_page.h"

#include <algorithm>
#include <cctype>
#include <sstream>

#include "config/config_text.h"
#include "nwi/nwi_choices.h"
#include "nwi/point_to_point_isdn_nwi_property_sheet.h"
#include "platform/ui/ddx.h"
#include "platform/vocabulary/network_interface.h"
#include "resources/ids/nwi.h"

namespace ptp::nwi {
namespace {

namespace nw = attr::network_interface;

constexpr std::array<CNwiChoice, 7> kTypes = {{{"*NETTYPE", IDS_NWI_REMOVE_NETTYPE},
                                               {"*UNKNOWN", 0},
                                               {"*INTERNATL", 0},
                                               {"*SUBSCRIPTION", 0},
                                               {"*NATIONAL", 0},
                                               {"*NETSPECIFIC", 0},
                                               {"*ABR", 0}}};
constexpr std::array<CNwiChoice, 6> kPlans = {{{"*NETTYPE", IDS_NWI_REMOVE_NETTYPE},
                                               {"*UNKNOWN", 0},
                                               {"*ISDN", 0},
                                               {"*DATA", 0},
                                               {"*NATIONAL", 0},
                                               {"*PRIVATE", 0}}};
constexpr std::array<CNwiChoice, 3> kPresentations = {
    {{"*NONE", 0}, {"*ALLOW", 0}, {"*RESTRICT", 0}}};
constexpr std::array<CNwiChoice, 3> kRemovals = {{{"*NETTYPE", IDS_NWI_REMOVE_NETTYPE},
                                                  {"*NONE", IDS_NWI_REMOVE_NONE},
                                                  {"", IDS_NWI_REMOVE_THESE}}};
constexpr int kRemoveThese = 2;
constexpr std::size_t kMaxDigits = 40;

std::string Quoted(std::string_view number) {
    std::string quoted = "'";
    for (char c : config::Trim(number)) {
        quoted += c;
        if (c == '\'') quoted += c;
    }
    return quoted + "'";
}

bool IsNumber(std::string_view text) {
    return !text.empty() && text.size() <= kMaxDigits &&
           std::all_of(text.begin(), text.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

// "'5551234' '5551235' " gives the two numbers.
std::string Unquoted(std::istringstream& words) {
    std::string word;
    if (!(words >> word)) return {};
    word.erase(std::remove(word.begin(), word.end(), '\''), word.end());
    return word;
}

}  // namespace

CPointToPointIsdnNwiLocalNumberPage::CPointToPointIsdnNwiLocalNumberPage(
    CPointToPointIsdnNwiPropertySheet* pSheet)
    : CNwiPage(IDD_NWI_LOCAL_NUMBER, pSheet) {
    OnClicked(IDC_NWI_FROM_CNNL, [this] { UpdateControls(); });
    OnChanged(IDC_NWI_REMOVE, [this] { UpdateControls(); });
}

void CPointToPointIsdnNwiLocalNumberPage::Load() {
    if (m_pSheet->IsNewMode()) return;
    const std::string numbers = m_pSheet->GetText(nw::kLocalNumber);
    m_nFromList = numbers.empty() || config::EqualsNoCase(numbers, "*CNNL") ? 1 : 0;
    if (m_nFromList == 0) {
        std::istringstream words(numbers);
        m_strNumber1 = Unquoted(words);
        m_strNumber2 = Unquoted(words);
    }
    m_nType = ChoiceIndex(kTypes, m_pSheet->GetText(nw::kLocalNumberType), 0);
    m_nPlan = ChoiceIndex(kPlans, m_pSheet->GetText(nw::kLocalNumberPlan), 0);
    m_nPresentation =
        ChoiceIndex(kPresentations, m_pSheet->GetText(nw::kLocalNumberPresentation), 0);
    const std::string remove = m_pSheet->GetText(nw::kRemoveCharacters);
    m_nRemove = ChoiceIndex(kRemovals.data(), kRemoveThese, remove, kRemoveThese);
    if (m_nRemove != kRemoveThese) return;
    for (char c : remove) {
        if (c != '\'' && c != ' ') m_strCharacters += c;
    }
    if (m_strCharacters.empty()) m_nRemove = 0;
}

ui::BOOL CPointToPointIsdnNwiLocalNumberPage::OnInitDialog() {
    FillChoices(ComboBox(IDC_NWI_NUMBER_TYPE), kTypes);
    FillChoices(ComboBox(IDC_NWI_NUMBER_PLAN), kPlans);
    FillChoices(ComboBox(IDC_NWI_PRESENTATION), kPresentations);
    FillChoices(ComboBox(IDC_NWI_REMOVE), kRemovals);
    CNwiPage::OnInitDialog();
    UpdateControls();
    return ui::TRUE;
}

void CPointToPointIsdnNwiLocalNumberPage::DoDataExchange(ui::CDataExchange* pDX) {
    ui::DDX_Check(pDX, IDC_NWI_FROM_CNNL, m_nFromList);
    ui::DDX_Text(pDX, IDC_NWI_NUMBER1, m_strNumber1);
    ui::DDX_Text(pDX, IDC_NWI_NUMBER2, m_strNumber2);
    ui::DDX_CBIndex(pDX, IDC_NWI_NUMBER_TYPE, m_nType);
    ui::DDX_CBIndex(pDX, IDC_NWI_NUMBER_PLAN, m_nPlan);
    ui::DDX_CBIndex(pDX, IDC_NWI_PRESENTATION, m_nPresentation);
    ui::DDX_CBIndex(pDX, IDC_NWI_REMOVE, m_nRemove);
    ui::DDX_Text(pDX, IDC_NWI_REMOVE_CHARACTERS, m_strCharacters);
}

void CPointToPointIsdnNwiLocalNumberPage::UpdateControls() {
    const bool own = IsDlgButtonChecked(IDC_NWI_FROM_CNNL) != ui::BST_CHECKED;
    for (int id : {IDC_NWI_NUMBER1, IDC_NWI_NUMBER2, IDC_NWI_NUMBER_TYPE, IDC_NWI_NUMBER_PLAN,
                   IDC_NWI_PRESENTATION, IDC_NWI_REMOVE})
        GetDlgItem(id)->EnableWindow(own ? ui::TRUE : ui::FALSE);
    const bool these = own && ComboBox(IDC_NWI_REMOVE).GetCurSel() == kRemoveThese;
    GetDlgItem(IDC_NWI_REMOVE_CHARACTERS)->EnableWindow(these ? ui::TRUE : ui::FALSE);
}

bool CPointToPointIsdnNwiLocalNumberPage::Validate() {
    if (IsCreated() && !UpdateData(ui::TRUE)) return false;
    if (m_nFromList == 1) return true;
    for (const auto& [number, control] :
         {std::pair{&m_strNumber1, IDC_NWI_NUMBER1}, std::pair{&m_strNumber2, IDC_NWI_NUMBER2}}) {
        const std::string_view text = config::Trim(*number);
        if (text.empty() && control == IDC_NWI_NUMBER2) continue;
        if (IsNumber(text)) continue;
        ShowProblem(IDS_NWI_NUMBER_INVALID, control);
        return false;
    }
    return true;
}

std::string CPointToPointIsdnNwiLocalNumberPage::FirstNumberValue() const {
    return Quoted(m_strNumber1);
}

// Each character in apostrophes after a blank; an apostrophe is doubled inside its own.
std::string CPointToPointIsdnNwiLocalNumberPage::RemoveCharactersValue() const {
    const std::string_view characters = config::Trim(m_strCharacters);
    if (m_nRemove != kRemoveThese) return ChoiceValue(kRemovals, m_nRemove, 0);
    if (characters.empty()) return "*NONE";
    std::string value;
    for (char c : characters)
        value += c == '\'' ? std::string(" ''''") : " '" + std::string(1, c) + "'";
    return value;
}

void CPointToPointIsdnNwiLocalNumberPage::Collect(CNwiCommandValues& values) {
    if (m_nFromList == 1) {
        values.strLocalNumber = "*CNNL";
        return;
    }
    values.strLocalNumber = Quoted(m_strNumber1) + " ";
    if (!config::Trim(m_strNumber2).empty()) values.strLocalNumber += Quoted(m_strNumber2) + " ";
    values.strLocalNumberType = ChoiceValue(kTypes, m_nType, 0);
    values.strLocalNumberPlan = ChoiceValue(kPlans, m_nPlan, 0);
    values.strLocalNumberPresentation = ChoiceValue(kPresentations, m_nPresentation, 0);
    values.strRemoveCharacters = RemoveCharactersValue();
}

}  // namespace ptp::nwi
