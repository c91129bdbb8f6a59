#include "platform/framework/console_services.h"

#include <atomic>

namespace ptp::fw {
namespace {

class DefaultServerFacts final : public IServerFacts {
  public:
    bool GetServerRelease(std::string_view, char*, std::size_t) override { return false; }
    bool HasAuthority(std::string_view, int, host::SOFError**) override { return false; }
};

class DefaultConsoleServices final : public IConsoleServices {
  public:
    UINT MessageBoxStyle(UINT style) override { return style; }
    LSTATUS OpenKey(HKEY parent, std::string_view subKey, REGSAM access, HKEY* result) override {
        return RegOpenKeyEx(parent, subKey, 0, access, result);
    }
    std::shared_ptr<res::ResourceModule> GetResourceModule() override { return nullptr; }
};

std::atomic<IServerFacts*> g_facts{nullptr};
std::atomic<IConsoleServices*> g_services{nullptr};

}  // namespace

void SetServerFacts(IServerFacts* facts) {
    g_facts = facts;
}
void SetConsoleServices(IConsoleServices* services) {
    g_services = services;
}

IServerFacts& ServerFacts() {
    static DefaultServerFacts fallback;
    IServerFacts* facts = g_facts;
    return facts ? *facts : fallback;
}

IConsoleServices& ConsoleServices() {
    static DefaultConsoleServices fallback;
    IConsoleServices* services = g_services;
    return services ? *services : fallback;
}

}  // namespace ptp::fw
