#pragma once
// The console's side of a selection, as tests play it: a data object holding selected items, the
// list data of their folders, the server facts and the console services.
#include <algorithm>
#include <atomic>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "host/host_services.h"
#include "platform/framework/console_selection.h"
#include "platform/framework/console_services.h"
#include "platform/framework/item_id.h"
#include "platform/framework/shared_allocator.h"
#include "platform/framework/shell_interfaces.h"

namespace ptp::testing {

// Counts references so tests see that the plug-in holds and releases the data object.
class FakeDataObject final : public fw::IDataObject, public fw::IConsoleSelection {
  public:
    // A data object that does not describe a selection, as a foreign console might pass.
    bool describesSelection = true;
    std::vector<fw::ConsoleItem> items;

    HRESULT QueryInterface(REFIID riid, void** ppv) override {
        *ppv = nullptr;
        if (riid == IID_IUnknown || riid == fw::IID_IDataObject) {
            *ppv = static_cast<fw::IDataObject*>(this);
        } else if (riid == fw::IID_IConsoleSelection && describesSelection) {
            *ppv = static_cast<fw::IConsoleSelection*>(this);
        } else {
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG AddRef() override { return ++refs; }
    ULONG Release() override { return --refs; }
    HRESULT GetItemCount(long* count) override {
        *count = static_cast<long>(items.size());
        return S_OK;
    }
    HRESULT GetItem(long index, fw::ConsoleItem* item) override {
        if (index < 0 || static_cast<std::size_t>(index) >= items.size()) return E_INVALIDARG;
        *item = items[static_cast<std::size_t>(index)];
        return S_OK;
    }

    std::atomic<ULONG> refs{1};
};

// An error object that counts how often the receiver destroyed one.
class FakeError final : public host::SOFError {
  public:
    explicit FakeError(int* destroyed) : m_destroyed(destroyed) {}
    void Destroy() override {
        ++*m_destroyed;
        delete this;
    }
    int GetKind() const override { return kKindMessage; }
    std::string GetMessageId() const override { return "CPF9899"; }
    std::string GetText() const override { return "The attribute cannot be read."; }
    std::string GetTraceText() const override { return {}; }
    void SetTraceText(std::string_view) override {}
    void Show(HWND) override {}

  private:
    ~FakeError() override = default;
    int* m_destroyed;
};

// A server-side list element: its name, the attributes a test gives it (others read empty), and
// attributes whose read fails with an error object.
class FakeListRecord final : public host::IServerObject {
  public:
    explicit FakeListRecord(std::string name, std::map<int, std::string> attributes = {})
        : m_name(std::move(name)), m_attributes(std::move(attributes)) {}

    std::set<int> failing;
    std::vector<int> reads;
    int errorsDestroyed = 0;

    void GetAttribute(int id, char* buffer, std::size_t capacity, host::SOFError** error) override {
        reads.push_back(id);
        if (failing.contains(id)) {
            *error = new FakeError(&errorsDestroyed);
            return;
        }
        if (capacity == 0) return;
        const auto it = m_attributes.find(id);
        const std::string value = it == m_attributes.end() ? std::string() : it->second;
        const std::size_t length = std::min(value.size(), capacity - 1);
        value.copy(buffer, length);
        buffer[length] = '\0';
    }
    std::string GetAttributeText(int, host::SOFError**) override { return {}; }
    void SetAttribute(int, std::string_view) override {}
    void Commit(host::SOFError**) override {}
    void Discard() override {}
    void Delete(host::SOFError**) override {}
    std::string GetKind() const override { return "record"; }
    std::string GetName() const override { return m_name; }

  private:
    std::string m_name;
    std::map<int, std::string> m_attributes;
};

// The list data of one folder: records by item-id text.
class FakeListData final : public fw::IFolderListData {
  public:
    std::map<std::string, host::IServerObject*> records;
    std::vector<std::string> asked;

    HRESULT QueryInterface(REFIID riid, void** ppv) override {
        *ppv = nullptr;
        if (riid != IID_IUnknown && riid != fw::IID_IFolderListData) return E_NOINTERFACE;
        *ppv = this;
        return S_OK;
    }
    ULONG AddRef() override { return 2; }
    ULONG Release() override { return 1; }
    host::IServerObject* GetListObject(const fw::ITEMIDLIST* item) override {
        const auto texts = fw::ItemIdListTexts(item);
        if (texts.empty()) return nullptr;
        asked.push_back(texts[0]);
        const auto it = records.find(texts[0]);
        return it == records.end() ? nullptr : it->second;
    }
};

// A selection as the console hands it over: items of one folder's list data, each with its own
// item id (freed with the selection) and, for objects, the list record the folder holds for it.
class FakeSelection {
  public:
    FakeSelection() = default;
    FakeSelection(const FakeSelection&) = delete;
    FakeSelection& operator=(const FakeSelection&) = delete;
    ~FakeSelection() {
        for (auto* id : m_ids)
            fw::SharedFree(id);
    }

    void AddItem(std::string type, std::string server, std::string name, FakeListRecord* record) {
        const long position = static_cast<long>(data.items.size());
        fw::ITEMIDLIST* id = fw::CreateItemId(name, type, position);
        m_ids.push_back(id);
        if (record) listData.records[fw::ItemIdText(name, type, position)] = record;
        data.items.push_back({type, server, name, id, &listData});
    }

    FakeDataObject data;
    FakeListData listData;

  private:
    std::vector<fw::ITEMIDLIST*> m_ids;
};

class RecordingServerFacts final : public fw::IServerFacts {
  public:
    std::map<std::string, std::string> releases;  // by server name
    std::vector<std::size_t> bufferLengths;
    bool buffersArrivedZeroed = true;

    bool GetServerRelease(std::string_view server, char* buffer, std::size_t length) override {
        bufferLengths.push_back(length);
        for (std::size_t i = 0; i < length; ++i)
            buffersArrivedZeroed &= buffer[i] == '\0';
        const auto it = releases.find(std::string(server));
        if (it == releases.end()) return false;
        it->second.copy(buffer, length);
        return true;
    }
    std::vector<std::string> authorityAsked;  // the servers, in order

    bool HasAuthority(std::string_view server, int, host::SOFError**) override {
        authorityAsked.emplace_back(server);
        return true;
    }
};

class FakeConsoleServices final : public fw::IConsoleServices {
  public:
    std::shared_ptr<res::ResourceModule> resources;
    std::vector<REGSAM> openedWithAccess;
    std::vector<std::string> openedSubKeys;
    std::vector<UINT> stylesAsked;

    // The console adds the system-modal bit, so tests see the style went through here.
    UINT MessageBoxStyle(UINT style) override {
        stylesAsked.push_back(style);
        return style | 0x1000;
    }
    LSTATUS OpenKey(HKEY parent, std::string_view subKey, REGSAM access, HKEY* result) override {
        openedWithAccess.push_back(access);
        openedSubKeys.emplace_back(subKey);
        return RegOpenKeyEx(parent, subKey, 0, access, result);
    }
    std::shared_ptr<res::ResourceModule> GetResourceModule() override { return resources; }
};

}  // namespace ptp::testing
