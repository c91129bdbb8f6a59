// The resource library is the one source of the plug-in's template, control and string ids: the
// build turns its names into constants. These checks keep that source whole, so a new page fails
// here, loudly, rather than in front of a user.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/res/resource_module.h"
#include "tests/support/test_paths.h"

namespace ptp::res {
namespace {

std::shared_ptr<ResourceModule> Library() {
    std::string error;
    auto module = ResourceModule::LoadLibrary(ptp::test::BinDir() + "/libptpres.so", &error);
    EXPECT_NE(module, nullptr) << error;
    return module;
}

// The standard buttons keep the toolkit's names and numbers.
const std::map<std::string, long long> kToolkitNames = {
    {"IDOK", 1}, {"IDCANCEL", 2}, {"IDHELP", 9}};

// Every name of the library with the number it stands for; a name that stands for two numbers is
// reported through `problems`.
std::map<std::string, long long> NamesOf(const ResourceModule& module,
                                         std::vector<std::string>& problems) {
    std::map<std::string, long long> names;
    auto add = [&](const std::string& name, long long value, const std::string& where) {
        if (name.empty()) return;
        const auto [it, added] = names.emplace(name, value);
        if (!added && it->second != value) {
            problems.push_back(where + ": " + name + " is " + std::to_string(value) + " here and " +
                               std::to_string(it->second) + " elsewhere");
        }
    };
    for (const auto id : module.DialogIds()) {
        const DialogTemplate* dialog = module.FindDialog(id);
        add(dialog->name, id, "dialog " + std::to_string(id));
        for (const auto& control : dialog->controls) {
            add(control.name, control.id, "dialog " + std::to_string(id));
        }
    }
    for (const auto id : module.StringIds())
        add(module.StringName(id), id, "strings");
    for (const auto id : module.BitmapIds()) {
        add(module.FindBitmap(id)->name, id, "bitmap " + std::to_string(id));
    }
    return names;
}

std::vector<std::string> TemplateProblems(const ResourceModule& module, std::uint32_t id) {
    std::vector<std::string> problems;
    const DialogTemplate* dialog = module.FindDialog(id);
    const std::string where = "dialog " + std::to_string(id) + " (" + dialog->name + ")";
    if (dialog->name.rfind("IDD_", 0) != 0) problems.push_back(where + " has no IDD_ name");
    if (dialog->captionId != 0 && !module.LoadString(dialog->captionId)) {
        problems.push_back(where + ": caption " + std::to_string(dialog->captionId) +
                           " has no string");
    }
    std::set<int> ids;
    std::set<std::string> names;
    for (const auto& control : dialog->controls) {
        const std::string what = where + " control " + std::to_string(control.id);
        if (control.id > 0 && !ids.insert(control.id).second) {
            problems.push_back(what + " is there twice");
        }
        if (control.id > 0 && control.name.empty()) problems.push_back(what + " has no name");
        if (control.id <= 0 && !control.name.empty()) {
            problems.push_back(what + " is named " + control.name + " but has no id");
        }
        if (!control.name.empty() && !names.insert(control.name).second) {
            problems.push_back(what + ": the name " + control.name + " is there twice");
        }
        const auto toolkit = kToolkitNames.find(control.name);
        const bool standardId = control.id == 1 || control.id == 2 || control.id == 9;
        if ((toolkit != kToolkitNames.end() && toolkit->second != control.id) ||
            (standardId && toolkit == kToolkitNames.end())) {
            problems.push_back(what + " must be IDOK (1), IDCANCEL (2) or IDHELP (9)");
        }
        if (toolkit == kToolkitNames.end() && !control.name.empty() &&
            control.name.rfind("IDC_", 0) != 0) {
            problems.push_back(what + ": " + control.name + " does not start with IDC_");
        }
        if (control.textId != 0 && !module.LoadString(control.textId)) {
            problems.push_back(what + ": label " + std::to_string(control.textId) +
                               " has no string");
        }
    }
    return problems;
}

TEST(ResourceNames, EveryTemplateNamesItsControlsAndFindsItsTexts) {
    const auto module = Library();
    ASSERT_NE(module, nullptr);
    ASSERT_FALSE(module->DialogIds().empty());
    for (const auto id : module->DialogIds()) {
        for (const auto& problem : TemplateProblems(*module, id))
            ADD_FAILURE() << problem;
    }
}

TEST(ResourceNames, EveryNameStandsForOneNumber) {
    const auto module = Library();
    ASSERT_NE(module, nullptr);
    std::vector<std::string> problems;
    const auto names = NamesOf(*module, problems);
    for (const auto& problem : problems)
        ADD_FAILURE() << problem;
    EXPECT_EQ(names.at("IDC_MODEM_NAME"), 35600);
    EXPECT_EQ(names.at("IDS_MODEM_NAME_EXISTS"), 27729);
    for (const auto id : module->StringIds()) {
        const std::string name = module->StringName(id);
        EXPECT_TRUE(name.empty() || name.rfind("IDS_", 0) == 0) << id << " is named " << name;
    }
}

TEST(ResourceNames, CheckFindsBrokenTemplates) {
    std::string error;
    const auto module =
        ResourceModule::FromFiles({{"bad.json", R"({"strings": {"5": {"name": "IDS_A", "text": "a"},
                                      "6": {"name": "IDS_A", "text": "b"}},
            "dialogs": [{"id": 7, "captionId": 8, "controls": [
              {"id": 1001, "name": "IDC_X", "kind": "edit"},
              {"id": 1001, "name": "IDC_Y", "kind": "edit", "textId": 99},
              {"id": 1002, "kind": "edit"},
              {"id": -1, "name": "IDC_Z", "kind": "static"},
              {"id": 1003, "name": "IDC_X", "kind": "edit"},
              {"id": 2, "name": "IDOK", "kind": "button"}]}]})"}},
                                  &error);
    ASSERT_NE(module, nullptr) << error;
    const auto problems = TemplateProblems(*module, 7);
    auto reported = [&](const std::string& text) {
        for (const auto& problem : problems) {
            if (problem.find(text) != std::string::npos) return true;
        }
        return false;
    };
    EXPECT_TRUE(reported("has no IDD_ name"));
    EXPECT_TRUE(reported("caption 8 has no string"));
    EXPECT_TRUE(reported("control 1001 is there twice"));
    EXPECT_TRUE(reported("label 99 has no string"));
    EXPECT_TRUE(reported("control 1002 has no name"));
    EXPECT_TRUE(reported("IDC_Z but has no id"));
    EXPECT_TRUE(reported("the name IDC_X is there twice"));
    EXPECT_TRUE(reported("must be IDOK (1), IDCANCEL (2) or IDHELP (9)"));
    std::vector<std::string> nameProblems;
    (void)NamesOf(*module, nameProblems);
    ASSERT_EQ(nameProblems.size(), 2u);  // IDS_A twice, IDC_X for two ids
    EXPECT_NE(nameProblems[0].find("IDC_X"), std::string::npos);
    EXPECT_NE(nameProblems[1].find("IDS_A"), std::string::npos);
}

// The folders of the plug-in, whose resource ids come from the generated headers only.
const char* const kPluginFolders[] = {"frame",  "config", "rules", "profiles", "modems",
                                      "wizard", "lines",  "nwi",   "policies", "ras"};

// Numbers of this range in the rules statements are statement and address kinds of the rules
// file format, not resource ids.
const std::set<std::string> kDataNumberFiles = {
    "rules/nat_data.h", "rules/nat_define_address_data.h", "rules/nat_filter_data.h",
    "rules/nat_filter_interface_data.h", "rules/nat_service_alias_data.h"};

std::vector<std::filesystem::path> PluginSources() {
    std::vector<std::filesystem::path> files;
    const std::filesystem::path root(ptp::test::SourceDir());
    for (const char* folder : kPluginFolders) {
        if (!std::filesystem::exists(root / folder)) continue;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root / folder)) {
            const auto ext = entry.path().extension();
            if (ext == ".cpp" || ext == ".h") files.push_back(entry.path());
        }
    }
    return files;
}

