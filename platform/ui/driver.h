#pragma once
// The Driver: whoever plays the user. DoModal runs a modal loop that asks the installed driver what
// the user does next in the topmost dialog, applies it, and repeats until the dialog ends.
//
// How a front end drives the toolkit (the web console, the script driver of the tests, a terminal):
//
//  - Every call below arrives on the UI thread, the one that called DoModal. A driver that waits
//    for a user elsewhere (a browser) blocks inside NextAction or AnswerMessageBox until the user
//    acts, and may take TakeSnapshot() there to publish what is on screen.
//  - DialogOpened / DialogClosed bracket each modal dialog; dialogs nest (a page's button opens a
//    dialog over the sheet), and NextAction is always asked about the topmost one.
//  - NextAction returns one Action (platform/ui/action.h). `deadline` is the clock time (ms) at
//    which the next timer of an open dialog falls due: a live driver returns an Idle action when
//    it passes without input, and the loop then fires the due timers. A test driver returns Wait
//    actions instead, which move the clock and fire timers in order.
//  - An action the dialog cannot take (a disabled control, an unknown id, OK while OK is greyed)
//    changes nothing and comes back through ActionRefused with the reason.
//  - AnswerMessageBox is asked while a message box is up; TakeSnapshot() shows it as the message
//    box on top. The answer must be one of the box's buttons; anything else counts as its
//    default button and is reported as a fault.
//  - MessageSent reports window messages the plug-in sends to the console's windows (refresh
//    0x407, status text 0x408); HelpShown reports context help; Fault reports a mistake of the code
//    (a control id its template lacks, a help topic that does not exist) so tests can fail on it.
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/ui/action.h"
#include "platform/ui/snapshot.h"
#include "platform/ui/ui_constants.h"

namespace ptp::ui {

class CDialog;

class Driver {
  public:
    virtual ~Driver() = default;

    virtual void DialogOpened(CDialog& /*dialog*/) {}
    virtual void DialogClosed(CDialog& /*dialog*/, INT_PTR /*result*/) {}
    [[nodiscard]] virtual Action NextAction(CDialog& dialog,
                                            std::optional<std::int64_t> deadline) = 0;
    [[nodiscard]] virtual int AnswerMessageBox(const MessageBoxState& box) = 0;
    virtual void ActionRefused(CDialog& /*dialog*/, const Action& /*action*/,
                               std::string_view /*why*/) {}
    virtual void MessageSent(HWND /*target*/, UINT /*message*/, WPARAM /*wParam*/,
                             LPARAM /*lParam*/) {}
    virtual void HelpShown(const HelpState& /*help*/) {}
    virtual void Fault(std::string_view /*what*/) {}
    // Something observable changed outside an action (wait cursor, a timer fired).
    virtual void StateChanged() {}
};

// Installs a driver for this process and returns the one it replaces. With none installed every
// dialog is cancelled at once and every message box gets its default button.
Driver* SetDriver(Driver* driver);
[[nodiscard]] Driver& GetDriver();

// Installs a driver for a scope and puts the previous one back.
class ScopedDriver {
  public:
    explicit ScopedDriver(Driver& driver) : m_pPrevious(SetDriver(&driver)) {}
    ~ScopedDriver() { SetDriver(m_pPrevious); }
    ScopedDriver(const ScopedDriver&) = delete;
    ScopedDriver& operator=(const ScopedDriver&) = delete;

  private:
    Driver* m_pPrevious;
};

}  // namespace ptp::ui
