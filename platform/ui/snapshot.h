#pragma once
// The observable state of the toolkit as plain values: everything a front end needs to draw the
// open dialogs and everything a test asserts on. TakeSnapshot() copies it on the UI thread; the
// copy can then travel to any thread (the web console turns it into JSON).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ptp::ui {

struct ColumnState {
    std::string heading;
    int width = 0;
};

struct RowState {
    std::vector<std::string> cells;
    bool selected = false;
};

struct ControlState {
    int id = 0;
    std::string kind;   // "static", "edit", "checkbox", "radio", "combobox", "listbox",
                        // "listview", "spin", "button", "groupbox", "picture"
    std::string label;  // the template's label text
    std::string text;   // current text: edit contents, combo text, button caption
    bool enabled = true;
    bool visible = true;
    bool focused = false;
    int x = 0, y = 0, width = 0, height = 0;  // dialog units from the template
    bool group = false;                       // first of a radio group
    // Edit and editable combo box.
    int limit = 0;
    bool readOnly = false;
    bool digitsOnly = false;
    bool password = false;
    // Buttons.
    int check = 0;
    bool isDefault = false;
    // Combo box, list box, list view.
    bool dropDownList = false;
    std::vector<std::string> items;
    int selected = -1;
    std::vector<ColumnState> columns;
    std::vector<RowState> rows;
    int editingRow = -1;    // a list view row whose in-place edit was started by the code
    bool editable = false;  // list view cells can be edited in place
    // Spin button.
    int rangeLow = 0, rangeHigh = 0, pos = 0, buddy = 0;
};

struct PageState {
    std::uint32_t templateId = 0;
    std::string className;
    std::string caption;
    bool created = false;  // shown at least once since the sheet opened
};

struct DialogState {
    std::uint64_t handle = 0;  // stable while the dialog is open; actions may name it
    std::string className;
    std::uint32_t templateId = 0;  // 0 for a property sheet
    std::string caption;
    int width = 0, height = 0;
    bool contextHelp = false;            // question-mark button in the caption
    int focus = 0;                       // id of the focused control, 0 for none
    std::vector<ControlState> controls;  // a sheet's own buttons (OK, Cancel, ...) for a sheet
    // Property sheets.
    bool isSheet = false;
    bool isWizard = false;
    std::vector<PageState> pages;
    int activePage = -1;
    std::vector<ControlState> pageControls;  // the controls of the active page
};

struct MessageBoxState {
    std::uint32_t resourceId = 0;  // string number of the text, 0 when the text was built
    unsigned style = 0;
    std::string caption;
    std::string text;
    std::vector<int> buttons;  // results in button order, e.g. {IDYES, IDNO}
    int defaultButton = 0;     // result of the default button
};

struct HelpState {
    std::uint32_t topic = 0;
    unsigned command = 0;  // HELP_CONTEXT, HELP_CONTEXTPOPUP ...
    bool found = false;
    std::string title;
    std::string text;
};

struct TimerState {
    std::uint64_t dialog = 0;  // handle of the dialog that owns the timer
    std::uintptr_t id = 0;
    unsigned interval = 0;
    std::int64_t due = 0;  // clock time in milliseconds
};

struct UiSnapshot {
    std::vector<DialogState> dialogs;  // bottom first; the last one has the input
    std::optional<MessageBoxState> messageBox;
    bool waitCursor = false;
    std::vector<TimerState> timers;
    std::optional<HelpState> help;  // the help shown last
    std::int64_t now = 0;           // clock time in milliseconds
};

[[nodiscard]] UiSnapshot TakeSnapshot();

}  // namespace ptp::ui
