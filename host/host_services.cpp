#include "host/host_services.h"

#include <atomic>

#include "platform/com/utf16.h"

namespace ptp::host {
namespace {
std::atomic<IHost*> g_host{nullptr};

class UnknownServerFacts : public IServerFacts {
public:
    bool GetRelease(std::string_view, char*, std::size_t) override { return false; }
    bool HasConfigurationAuthority(std::string_view, SOFError** error) override {
        if (error) *error = nullptr;
        return false;
    }
};
}  // namespace

IServerFacts& IHost::Facts() {
    static UnknownServerFacts facts;
    return facts;
}

std::size_t WriteLength(std::string_view line) { return Utf8ToUtf16(line).size() + 1; }

IHost* GetHost() { return g_host.load(); }
void SetHost(IHost* host) { g_host.store(host); }

}  // namespace ptp::host
