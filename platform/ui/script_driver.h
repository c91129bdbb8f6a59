#pragma once
// The script driver: plays the user from a prepared script, for tests and for ptpctl. It acts on
// each dialog as that dialog opens, answers message boxes in order, and writes a transcript of
// what the user saw.
//
//   ScriptDriver driver;
//   driver.When("CPointToPointProfileSetupDialog").Click(IDC_SETUP_SLIP).Ok();
//   driver.AnswerMessageBoxes({IDYES});
//   ScopedDriver scoped(driver);
//   dialog.DoModal();
//   EXPECT_EQ(driver.GetTranscript().MessageBoxes().size(), 1u);
//
// A dialog takes the first unused script that names its class or template. When its steps run
// out and the dialog is still open, the transcript records that it stayed open (active page and
// focused control) and the driver cancels it; a dialog without a script is treated the same way.
// Message boxes beyond the prepared answers get their default button.
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/driver.h"

namespace ptp::ui {

struct TranscriptEntry {
    enum class Kind { Opened, Closed, MessageBox, StayedOpen, Message, Help, Refused, Fault };
    Kind kind = Kind::Opened;
    std::string dialog;  // class name of the dialog concerned
    std::uint32_t templateId = 0;
    std::vector<std::string> pages;  // Opened: a sheet's pages by class name, in tab order
    INT_PTR result = 0;              // Closed: the dialog's result; MessageBox: the answer
    std::uint32_t resourceId = 0;    // MessageBox
    unsigned style = 0;              // MessageBox
    std::string text;      // MessageBox text, Refused action and reason, Fault, Help title
    bool answered = true;  // MessageBox: false when the default button was taken
    int page = -1;         // StayedOpen: active page index of a sheet
    std::uint32_t pageTemplate = 0;
    int focus = 0;          // StayedOpen: focused control id
    std::string focusName;  // StayedOpen: its name in the template, empty when it has none
    unsigned message = 0;   // Message
    std::int64_t wParam = 0, lParam = 0;
    std::uint32_t topic = 0;  // Help
    bool found = false;       // Help
};

[[nodiscard]] std::string_view TranscriptKindName(TranscriptEntry::Kind kind);

class Transcript {
  public:
    std::vector<TranscriptEntry> entries;

    [[nodiscard]] std::vector<TranscriptEntry> Of(TranscriptEntry::Kind kind) const;
    [[nodiscard]] std::vector<TranscriptEntry> MessageBoxes() const {
        return Of(TranscriptEntry::Kind::MessageBox);
    }
    // The result of the last closing of a dialog of that class.
    [[nodiscard]] std::optional<INT_PTR> ResultOf(std::string_view className) const;
    // The last "stayed open" record of a dialog of that class.
    [[nodiscard]] std::optional<TranscriptEntry> StayedOpen(std::string_view className) const;
    [[nodiscard]] std::vector<std::string> Faults() const;
    [[nodiscard]] std::vector<std::string> Refusals() const;
    // One line per entry, for people and failure messages.
    [[nodiscard]] std::string ToText() const;
};

class DialogScript {
  public:
    struct Step {
        Action action;
        std::function<void(CDialog&)> call;  // set for Do steps
    };

    explicit DialogScript(std::string className) : m_strClassName(std::move(className)) {}
    explicit DialogScript(std::uint32_t templateId) : m_nTemplateId(templateId) {}

    DialogScript& SetText(int id, std::string text);
    DialogScript& Check(int id, int value = BST_CHECKED);
    DialogScript& Choose(int id, int index);
    DialogScript& Choose(int id, std::string text);
    DialogScript& Click(int id);
    DialogScript& DoubleClick(int id, int row);
    DialogScript& EditCell(int id, int row, int column, std::string text);
    DialogScript& Spin(int id, int delta);
    DialogScript& Focus(int id);
    DialogScript& SelectPage(int index);
    DialogScript& SelectPageByTemplate(std::uint32_t templateId);
    DialogScript& Ok();
    DialogScript& Cancel();
    DialogScript& Apply();
    DialogScript& Back();
    DialogScript& Next();
    DialogScript& Finish();
    DialogScript& Help(int id = 0);
    DialogScript& Wait(int milliseconds);
    // Runs test code against the dialog at this point (to look at its controls).
    DialogScript& Do(std::function<void(CDialog&)> call);
    DialogScript& Add(Action action);

    [[nodiscard]] bool Matches(const CDialog& dialog) const;
    [[nodiscard]] const std::string& ClassName() const { return m_strClassName; }
    [[nodiscard]] std::uint32_t TemplateId() const { return m_nTemplateId; }
    [[nodiscard]] const std::vector<Step>& Steps() const { return m_steps; }

  private:
    std::string m_strClassName;
    std::uint32_t m_nTemplateId = 0;
    std::vector<Step> m_steps;
};

class ScriptDriver : public Driver {
  public:
    DialogScript& When(std::string className);
    DialogScript& When(std::uint32_t templateId);
    void AddAnswer(int answer) { m_answers.push_back(answer); }
    void AnswerMessageBoxes(std::initializer_list<int> answers);

    [[nodiscard]] const Transcript& GetTranscript() const { return m_transcript; }
    [[nodiscard]] const std::vector<std::unique_ptr<DialogScript>>& Scripts() const {
        return m_scripts;
    }
    [[nodiscard]] const std::vector<int>& Answers() const { return m_answers; }
    // Scripts no dialog took (a class name or template id that never opened), as written.
    [[nodiscard]] std::vector<std::string> UnusedScripts() const;

    void DialogOpened(CDialog& dialog) override;
    void DialogClosed(CDialog& dialog, INT_PTR result) override;
    Action NextAction(CDialog& dialog, std::optional<std::int64_t> deadline) override;
    int AnswerMessageBox(const MessageBoxState& box) override;
    void ActionRefused(CDialog& dialog, const Action& action, std::string_view why) override;
    void MessageSent(HWND target, UINT message, WPARAM wParam, LPARAM lParam) override;
    void HelpShown(const HelpState& help) override;
    void Fault(std::string_view what) override;

  private:
    struct Running {
        DialogScript* script = nullptr;
        std::size_t next = 0;
        bool cancelling = false;
    };
    void RecordStayedOpen(CDialog& dialog);

    std::vector<std::unique_ptr<DialogScript>> m_scripts;
    std::vector<bool> m_used;
    std::map<std::uint64_t, Running> m_running;
    std::vector<int> m_answers;
    std::size_t m_nextAnswer = 0;
    Transcript m_transcript;
};

}  // namespace ptp::ui
