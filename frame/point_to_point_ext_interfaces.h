#pragma once
// The extension object the console creates for every use: it receives the selection, and answers
// for the context menu, property pages and tasks through four nested interface objects that share
// its reference count.
#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "frame/point_to_point_selection.h"
#include "platform/framework/item_id_holder.h"
#include "platform/framework/selection_holder.h"
#include "platform/framework/shell_interfaces.h"

namespace ptp::frame {

class CPointToPointProfile;

// Profiles that sheets opened in this process; emptied whenever an extension object goes.
[[nodiscard]] std::vector<CPointToPointProfile*>& PointToPointProfileList();

// Something an extension object keeps for a command and deletes with itself.
class CExtensionOwnedObject {
  public:
    virtual ~CExtensionOwnedObject() = default;
};

inline constexpr std::size_t kMaxMenuCommands = 25;
// Menu command table words: bit 31 marks a greyed entry, this value a separator.
inline constexpr std::uint32_t kMenuCommandGreyed = 0x80000000u;
inline constexpr std::uint32_t kMenuSeparator = 0x7FFFFFFFu;

class CPointToPointExtInterfaces {
  public:
    // The class factory's creation function.
    static HRESULT CreateInstance(REFIID riid, void** ppv);

    CPointToPointExtInterfaces(const CPointToPointExtInterfaces&) = delete;
    CPointToPointExtInterfaces& operator=(const CPointToPointExtInterfaces&) = delete;

    HRESULT ExternalQueryInterface(REFIID riid, void** ppv);
    ULONG ExternalAddRef();
    ULONG ExternalRelease();

    // IShellExtInit::Initialize, step by step.
    HRESULT Initialize(const fw::ITEMIDLIST* folder, fw::IDataObject* dataObject, HKEY progIdKey);

    // The selection walk over the items the console handed to Initialize.
    long ReadSelection(const CPointToPointSelection::Visitor& visit);

    [[nodiscard]] const std::string& FolderPath() const { return m_strFolderPath; }
    [[nodiscard]] const CPointToPointSelectedObject& CurrentItem() const { return m_current; }

    // The part every nested interface object shares: IUnknown, forwarded to the owner inside
    // the module's state.
    template <typename Interface>
    class CNestedInterface : public Interface {
      public:
        explicit CNestedInterface(CPointToPointExtInterfaces& owner) : m_owner(owner) {}
        HRESULT QueryInterface(REFIID riid, void** ppv) override;
        ULONG AddRef() override;
        ULONG Release() override;

      protected:
        ~CNestedInterface() = default;
        CPointToPointExtInterfaces& m_owner;
    };

    class XShellExtInit final : public CNestedInterface<fw::IShellExtInit> {
      public:
        using CNestedInterface::CNestedInterface;
        HRESULT Initialize(const fw::ITEMIDLIST* folder, fw::IDataObject* dataObject,
                           HKEY progIdKey) override;
    };

    class XContextMenu final : public CNestedInterface<fw::IContextMenu> {
      public:
        using CNestedInterface::CNestedInterface;
        HRESULT QueryContextMenu(fw::HMENU menu, UINT indexMenu, UINT idCmdFirst, UINT idCmdLast,
                                 UINT flags) override;
        HRESULT InvokeCommand(fw::CMINVOKECOMMANDINFO* info) override;
        HRESULT GetCommandString(std::uintptr_t idCmd, UINT type, UINT* reserved, char* name,
                                 UINT cchMax) override;
    };

    class XShellPropSheetExt final : public CNestedInterface<fw::IShellPropSheetExt> {
      public:
        using CNestedInterface::CNestedInterface;
        HRESULT AddPages(fw::LPFNADDPROPSHEETPAGE addPage, LPARAM lParam) override;
        HRESULT ReplacePage(UINT pageId, fw::LPFNADDPROPSHEETPAGE replacePage,
                            LPARAM lParam) override;
    };

    class XR8TasksManager final : public CNestedInterface<fw::IR8TasksManagerW> {
      public:
        using CNestedInterface::CNestedInterface;
        HRESULT GetTasks(UINT requestFlags, std::vector<fw::R8Task>* tasks) override;
        HRESULT RunTask(UINT taskId, HWND parent) override;
    };

  private:
    CPointToPointExtInterfaces();
    ~CPointToPointExtInterfaces();

    std::atomic<ULONG> m_dwRef{1};

    XShellExtInit m_xShellExtInit{*this};
    XContextMenu m_xContextMenu{*this};
    XShellPropSheetExt m_xShellPropSheetExt{*this};
    XR8TasksManager m_xR8TasksManager{*this};

    fw::CSelectionHolder m_selection;
    HKEY m_hProgIdKey = nullptr;
    std::array<std::uint32_t, kMaxMenuCommands> m_menuCommands{};
    std::size_t m_nMenuCommands = 0;
    fw::CItemIdListHolder m_folderItemId;
    std::string m_strFolderPath;
    std::unique_ptr<CExtensionOwnedObject> m_pOwnedObject;

    CPointToPointSelectedObject m_current;
};

}  // namespace ptp::frame
