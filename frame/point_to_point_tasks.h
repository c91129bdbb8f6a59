#pragma once
// The creation tasks the console's task pad offers for the plug-in's folders, and running them.
#include <vector>

#include "platform/framework/shell_interfaces.h"
#include "resources/ids/frame_commands.h"

namespace ptp::frame {

class CPointToPointExtInterfaces;

enum TaskId : UINT {
    TASK_NEW_MODEM = IDS_TASK_NEW_MODEM,
    TASK_NEW_ORIGINATOR_PROFILE = IDS_TASK_NEW_ORIGINATOR_PROFILE,
    TASK_NEW_RECEIVER_PROFILE = IDS_TASK_NEW_RECEIVER_PROFILE,
    TASK_DIALER_WIZARD = IDS_TASK_DIALER_WIZARD,
    TASK_NEW_GROUP_POLICY = IDS_TASK_NEW_GROUP_POLICY,
    TASK_CONSOLE_OWN =
        IDS_TASK_CONSOLE_OWN,  // listed for the console's own folder, run by the console
};

class CPointToPointTasks {
  public:
    explicit CPointToPointTasks(CPointToPointExtInterfaces& extension) : m_extension(extension) {}

    HRESULT GetTasks(UINT requestFlags, std::vector<fw::R8Task>& tasks);
    HRESULT RunTask(UINT taskId, HWND parent);

  private:
    CPointToPointExtInterfaces& m_extension;
};

}  // namespace ptp::frame
