#include "frame/sheet_openers.h"

#include "frame/point_to_point_connection_view_dialog.h"
#include "frame/point_to_point_ext_app.h"
#include "modems/modem_sheet.h"
#include "platform/ui/ui_constants.h"
#include "policies/group_policy_sheet.h"
#include "profiles/point_to_point_profile_setup_dialog.h"
#include "profiles/profile_sheet.h"
#include "ras/services_sheet.h"
#include "resources/ids/frame_commands.h"
#include "wizard/wdn_dialer.h"

namespace ptp::frame {

// The dialog may offer every mode the server knows; it is the sheet that checks the rest.
DialogResult RunProfileSetupDialog(std::string_view server, int folderKind, bool releaseV5R2,
                                   CProfileSetupAnswers& answers, HWND) {
    profiles::CPointToPointProfileSetupDialog dialog(
        nullptr, std::string(server), folderKind == 1, true, true, releaseV5R2, &answers.protocol,
        &answers.lineService, &answers.mode, &answers.lineKind);
    return dialog.DoModal();
}

DialogResult OpenProfileSheet(const CProfileSheetRequest& request, HWND parent) {
    profiles::CProfileSheetOptions options;
    options.systemName = request.server;
    options.profileName = request.profileName;
    options.pProfileObject = request.listRecord;
    options.protocol = request.answers.protocol;
    options.lineService = request.answers.lineService;
    options.mode = request.answers.mode;
    options.lineKind = request.answers.lineKind;
    options.capabilityA = request.capabilityA;
    options.capabilityB = request.capabilityB;
    options.capabilityC = request.capabilityC;
    options.release050200 = request.releaseV5R2;
    options.release050300 = request.releaseV5R3;
    options.release050400 = request.releaseV5R4;
    options.changesAllowed = request.changesAllowed;
    options.migrate = request.migrate;
    return profiles::ShowProfilePropertySheet(options, parent);
}

DialogResult CreateProfile(const CPointToPointSelectedObject& item, int folderKind, HWND parent) {
    CProfileSheetRequest request;
    request.server = item.m_strServerName;
    request.folderKind = folderKind;
    const DialogResult answered = RunProfileSetupDialog(item.m_strServerName, folderKind,
                                                        item.m_bV5R2, request.answers, parent);
    if (answered != ui::IDOK) return answered;
    request.capabilityA = true;
    request.capabilityB = true;
    request.capabilityC = true;
    request.changesAllowed = true;
    request.releaseV5R2 = item.m_bV5R2;
    request.releaseV5R3 = item.m_bV5R3;
    request.releaseV5R4 = item.m_bV5R4;
    return OpenProfileSheet(request, parent);
}

DialogResult OpenModemSheet(std::string_view server, std::string_view modemName,
                            host::IServerObject* model, bool changeable, HWND parent) {
    return modems::ShowModemPropertySheet(server, modemName, model, changeable, parent);
}

DialogResult OpenGroupPolicySheet(std::string_view server, std::string_view policyName,
                                  bool changeable, HWND parent) {
    return policies::ShowGroupPolicyPropertySheet(server, policyName, changeable, parent);
}

DialogResult OpenServicesSheet(std::string_view server, HWND parent) {
    return ras::ShowServicesPropertySheet(server, parent);
}

DialogResult RunDialerWizard(std::string_view server, HWND parent) {
    return wizard::RunWDNDialerWizard(server, parent);
}

DialogResult OpenConnectionView(std::string_view server, HWND parent) {
    CPointToPointConnectionViewDialog view(server, parent);
    return view.DoModal();
}

}  // namespace ptp::frame
