#include "console/console_app.h"

#include <chrono>
#include <memory>
#include <optional>

#include "host/host_services.h"
#include "host/in_process_host.h"
#include "platform/res/resource_module.h"
#include "platform/ui/toolkit.h"
#include "server/ppp_jobs.h"

namespace ptp::console {
namespace {

constexpr const char* kDemoSystem = "DEMO";
constexpr const char* kDemoRelease = "050400";

ConsoleError PluginMissing() {
    return Fail(ErrorKind::Unavailable,
                "The remote access plug-in is not registered with this console, so its folders "
                "cannot be shown.");
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
        return Fail(ErrorKind::Unavailable, "The resource library cannot be loaded: " + why);
    }
    ui::SetResourceModule(m_pResources);
    ui::SetDriver(&m_driver);
    host::SetHost(m_pHost.get());
    if (m_options.demo && m_store.Find(kDemoSystem) == nullptr) {
        auto added = AddEmbeddedSystem(SystemEntry{kDemoSystem, kDemoRelease});
        if (!added) return added.error();
    }
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
                        "The system cannot be created: " + created.error().text);
        }
    }
    return m_store.Add(entry);
}

void ConsoleApp::TickClocks() {
    m_ui.Post([this] {
        for (const auto& entry : m_store.Systems()) {
            auto* system = m_pHost->SystemFor(entry.name);
            if (system == nullptr) continue;
            (void)system->Jobs().AdvanceClock(1);
        }
    });
}

Result<Json> ConsoleApp::OnUi(std::function<Result<Json>()> operation) {
    // The operation may outlive this call when it opens a dialog, so it owns what it uses.
    auto answer = std::make_shared<std::optional<Result<Json>>>();
    const auto outcome =
        m_ui.Run([answer, operation = std::move(operation)] { answer->emplace(operation()); });
    switch (outcome) {
        case UiThread::Outcome::Finished:
            return std::move(**answer);
        case UiThread::Outcome::WaitingForUser:
            // The operation goes on inside a dialog: the browser gets the state with the dialog
            // and plays it; the operation's own answer is dropped when it ends.
            return GetState();
        case UiThread::Outcome::StillBusy:
            return Fail(ErrorKind::Unavailable,
                        "The console is still busy with an earlier request. Try again shortly.");
        case UiThread::Outcome::Stopped:
            return Fail(ErrorKind::Unavailable, "The console is shutting down.");
    }
    return Fail(ErrorKind::Internal, "The console lost track of a request.");
}

Json ConsoleApp::StateJson() const {
    Json systems = Json::array();
    for (const auto& entry : m_store.Systems()) {
        systems.push_back({{"name", entry.name}, {"release", entry.release}});
    }
    return Json{{"systems", systems},
                {"dialogs", m_driver.DialogsJson()},
                {"status", m_driver.StatusText()},
                {"refresh", m_driver.RefreshCount()},
                {"busy", ui::IsWaitCursor()}};
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
                    "The console has no system named " + UpperCase(name) + ".");
    }
    return entry;
}

Result<Json> ConsoleApp::Folder(const SelectionRequest& request) {
    return OnUi([this, request]() -> Result<Json> {
        auto system = FindSystem(request.system);
        if (!system) return system.error();
        return PluginMissing();
    });
}

Result<Json> ConsoleApp::Menu(const MenuRequest& request) {
    return OnUi([this, request]() -> Result<Json> {
        auto system = FindSystem(request.selection.system);
        if (!system) return system.error();
        return PluginMissing();
    });
}

Result<Json> ConsoleApp::Invoke(const InvokeRequest& request) {
    return OnUi([this, request]() -> Result<Json> {
        auto system = FindSystem(request.selection.system);
        if (!system) return system.error();
        return PluginMissing();
    });
}

Result<Json> ConsoleApp::Tasks(const SelectionRequest& request) {
    return OnUi([this, request]() -> Result<Json> {
        auto system = FindSystem(request.system);
        if (!system) return system.error();
        // Without the plug-in there are simply no tasks to offer.
        return Json{{"tasks", Json::array()}};
    });
}

Result<Json> ConsoleApp::RunTask(const TaskRequest& request) {
    return OnUi([this, request]() -> Result<Json> {
        auto system = FindSystem(request.selection.system);
        if (!system) return system.error();
        return PluginMissing();
    });
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

}  // namespace ptp::console
