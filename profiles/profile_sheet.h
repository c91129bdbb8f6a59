#pragma once
// What the plug-in's commands and tasks call to open the profile sheet:
//
//   CProfileSheetOptions options;        // system, flags, and either
//   options.profileName = "DIALISP";     //   an existing profile and its list record,
//   options.pProfileObject = listRecord;
//   options.protocol = 2; ...            //   or the setup dialog's answers for a new one
//   profiles::ShowProfilePropertySheet(options, parent);
#include <string>

#include "host/host_services.h"
#include "platform/ui/ui_constants.h"

namespace ptp::profiles {

struct CProfileSheetOptions {
    std::string systemName;
    std::string profileName;                        // empty for a new profile
    host::IServerObject* pProfileObject = nullptr;  // the list record; stays the caller's
    int protocol = 0;
    int lineService = 0;
    int mode = 0;
    int lineKind = 0;
    bool capabilityA = false;
    bool capabilityB = false;
    bool capabilityC = false;
    bool release050200 = false;
    bool release050300 = false;
    bool release050400 = false;
    bool changesAllowed = false;
    bool migrate = false;
};

// Opens the sheet modally: IDOK after the profile reached the server, IDCANCEL otherwise.
// `pChanged` receives whether the description or the line changed.
ui::INT_PTR ShowProfilePropertySheet(const CProfileSheetOptions& options, HWND parent,
                                     bool* pChanged = nullptr);

}  // namespace ptp::profiles
