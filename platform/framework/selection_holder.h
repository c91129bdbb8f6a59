#pragma once
// Wraps the data object the console passed with a selection and yields the selected items.
#include <optional>

#include "platform/framework/console_selection.h"
#include "platform/framework/shell_interfaces.h"

namespace ptp::fw {

class CSelectionHolder {
  public:
    CSelectionHolder() = default;
    ~CSelectionHolder() { Release(); }
    CSelectionHolder(const CSelectionHolder&) = delete;
    CSelectionHolder& operator=(const CSelectionHolder&) = delete;

    // Takes a reference on the data object; false (and nothing held) when it is null or does
    // not describe a selection.
    [[nodiscard]] bool Attach(IDataObject* dataObject);
    void Release();
    [[nodiscard]] bool IsAttached() const { return m_pSelection != nullptr; }

    // Zero when nothing is attached or the console cannot tell.
    [[nodiscard]] long GetCount() const;
    // The facts of item `index`; no value when it cannot be read.
    [[nodiscard]] std::optional<ConsoleItem> GetItem(long index) const;
    // The server-side record of a profile, modem or policy item, from its folder's list data.
    [[nodiscard]] static host::IServerObject* GetListRecord(const ConsoleItem& item);

  private:
    IConsoleSelection* m_pSelection = nullptr;
};

}  // namespace ptp::fw
