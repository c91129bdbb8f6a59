#pragma once
// What the configuration and rules files tell the user: a read or write error, a file that cannot
// be opened, the question whether to open a file that is in use. The files only name the resource
// string (resources/strings/files.json); the process that loads the plug-in decides how a message
// reaches the user (a message box of the toolkit in the console, stderr in ptpctl, a recorder in
// tests).
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ptp::res {
class ResourceModule;
}

namespace ptp::config {

class IFilePrompts {
  public:
    virtual ~IFilePrompts() = default;
    // A warning message: resource string `id` formatted with `args` (%1, %2 ...).
    virtual void ShowMessage(std::uint32_t id, const std::vector<std::string>& args) = 0;
    // A question with Yes and No buttons; true for Yes.
    virtual bool AskYesNo(std::uint32_t id, const std::vector<std::string>& args) = 0;
};

// The prompts in force. Without an installed one, messages go to the host's error display (texts
// from the resources set with SetFilePromptResources) and questions are answered No, the answer
// that changes nothing.
IFilePrompts& GetFilePrompts();
// Installs `prompts` (kept by the caller); null restores the default.
void SetFilePrompts(IFilePrompts* prompts);
void SetFilePromptResources(std::shared_ptr<const res::ResourceModule> resources);
// The text of resource string `id` with its arguments, from the resources set above.
[[nodiscard]] std::string FormatFilePrompt(std::uint32_t id, const std::vector<std::string>& args);

}  // namespace ptp::config
