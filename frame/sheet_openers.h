#pragma once
// The sheets, dialogs and views that commands and tasks open. Each returns the dialog result
// (IDOK after a change, IDCANCEL, or -1 / -2 when the dialog could not be created).
#include <string>
#include <string_view>

#include "frame/point_to_point_selected_object.h"
#include "host/host_services.h"
#include "platform/com/wintypes.h"

namespace ptp::frame {

using DialogResult = std::intptr_t;

// What a new profile is made of: the setup dialog's answers.
struct CProfileSetupAnswers {
    int protocol = 0;
    int lineService = 0;
    int mode = 0;
    int lineKind = 0;
};

// What the profile sheet opens on. The command that opens it decides the capability flags (the
// features of the newer profile attributes) and whether the user may change the profile.
struct CProfileSheetRequest {
    std::string server;
    std::string profileName;                    // empty for a new profile
    host::IServerObject* listRecord = nullptr;  // null for a new profile
    bool capabilityA = false;
    bool capabilityB = false;
    bool capabilityC = false;
    bool changesAllowed = false;
    bool migrate = false;
    int folderKind = 0;  // 0 originator, 1 receiver
    CProfileSetupAnswers answers;
    bool releaseV5R2 = false;
    bool releaseV5R3 = false;
    bool releaseV5R4 = false;
};

// The profile setup dialog; IDOK fills `answers`.
DialogResult RunProfileSetupDialog(std::string_view server, int folderKind, bool releaseV5R2,
                                   CProfileSetupAnswers& answers, HWND parent);
DialogResult OpenProfileSheet(const CProfileSheetRequest& request, HWND parent);
// A new profile for the item's server: the setup dialog, then, on OK, the profile sheet in create
// mode with its answers. IDCANCEL when the dialog was cancelled.
DialogResult CreateProfile(const CPointToPointSelectedObject& item, int folderKind, HWND parent);
// `modemName` empty creates a modem, as a copy of `model` when one is given.
DialogResult OpenModemSheet(std::string_view server, std::string_view modemName,
                            host::IServerObject* model, bool changeable, HWND parent);
// `policyName` empty creates a policy.
DialogResult OpenGroupPolicySheet(std::string_view server, std::string_view policyName,
                                  bool changeable, HWND parent);
DialogResult OpenServicesSheet(std::string_view server, HWND parent);
DialogResult RunDialerWizard(std::string_view server, HWND parent);
DialogResult OpenConnectionView(std::string_view server, HWND parent);

}  // namespace ptp::frame
