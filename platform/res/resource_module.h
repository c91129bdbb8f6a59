#pragma once
// The resource library: numbered strings, dialog templates and help topics. The plug-in's texts
// and layouts live in a separate shared library (libptpres.so, built from resources/) that the
// console loads and hands to the plug-in as its resource module.
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ptp::res {

enum class ControlKind {
    Static,
    GroupBox,
    Edit,
    CheckBox,
    RadioButton,
    ComboBox,
    ListBox,
    ListView,
    Spin,
    Button,
    Picture,
};

[[nodiscard]] std::optional<ControlKind> ParseControlKind(std::string_view name);
[[nodiscard]] std::string_view ControlKindName(ControlKind kind);

struct ControlTemplate {
    int id = 0;        // -1 for static text nobody refers to
    std::string name;  // "IDC_MODEM_NAME": the name code and scripts use
    ControlKind kind = ControlKind::Static;
    std::uint32_t textId = 0;                 // label text by string number, 0 when `text` is used
    std::string text;                         // literal label (rare: numbers, punctuation)
    int x = 0, y = 0, width = 0, height = 0;  // dialog units, for the renderer
    int limit = 0;                            // text limit of an edit or editable combo box, 0 none
    bool group = false;                       // first control of a radio group
    std::vector<std::string> styles;          // "readonly", "number", "password", "dropdownlist",
                                              // "default", "multiline", "sort", "autobuddy" ...
    int buddy = 0;                            // spin button: the edit it drives
    std::uint32_t helpId = 0;                 // pop-up help topic of the control (F1), 0 for none
};

struct DialogTemplate {
    std::uint32_t id = 0;
    std::string name;  // "IDD_MODEM_GENERAL": the name code and scripts use
    std::uint32_t captionId = 0;
    std::string caption;
    int width = 0, height = 0;
    std::vector<ControlTemplate> controls;

    [[nodiscard]] const ControlTemplate* FindControl(int controlId) const;
    [[nodiscard]] const ControlTemplate* FindControlByName(std::string_view controlName) const;
};

struct HelpTopic {
    std::uint32_t id = 0;
    std::string title;
    std::string text;
};

// A picture: its size in pixels and the image itself as a data URL (SVG or PNG), which every
// front end can show as it is.
struct Bitmap {
    std::uint32_t id = 0;
    std::string name;  // "IDB_NEW_MODEM" when code refers to it
    int width = 0;
    int height = 0;
    std::string image;
};

// One embedded resource file: its name ("strings/frame.json") and its JSON text.
struct ResourceFile {
    const char* name;
    const char* text;
};

class ResourceModule {
  public:
    // Loads a resource library by path (dlopen) and reads its embedded files. On failure returns
    // null and describes why in `error`.
    static std::shared_ptr<ResourceModule> LoadLibrary(const std::string& path, std::string* error);
    // Builds a module from resource files directly (tests, tools).
    static std::shared_ptr<ResourceModule> FromFiles(const std::vector<ResourceFile>& files,
                                                     std::string* error);

    ~ResourceModule();
    ResourceModule(const ResourceModule&) = delete;
    ResourceModule& operator=(const ResourceModule&) = delete;

    [[nodiscard]] std::optional<std::string> LoadString(std::uint32_t id) const;
    // The string, or a visible marker naming the missing number, so a gap shows in tests.
    [[nodiscard]] std::string String(std::uint32_t id) const;
    [[nodiscard]] const DialogTemplate* FindDialog(std::uint32_t id) const;
    [[nodiscard]] const DialogTemplate* FindDialogByName(std::string_view name) const;
    [[nodiscard]] std::optional<HelpTopic> FindHelpTopic(std::uint32_t id) const;
    [[nodiscard]] const Bitmap* FindBitmap(std::uint32_t id) const;
    [[nodiscard]] std::vector<std::uint32_t> DialogIds() const;
    [[nodiscard]] std::vector<std::uint32_t> StringIds() const;
    [[nodiscard]] std::vector<std::uint32_t> BitmapIds() const;
    // The name of a string that code refers to ("IDS_MODEM_NAME_EXISTS"), empty for the others.
    [[nodiscard]] std::string StringName(std::uint32_t id) const;
    [[nodiscard]] const std::string& Path() const { return m_strPath; }

  private:
    ResourceModule() = default;
    bool AddFile(const ResourceFile& file, std::string* error);
    bool AddFileContents(const ResourceFile& file, std::string* error);

    void* m_hLibrary = nullptr;
    std::string m_strPath;
    std::map<std::uint32_t, std::string> m_strings;
    std::map<std::uint32_t, std::string> m_stringNames;
    std::map<std::uint32_t, DialogTemplate> m_dialogs;
    std::map<std::uint32_t, HelpTopic> m_help;
    std::map<std::uint32_t, Bitmap> m_bitmaps;
};

// Fills positional placeholders %1 .. %9 of a resource text with arguments; "%%" is a percent
// sign. Arguments are inserted as they are and never read as placeholders themselves.
[[nodiscard]] std::string FormatText(std::string_view pattern,
                                     const std::vector<std::string>& args);

// The help topic of a page or dialog is its template number plus 0x20000.
inline constexpr std::uint32_t kHelpTopicOffset = 0x20000;

}  // namespace ptp::res
