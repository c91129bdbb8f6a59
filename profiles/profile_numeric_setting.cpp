#include "profiles/profile_numeric_setting.h"

#include <algorithm>
#include <cctype>

#include "config/config_text.h"
#include "platform/ui/dialog.h"
#include "platform/ui/message_box.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/profile.h"
#include "profiles/point_to_point_profile_page.h"
#include "profiles/point_to_point_profile_property_sheet.h"
#include "resources/ids/profiles.h"

namespace ptp::profiles {
namespace {

namespace prf = attr::profile;

constexpr std::string_view kDefaultSeconds = "0";
// More digits than the highest value has cannot be in range, whatever they are.
constexpr std::size_t kMaxDigits = 5;

bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

// "00020" is 20; "000" is 0.
std::string_view WithoutLeadingZeros(std::string_view digits) {
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string_view::npos ? digits.substr(digits.size() - 1)
                                           : digits.substr(first);
}

}  // namespace

int CProfileNumericSetting::Load(CPointToPointProfilePropertySheet& sheet) {
    m_strSeconds.clear();
    int on = 0;
    if (sheet.GetIntAttribute(prf::kNumericSettingOn, on) != 0) return 1;
    if (on == 0) return 0;
    std::string seconds;
    if (sheet.GetTextAttribute(prf::kNumericSetting, seconds) != 0) return 1;
    if (seconds != kDefaultSeconds) m_strSeconds = seconds;
    return 0;
}

void CProfileNumericSetting::Exchange(ui::CDataExchange* pDX, int id) {
    if (pDX->Failed()) return;
    pDX->PrepareCtrl(id);
    if (pDX->m_bSaveAndValidate) {
        Take(pDX, id);
        return;
    }
    Show(pDX, id);
}

void CProfileNumericSetting::Show(ui::CDataExchange* pDX, int id) const {
    ui::CComboBox& box = pDX->m_pDlgWnd->ComboBox(id);
    box.ResetContent();
    box.AddString(ui::LoadText(IDS_PROFILE_NUMERIC_DEFAULT));
    if (IsDefault()) {
        box.SetCurSel(0);
        return;
    }
    box.SetWindowText(m_strSeconds);
}

void CProfileNumericSetting::Take(ui::CDataExchange* pDX, int id) {
    const std::string text(config::Trim(pDX->m_pDlgWnd->GetDlgItemText(id)));
    if (config::EqualsNoCase(text, ui::LoadText(IDS_PROFILE_NUMERIC_DEFAULT))) {
        m_strSeconds.clear();
        return;
    }
    if (!AllDigits(text)) {
        ui::AfxMessageBox(IDS_PROFILE_VALUE_INVALID, kProfileMessageStyle);
        pDX->Fail();
        return;
    }
    const std::string_view digits = WithoutLeadingZeros(text);
    const int seconds = digits.size() > kMaxDigits ? kHighest + 1 : config::TextToInt(digits);
    ui::DDV_MinMaxInt(pDX, seconds, kLowest, kHighest);
    if (!pDX->Failed()) m_strSeconds = std::string(digits);
}

// Newer servers keep the default as "0" in the number itself; older ones only know the switch.
void CProfileNumericSetting::Store(CPointToPointProfilePropertySheet& sheet) const {
    if (sheet.GetCapabilityC()) {
        sheet.SetIntAttribute(prf::kNumericSettingOn, 1);
        sheet.SetTextAttribute(prf::kNumericSetting, IsDefault() ? kDefaultSeconds : m_strSeconds);
        return;
    }
    sheet.SetIntAttribute(prf::kNumericSettingOn, IsDefault() ? 0 : 1);
    if (!IsDefault()) sheet.SetTextAttribute(prf::kNumericSetting, m_strSeconds);
}

}  // namespace ptp::profiles
