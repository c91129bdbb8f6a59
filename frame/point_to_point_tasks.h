#pragma once
// The creation tasks the console's task pad offers for the plug-in's folders, and running them.
#include <vector>

#include "platform/framework/shell_interfaces.h"

namespace ptp::frame {

class CPointToPointExtInterfaces;

enum TaskId : UINT {
    TASK_NEW_MODEM = 28080,
    TASK_NEW_ORIGINATOR_PROFILE = 28081,
    TASK_NEW_RECEIVER_PROFILE = 28082,
    TASK_DIALER_WIZARD = 28083,
    TASK_NEW_GROUP_POLICY = 28084,
    TASK_CONSOLE_OWN = 28079,  // listed for the console's own folder, run by the console
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
