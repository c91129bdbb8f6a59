#pragma once
// The data object a console hands to the plug-in with a selection: the selected items with their
// folder's list data.
#include <atomic>
#include <vector>

#include "platform/framework/console_selection.h"
#include "platform/framework/shell_interfaces.h"

namespace ptp::session {

class ConsoleDataObject final : public fw::IDataObject, public fw::IConsoleSelection {
  public:
    explicit ConsoleDataObject(std::vector<fw::ConsoleItem> items) : m_items(std::move(items)) {}

    HRESULT QueryInterface(REFIID riid, void** ppv) override;
    ULONG AddRef() override { return ++m_refs; }
    // The console owns the object; the plug-in's references only count.
    ULONG Release() override { return --m_refs; }
    HRESULT GetItemCount(long* count) override;
    HRESULT GetItem(long index, fw::ConsoleItem* item) override;

  private:
    std::vector<fw::ConsoleItem> m_items;
    std::atomic<ULONG> m_refs{1};
};

}  // namespace ptp::session
