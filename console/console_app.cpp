#include "console/console_app.h"

#include <chrono>
#include <memory>
#include <optional>

#include "console/browser_window.h"
#include "console/console_texts.h"
#include "host/host_services.h"
#include "host/in_process_host.h"
#include "platform/com/registry.h"
#include "platform/res/resource_module.h"
#include "platform/ui/toolkit.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/profile.h"
#include "server/demo_data.h"
#include "server/ppp_jobs.h"
#include "server/system.h"

namespace ptp::console {
namespace {

constexpr const char* kDemoSystem = "DEMO";
constexpr const char* kDemoRelease = "050400";

// The statuses of a system's profiles in one text, to tell when a clock tick changed one. Only
// the status is read: a tick runs every second, also on systems of many thousand profiles.
std::string ProfileStates(server::System& system) {
    auto statuses = system.ListValues(kinds::kProfile, attr::profile::kStatus);
    if (!statuses) return {};
    std::string states;
    for (const auto& [name, status] : *statuses) {
        states += name + '=' + status + ';';
    }
    return states;
}

}  // namespace

ConsoleApp::ConsoleApp(ConsoleOptions options)
    : m_options(std::move(options)), m_store(m_options.stateDir) {
    host::InProcessOptions hostOptions;
    hostOptions.stateRoot = m_options.stateDir / "systems";
    m_pHost = std::make_unique<host::InProcessHost>(hostOptions);
    m_pViews = std::make_unique<ServerViews>(*m_pHost);
}

ConsoleApp::~ConsoleApp() {
    Stop();
}

void ConsoleApp::Stop() {
    {
        std::lock_guard lock(m_tickerMutex);
        m_bStopping = true;
    }
    m_tickerWake.notify_all();
    if (m_ticker.joinable()) m_ticker.join();
    m_ui.Stop();
    // The UI thread has ended, so no call into the plug-in can be under way any more.
    m_pPlugin.reset();
    if (host::GetHost() == m_pHost.get()) host::SetHost(nullptr);
    if (&ui::GetDriver() == &m_driver) ui::SetDriver(nullptr);
}

Result<bool> ConsoleApp::Start() {
    auto loaded = m_store.Load();
    if (!loaded) return loaded.error();
    std::string why;
    m_pResources =
        res::ResourceModule::LoadLibrary((m_options.libraryDir / "libptpres.so").string(), &why);
    if (!m_pResources) {
        return Fail(ErrorKind::Unavailable,
                    ui::FormatResource(IDS_CONSOLE_NO_RESOURCE_LIBRARY, {why}));
    }
    ui::SetResourceModule(m_pResources);
    ui::SetDriver(&m_driver);
    host::SetHost(m_pHost.get());
    // The console's registry lives with the rest of its state.
    SetRegistryDirectory((m_options.stateDir / "registry").string());
    if (m_options.demo && m_store.Find(kDemoSystem) == nullptr) {
        auto added = AddEmbeddedSystem(SystemEntry{kDemoSystem, kDemoRelease});
        if (!added) return added.error();
        server::Error why;
        auto* demo = m_pHost->SystemFor(kDemoSystem, &why);
        const auto seeded = demo ? server::SeedDemoData(*demo) : server::Status(why);
        if (!seeded) {
            return Fail(ErrorKind::Unavailable,
                        ui::FormatResource(IDS_CONSOLE_DEMO_NOT_SEEDED, {seeded.error().text}));
        }
    }
    auto plugin = StartPlugin();
    if (!plugin) return plugin.error();
    m_ticker = std::thread([this] {
        std::unique_lock lock(m_tickerMutex);
        while (
            !m_tickerWake.wait_for(lock, std::chrono::seconds(1), [this] { return m_bStopping; })) {
            lock.unlock();
            TickClocks();
            lock.lock();
        }
    });
    return true;
}

Result<bool> ConsoleApp::AddEmbeddedSystem(const SystemEntry& entry) {
    auto& state = m_pHost->State();
    if (!state.HasSystem(entry.name)) {
        const auto created = state.AddSystem(entry.name, entry.release);
        if (!created) {
            return Fail(ErrorKind::BadRequest,
                        ui::FormatResource(IDS_CONSOLE_SYSTEM_NOT_CREATED, {created.error().text}));
        }
    }
    return m_store.Add(entry);
}

Result<bool> ConsoleApp::StartPlugin() {
    auto started = std::make_shared<std::optional<Result<bool>>>();
    const auto outcome = m_ui.Run([this, started] {
        auto plugin = std::make_unique<ConsolePlugin>(
            *m_pHost, m_pResources, m_options.libraryDir / "libptpext.so", m_driver);
        started->emplace(plugin->Start());
        if (**started) m_pPlugin = std::move(plugin);
    });
    if (outcome != UiThread::Outcome::Finished || !*started) {
        return Fail(ErrorKind::Internal, ui::LoadText(IDS_CONSOLE_UI_THREAD_NOT_STARTED));
    }
    // Without the plug-in the console still shows its own views; the folders say what is wrong.
    if (!**started) m_strPluginProblem = (*started)->error().message;
    return true;
}

void ConsoleApp::TickClocks() {
    // One tick waits for the UI thread at most and takes every second counted meanwhile: ticks
    // piling up behind a busy thread would keep it from ever settling, and requests wait for that.
    if (m_nUntickedSeconds.fetch_add(1) > 0) return;
    m_ui.Post([this] {
        const long seconds = m_nUntickedSeconds.exchange(0);
        for (const auto& entry : m_store.Systems()) {
            auto* system = m_pHost->SystemFor(entry.name);
            if (system == nullptr) continue;
            (void)system->Jobs().AdvanceClock(seconds);
            auto states = ProfileStates(*system);
            auto& known = m_profileStates[entry.name];
            if (states == known) continue;
            known = std::move(states);
            ++m_nServerChanges;
        }
    });
}

Result<Json> ConsoleApp::OnUi(std::function<Result<Json>()> operation) {
    // The operation may outlive this call when it opens a dialog, so it owns what it uses.
    auto answer = std::make_shared<std::optional<Result<Json>>>();
    const auto outcome = m_ui.Run(
        [this, answer, operation = std::move(operation), window = RequestWindow::Current()] {
            WebDriver::CallerScope caller(m_driver, window);
            answer->emplace(operation());
        });
    switch (outcome) {
        case UiThread::Outcome::Finished:
            return std::move(**answer);
        case UiThread::Outcome::WaitingForUser:
            // The operation goes on inside a dialog: the browser gets the state with the dialog
            // and plays it; the operation's own answer is dropped when it ends.
            return GetState();
        case UiThread::Outcome::StillBusy:
            return Fail(ErrorKind::Unavailable, ui::LoadText(IDS_CONSOLE_STILL_BUSY));
        case UiThread::Outcome::Stopped:
            return Fail(ErrorKind::Unavailable, ui::LoadText(IDS_CONSOLE_SHUTTING_DOWN));
    }
    return Fail(ErrorKind::Internal, ui::LoadText(IDS_CONSOLE_LOST_REQUEST));
}

Json ConsoleApp::StateJson() const {
    Json systems = Json::array();
    for (const auto& entry : m_store.Systems()) {
        systems.push_back({{"name", entry.name}, {"release", entry.release}});
    }
    return Json{{"systems", systems},
                {"dialogs", m_driver.DialogsJson()},
                {"elsewhere", m_driver.ElsewhereJson()},
                {"status", m_driver.StatusText()},
                {"refresh", m_driver.RefreshCount()},
                {"changes", m_nServerChanges},
                {"navigate", m_pPlugin ? m_pPlugin->NavigationJson() : Json{{"serial", 0}}},
                // A wait cursor does not outlast a dialog or message box put up under it, as on
                // a desktop: the user is being asked, nothing is working.
                {"busy", ui::IsWaitCursor() && !m_driver.Modal()}};
}

Result<Json> ConsoleApp::PageTexts() const {
    Json texts = Json::object();
    if (!m_pResources) return Json{{"texts", texts}};
    for (const auto id : m_pResources->StringIds()) {
        if (id < kFirstPageText || id > kLastPageText) continue;
        texts[std::to_string(id)] = m_pResources->String(id);
    }
    return Json{{"texts", texts}};
}

Result<Json> ConsoleApp::GetState() {
    return OnUi([this]() -> Result<Json> { return StateJson(); });
}

Result<Json> ConsoleApp::AddSystem(const AddSystemRequest& request) {
    return OnUi([this, request]() -> Result<Json> {
        auto added = AddEmbeddedSystem(SystemEntry{UpperCase(request.name), request.release});
        if (!added) return added.error();
        return StateJson();
    });
}

Result<Json> ConsoleApp::RemoveSystem(const SystemRequest& request) {
    return OnUi([this, request]() -> Result<Json> {
        auto removed = m_store.Remove(request.name);
        if (!removed) return removed.error();
        return StateJson();
    });
}

Result<const SystemEntry*> ConsoleApp::FindSystem(const std::string& name) const {
    const auto* entry = m_store.Find(name);
    if (entry == nullptr) {
        return Fail(ErrorKind::NotFound,
                    ui::FormatResource(IDS_CONSOLE_NO_SUCH_SYSTEM, {UpperCase(name)}));
    }
    return entry;
}

Result<Json> ConsoleApp::OnPlugin(std::function<Result<Json>(ConsolePlugin&)> operation,
                                  const std::string& system) {
    return OnUi([this, operation = std::move(operation), system]() -> Result<Json> {
        auto found = FindSystem(system);
        if (!found) return found.error();
        if (!m_pPlugin) {
            return Fail(ErrorKind::Unavailable,
                        ui::FormatResource(IDS_CONSOLE_PLUGIN_MISSING, {m_strPluginProblem}));
        }
        auto answer = operation(*m_pPlugin);
        if (!answer) return answer.error();
        if (!answer->empty()) return answer;
        return StateJson();
    });
}

Result<Json> ConsoleApp::Folder(const SelectionRequest& request) {
    return OnPlugin([request](ConsolePlugin& plugin) { return plugin.Folder(request); },
                    request.system);
}

Result<Json> ConsoleApp::Menu(const MenuRequest& request) {
    return OnPlugin([request](ConsolePlugin& plugin) { return plugin.Menu(request); },
                    request.selection.system);
}

Result<Json> ConsoleApp::Invoke(const InvokeRequest& request) {
    return OnPlugin([request](ConsolePlugin& plugin) { return plugin.Invoke(request); },
                    request.selection.system);
}

Result<Json> ConsoleApp::Tasks(const SelectionRequest& request) {
    return OnPlugin([request](ConsolePlugin& plugin) { return plugin.Tasks(request); },
                    request.system);
}

Result<Json> ConsoleApp::RunTask(const TaskRequest& request) {
    return OnPlugin([request](ConsolePlugin& plugin) { return plugin.RunTask(request); },
                    request.selection.system);
}

Result<Json> ConsoleApp::DialogAction(const DialogActionRequest& request) {
    auto submitted = OnUi([this, request]() -> Result<Json> {
        auto taken = m_driver.Submit(request);
        if (!taken) return taken.error();
        return Json();
    });
    if (!submitted) return submitted.error();
    // The answer is the state after the dialog took the action.
    return GetState();
}

Result<Json> ConsoleApp::TakeOverDialog() {
    return OnUi([this]() -> Result<Json> {
        auto taken = m_driver.TakeOver();
        if (!taken) return taken.error();
        return StateJson();
    });
}

Result<Json> ConsoleApp::RunCall(std::function<void()> call) {
    return OnUi([this, call = std::move(call)]() -> Result<Json> {
        call();
        return StateJson();
    });
}

Result<Json> ConsoleApp::OnSystemView(const ViewRequest& request,
                                      Result<Json> (ServerViews::*view)(const std::string&,
                                                                        const std::string&)) {
    return OnUi([this, request, view]() -> Result<Json> {
        auto system = FindSystem(request.system);
        if (!system) return system.error();
        return ((*m_pViews).*view)((*system)->name, request.argument);
    });
}

Result<Json> ConsoleApp::Jobs(const ViewRequest& request) {
    return OnSystemView(request, &ServerViews::Jobs);
}
Result<Json> ConsoleApp::Job(const ViewRequest& request) {
    return OnSystemView(request, &ServerViews::Job);
}
Result<Json> ConsoleApp::Spool(const ViewRequest& request) {
    return OnSystemView(request, &ServerViews::SpooledFile);
}
Result<Json> ConsoleApp::Connections(const ViewRequest& request) {
    return OnSystemView(request, &ServerViews::Connections);
}
Result<Json> ConsoleApp::CommandLog(const ViewRequest& request) {
    return OnSystemView(request, &ServerViews::CommandLog);
}
Result<Json> ConsoleApp::PacketRules(const ViewRequest& request) {
    return OnSystemView(request, &ServerViews::PacketRules);
}

}  // namespace ptp::console