// The words of a source text: runs of letters, digits and underscores.
std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '_') {
            word += c;
            continue;
        }
        if (!word.empty()) words.push_back(std::move(word));
        word.clear();
    }
    if (!word.empty()) words.push_back(std::move(word));
    return words;
}

bool IsResourceSymbol(const std::string& word) {
    return word.size() > 4 && word.rfind("ID", 0) == 0 &&
           std::string_view("DCSB").find(word[2]) != std::string_view::npos && word[3] == '_';
}

// A decimal number of four to six digits, as code would type a resource number.
std::optional<long long> NumberOf(const std::string& word) {
    if (word.size() < 4 || word.size() > 6 || word[0] == '0') return std::nullopt;
    for (const char c : word) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
    }
    return std::stoll(word);
}

std::string ReadText(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Page, sheet and dialog classes name their template (IDD_), controls (IDC_), strings (IDS_) and
// bitmaps (IDB_) by the generated names: a name the library does not have is a template that is
// missing, and a resource number typed into the code is a second source.
TEST(ResourceNames, PluginCodeUsesOnlyGeneratedIds) {
    const auto module = Library();
    ASSERT_NE(module, nullptr);
    std::vector<std::string> problems;
    const auto names = NamesOf(*module, problems);
    // Numbers of four digits or more: any in the plug-in's resource range, and any other that is
    // the number of a string, template, control or bitmap of the library.
    std::set<long long> resourceNumbers;
    for (const auto& [name, value] : names)
        resourceNumbers.insert(value);
    for (const auto id : module->StringIds())
        resourceNumbers.insert(id);
    const auto files = PluginSources();
    ASSERT_FALSE(files.empty());
    for (const auto& path : files) {
        const std::string text = ReadText(path);
        const std::string relative =
            std::filesystem::relative(path, ptp::test::SourceDir()).generic_string();
        const bool dataNumbers = kDataNumberFiles.count(relative) != 0;
        for (const auto& word : Words(text)) {
            if (IsResourceSymbol(word)) {
                EXPECT_TRUE(names.count(word))
                    << relative << " names " << word << ", which no resource file has";
                continue;
            }
            const auto value = NumberOf(word);
            if (!value || dataNumbers) continue;
            if ((*value < 20000 || *value > 39999) && !resourceNumbers.count(*value)) continue;
            ADD_FAILURE() << relative << " types the number " << word
                          << "; name the resource in its JSON file and use the generated name";
        }
    }
}

}  // namespace
}  // namespace ptp::res
