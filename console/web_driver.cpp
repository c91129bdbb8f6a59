#include "console/web_driver.h"
#include "console/console_texts.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <utility>

#include "platform/ui/control_names.h"
#include "platform/ui/snapshot.h"
#include "platform/ui/snapshot_json.h"
#include "platform/ui/toolkit.h"
#include "platform/ui/ui_constants.h"
#include "resources/ids/console_messages.h"

namespace ptp::console {
namespace {

struct ButtonName {
    int result;
    const char* name;
};

constexpr ButtonName kButtonNames[] = {
    {ui::IDOK, "ok"},       {ui::IDCANCEL, "cancel"}, {ui::IDABORT, "abort"},
    {ui::IDRETRY, "retry"}, {ui::IDIGNORE, "ignore"}, {ui::IDYES, "yes"},
    {ui::IDNO, "no"},
};

std::optional<int> ButtonResultOf(std::string_view name) {
    for (const auto& button : kButtonNames) {
        if (name == button.name) return button.result;
    }
    return std::nullopt;
}

// The time of day in the console's local time, as a person reads it: "14:05".
std::string TimeOfDay(std::chrono::system_clock::time_point when) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[16] = {};
    std::strftime(text, sizeof text, "%H:%M", &local);
    return text;
}

}  // namespace

WebDriver::CallerScope::CallerScope(WebDriver& driver, std::string window)
    : m_driver(driver),
      m_pOuter(std::exchange(driver.m_pCaller, std::make_shared<std::string>(std::move(window)))) {}

WebDriver::CallerScope::~CallerScope() {
    m_driver.m_pCaller = std::move(m_pOuter);
}

void WebDriver::ModalStarting() {
    if (Modal()) return;
    m_pOwner = m_pCaller;
    m_opened = std::chrono::system_clock::now();
}

Result<bool> WebDriver::TakeOver() {
    if (!Modal()) return Fail(ErrorKind::NotFound, ui::LoadText(IDS_CONSOLE_NO_DIALOG_OPEN));
    *m_pOwner = *m_pCaller;
    return true;
}

std::string WebDriver::ElsewhereText() const {
    // The dialog the user opened is the one at the bottom; a message box alone is named by its
    // caption.
    const auto snapshot = ui::TakeSnapshot();
    std::string name;
    if (!snapshot.dialogs.empty()) name = snapshot.dialogs.front().caption;
    if (name.empty() && m_box) name = m_box->caption.empty() ? m_box->text : m_box->caption;
    return ui::FormatResource(IDS_CONSOLE_DIALOG_IN_ANOTHER_WINDOW, {name, TimeOfDay(m_opened)});
}

Json WebDriver::ElsewhereJson() const {
    if (CallerOwns()) return nullptr;
    const auto since =
        std::chrono::duration_cast<std::chrono::milliseconds>(m_opened.time_since_epoch());
    return Json{{"text", ElsewhereText()}, {"since", since.count()}};
}

void WebDriver::DialogOpened(ui::CDialog&) {
    ModalStarting();
    ++m_nOpen;
    m_help.reset();
    m_strRefusal.clear();
}

void WebDriver::DialogClosed(ui::CDialog&, ui::INT_PTR) {
    --m_nOpen;
    m_help.reset();
    m_strRefusal.clear();
}

ui::Action WebDriver::NextAction(ui::CDialog&, std::optional<std::int64_t> deadline) {
    std::optional<std::chrono::steady_clock::time_point> until;
    if (deadline) {
        const auto wait = std::max<std::int64_t>(0, *deadline - ui::GetClock().Now());
        until = std::chrono::steady_clock::now() + std::chrono::milliseconds(wait);
    }
    const bool ready = m_ui.PumpUntil([this] { return !m_actions.empty(); }, until);
    if (m_ui.Stopping()) return ui::MakeAction(ui::ActionKind::Cancel);
    if (!ready) return ui::MakeAction(ui::ActionKind::Idle);
    auto action = m_actions.front();
    m_actions.pop_front();
    return action;
}

int WebDriver::AnswerMessageBox(const ui::MessageBoxState& box) {
    // A box asked while another waits (a presenter over a box) keeps the outer one's answer apart.
    ModalStarting();
    auto outer = m_box;
    auto outerAnswer = m_nAnswer;
    const auto outerSerial = m_nBoxSerial;
    m_box = box;
    m_nAnswer.reset();
    m_nBoxSerial = kMessageBoxSerialBase + (outerSerial & (kMessageBoxSerialBase - 1)) + 1;
    m_ui.PumpUntil([this] { return m_nAnswer.has_value(); });
    const int answer = m_nAnswer.value_or(box.defaultButton);
    m_box = outer;
    m_nAnswer = outerAnswer;
    if (outer) m_nBoxSerial = outerSerial;
    return answer;
}

void WebDriver::ActionRefused(ui::CDialog&, const ui::Action& action, std::string_view why) {
    m_strRefusal = ui::DescribeAction(action) + ": " + std::string(why);
}

void WebDriver::MessageSent(ptp::HWND, ptp::UINT message, ptp::WPARAM, ptp::LPARAM lParam) {
    if (message == kRefreshMessage) ++m_nRefresh;
    if (message == kStatusTextMessage && lParam != 0) {
        m_strStatus = reinterpret_cast<const char*>(lParam);
    }
}

