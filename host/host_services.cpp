#include "host/host_services.h"

#include <atomic>

namespace ptp::host {
namespace {
std::atomic<IHost*> g_host{nullptr};
}

IHost* GetHost() { return g_host.load(); }
void SetHost(IHost* host) { g_host.store(host); }

}  // namespace ptp::host
