#include "console/console_plugin.h"

#include <algorithm>

#include "console/console_texts.h"
#include "console/session/plugin_session.h"
#include "console/web_driver.h"
#include "host/in_process_host.h"
#include "platform/framework/column_definitions.h"
#include "platform/framework/item_id.h"
#include "platform/ui/toolkit.h"

namespace ptp::console {
namespace {

// The console's packet rules editor as plug-ins start it through the console's tool bridge.
constexpr std::string_view kRulesEditorClass = "com/ktl/rq800/admix/ippolicies/LMPacketRules";
constexpr std::string_view kRemoteAccessRulesMethod = "launchEditorForRemoteAccess";
constexpr std::string_view kRemoteAccessRulesFile =
    "/QKTL/USERDATA/NOS50/TCPIP/ADMIXRULES/PPPFILTERS.I3P";

// The console's names of the job views the plug-in opens (type codes of the last path level).
constexpr std::string_view kServerJobsFolder = "Server Jobs";
constexpr std::string_view kUserJobsFolder = "User Jobs";
// The TCP/IP server folders, shown as the server jobs that serve them.
struct ServerFolder {
    std::string_view typeCode;
    std::string_view jobPrefix;
};
constexpr ServerFolder kServerFolders[] = {
    {"TCP/IP", "QT"},
    {"DHCP", "QTODDHCPS"},
    {"BOOTP/DHCP Relay Agent", "QTODDHCPR"},
};

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

// A qualified job "name user number" (the fields padded to 10, 10 and 6 columns) as the job
// views name a job: "number/user/name". A job name longer than its column pushes the other two
// right, so they are taken from the end, where they always stand.
std::string JobKey(std::string_view qualified) {
    constexpr std::size_t kUserWidth = 10;
    constexpr std::size_t kNumberWidth = 6;
    if (qualified.size() < kUserWidth + kNumberWidth) return Trimmed(qualified);
    const std::size_t numberAt = qualified.size() - kNumberWidth;
    const std::size_t userAt = numberAt - kUserWidth;
    return Trimmed(qualified.substr(numberAt)) + "/" +
           Trimmed(qualified.substr(userAt, kUserWidth)) + "/" +
           Trimmed(qualified.substr(0, userAt));
}

// Lines of the session's menu, depth first, back into nested entries.
Json MenuEntries(const std::vector<session::MenuLine>& lines, std::size_t& at, int depth) {
    Json entries = Json::array();
    while (at < lines.size() && lines[at].depth >= depth) {
        const session::MenuLine& line = lines[at++];
        if (line.separator) {
            entries.push_back({{"separator", true}});
            continue;
        }
        Json entry{{"text", line.text},         {"verb", line.verb},       {"greyed", line.greyed},
                   {"default", line.isDefault}, {"checked", line.checked}, {"radio", line.radio}};
        if (line.popup) entry["popup"] = MenuEntries(lines, at, depth + 1);
        entries.push_back(std::move(entry));
    }
    return entries;
}

ConsoleError PluginFailed(const session::Failure& failure) {
    return Fail(ErrorKindOf(failure.kind),
                ui::FormatResource(IDS_CONSOLE_PLUGIN_FAILED, {failure.text}));
}

UINT MenuFlags(MenuKind kind) {
    switch (kind) {
        case MenuKind::New:
            return session::kMenuNewObjects;
        case MenuKind::Default:
            return session::kMenuDefaultOnly;
        case MenuKind::Object:
            break;
    }
    return session::kMenuObjects;
}

}  // namespace

std::optional<ConsoleNavigation> NavigationOf(const session::NavigationRequest& request) {
    ConsoleNavigation target;
    target.system = request.server;
    target.title = request.title;
    if (request.what == "editor") {
        // The one editor this console has: the packet rules editor, whose remote access entry
        // opens the PPP filters file in the rules view.
        if (request.path != kRulesEditorClass || request.filter != kRemoteAccessRulesMethod)
            return std::nullopt;
        target.view = "rules";
        target.argument = std::string(kRemoteAccessRulesFile);
        return target;
    }
    if (request.what == "spooledFile") {
        // The path holds the qualified job, the filter "file/number".
        target.view = "spool";
        target.argument = JobKey(request.path) + "/" + request.filter;
        return target;
    }
    if (request.what != "view") return std::nullopt;
    const auto levels = fw::SplitItemIdLevels(request.path);
    const auto last = levels.empty() ? std::nullopt : fw::ParseItemIdText(levels.back());
    if (!last) return std::nullopt;
    if (last->typeCode == kServerJobsFolder) {
        target.view = "jobs";
        target.argument = request.filter;
        return target;
    }
    for (const ServerFolder& folder : kServerFolders) {
        if (last->typeCode != folder.typeCode) continue;
        target.view = "jobs";
        target.argument = folder.jobPrefix;
        return target;
    }
    if (last->typeCode == kUserJobsFolder && !request.filter.empty()) {
        target.view = "job";
        target.argument = JobKey(request.filter);
        return target;
    }
    return std::nullopt;
}

ConsolePlugin::ConsolePlugin(host::InProcessHost& host,
                             std::shared_ptr<res::ResourceModule> resources,
                             std::filesystem::path pluginPath, WebDriver& driver)
    : m_pSession(std::make_unique<session::PluginSession>(host, std::move(resources),
                                                          pluginPath.string())),
      m_host(host),
      m_driver(driver) {
    m_host.SetPresenter(&m_pSession->Bridge());
    auto& bridge = m_pSession->Bridge();
    bridge.onMessage = [this](const session::ConsoleMessage& message) {
        m_driver.MessageSent(nullptr, message.message, message.wParam,
                             reinterpret_cast<LPARAM>(message.text.c_str()));
        // The console acted on the message; the session's record of it can go (last, as
        // `message` is part of it).
        m_pSession->Bridge().messages.clear();
    };
    bridge.onNavigation = [this](const session::NavigationRequest& request) {
        return Navigate(request);
    };
}

ConsolePlugin::~ConsolePlugin() {
    if (m_host.Presenter() == &m_pSession->Bridge()) m_host.SetPresenter(nullptr);
}

Result<bool> ConsolePlugin::Start() {
    // The policies folder keeps two narrow columns of its own; the console gives them room.
    fw::SetColumnDefinitions("NGP", {{"", 220, 0}, {"", 420, 1}});
    session::Failure failure;
    if (!m_pSession->Start(failure)) return PluginFailed(failure);
    return true;
}

HRESULT ConsolePlugin::Navigate(const session::NavigationRequest& request) {
    auto target = NavigationOf(request);
    // The request lives in the session's record, which the console does not need to keep.
    m_pSession->Bridge().navigation.clear();
    if (!target) return E_NOTIMPL;
    target->serial = m_navigation.serial + 1;
    m_navigation = std::move(*target);
    return S_OK;
}

Json ConsolePlugin::NavigationJson() const {
    return Json{{"serial", m_navigation.serial},
                {"system", m_navigation.system},
                {"view", m_navigation.view},
                {"arg", m_navigation.argument},
                {"title", m_navigation.title}};
}

Result<bool> ConsolePlugin::Enter() {
    if (m_nCalls > 0)
        return Fail(ErrorKind::Conflict, ui::LoadText(IDS_CONSOLE_FINISH_DIALOG_FIRST));
    return true;
}

Result<std::vector<std::string>> ConsolePlugin::ItemNames(const SelectionRequest& request) const {
    std::vector<std::string> names;
    for (const std::string& id : request.items) {
        const auto fields = fw::ParseItemIdText(id);
        if (!fields) return Fail(ErrorKind::BadRequest, ui::LoadText(IDS_CONSOLE_BAD_ITEM_ID));
        names.push_back(fields->name);
    }
    return names;
}

// A guard that counts a call into the plug-in for as long as it runs.
struct CallScope {
    explicit CallScope(int& calls) : m_calls(calls) { ++m_calls; }
    ~CallScope() { --m_calls; }
    CallScope(const CallScope&) = delete;
    CallScope& operator=(const CallScope&) = delete;
    int& m_calls;
};

Result<Json> ConsolePlugin::Folder(const SelectionRequest& request) {
    // While a command waits in a dialog the folders it uses stay as they are; the listing then
    // shows what the console read last.
    if (m_nCalls == 0) m_pSession->CloseFolders();
    CallScope scope(m_nCalls);
    session::Failure failure;
    const auto listing = m_pSession->ListFolder(request.system, request.folder, failure);
    if (!listing) return PluginFailed(failure);
    Json columns = Json::array();
    for (const auto& column : listing->columns) {
        if (!column.shown) continue;
        columns.push_back({{"text", column.heading}, {"width", column.width}});
    }
    Json rows = Json::array();
    for (const auto& row : listing->rows) {
        Json cells = Json::array();
        for (std::size_t i = 0; i < row.cells.size() && i < listing->columns.size(); ++i) {
            if (listing->columns[i].shown) cells.push_back(row.cells[i]);
        }
        rows.push_back({{"id", row.itemId}, {"cells", std::move(cells)}});
    }
    return Json{{"columns", std::move(columns)}, {"rows", std::move(rows)}};
}

Result<Json> ConsolePlugin::Menu(const MenuRequest& request) {
    auto entered = Enter();
    if (!entered) return entered.error();
    auto names = ItemNames(request.selection);
    if (!names) return names.error();
    CallScope scope(m_nCalls);
    HRESULT built = S_OK;
    session::Failure failure;
    const auto lines = m_pSession->Menu(request.selection.system, request.selection.folder, *names,
                                        MenuFlags(request.kind), built, failure);
    if (!lines) return PluginFailed(failure);
    std::size_t at = 0;
    return Json{{"entries", MenuEntries(*lines, at, 0)}};
}

Result<Json> ConsolePlugin::Invoke(const InvokeRequest& request) {
    auto entered = Enter();
    if (!entered) return entered.error();
    auto names = ItemNames(request.selection);
    if (!names) return names.error();
    CallScope scope(m_nCalls);
    session::Failure failure;
    const auto result = m_pSession->Invoke(request.selection.system, request.selection.folder,
                                           *names, request.verb, failure);
    if (!result) return PluginFailed(failure);
    if (FAILED(*result)) {
        return Fail(ErrorKindOf(session::FailureKind::Refused),
                    ui::LoadText(IDS_CONSOLE_COMMAND_NOT_AVAILABLE));
    }
    return Json::object();
}

Result<Json> ConsolePlugin::Tasks(const SelectionRequest& request) {
    auto entered = Enter();
    if (!entered) return entered.error();
    CallScope scope(m_nCalls);
    session::Failure failure;
    const auto tasks = m_pSession->Tasks(request.system, request.folder, failure);
    if (!tasks) return PluginFailed(failure);
    Json list = Json::array();
    for (const auto& task : *tasks) {
        list.push_back({{"id", task.id},
                        {"title", task.title},
                        {"description", task.description},
                        {"icon", task.iconId}});
    }
    return Json{{"tasks", std::move(list)}};
}

Result<Json> ConsolePlugin::RunTask(const TaskRequest& request) {
    auto entered = Enter();
    if (!entered) return entered.error();
    CallScope scope(m_nCalls);
    session::Failure failure;
    const auto result = m_pSession->RunTask(request.selection.system, request.selection.folder,
                                            request.taskId, failure);
    if (!result) return PluginFailed(failure);
    return Json::object();
}

}  // namespace ptp::console
