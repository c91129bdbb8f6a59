#include "console/web_driver.h"
#include "console/console_texts.h"

#include <chrono>
#include <cstdio>

#include "platform/ui/snapshot.h"
#include "platform/ui/toolkit.h"
#include "platform/ui/ui_constants.h"

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

const char* ButtonNameOf(int result) {
    for (const auto& button : kButtonNames) {
        if (button.result == result) return button.name;
    }
    return "ok";
}

std::optional<int> ButtonResultOf(std::string_view name) {
    for (const auto& button : kButtonNames) {
        if (name == button.name) return button.result;
    }
    return std::nullopt;
}

const char* IconOf(unsigned style) {
    switch (style & ui::MB_ICONMASK) {
        case ui::MB_ICONERROR:
            return "error";
        case ui::MB_ICONQUESTION:
            return "question";
        case ui::MB_ICONWARNING:
            return "warning";
        case ui::MB_ICONINFORMATION:
            return "information";
        default:
            return "";
    }
}

// The buttons that stand in a dialog's button row rather than among its controls.
bool IsFooterButton(int id) {
    return id == ui::IDOK || id == ui::IDCANCEL || id == ui::IDHELP;
}

Json ControlJson(const ui::ControlState& control) {
    Json json{{"id", control.id},           {"kind", control.kind},
              {"label", control.label},     {"text", control.text},
              {"enabled", control.enabled}, {"visible", control.visible},
              {"focus", control.focused},   {"group", control.group}};
    if (control.kind == "edit" || control.kind == "combobox") {
        json["limit"] = control.limit;
        json["readonly"] = control.readOnly;
        json["number"] = control.digitsOnly;
        json["password"] = control.password;
    }
    if (control.kind == "checkbox" || control.kind == "radio") json["checked"] = control.check != 0;
    if (control.kind == "combobox") json["editable"] = !control.dropDownList;
    if (control.kind == "combobox" || control.kind == "listbox" || control.kind == "listview") {
        json["items"] = control.items;
        json["selected"] = control.selected;
    }
    if (control.kind == "listview") {
        Json columns = Json::array();
        for (const auto& column : control.columns) {
            columns.push_back({{"text", column.heading}, {"width", column.width}});
        }
        Json rows = Json::array();
        int selected = -1;
        for (std::size_t i = 0; i < control.rows.size(); ++i) {
            rows.push_back(control.rows[i].cells);
            if (control.rows[i].selected && selected < 0) selected = static_cast<int>(i);
        }
        json["columns"] = columns;
        json["rows"] = rows;
        if (control.selected < 0) json["selected"] = selected;
    }
    if (control.kind == "spin") {
        json["min"] = control.rangeLow;
        json["max"] = control.rangeHigh;
        json["value"] = control.pos;
        json["buddy"] = control.buddy;
    }
    if (control.kind == "button") json["default"] = control.isDefault;
    return json;
}

}  // namespace

Json DialogJson(const ui::DialogState& dialog) {
    Json json{{"serial", dialog.handle},        {"kind", "dialog"},
              {"name", dialog.className},       {"template", dialog.templateId},
              {"title", dialog.caption},        {"wizard", dialog.isWizard},
              {"activePage", dialog.activePage}};
    Json pages = Json::array();
    for (const auto& page : dialog.pages) {
        pages.push_back({{"title", page.caption}, {"template", page.templateId}});
    }
    json["pages"] = pages;
    Json controls = Json::array();
    Json buttons = Json::array();
    // A sheet's own controls are its buttons; its body is the active page. A dialog keeps OK,
    // Cancel and Help in its button row and everything else in its body.
    for (const auto& control : dialog.controls) {
        const bool footer = dialog.isSheet ? control.kind == "button"
                                           : control.kind == "button" && IsFooterButton(control.id);
        if (!footer) {
            controls.push_back(ControlJson(control));
            continue;
        }
        if (!control.visible) continue;
        buttons.push_back({{"id", control.id},
                           {"text", control.text.empty() ? control.label : control.text},
                           {"enabled", control.enabled},
                           {"default", control.isDefault},
                           {"focus", control.focused}});
    }
    for (const auto& control : dialog.pageControls)
        controls.push_back(ControlJson(control));
    json["controls"] = controls;
    json["buttons"] = buttons;
    return json;
}

Json MessageBoxJson(const ui::MessageBoxState& box, std::uint64_t serial) {
    Json buttons = Json::array();
    int defaultIndex = 0;
    for (std::size_t i = 0; i < box.buttons.size(); ++i) {
        buttons.push_back(ButtonNameOf(box.buttons[i]));
        if (box.buttons[i] == box.defaultButton) defaultIndex = static_cast<int>(i);
    }
    return Json{{"serial", serial},
                {"kind", "message"},
                {"title", box.caption},
                {"text", box.text},
                {"icon", IconOf(box.style)},
                {"buttons", buttons},
                {"defaultButton", defaultIndex},
                {"resource", box.resourceId}};
}

void WebDriver::DialogOpened(ui::CDialog&) {
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

Result<ui::Action> WebDriver::ToAction(const DialogActionRequest& request) const {
    using ui::ActionKind;
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
    } else if (request.action == "spin") {
        action.kind = ActionKind::Spin;
        action.value = request.index;
    } else {
        return Fail(ErrorKind::BadRequest,
                    ui::FormatResource(kUnknownDialogAction, {request.action}));
    }
    return action;
}

Result<bool> WebDriver::Submit(const DialogActionRequest& request) {
    if (m_box) {
        if (request.dialog != m_nBoxSerial) {
            return Fail(ErrorKind::Conflict, ui::LoadText(kAnotherMessageShown));
        }
        if (request.action != "answer") {
            return Fail(ErrorKind::BadRequest, ui::LoadText(kMessageTakesAnswer));
        }
        const auto answer = ButtonResultOf(request.text);
        bool offered = false;
        for (int button : m_box->buttons)
            offered = offered || (answer && *answer == button);
        if (!offered) {
            return Fail(ErrorKind::BadRequest, ui::FormatResource(kNoSuchButton, {request.text}));
        }
        m_nAnswer = *answer;
        return true;
    }
    const auto snapshot = ui::TakeSnapshot();
    if (snapshot.dialogs.empty()) {
        return Fail(ErrorKind::NotFound, ui::LoadText(kNoDialogOpen));
    }
    if (snapshot.dialogs.back().handle != request.dialog) {
        return Fail(ErrorKind::Conflict, ui::LoadText(kNotTheWaitingDialog));
    }
    auto action = ToAction(request);
    if (!action) return action.error();
    m_strRefusal.clear();
    m_actions.push_back(*action);
    return true;
}

Json WebDriver::DialogsJson() const {
    const auto snapshot = ui::TakeSnapshot();
    Json stack = Json::array();
    for (const auto& dialog : snapshot.dialogs)
        stack.push_back(DialogJson(dialog));
    if (!stack.empty() && m_help) {
        stack.back()["helpTitle"] = m_help->title;
        stack.back()["helpText"] = m_help->found ? m_help->text : ui::LoadText(kNoHelp);
    }
    if (!stack.empty() && !m_strRefusal.empty()) stack.back()["refused"] = m_strRefusal;
    if (m_box) stack.push_back(MessageBoxJson(*m_box, m_nBoxSerial));
    return stack;
}

}  // namespace ptp::console
