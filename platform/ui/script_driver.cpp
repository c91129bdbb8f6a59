#include "platform/ui/script_driver.h"

#include <cstdio>

#include "platform/ui/control_names.h"
#include "platform/ui/dialog.h"
#include "platform/ui/property_sheet.h"

namespace ptp::ui {
namespace {

// The action as a person reads it, with the control called by its template name where it has
// one: "click IDC_MODEM_PARMS_ADD" rather than "click 35611".
std::string DescribeWithName(CDialog& dialog, const Action& action) {
    std::string text = DescribeAction(action);
    std::uint32_t templateId = dialog.GetTemplateId();
    if (auto* sheet = dynamic_cast<CPropertySheet*>(&dialog); sheet && sheet->GetActivePage()) {
        templateId = sheet->GetActivePage()->GetTemplateId();
    }
    const std::string name = ControlNameOf(templateId, action.control);
    const std::string number = " " + std::to_string(action.control);
    const std::size_t at = ActionKindName(action.kind).size();
    if (name.empty() || text.compare(at, number.size(), number) != 0) return text;
    return text.replace(at + 1, number.size() - 1, name);
}

using Kind = TranscriptEntry::Kind;

std::string Hex(unsigned value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%x", value);
    return buffer;
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

}  // namespace

std::string_view TranscriptKindName(Kind kind) {
    switch (kind) {
        case Kind::Opened:
            return "open";
        case Kind::Closed:
            return "close";
        case Kind::MessageBox:
            return "messageBox";
        case Kind::StayedOpen:
            return "stayedOpen";
        case Kind::Message:
            return "message";
        case Kind::Help:
            return "help";
        case Kind::Refused:
            return "refused";
        case Kind::Fault:
            return "fault";
    }
    return "fault";
}

std::vector<TranscriptEntry> Transcript::Of(Kind kind) const {
    std::vector<TranscriptEntry> out;
    for (const auto& entry : entries) {
        if (entry.kind == kind) out.push_back(entry);
    }
    return out;
}

std::optional<INT_PTR> Transcript::ResultOf(std::string_view className) const {
    std::optional<INT_PTR> result;
    for (const auto& entry : entries) {
        if (entry.kind == Kind::Closed && entry.dialog == className) result = entry.result;
    }
    return result;
}

std::optional<TranscriptEntry> Transcript::StayedOpen(std::string_view className) const {
    std::optional<TranscriptEntry> found;
    for (const auto& entry : entries) {
        if (entry.kind == Kind::StayedOpen && entry.dialog == className) found = entry;
    }
    return found;
}

std::vector<std::string> Transcript::Faults() const {
    std::vector<std::string> out;
    for (const auto& entry : Of(Kind::Fault))
        out.push_back(entry.text);
    return out;
}

std::vector<std::string> Transcript::Refusals() const {
    std::vector<std::string> out;
    for (const auto& entry : Of(Kind::Refused))
        out.push_back(entry.text);
    return out;
}

std::string Transcript::ToText() const {
    std::string out;
    for (const auto& e : entries) {
        std::string line(TranscriptKindName(e.kind));
        switch (e.kind) {
            case Kind::Opened:
                line += " " + e.dialog + " " + std::to_string(e.templateId);
                for (const auto& page : e.pages)
                    line += " " + page;
                break;
            case Kind::Closed:
                line += " " + e.dialog + " " + std::to_string(e.templateId) + " -> " +
                        std::to_string(e.result);
                break;
            case Kind::MessageBox:
                line += " " + std::to_string(e.resourceId) + " " + Hex(e.style) + " " +
                        Quoted(e.text) + " -> " + std::to_string(e.result) +
                        (e.answered ? "" : " (default)");
                break;
            case Kind::StayedOpen:
                line += " " + e.dialog + " page " + std::to_string(e.page) + " (" +
                        std::to_string(e.pageTemplate) + ") focus " +
                        (e.focusName.empty() ? std::to_string(e.focus) : e.focusName);
                break;
            case Kind::Message:
                line += " " + Hex(e.message) + " " + std::to_string(e.wParam) + " " +
                        std::to_string(e.lParam);
                break;
            case Kind::Help:
                line += " " + Hex(e.topic) + (e.found ? " " + Quoted(e.text) : " missing");
                break;
            case Kind::Refused:
            case Kind::Fault:
                line += " " + (e.dialog.empty() ? "" : e.dialog + ": ") + e.text;
                break;
        }
        out += line + "\n";
    }
    return out;
}

// ---------------------------------------------------------------------------------------------

DialogScript& DialogScript::Add(Action action) {
    m_steps.push_back(Step{std::move(action), {}});
    return *this;
}

DialogScript& DialogScript::SetText(int id, std::string text) {
    Action action = MakeAction(ActionKind::SetText, id);
    action.text = std::move(text);
    return Add(std::move(action));
}
DialogScript& DialogScript::Check(int id, int value) {
    return Add(MakeAction(ActionKind::Check, id, value));
}
DialogScript& DialogScript::Choose(int id, int index) {
    Action action = MakeAction(ActionKind::Choose, id);
    action.index = index;
    return Add(std::move(action));
}
DialogScript& DialogScript::Choose(int id, std::string text) {
    Action action = MakeAction(ActionKind::Choose, id);
    action.text = std::move(text);
    return Add(std::move(action));
}
DialogScript& DialogScript::Click(int id) {
    return Add(MakeAction(ActionKind::Click, id));
}
DialogScript& DialogScript::DoubleClick(int id, int row) {
    Action action = MakeAction(ActionKind::DoubleClick, id);
    action.index = row;
    return Add(std::move(action));
}
DialogScript& DialogScript::EditCell(int id, int row, int column, std::string text) {
    Action action = MakeAction(ActionKind::EditCell, id);
    action.row = row;
    action.column = column;
    action.text = std::move(text);
    return Add(std::move(action));
}
DialogScript& DialogScript::Spin(int id, int delta) {
    return Add(MakeAction(ActionKind::Spin, id, delta));
}
DialogScript& DialogScript::Focus(int id) {
    return Add(MakeAction(ActionKind::Focus, id));
}
DialogScript& DialogScript::SelectPage(int index) {
    Action action = MakeAction(ActionKind::SelectPage);
    action.index = index;
    return Add(std::move(action));
}
DialogScript& DialogScript::SelectPageByTemplate(std::uint32_t templateId) {
    return Add(MakeAction(ActionKind::SelectPage, 0, static_cast<int>(templateId)));
}
DialogScript& DialogScript::Ok() {
    return Add(MakeAction(ActionKind::Ok));
}
DialogScript& DialogScript::Cancel() {
    return Add(MakeAction(ActionKind::Cancel));
}
DialogScript& DialogScript::Apply() {
    return Add(MakeAction(ActionKind::Apply));
}
DialogScript& DialogScript::Back() {
    return Add(MakeAction(ActionKind::Back));
}
DialogScript& DialogScript::Next() {
    return Add(MakeAction(ActionKind::Next));
}
DialogScript& DialogScript::Finish() {
    return Add(MakeAction(ActionKind::Finish));
}
DialogScript& DialogScript::Help(int id) {
    return Add(MakeAction(ActionKind::Help, id));
}
DialogScript& DialogScript::Wait(int milliseconds) {
    return Add(MakeAction(ActionKind::Wait, 0, milliseconds));
}
DialogScript& DialogScript::Do(std::function<void(CDialog&)> call) {
    m_steps.push_back(Step{MakeAction(ActionKind::Idle), std::move(call)});
    return *this;
}

bool DialogScript::Matches(const CDialog& dialog) const {
    if (!m_strClassName.empty()) return dialog.GetClassName() == m_strClassName;
    return m_nTemplateId != 0 && dialog.GetTemplateId() == m_nTemplateId;
}

// ---------------------------------------------------------------------------------------------

DialogScript& ScriptDriver::When(std::string className) {
    m_scripts.push_back(std::make_unique<DialogScript>(std::move(className)));
    m_used.push_back(false);
    return *m_scripts.back();
}

DialogScript& ScriptDriver::When(std::uint32_t templateId) {
    m_scripts.push_back(std::make_unique<DialogScript>(templateId));
    m_used.push_back(false);
    return *m_scripts.back();
}

std::vector<std::string> ScriptDriver::UnusedScripts() const {
    std::vector<std::string> unused;
    for (std::size_t i = 0; i < m_scripts.size(); ++i) {
        if (m_used[i]) continue;
        const auto& script = *m_scripts[i];
        unused.push_back(script.ClassName().empty() ? std::to_string(script.TemplateId())
                                                    : script.ClassName());
    }
    return unused;
}

void ScriptDriver::AnswerMessageBoxes(std::initializer_list<int> answers) {
    for (int answer : answers)
        m_answers.push_back(answer);
}

void ScriptDriver::DialogOpened(CDialog& dialog) {
    TranscriptEntry entry;
    entry.kind = Kind::Opened;
    entry.dialog = dialog.GetClassName();
    entry.templateId = dialog.GetTemplateId();
    if (const auto* sheet = dynamic_cast<const CPropertySheet*>(&dialog)) {
        for (int i = 0; i < sheet->GetPageCount(); ++i)
            entry.pages.push_back(sheet->GetPage(i)->GetClassName());
    }
    m_transcript.entries.push_back(entry);
    Running running;
    for (std::size_t i = 0; i < m_scripts.size(); ++i) {
        if (m_used[i] || !m_scripts[i]->Matches(dialog)) continue;
        m_used[i] = true;
        running.script = m_scripts[i].get();
        break;
    }
    m_running[dialog.GetHandleId()] = running;
}

void ScriptDriver::DialogClosed(CDialog& dialog, INT_PTR result) {
    m_running.erase(dialog.GetHandleId());
    TranscriptEntry entry;
    entry.kind = Kind::Closed;
    entry.dialog = dialog.GetClassName();
    entry.templateId = dialog.GetTemplateId();
    entry.result = result;
    m_transcript.entries.push_back(entry);
}

void ScriptDriver::RecordStayedOpen(CDialog& dialog) {
    TranscriptEntry entry;
    entry.kind = Kind::StayedOpen;
    entry.dialog = dialog.GetClassName();
    entry.templateId = dialog.GetTemplateId();
    DialogState state;
    dialog.Describe(state);
    entry.focus = state.focus;
    entry.page = state.activePage;
    if (state.activePage >= 0 && state.activePage < static_cast<int>(state.pages.size())) {
        entry.pageTemplate = state.pages[state.activePage].templateId;
    }
    entry.focusName = ControlNameOf(entry.pageTemplate, entry.focus);
    if (entry.focusName.empty()) entry.focusName = ControlNameOf(entry.templateId, entry.focus);
    m_transcript.entries.push_back(entry);
}

Action ScriptDriver::NextAction(CDialog& dialog, std::optional<std::int64_t>) {
    Running& running = m_running[dialog.GetHandleId()];
    if (running.cancelling) {
        // Cancel was refused (a greyed Cancel button); the dialog goes anyway.
        dialog.EndDialog(IDCANCEL);
        return Action{};
    }
    while (running.script && running.next < running.script->Steps().size()) {
        const auto& step = running.script->Steps()[running.next++];
        if (!step.call) return step.action;
        step.call(dialog);
        if (!dialog.IsOpen()) return Action{};
    }
    RecordStayedOpen(dialog);
    running.cancelling = true;
    return MakeAction(ActionKind::Cancel);
}

int ScriptDriver::AnswerMessageBox(const MessageBoxState& box) {
    TranscriptEntry entry;
    entry.kind = Kind::MessageBox;
    entry.resourceId = box.resourceId;
    entry.style = box.style;
    entry.text = box.text;
    if (m_nextAnswer < m_answers.size()) {
        entry.result = m_answers[m_nextAnswer++];
    } else {
        entry.result = box.defaultButton;
        entry.answered = false;
    }
    m_transcript.entries.push_back(entry);
    return static_cast<int>(entry.result);
}

void ScriptDriver::ActionRefused(CDialog& dialog, const Action& action, std::string_view why) {
    TranscriptEntry entry;
    entry.kind = Kind::Refused;
    entry.dialog = dialog.GetClassName();
    entry.templateId = dialog.GetTemplateId();
    entry.text = DescribeWithName(dialog, action) + ": " + std::string(why);
    m_transcript.entries.push_back(entry);
}

void ScriptDriver::MessageSent(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
    TranscriptEntry entry;
    entry.kind = Kind::Message;
    entry.message = message;
    entry.wParam = static_cast<std::int64_t>(wParam);
    entry.lParam = static_cast<std::int64_t>(lParam);
    m_transcript.entries.push_back(entry);
}

void ScriptDriver::HelpShown(const HelpState& help) {
    TranscriptEntry entry;
    entry.kind = Kind::Help;
    entry.topic = help.topic;
    entry.found = help.found;
    entry.text = help.title;
    entry.result = help.command;
    m_transcript.entries.push_back(entry);
}

void ScriptDriver::Fault(std::string_view what) {
    TranscriptEntry entry;
    entry.kind = Kind::Fault;
    entry.text = std::string(what);
    m_transcript.entries.push_back(entry);
}

}  // namespace ptp::ui
