#include "config/file_prompts.h"

#include <atomic>
#include <mutex>

#include "host/host_services.h"
#include "platform/res/resource_module.h"

namespace ptp::config {
namespace {

std::mutex g_resourcesLock;
std::shared_ptr<const res::ResourceModule> g_resources;

class CDefaultFilePrompts final : public IFilePrompts {
  public:
    void ShowMessage(std::uint32_t id, const std::vector<std::string>& args) override {
        host::IHost* host = host::GetHost();
        if (host == nullptr) return;
        host->Errors().ShowMessageText(FormatFilePrompt(id, args), nullptr);
    }
    bool AskYesNo(std::uint32_t, const std::vector<std::string>&) override { return false; }
};

CDefaultFilePrompts g_defaultPrompts;
std::atomic<IFilePrompts*> g_prompts{nullptr};

}  // namespace

IFilePrompts& GetFilePrompts() {
    IFilePrompts* prompts = g_prompts.load();
    return prompts != nullptr ? *prompts : g_defaultPrompts;
}

void SetFilePrompts(IFilePrompts* prompts) {
    g_prompts.store(prompts);
}

void SetFilePromptResources(std::shared_ptr<const res::ResourceModule> resources) {
    const std::lock_guard lock(g_resourcesLock);
    g_resources = std::move(resources);
}

std::string FormatFilePrompt(std::uint32_t id, const std::vector<std::string>& args) {
    std::shared_ptr<const res::ResourceModule> resources;
    {
        const std::lock_guard lock(g_resourcesLock);
        resources = g_resources;
    }
    if (!resources) return "[" + std::to_string(id) + "]";
    return res::FormatText(resources->String(id), args);
}

}  // namespace ptp::config
