#pragma once
// Builds the context menu of a selection into the console's menu and records every inserted
// command in the extension object's menu command table.
#include <cstdint>

#include "frame/selection_summary.h"
#include "platform/framework/console_menu.h"

namespace ptp::frame {

class CPointToPointExtInterfaces;

class CPointToPointContextMenuBuilder {
  public:
    explicit CPointToPointContextMenuBuilder(CPointToPointExtInterfaces& extension)
        : m_extension(extension) {}

    // QueryContextMenu: a success code whose code field is the number of command ids used.
    HRESULT Build(fw::HMENU menu, UINT indexMenu, UINT idCmdFirst, UINT idCmdLast, UINT flags);

  private:
    // Inserts command `id` (greyed or not) at the next position and the next command id.
    void AddCommand(UINT id, bool enabled, bool makeDefault = false);
    void AddSeparator();
    void AddLoggingPopup(bool enabled);
    void AddDefaultOnly(const std::string& type);
    void AddNewObjectMenu(const std::string& type);
    void AddObjectMenu(const std::string& type);
    void AddProfileMenu();

    CPointToPointExtInterfaces& m_extension;
    CPointToPointSelectionSummary m_summary;
    fw::HMENU m_menu = nullptr;
    UINT m_nPosition = 0;
    UINT m_nNextId = 0;
    UINT m_nLastId = 0;
};

}  // namespace ptp::frame
