#pragma once
// What a console without windows installs before it loads the plug-in: server facts from the
// host, the resource library, the host's message boxes shown through the
// toolkit's driver (so a script answers them and its transcript records them), the window
// messages and the console navigation the plug-in sends, recorded in order.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/host_services.h"
#include "host/message_presenter.h"
#include "platform/framework/console_navigation.h"
#include "platform/framework/console_services.h"
#include "platform/framework/console_window.h"
#include "platform/ui/message_box.h"
#include "platform/ui/ui_constants.h"

namespace ptp::session {

struct ConsoleMessage {
    UINT message = 0;
    WPARAM wParam = 0;
    std::string text;  // the status text of 0x408
};

struct NavigationRequest {
    std::string what;  // "view", "spooledFile" or "editor"
    std::string server;
    std::string path;
    std::string filter;
    std::string title;
};

class ConsoleBridge final : public fw::IServerFacts,
                            public fw::IConsoleServices,
                            public fw::IConsoleWindowSink,
                            public fw::IConsoleNavigation,
                            public host::IMessagePresenter {
  public:
    explicit ConsoleBridge(std::shared_ptr<res::ResourceModule> resources);
    ~ConsoleBridge() override;
    ConsoleBridge(const ConsoleBridge&) = delete;
    ConsoleBridge& operator=(const ConsoleBridge&) = delete;

    // Installs every part process-wide (and the toolkit's resource library); the destructor
    // takes them out again.
    void Install(host::IHost& host);

    std::vector<ConsoleMessage> messages;
    std::vector<NavigationRequest> navigation;
    // A console with a window of its own also acts on them as they arrive: it refreshes its view,
    // shows the status text, opens the view. When `onNavigation` is set its answer is the
    // plug-in's, so a console can refuse a view it does not have.
    std::function<void(const ConsoleMessage&)> onMessage;
    std::function<HRESULT(const NavigationRequest&)> onNavigation;

    // fw::IServerFacts
    bool GetServerRelease(std::string_view server, char* buffer, std::size_t length) override;
    bool HasAuthority(std::string_view server, int authority, host::SOFError** error) override;
    // fw::IConsoleServices
    UINT MessageBoxStyle(UINT style) override { return style; }
    LSTATUS OpenKey(HKEY parent, std::string_view subKey, REGSAM access, HKEY* result) override;
    std::shared_ptr<res::ResourceModule> GetResourceModule() override { return m_resources; }
    [[nodiscard]] const std::shared_ptr<res::ResourceModule>& Resources() const {
        return m_resources;
    }
    // fw::IConsoleWindowSink
    LRESULT SendConsoleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    // fw::IConsoleNavigation
    HRESULT OpenView(std::string_view server, std::string_view folderPath, std::string_view filter,
                     std::string_view title, HWND parent) override;
    HRESULT OpenSpooledFile(std::string_view server, std::string_view qualifiedJob,
                            std::string_view fileName, int fileNumber, std::string_view user,
                            HWND parent) override;
    HRESULT StartEditor(std::string_view server, std::string_view className,
                        std::string_view methodName, HWND parent) override;
    // host::IMessagePresenter
    void Present(std::string_view text, std::string_view source, HWND parent, int style) override;

  private:
    // The answer to the navigation request just recorded.
    HRESULT Navigated();

    std::shared_ptr<res::ResourceModule> m_resources;
    host::IHost* m_pHost = nullptr;
};

}  // namespace ptp::session
