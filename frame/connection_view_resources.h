#pragma once
// Resource numbers of the connection views: the connection list dialog, the details dialog, their
// controls, column headings, the status and reason texts and the job list titles.
#include "platform/com/wintypes.h"

namespace ptp::frame {

inline constexpr UINT IDD_CONNECTION_VIEW = 26570;
inline constexpr UINT IDD_CONNECTION_DETAILS = 35510;

// Connection list dialog controls.
inline constexpr int IDC_CONNECTION_LIST = 35700;
inline constexpr int IDC_CONNECTION_DETAILS = 35701;
inline constexpr int IDC_CONNECTION_SPOOLED_OUTPUT = 35702;
inline constexpr int IDC_CONNECTION_JOB = 35703;

// Details dialog controls.
inline constexpr int IDC_DETAILS_PROFILE = 35710;
inline constexpr int IDC_DETAILS_LINE = 35711;
inline constexpr int IDC_DETAILS_LINK_ID = 35712;
inline constexpr int IDC_DETAILS_BUNDLE_ID = 35713;
inline constexpr int IDC_DETAILS_BUNDLE_KIND = 35714;
inline constexpr int IDC_DETAILS_LCP_STATE = 35715;
inline constexpr int IDC_DETAILS_IPCP_STATE = 35716;
inline constexpr int IDC_DETAILS_REMOTE_ADDRESS = 35717;
inline constexpr int IDC_DETAILS_LOCAL_ADDRESS = 35718;
inline constexpr int IDC_DETAILS_CONNECTED = 35719;
inline constexpr int IDC_DETAILS_JOB = 35720;

// Column headings.
inline constexpr UINT IDS_COLUMN_NUMBER = 28206;
inline constexpr UINT IDS_COLUMN_STATUS = 27974;
inline constexpr UINT IDS_COLUMN_REASON = 27966;
inline constexpr UINT IDS_COLUMN_LINE = 28098;
inline constexpr UINT IDS_COLUMN_REMOTE_ADDRESS = 27975;
inline constexpr UINT IDS_COLUMN_PROFILE = 27976;
inline constexpr UINT IDS_COLUMN_JOB_NAME = 27968;
inline constexpr UINT IDS_COLUMN_JOB_USER = 27970;
inline constexpr UINT IDS_COLUMN_JOB_NUMBER = 27971;
inline constexpr UINT IDS_COLUMN_LINK_ID = 27972;
inline constexpr UINT IDS_COLUMN_LAST = 28203;

// Job list titles and messages.
inline constexpr UINT IDS_USER_JOB_TITLE = 16948;
inline constexpr UINT IDS_SERVER_JOBS_TITLE = 16949;
inline constexpr UINT IDS_SPOOLFILE_ERROR = 35560;
inline constexpr UINT IDS_NO_JOB_LIST = 35561;
inline constexpr UINT IDS_CONNECTED_SECONDS = 35562;

}  // namespace ptp::frame
