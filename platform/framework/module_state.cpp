#include "platform/framework/module_state.h"

namespace ptp::fw {
namespace {

ModuleState& ConsoleState() {
    static ModuleState state;
    return state;
}

thread_local ModuleState* t_current = nullptr;

}  // namespace

ModuleState& CurrentModuleState() {
    return t_current ? *t_current : ConsoleState();
}

ModuleStateScope::ModuleStateScope(ModuleState& state) : m_pPrevious(t_current) {
    t_current = &state;
}

ModuleStateScope::~ModuleStateScope() {
    t_current = m_pPrevious;
}

}  // namespace ptp::fw
