#include "frame/point_to_point_ext_app.h"

#include <mutex>

#include "frame/class_ids.h"
#include "frame/group_access_policies_data.h"
#include "frame/modems_data.h"
#include "frame/point_to_point_ext_interfaces.h"
#include "frame/profiles_data.h"
#include "platform/framework/console_services.h"
#include "platform/ui/toolkit.h"
#include "resources/ids/frame.h"

namespace ptp::frame {
namespace {

// Ends the module when the library is unloaded, if it was ever started.
struct ModuleLifetime {
    std::once_flag started;
    bool running = false;
    ~ModuleLifetime() {
        if (running) TheApp().ExitInstance();
    }
};

CPointToPointExtApp theApp;
ModuleLifetime theLifetime;

}  // namespace

CPointToPointExtApp& TheApp() {
    return theApp;
}

void EnsureStarted() {
    std::call_once(theLifetime.started, [] {
        fw::ModuleStateScope scope(theApp.State());
        theLifetime.running = theApp.InitInstance() != FALSE;
    });
}

BOOL CPointToPointExtApp::InitInstance() {
    ComModule& module = State().com;
    m_factories.push_back(std::make_unique<ClassFactory>(
        module, CLSID_PointToPointExtInterfaces, std::string(kProgIdPointToPointExtInterfaces),
        &CPointToPointExtInterfaces::CreateInstance));
    m_factories.push_back(std::make_unique<ClassFactory>(module, CLSID_ProfilesData,
                                                         std::string(kProgIdProfilesData),
                                                         &CProfilesData::CreateInstance));
    m_factories.push_back(std::make_unique<ClassFactory>(
        module, CLSID_ModemsData, std::string(kProgIdModemsData), &CModemsData::CreateInstance));
    m_factories.push_back(std::make_unique<ClassFactory>(
        module, CLSID_GroupAccessPoliciesData, std::string(kProgIdGroupAccessPoliciesData),
        &CGroupAccessPoliciesData::CreateInstance));
    // The console's resource library becomes the one the toolkit builds this module's dialogs
    // and texts from.
    State().resources = fw::ConsoleServices().GetResourceModule();
    if (State().resources) ui::SetResourceModule(State().resources);
    m_strAppName = State().resources
                       ? State().resources->LoadString(IDS_APPLICATION_TITLE).value_or("")
                       : std::string();
    m_strHelpFilePath = kHelpFileName;
    return TRUE;
}

int CPointToPointExtApp::ExitInstance() {
    m_strAppName.clear();
    m_strHelpFilePath.clear();
    m_factories.clear();
    State().resources.reset();
    return ui::CWinApp::ExitInstance();
}

int CPointToPointExtApp::DoMessageBox(std::string_view prompt, UINT style, UINT promptId) {
    return ui::CWinApp::DoMessageBox(prompt, fw::ConsoleServices().MessageBoxStyle(style),
                                     promptId);
}

}  // namespace ptp::frame
