#include "console/session/console_bridge.h"

#include "platform/framework/console_window.h"
#include "platform/ui/message_box.h"
#include "platform/ui/toolkit.h"

namespace ptp::session {

ConsoleBridge::ConsoleBridge(std::shared_ptr<res::ResourceModule> resources)
    : m_resources(std::move(resources)) {}

ConsoleBridge::~ConsoleBridge() {
    if (!m_pHost) return;
    fw::SetServerFacts(nullptr);
    fw::SetConsoleServices(nullptr);
    fw::SetConsoleWindowSink(nullptr);
    fw::SetConsoleNavigation(nullptr);
}

void ConsoleBridge::Install(host::IHost& host) {
    m_pHost = &host;
    fw::SetServerFacts(this);
    fw::SetConsoleServices(this);
    fw::SetConsoleWindowSink(this);
    fw::SetConsoleNavigation(this);
    ui::SetResourceModule(m_resources);
}

bool ConsoleBridge::GetServerRelease(std::string_view server, char* buffer, std::size_t length) {
    return m_pHost && m_pHost->Facts().GetRelease(server, buffer, length);
}

bool ConsoleBridge::HasAuthority(std::string_view server, int, host::SOFError** error) {
    return m_pHost && m_pHost->Facts().HasConfigurationAuthority(server, error);
}

LSTATUS ConsoleBridge::OpenKey(HKEY parent, std::string_view subKey, REGSAM access, HKEY* result) {
    return RegOpenKeyEx(parent, subKey, 0, access, result);
}

LRESULT ConsoleBridge::SendConsoleMessage(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
    ConsoleMessage sent{message, wParam, {}};
    if (message == fw::WM_PTP_STATUSTEXT && lParam)
        sent.text = reinterpret_cast<const char*>(lParam);
    messages.push_back(std::move(sent));
    if (onMessage) onMessage(messages.back());
    return 0;
}

HRESULT ConsoleBridge::OpenView(std::string_view server, std::string_view folderPath,
                                std::string_view filter, std::string_view title, HWND) {
    navigation.push_back({"view", std::string(server), std::string(folderPath), std::string(filter),
                          std::string(title)});
    return Navigated();
}

HRESULT ConsoleBridge::OpenSpooledFile(std::string_view server, std::string_view qualifiedJob,
                                       std::string_view fileName, int fileNumber,
                                       std::string_view user, HWND) {
    navigation.push_back({"spooledFile", std::string(server), std::string(qualifiedJob),
                          std::string(fileName) + "/" + std::to_string(fileNumber),
                          std::string(user)});
    return Navigated();
}

HRESULT ConsoleBridge::StartEditor(std::string_view server, std::string_view className,
                                   std::string_view methodName, HWND) {
    navigation.push_back(
        {"editor", std::string(server), std::string(className), std::string(methodName), {}});
    return Navigated();
}

HRESULT ConsoleBridge::Navigated() {
    return onNavigation ? onNavigation(navigation.back()) : S_OK;
}

void ConsoleBridge::Present(std::string_view text, std::string_view source, HWND, int style) {
    ui::MessageBox(nullptr, text, source, static_cast<UINT>(style), 0);
}

}  // namespace ptp::session
