#pragma once
// The toolkit's driver in the web console. The browser sees the stack of open dialogs (and the
// message box on top) as JSON and sends what the user did; the modal loop waits for that on the
// UI thread, which meanwhile goes on running the console's other work.
#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "console/console_error.h"
#include "console/console_request.h"
#include "console/ui_thread.h"
#include "platform/ui/driver.h"

namespace ptp::console {

using Json = nlohmann::json;

// Window messages the plug-in sends to the window that invoked a command.
inline constexpr ptp::UINT kRefreshMessage = 0x407;
inline constexpr ptp::UINT kStatusTextMessage = 0x408;

class WebDriver final : public ui::Driver {
  public:
    explicit WebDriver(UiThread& ui) : m_ui(ui) {}

    void DialogOpened(ui::CDialog& dialog) override;
    void DialogClosed(ui::CDialog& dialog, ui::INT_PTR result) override;
    [[nodiscard]] ui::Action NextAction(ui::CDialog& dialog,
                                        std::optional<std::int64_t> deadline) override;
    [[nodiscard]] int AnswerMessageBox(const ui::MessageBoxState& box) override;
    void ActionRefused(ui::CDialog& dialog, const ui::Action& action,
                       std::string_view why) override;
    void MessageSent(ptp::HWND target, ptp::UINT message, ptp::WPARAM wParam,
                     ptp::LPARAM lParam) override;
    void HelpShown(const ui::HelpState& help) override;
    void Fault(std::string_view what) override;

    // On the UI thread, for the length of one console operation: the browser window it came
    // from. The dialogs that an operation opens while none is open belong to its window; other
    // windows only learn which dialog is open, and may take it over.
    class CallerScope {
      public:
        CallerScope(WebDriver& driver, std::string window);
        ~CallerScope();
        CallerScope(const CallerScope&) = delete;
        CallerScope& operator=(const CallerScope&) = delete;

      private:
        WebDriver& m_driver;
        std::shared_ptr<std::string> m_pOuter;
    };
    // On the UI thread: the open dialogs move to the calling window as they are, with what was
    // typed in them, and so do the dialogs the same operation opens after them.
    [[nodiscard]] Result<bool> TakeOver();
    // On the UI thread, for a window that does not own the open dialogs: which one is open and
    // since when; null for the owner or when nothing is open.
    [[nodiscard]] Json ElsewhereJson() const;

    // On the UI thread: what the user did in the dialog the browser showed as `request.dialog`.
    [[nodiscard]] Result<bool> Submit(const DialogActionRequest& request);
    // On the UI thread: the open dialogs, bottom first, with the message box last when one is up.
    [[nodiscard]] Json DialogsJson() const;
    [[nodiscard]] bool Modal() const { return m_nOpen > 0 || m_box.has_value(); }

    // The console window's side of the refresh and status-text messages.
    [[nodiscard]] std::uint64_t RefreshCount() const { return m_nRefresh; }
    [[nodiscard]] const std::string& StatusText() const { return m_strStatus; }
    void SetStatusText(std::string text) { m_strStatus = std::move(text); }

    // The serial under which the browser sees a message box; dialogs use their handles. It stays
    // well inside the integers a browser's numbers hold exactly, or the answer would name
    // another box.
    static constexpr std::uint64_t kMessageBoxSerialBase = std::uint64_t{1} << 40;

  private:
    [[nodiscard]] Result<ui::Action> ToAction(const DialogActionRequest& request) const;
    // A dialog or message box is about to open; when it is the first, the caller owns it.
    void ModalStarting();
    [[nodiscard]] bool CallerOwns() const { return !Modal() || *m_pOwner == *m_pCaller; }
    [[nodiscard]] std::string ElsewhereText() const;

    UiThread& m_ui;
    std::deque<ui::Action> m_actions;
    std::optional<ui::MessageBoxState> m_box;
    std::optional<int> m_nAnswer;
    std::uint64_t m_nBoxSerial = 0;
    int m_nOpen = 0;
    std::optional<ui::HelpState> m_help;
    std::string m_strRefusal;
    std::uint64_t m_nRefresh = 0;
    std::string m_strStatus;
    // The window of the operation running now, and of the one that opened the dialogs; an
    // operation's window is shared by everything it opens, so taking over moves all of it.
    std::shared_ptr<std::string> m_pCaller = std::make_shared<std::string>();
    std::shared_ptr<std::string> m_pOwner = m_pCaller;
    std::chrono::system_clock::time_point m_opened;
};

}  // namespace ptp::console
