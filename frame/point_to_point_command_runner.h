#pragma once
// InvokeCommand: finds the command the console asked for in the menu command table and runs it
// once per selected item, then tells the console window what changed.
#include <string>

#include "frame/point_to_point_selected_object.h"
#include "frame/sheet_openers.h"
#include "platform/framework/shell_interfaces.h"

namespace ptp::frame {

class CPointToPointExtInterfaces;

class CPointToPointCommandRunner {
  public:
    explicit CPointToPointCommandRunner(CPointToPointExtInterfaces& extension)
        : m_extension(extension) {}

    HRESULT Invoke(const fw::CMINVOKECOMMANDINFO* info);

  private:
    // The command at a menu offset or of a verb; 0 when it may not run.
    [[nodiscard]] UINT ResolveCommand(const char* verb) const;
    void Run(UINT command);
    // Runs `command` for one item; true when it succeeded.
    bool RunForItem(UINT command, const CPointToPointSelectedObject& item, long index, long count);
    // Runs a CL command on the item's server; its reply, if any, is shown.
    bool RunServerCommand(const CPointToPointSelectedObject& item, const std::string& command);
    bool DeleteItem(const CPointToPointSelectedObject& item, long count);
    bool DeleteProfile(const CPointToPointSelectedObject& item);
    bool DeleteGroupPolicy(const CPointToPointSelectedObject& item);
    void OpenProperties(const CPointToPointSelectedObject& item, bool migrate);
    // Refreshes the view after a dialog that ended with OK.
    void AfterDialog(DialogResult result);
    // NEWWDNPROFILE and NEWGROUPPOLICY: failures are reported, anything but cancel refreshes.
    void AfterCreation(DialogResult result);
    void ReportCounts(UINT command, long successes, long count);

    CPointToPointExtInterfaces& m_extension;
    HWND m_hParent = nullptr;
    bool m_bDeleteConfirmed = false;
};

}  // namespace ptp::frame
