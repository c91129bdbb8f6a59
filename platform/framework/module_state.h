#pragma once
// The state of one loaded module: its component bookkeeping and its resource library. Every call
// into a plug-in switches the thread's current state to the plug-in's for the duration of the call
// (ModuleStateScope), so that what the plug-in looks up comes from its own module even when the
// console hosts several plug-ins.
#include <memory>

#include "platform/com/com_module.h"
#include "platform/res/resource_module.h"

namespace ptp::fw {

struct ModuleState {
    ComModule com;
    std::shared_ptr<res::ResourceModule> resources;
};

// The calling thread's current state: the console's own (an empty one) outside plug-in calls.
[[nodiscard]] ModuleState& CurrentModuleState();

// Makes `state` current until the scope ends, on every return path.
class ModuleStateScope {
  public:
    explicit ModuleStateScope(ModuleState& state);
    ~ModuleStateScope();
    ModuleStateScope(const ModuleStateScope&) = delete;
    ModuleStateScope& operator=(const ModuleStateScope&) = delete;

  private:
    ModuleState* m_pPrevious;
};

}  // namespace ptp::fw