void WebDriver::HelpShown(const ui::HelpState& help) {
    m_help = help;
}

void WebDriver::Fault(std::string_view what) {
    std::fprintf(stderr, "ptpconsole: fault in dialog code: %.*s\n", static_cast<int>(what.size()),
                 what.data());
}

Result<ui::Action> WebDriver::ToAction(const DialogActionRequest& named) const {
    using ui::ActionKind;
    DialogActionRequest request = named;
    if (!request.controlName.empty()) {
        const auto id = ui::ControlIdOfName(request.controlName);
        if (!id) {
            return Fail(ErrorKind::BadRequest,
                        ui::FormatResource(IDS_CONSOLE_NO_CONTROL_NAMED, {request.controlName}));
        }
        request.control = *id;
    }
    struct Simple {
        const char* name;
        ActionKind kind;
    };
    static constexpr Simple kSimple[] = {
        {"ok", ActionKind::Ok},     {"cancel", ActionKind::Cancel}, {"apply", ActionKind::Apply},
        {"back", ActionKind::Back}, {"next", ActionKind::Next},     {"finish", ActionKind::Finish},
        {"help", ActionKind::Help}, {"click", ActionKind::Click},   {"focus", ActionKind::Focus},
    };
    for (const auto& simple : kSimple) {
        if (request.action == simple.name) return ui::MakeAction(simple.kind, request.control);
    }
    ui::Action action;
    action.control = request.control;
    action.index = request.index;
    action.text = request.text;
    if (request.action == "set") {
        action.kind = ActionKind::SetText;
    } else if (request.action == "check") {
        action.kind = ActionKind::Check;
        action.value = request.checked ? 1 : 0;
    } else if (request.action == "select") {
        action.kind = ActionKind::Choose;
        action.text.clear();
    } else if (request.action == "open") {
        action.kind = ActionKind::DoubleClick;
    } else if (request.action == "page") {
        action.kind = ActionKind::SelectPage;
    } else if (request.action == "editCell") {
        // The page edits the first cell of the row the list view put into edit mode.
        action.kind = ActionKind::EditCell;
        action.row = request.index;
        action.column = 0;
    } else if (request.action == "spin") {
        action.kind = ActionKind::Spin;
        action.value = request.index;
    } else {
        return Fail(ErrorKind::BadRequest,
                    ui::FormatResource(IDS_CONSOLE_UNKNOWN_DIALOG_ACTION, {request.action}));
    }
    return action;
}

Result<bool> WebDriver::Submit(const DialogActionRequest& request) {
    if (!CallerOwns()) return Fail(ErrorKind::Conflict, ElsewhereText());
    if (m_box) {
        if (request.dialog != m_nBoxSerial) {
            return Fail(ErrorKind::Conflict, ui::LoadText(IDS_CONSOLE_ANOTHER_MESSAGE_SHOWN));
        }
        if (request.action != "answer") {
            return Fail(ErrorKind::BadRequest, ui::LoadText(IDS_CONSOLE_MESSAGE_TAKES_ANSWER));
        }
        const auto answer = ButtonResultOf(request.text);
        bool offered = false;
        for (int button : m_box->buttons)
            offered = offered || (answer && *answer == button);
        if (!offered) {
            return Fail(ErrorKind::BadRequest,
                        ui::FormatResource(IDS_CONSOLE_NO_SUCH_BUTTON, {request.text}));
        }
        m_nAnswer = *answer;
        return true;
    }
    const auto snapshot = ui::TakeSnapshot();
    if (snapshot.dialogs.empty()) {
        return Fail(ErrorKind::NotFound, ui::LoadText(IDS_CONSOLE_NO_DIALOG_OPEN));
    }
    if (snapshot.dialogs.back().handle != request.dialog) {
        return Fail(ErrorKind::Conflict, ui::LoadText(IDS_CONSOLE_NOT_THE_WAITING_DIALOG));
    }
    auto action = ToAction(request);
    if (!action) return action.error();
    m_strRefusal.clear();
    m_actions.push_back(*action);
    return true;
}

Json WebDriver::DialogsJson() const {
    // The toolkit's own picture of what is on screen; the page draws it as it is and only learns
    // here which entry is which and under what serial it answers. Another window sees none.
    if (!CallerOwns()) return Json::array();
    Json snapshot = Json::parse(ui::SnapshotToJson(ui::TakeSnapshot()), nullptr, false);
    if (snapshot.is_discarded()) return Json::array();
    Json stack = Json::array();
    for (auto& dialog : snapshot["dialogs"]) {
        dialog["kind"] = "dialog";
        dialog["serial"] = dialog["handle"];
        stack.push_back(std::move(dialog));
    }
    if (!stack.empty() && m_help) {
        stack.back()["helpTitle"] = m_help->title;
        stack.back()["helpText"] = m_help->found ? m_help->text : ui::LoadText(IDS_CONSOLE_NO_HELP);
    }
    if (!stack.empty() && !m_strRefusal.empty()) stack.back()["refused"] = m_strRefusal;
    if (m_box && snapshot["messageBox"].is_object()) {
        Json box = std::move(snapshot["messageBox"]);
        box["kind"] = "message";
        box["serial"] = m_nBoxSerial;
        stack.push_back(std::move(box));
    }
    return stack;
}

}  // namespace ptp::console
