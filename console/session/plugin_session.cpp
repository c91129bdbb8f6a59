#include "console/session/plugin_session.h"

#include <cctype>

#include "console/session/console_data_object.h"
#include "platform/com/registry.h"
#include "platform/framework/item_id.h"
#include "platform/framework/shared_allocator.h"
#include "resources/ids/plugin_session.h"

namespace ptp::session {
namespace {

const CLSID kExtensionClass = GuidFromString("{A206FAC3-B636-11D0-8E51-444553540000}");
const CLSID kProfilesDataClass = GuidFromString("{A206FAC2-B636-11D0-8E51-444553540000}");
const CLSID kModemsDataClass = GuidFromString("{A206FAC1-B636-11D0-8E51-444553540000}");
const CLSID kPoliciesDataClass = GuidFromString("{0178529C-1121-461E-957D-E85C6BA66AAB}");
constexpr UINT kFirstCommandId = 1;
constexpr UINT kLastCommandId = 0x7FFF;

std::optional<CLSID> ListDataClass(const std::string& folder) {
    if (folder == "NPF" || folder == "NRC") return kProfilesDataClass;
    if (folder == "NMD") return kModemsDataClass;
    if (folder == "NGP") return kPoliciesDataClass;
    return std::nullopt;
}

std::string Upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// The console's item-id list of a folder: the network root, the system and the folder.
std::vector<std::uint8_t> FolderItemIdList(const std::string& system, const std::string& folder) {
    std::vector<std::uint8_t> bytes;
    for (const std::string& text :
         {fw::ItemIdText("\\\\", "QZY", 0), fw::ItemIdText(system, "SYS", 0),
          fw::ItemIdText(folder, folder, 0)}) {
        fw::ITEMIDLIST* element = fw::CreateItemIdFromText(text);
        if (!element) continue;
        const auto* raw = reinterpret_cast<const std::uint8_t*>(element);
        bytes.insert(bytes.end(), raw, raw + element->mkid.cb);
        fw::SharedFree(element);
    }
    bytes.push_back(0);
    bytes.push_back(0);
    return bytes;
}

void AddMenuLines(fw::CConsoleMenu& menu, fw::IContextMenu& contextMenu, int depth,
                  std::vector<MenuLine>& lines) {
    for (const auto& entry : menu.Entries()) {
        MenuLine line;
        line.depth = depth;
        line.text = entry.text;
        line.greyed = entry.greyed;
        line.isDefault = entry.isDefault;
        line.checked = entry.checked;
        line.radio = entry.radio;
        line.separator = entry.separator;
        line.popup = entry.popup != nullptr;
        if (!line.separator && !line.popup) {
            char verb[64] = {};
            (void)contextMenu.GetCommandString(entry.id - kFirstCommandId, fw::GCS_VERBW, nullptr,
                                               verb, sizeof verb);
            line.verb = verb;
        }
        lines.push_back(line);
        if (entry.popup) AddMenuLines(*entry.popup, contextMenu, depth + 1, lines);
    }
}

}  // namespace

struct PluginSession::OpenFolder {
    std::string system;
    std::string type;
    fw::IFolderData* data = nullptr;
    HRESULT countResult = S_OK;
    std::vector<std::uint8_t> itemIdList;
    std::vector<fw::ITEMIDLIST*> items;
    // Each item's text and its fields (none for a text that does not parse), read once.
    std::vector<std::string> texts;
    std::vector<std::optional<fw::ItemIdFields>> fields;
    // The items by their upper-cased names, with their type codes; made when first selected
    // from, since listing a folder does not need it.
    std::map<std::string, std::pair<fw::ITEMIDLIST*, fw::ItemIdFields>> byName;

    void IndexByName() {
        if (!byName.empty()) return;
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (fields[i]) byName.emplace(Upper(fields[i]->name), std::pair{items[i], *fields[i]});
        }
    }

    ~OpenFolder() {
        for (auto* item : items)
            fw::SharedFree(item);
        if (data) data->Release();
    }
};

PluginSession::PluginSession(host::IHost& host, std::shared_ptr<res::ResourceModule> resources,
                             std::string pluginPath)
    : m_host(host), m_bridge(std::move(resources)), m_strPluginPath(std::move(pluginPath)) {}

PluginSession::~PluginSession() {
    ReleaseExtension();
    m_folders.clear();
    m_loader.FreeUnusedLibraries();
}

Failure PluginSession::Fail(FailureKind kind, std::uint32_t id,
                            const std::vector<std::string>& args) const {
    const auto resources = m_bridge.Resources();
    return Failure{kind, resources ? res::FormatText(resources->String(id), args) : std::string()};
}

