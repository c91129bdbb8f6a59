#pragma once
// Resource numbers of the modem sheet: its page and dialog templates, their controls and texts.
#include "platform/com/wintypes.h"

namespace ptp::modems {

// Templates. A page's help topic is its template number + 0x20000.
inline constexpr UINT IDD_MODEM_GENERAL = 35500;
inline constexpr UINT IDD_MODEM_PARMS = 35501;
inline constexpr UINT IDD_MODEM_ISDN_PARMS = 35502;
inline constexpr UINT IDD_MODEM_PARMS_DIALOG = 26560;

// General page controls.
inline constexpr int IDC_MODEM_NAME = 35600;
inline constexpr int IDC_MODEM_KIND_ANALOG = 35601;
inline constexpr int IDC_MODEM_KIND_ISDN = 35602;
inline constexpr int IDC_MODEM_INIT_COMMAND = 35603;
inline constexpr int IDC_MODEM_RESET_COMMAND = 35604;
inline constexpr int IDC_MODEM_DIAL_COMMAND = 35605;
inline constexpr int IDC_MODEM_ANSWER_COMMAND = 35606;

// Parameter pages (both templates use the same ids).
inline constexpr int IDC_MODEM_PARMS_LIST = 35610;
inline constexpr int IDC_MODEM_PARMS_ADD = 35611;
inline constexpr int IDC_MODEM_PARMS_CHANGE = 35612;
inline constexpr int IDC_MODEM_PARMS_DELETE = 35613;

// Command entry dialog.
inline constexpr int IDC_MODEM_PARM_NAME = 35620;
inline constexpr int IDC_MODEM_PARM_VALUE = 35621;

// Texts.
inline constexpr UINT IDS_MODEM_PARM_NAME_HEADING = 27608;
inline constexpr UINT IDS_MODEM_PARM_VALUE_HEADING = 27609;
inline constexpr UINT IDS_MODEM_PARM_NAME_REQUIRED = 27688;
inline constexpr UINT IDS_MODEM_PARM_VALUE_REQUIRED = 27694;
inline constexpr UINT IDS_MODEM_NAME_REQUIRED = 27705;
inline constexpr UINT IDS_MODEM_INIT_REQUIRED = 27706;
inline constexpr UINT IDS_MODEM_RESET_REQUIRED = 27707;
inline constexpr UINT IDS_MODEM_NAME_EXISTS = 27729;
inline constexpr UINT IDS_MODEM_INTERNAL_ERROR = 27991;
inline constexpr UINT IDS_MODEM_NEW_CAPTION = 35520;
inline constexpr UINT IDS_MODEM_PROPERTIES_CAPTION = 35521;

// Message-box styles: warning icon, system modal.
inline constexpr UINT kModemMessageStyle = 0x1030;

}  // namespace ptp::modems
