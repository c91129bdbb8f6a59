#include "platform/ui/toolkit.h"

#include <algorithm>
#include <cctype>

#include "platform/ui/dialog.h"
#include "platform/ui/driver.h"
#include "platform/ui/toolkit_state.h"
#include "platform/ui/wnd.h"

namespace ptp::ui {
namespace {

// Without a driver nobody can answer: dialogs close as cancelled, boxes take their default.
class NullDriver final : public Driver {
  public:
    Action NextAction(CDialog& dialog, std::optional<std::int64_t>) override {
        dialog.EndDialog(IDCANCEL);
        return Action{};
    }
    int AnswerMessageBox(const MessageBoxState& box) override { return box.defaultButton; }
};

NullDriver g_nullDriver;

bool SameFileName(std::string_view path, std::string_view name) {
    if (path.size() < name.size()) return false;
    const auto tail = path.substr(path.size() - name.size());
    if (path.size() > name.size()) {
        const char before = path[path.size() - name.size() - 1];
        if (before != '/' && before != '\\') return false;
    }
    return std::equal(tail.begin(), tail.end(), name.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    });
}

}  // namespace

ToolkitState& State() {
    static ToolkitState state;
    return state;
}

Driver* SetDriver(Driver* driver) {
    Driver* previous = State().driver;
    State().driver = driver;
    return previous;
}

Driver& GetDriver() {
    Driver* driver = State().driver;
    return driver ? *driver : g_nullDriver;
}

void SetResourceModule(std::shared_ptr<const res::ResourceModule> module) {
    State().resources = std::move(module);
}

std::shared_ptr<const res::ResourceModule> GetResourceModule() {
    return State().resources;
}

std::string LoadText(UINT id) {
    const auto& module = State().resources;
    if (!module) return "[missing string " + std::to_string(id) + "]";
    return module->String(id);
}

std::string FormatResource(UINT id, const std::vector<std::string>& args) {
    return res::FormatText(LoadText(id), args);
}

Clock* SetClock(Clock* clock) {
    Clock* previous = State().clock;
    State().clock = clock ? clock : &State().systemClock;
    return previous;
}

Clock& GetClock() {
    return *State().clock;
}

void BeginWaitCursor() {
    auto& state = State();
    if (state.waitCursorDepth++ == 0) {
        ++state.waitCursorShown;
        GetDriver().StateChanged();
    }
}

void EndWaitCursor() {
    auto& state = State();
    if (state.waitCursorDepth == 0) return;
    if (--state.waitCursorDepth == 0) GetDriver().StateChanged();
}

bool IsWaitCursor() {
    return State().waitCursorDepth > 0;
}

std::uint64_t WaitCursorShowCount() {
    return State().waitCursorShown;
}

BOOL WinHelp(std::string_view helpFile, UINT command, DWORD_PTR data) {
    HelpState help;
    help.command = command;
    help.topic = static_cast<std::uint32_t>(data);
    const auto& module = State().resources;
    if (module && SameFileName(helpFile, kHelpFileName)) {
        if (const auto topic = module->FindHelpTopic(help.topic)) {
            help.found = true;
            help.title = topic->title;
            help.text = topic->text;
        }
    }
    State().help = help;
    GetDriver().HelpShown(help);
    if (!help.found) {
        ReportFault("help topic " + std::to_string(help.topic) + " is missing from " +
                    std::string(helpFile));
    }
    return help.found ? TRUE : FALSE;
}

std::optional<HelpState> LastHelp() {
    return State().help;
}

void SetLanguageExStyleSource(std::function<DWORD()> source) {
    State().languageExStyle = std::move(source);
}

DWORD GetLanguageExStyle() {
    const auto& source = State().languageExStyle;
    return source ? source() : 0;
}

void ReportFault(std::string what) {
    GetDriver().Fault(what);
    State().faults.push_back(std::move(what));
}

std::vector<std::string> TakeFaults() {
    std::vector<std::string> faults;
    faults.swap(State().faults);
    return faults;
}

std::vector<CDialog*> OpenDialogs() {
    return State().dialogs;
}

void DispatchPostedMessages() {
    auto& posted = State().posted;
    while (!posted.empty()) {
        const PostedMessage message = posted.front();
        posted.pop_front();
        SendMessage(message.target, message.message, message.wParam, message.lParam);
    }
}

void SetTimerEntry(CDialog* owner, UINT_PTR id, UINT interval) {
    auto& timers = State().timers;
    const std::int64_t due = GetClock().Now() + std::max<UINT>(interval, 1);
    for (auto& timer : timers) {
        if (timer.owner == owner && timer.id == id) {
            timer.interval = interval;
            timer.due = due;
            return;
        }
    }
    timers.push_back(TimerEntry{owner, id, interval, due});
}

bool KillTimerEntry(CDialog* owner, UINT_PTR id) {
    auto& timers = State().timers;
    const auto before = timers.size();
    std::erase_if(timers, [&](const TimerEntry& t) { return t.owner == owner && t.id == id; });
    return timers.size() != before;
}

void KillTimersOf(CDialog* owner) {
    std::erase_if(State().timers, [&](const TimerEntry& t) { return t.owner == owner; });
}

std::optional<std::int64_t> NextTimerDue() {
    std::optional<std::int64_t> due;
    for (const auto& timer : State().timers) {
        if (!due || timer.due < *due) due = timer.due;
    }
    return due;
}

void FireDueTimers() {
    // One firing per timer and call: a handler may set, kill or re-arm timers, so the list is
    // searched again after each.
    std::vector<std::pair<CDialog*, UINT_PTR>> fired;
    for (;;) {
        const std::int64_t now = GetClock().Now();
        TimerEntry* next = nullptr;
        for (auto& timer : State().timers) {
            const bool done = std::find(fired.begin(), fired.end(),
                                        std::make_pair(timer.owner, timer.id)) != fired.end();
            if (done || timer.due > now) continue;
            if (!next || timer.due < next->due) next = &timer;
        }
        if (!next) return;
        next->due += std::max<UINT>(next->interval, 1);
        if (next->due <= now) next->due = now + std::max<UINT>(next->interval, 1);
        CDialog* owner = next->owner;
        const UINT_PTR id = next->id;
        fired.emplace_back(owner, id);
        owner->OnTimer(id);
        GetDriver().StateChanged();
    }
}

void AdvanceClock(std::int64_t milliseconds) {
    const std::int64_t target = GetClock().Now() + std::max<std::int64_t>(milliseconds, 0);
    for (;;) {
        const auto due = NextTimerDue();
        if (!due || *due > target) break;
        GetClock().AdvanceTo(*due);
        FireDueTimers();
    }
    GetClock().AdvanceTo(target);
}

}  // namespace ptp::ui