bool PluginSession::Start(Failure& failure) {
    // Without its resource library the session has no words; the caller says what it could not
    // load.
    if (!m_bridge.Resources()) {
        failure = Failure{};
        return false;
    }
    m_bridge.Install(m_host);
    std::string why;
    if (SUCCEEDED(ComLoader::RegisterServer(m_strPluginPath, &why))) return true;
    failure = Fail(FailureKind::Failed, IDS_SESSION_NOT_REGISTERED, {m_strPluginPath, why});
    return false;
}

void PluginSession::ReleaseExtension() {
    if (m_pContextMenu) m_pContextMenu->Release();
    m_pContextMenu = nullptr;
    if (m_pExtension) m_pExtension->Release();
    m_pExtension = nullptr;
    m_pDataObject.reset();
}

PluginSession::OpenFolder* PluginSession::Folder(const std::string& system,
                                                 const std::string& folder, Failure& failure) {
    const std::string key = Upper(system) + "/" + folder;
    if (auto it = m_folders.find(key); it != m_folders.end()) return it->second.get();
    const auto clsid = ListDataClass(folder);
    if (!clsid) {
        failure = Fail(FailureKind::NotFound, IDS_SESSION_NO_LIST, {folder});
        return nullptr;
    }
    auto open = std::make_unique<OpenFolder>();
    open->system = Upper(system);
    open->type = folder;
    void* object = nullptr;
    if (FAILED(m_loader.CreateInstance(*clsid, fw::IID_IFolderData, &object)) || !object) {
        failure =
            Fail(FailureKind::Failed, IDS_SESSION_NO_LIST_DATA, {folder, m_loader.LastError()});
        return nullptr;
    }
    open->data = static_cast<fw::IFolderData*>(object);
    open->itemIdList = FolderItemIdList(open->system, folder);
    const auto* list = reinterpret_cast<const fw::ITEMIDLIST*>(open->itemIdList.data());
    if (FAILED(open->data->OpenFolder(list))) {
        failure = Fail(FailureKind::Refused, IDS_SESSION_FOLDER_NOT_OPENED, {folder, open->system});
        return nullptr;
    }
    (void)open->data->Load();
    long count = 0;
    open->countResult = open->data->GetCount(&count);
    open->items.reserve(static_cast<std::size_t>(std::max(count, 0L)));
    open->fields.reserve(open->items.capacity());
    open->texts.reserve(open->items.capacity());
    for (long position = 0; position < count; ++position) {
        fw::ITEMIDLIST* item = open->data->ItemAt(position);
        if (!item) continue;
        open->items.push_back(item);
        auto texts = fw::ItemIdListTexts(item);
        open->fields.push_back(texts.empty() ? std::nullopt : fw::ParseItemIdText(texts[0]));
        open->texts.push_back(texts.empty() ? std::string() : std::move(texts[0]));
    }
    return m_folders.emplace(key, std::move(open)).first->second.get();
}

void PluginSession::CloseFolders() {
    ReleaseExtension();
    m_folders.clear();
}

fw::IContextMenu* PluginSession::ContextMenu() {
    if (m_pContextMenu || !m_pExtension) return m_pContextMenu;
    void* object = nullptr;
    if (FAILED(m_pExtension->QueryInterface(fw::IID_IContextMenu, &object))) return nullptr;
    m_pContextMenu = static_cast<fw::IContextMenu*>(object);
    return m_pContextMenu;
}

fw::IFolderData* PluginSession::FolderData(const std::string& system, const std::string& folder) {
    const auto it = m_folders.find(Upper(system) + "/" + folder);
    return it == m_folders.end() ? nullptr : it->second->data;
}

std::optional<FolderListing> PluginSession::ListFolder(const std::string& system,
                                                       const std::string& folder,
                                                       Failure& failure) {
    OpenFolder* open = Folder(system, folder, failure);
    if (!open) return std::nullopt;
    FolderListing listing;
    listing.countResult = open->countResult;
    (void)open->data->GetColumns(&listing.columns);
    listing.rows.reserve(open->items.size());
    for (std::size_t i = 0; i < open->items.size(); ++i) {
        fw::ITEMIDLIST* item = open->items[i];
        FolderListing::Row row;
        row.itemId = open->texts[i];
        row.name = open->fields[i] ? open->fields[i]->name : row.itemId;
        row.cells.reserve(listing.columns.size());
        for (const auto& column : listing.columns) {
            std::string text;
            if (column.id == 0) {
                text = row.name;
            } else {
                (void)open->data->GetColumnText(column.id, item, &text);
            }
            row.cells.push_back(std::move(text));
        }
        listing.rows.push_back(std::move(row));
    }
    return listing;
}

