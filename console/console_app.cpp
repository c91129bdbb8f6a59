#include "console/console_app.h"

#include <memory>
#include <optional>

namespace ptp::console {
namespace {

constexpr const char* kDemoSystem = "DEMO";
constexpr const char* kDemoRelease = "050400";

ConsoleError PluginMissing() {
    return Fail(ErrorKind::Unavailable,
                "The remote access plug-in is not registered with this console, so its folders "
                "cannot be shown.");
}

ConsoleError ServerMissing() {
    return Fail(ErrorKind::Unavailable, "This console cannot reach the system's server.");
}

}  // namespace

ConsoleApp::ConsoleApp(ConsoleOptions options)
    : m_options(std::move(options)), m_store(m_options.stateDir) {}

ConsoleApp::~ConsoleApp() {
    Stop();
}

void ConsoleApp::Stop() {
    m_ui.Stop();
}

Result<bool> ConsoleApp::Start() {
    auto loaded = m_store.Load();
    if (!loaded) return loaded.error();
    if (!m_options.demo || m_store.Find(kDemoSystem) != nullptr) return true;
    return m_store.Add(SystemEntry{kDemoSystem, kDemoRelease});
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
    return Json{{"systems", systems}};
}

Result<Json> ConsoleApp::GetState() {
    return OnUi([this]() -> Result<Json> { return StateJson(); });
}

Result<Json> ConsoleApp::AddSystem(const AddSystemRequest& request) {
    return OnUi([this, request]() -> Result<Json> {
        auto added = m_store.Add(SystemEntry{request.name, request.release});
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
    return OnUi([request]() -> Result<Json> {
        return Fail(ErrorKind::NotFound,
                    "Dialog " + std::to_string(request.dialog) + " is no longer open.");
    });
}

Result<Json> ConsoleApp::Jobs(const ViewRequest& request) {
    return OnUi([this, request]() -> Result<Json> {
        auto system = FindSystem(request.system);
        if (!system) return system.error();
        return ServerMissing();
    });
}

Result<Json> ConsoleApp::Job(const ViewRequest& request) {
    return Jobs(request);
}
Result<Json> ConsoleApp::Spool(const ViewRequest& request) {
    return Jobs(request);
}
Result<Json> ConsoleApp::Connections(const ViewRequest& request) {
    return Jobs(request);
}
Result<Json> ConsoleApp::CommandLog(const ViewRequest& request) {
    return Jobs(request);
}

}  // namespace ptp::console