fw::IShellExtInit* PluginSession::Select(const std::string& system, const std::string& folder,
                                         const std::vector<std::string>& items, Failure& failure) {
    ReleaseExtension();
    std::vector<fw::ConsoleItem> selected;
    if (items.empty()) {
        selected.push_back({folder, Upper(system), folder, nullptr, nullptr});
    } else {
        OpenFolder* open = Folder(system, folder, failure);
        if (!open) return nullptr;
        open->IndexByName();
        for (const std::string& wanted : items) {
            const auto it = open->byName.find(Upper(wanted));
            if (it == open->byName.end()) {
                failure = Fail(FailureKind::NotFound, IDS_SESSION_NO_ITEM,
                               {folder, open->system, wanted});
                return nullptr;
            }
            const auto& [item, fields] = it->second;
            selected.push_back({fields.typeCode, open->system, fields.name, item, open->data});
        }
    }
    void* object = nullptr;
    if (FAILED(m_loader.CreateInstance(kExtensionClass, fw::IID_IShellExtInit, &object)) ||
        !object) {
        failure = Fail(FailureKind::Failed, IDS_SESSION_NO_EXTENSION, {m_loader.LastError()});
        return nullptr;
    }
    m_pExtension = static_cast<fw::IShellExtInit*>(object);
    m_pDataObject = std::make_unique<ConsoleDataObject>(std::move(selected));
    if (FAILED(m_pExtension->Initialize(nullptr, m_pDataObject.get(), nullptr))) {
        failure = Fail(FailureKind::Refused, IDS_SESSION_SELECTION_REFUSED, {folder});
        ReleaseExtension();
        return nullptr;
    }
    return m_pExtension;
}

std::optional<std::vector<MenuLine>> PluginSession::Menu(const std::string& system,
                                                         const std::string& folder,
                                                         const std::vector<std::string>& items,
                                                         UINT flags, HRESULT& result,
                                                         Failure& failure) {
    if (!Select(system, folder, items, failure)) return std::nullopt;
    fw::IContextMenu* contextMenu = ContextMenu();
    if (!contextMenu) {
        failure = Fail(FailureKind::Failed, IDS_SESSION_NO_CONTEXT_MENU, {});
        return std::nullopt;
    }
    fw::CConsoleMenu menu;
    result =
        contextMenu->QueryContextMenu(menu.Handle(), 0, kFirstCommandId, kLastCommandId, flags);
    std::vector<MenuLine> lines;
    AddMenuLines(menu, *contextMenu, 0, lines);
    return lines;
}

std::optional<HRESULT> PluginSession::Invoke(const std::string& system, const std::string& folder,
                                             const std::vector<std::string>& items,
                                             const std::string& verb, Failure& failure) {
    HRESULT built = S_OK;
    const UINT flags = items.empty() ? kMenuNewObjects : kMenuObjects;
    if (!Menu(system, folder, items, flags, built, failure)) return std::nullopt;
    fw::CMINVOKECOMMANDINFO info;
    info.lpVerb = verb.c_str();
    return ContextMenu()->InvokeCommand(&info);
}

fw::IR8TasksManagerW* PluginSession::TasksOf(const std::string& system, const std::string& folder,
                                             Failure& failure) {
    fw::IShellExtInit* extension = Select(system, folder, {}, failure);
    if (!extension) return nullptr;
    void* object = nullptr;
    if (FAILED(extension->QueryInterface(fw::IID_IR8TasksManagerW, &object)) || !object) {
        failure = Fail(FailureKind::Failed, IDS_SESSION_NO_TASKS, {});
        return nullptr;
    }
    return static_cast<fw::IR8TasksManagerW*>(object);
}

std::optional<std::vector<fw::R8Task>> PluginSession::Tasks(const std::string& system,
                                                            const std::string& folder,
                                                            Failure& failure) {
    fw::IR8TasksManagerW* tasks = TasksOf(system, folder, failure);
    if (!tasks) return std::nullopt;
    std::vector<fw::R8Task> list;
    (void)tasks->GetTasks(fw::R8TASK_REQUEST_CREATE, &list);
    tasks->Release();
    return list;
}

std::optional<HRESULT> PluginSession::RunTask(const std::string& system, const std::string& folder,
                                              UINT taskId, Failure& failure) {
    fw::IR8TasksManagerW* tasks = TasksOf(system, folder, failure);
    if (!tasks) return std::nullopt;
    const HRESULT hr = tasks->RunTask(taskId, nullptr);
    tasks->Release();
    return hr;
}

}  // namespace ptp::session
