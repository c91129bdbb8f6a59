// Saves killed at random points (tests/config/kill_loop.h), one loop per save path of the product:
// a keyed file with a profile commit, a rules file, and a line create with its modem association.
// After every kill each file holds, byte for byte, the old or the new version, the objects hold
// one version, the database passes its integrity check, and no object is left half-made once the
// system is opened again; temporary files of killed writers go at the next open.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "config/config_paths.h"
#include "config/group_policy_config.h"
#include "platform/vocabulary/hardware_resource.h"
#include "platform/vocabulary/kinds.h"
#include "platform/vocabulary/line.h"
#include "platform/vocabulary/modem.h"
#include "platform/vocabulary/profile.h"
#include "rules/nat_rules_file.h"
#include "server/sqlite_db.h"
#include "tests/config/host_fixture.h"
#include "tests/config/kill_loop.h"

namespace ptp::config {
namespace {

using GroupPolicyFile = CPointToPointProfileGroupPolicyConfigFile;
constexpr std::string_view kPolicyPath = "/QKTL/UserData/NOS50/TCPIP/PPP/grouppolicy.cfg";
constexpr std::string_view kPolicyText =
    "GROUPPOLICY=A DESCRIPTION=V0 \nGROUPPOLICY=B DESCRIPTION=V0 \nGROUPPOLICY=C DESCRIPTION=V0 \n";
constexpr const char* kProfile = "CRASHPRF";
constexpr int kWrittenAttributes[] = {attr::profile::kDescription, attr::profile::kRemoteNumber1,
                                      attr::profile::kRemoteNumber2, attr::profile::kRemoteNumber3};
constexpr std::string_view kRulesText =
    "# PPP filters\n"
    "ADDRESS LAN IP = 10.0.0.0 THROUGH 10.0.0.255 TYPE = TRUSTED\n"
    "FILTER SET PPPIN ACTION = PERMIT DIRECTION = INBOUND SRCADDR = * DSTADDR = LAN JRN = OFF\n"
    "FILTER_INTERFACE PPP_FILTER_ID = pf1 SET = PPPIN\n"
    "HIDE 10.0.0.0 BEHIND 9.9.9.9:80 JRN = OFF\n";
constexpr const char* kLineModem = "CRASH MODEM";

std::string Tag(int version) {
    return "V" + std::to_string(version);
}

// The group policy records of one version: each description carries the version.
void PolicyVersion(GroupPolicyFile& file, int version) {
    for (std::size_t i = 0; i < file.GetCount(); ++i)
        file.GetAt(i)->SetDescription(Tag(version));
}

// The rules of one version: descriptions of a length that changes from version to version, so a
// torn file cannot pass for a whole one.
void RulesVersion(rules::CNATRulesFile& file, int version) {
    std::string description = Tag(version);
    for (int i = 0; i < version % 7; ++i)
        description += " and more words " + Tag(version);
    for (std::size_t i = 1; i < file.GetCount(); ++i)
        file.GetAt(i)->SetDescription(description);
}

std::string LineName(int version) {
    char name[16];
    std::snprintf(name, sizeof name, "CRL%05d", version);
    return name;
}

// The line create of the line sheet: the command, then the line's modem association.
bool CreateLineWithModem(host::IHost& host, int version) {
    int status = 0;
    auto connection = host.Commands().OpenConnection(testing::kTestSystem, 1, status);
    if (!connection) return false;
    const std::string name = LineName(version);
    const std::string reply =
        connection->RunCommand("QSYS/CRTLINPPP LIND(" + name +
                               ") RSRCNAME(CMN09) INTERFACE(*RS232V24) FRAMING(*ASYNC) "
                               "CNN(*SWTPP) TEXT('Line " +
                               Tag(version) + "')");
    if (!reply.empty()) return false;
    host::SOFError* error = nullptr;
    auto association = host.Objects().CreateObject(kinds::kLineModem, host::kClientName,
                                                   testing::kTestSystem, name, &error);
    if (!association || error) return false;
    association->SetAttribute(attr::line_modem::kLineName, name);
    association->SetAttribute(attr::line_modem::kModemName, kLineModem);
    association->Commit(&error);
    return error == nullptr;
}

// A child's own host on the system, as a console of its own would have.
struct ChildHost {
    explicit ChildHost(const std::filesystem::path& root) : host(Options(root)) {
        host::SetHost(&host);
        SetFilePrompts(&prompts);
    }
    static host::InProcessOptions Options(const std::filesystem::path& root) {
        host::InProcessOptions options;
        options.stateRoot = root;
        return options;
    }
    host::InProcessHost host;
    testing::RecordingPrompts prompts;
};

class CrashLoop : public testing::HostFixture {
  protected:
    std::string DiskBytes(std::string_view serverPath) {
        auto path = System().Files().Resolve(serverPath);
        if (!path) return "<unresolved>";
        std::ifstream in(*path, std::ios::binary);
        if (!in) return "<missing>";
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    // What a whole save of `version` writes, byte for byte: the same file class, started from
    // the same text, saved to a scratch path of this process.
    std::string PolicyBytes(int version) {
        PutFile("/SCRATCH/grouppolicy.cfg", kPolicyText);
        GroupPolicyFile file(testing::kTestSystem, "/SCRATCH/grouppolicy.cfg", 0);
        EXPECT_EQ(file.Load(), kFileResultOk);
        PolicyVersion(file, version);
        EXPECT_EQ(file.Save(), kFileResultOk);
        return DiskBytes("/SCRATCH/grouppolicy.cfg");
    }

    std::string RulesBytes(int version) {
        PutFile("/SCRATCH/RULES.I3P", kRulesText, server::kCcsidUtf16);
        rules::CNATRulesFile file(testing::kTestSystem, "/SCRATCH/RULES.I3P", false, 3);
        EXPECT_EQ(file.Load(false), rules::kRulesResultOk);
        RulesVersion(file, version);
        EXPECT_EQ(file.Save(), rules::kRulesResultOk);
        return DiskBytes("/SCRATCH/RULES.I3P");
    }

    // The version every written attribute of the profile carries; -1 when they disagree.
    int ProfileVersion() {
        auto profile = System().GetObject(kinds::kProfile, kProfile);
        if (!profile) return -1;
        const std::string tag = profile->Get(kWrittenAttributes[0]);
        for (int id : kWrittenAttributes) {
            if (profile->Get(id) != tag) return -1;
        }
        return tag.size() > 1 ? std::atoi(tag.c_str() + 1) : -1;
    }

    std::string IntegrityCheck() {
        auto check = System().Db().Prepare("PRAGMA integrity_check");
        if (!check.ok() || !check->Step()) return "no answer";
        return check->Text(0);
    }

    // The file is byte-identical to the version before the one the child was saving when it was
    // killed, or to that one; returns which.
    int WholeVersion(std::string_view serverPath, int saving,
                     const std::function<std::string(int)>& render) {
        const std::string bytes = DiskBytes(serverPath);
        if (bytes == render(saving)) return saving;
        EXPECT_EQ(bytes, render(saving - 1))
            << "neither version " << saving - 1 << " nor " << saving;
        return saving - 1;
    }

    std::vector<std::string> TemporaryFiles() {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(m_root)) {
            if (entry.path().filename().string().find(".tmp.") != std::string::npos)
                found.push_back(entry.path().string());
        }
        return found;
    }

    // A temporary file as a writer killed before its rename leaves it, then the next open.
    void ExpectTemporaryFilesGoneAtNextOpen(std::string_view serverPath) {
        auto target = System().Files().Resolve(serverPath);
        ASSERT_TRUE(target.ok());
        const pid_t gone = fork();
        if (gone == 0) _exit(0);
        ASSERT_EQ(waitpid(gone, nullptr, 0), gone);
        std::filesystem::path temp = *target;
        temp += ".tmp." + std::to_string(gone) + ".0";
        std::ofstream(temp) << "half";
        host::InProcessHost reopened(ChildHost::Options(m_root));
        ASSERT_NE(reopened.SystemFor(testing::kTestSystem), nullptr);
        EXPECT_TRUE(TemporaryFiles().empty()) << TemporaryFiles().front();
    }
};

TEST_F(CrashLoop, KilledKeyedFileSavesAndProfileCommitsLeaveOneWholeVersion) {
    PutFile(kPolicyPath, kPolicyText);
    ASSERT_TRUE(System()
                    .PutObject(kinds::kProfile, kProfile,
                               {{attr::profile::kName, kProfile},
                                {attr::profile::kProtocol, "2"},
                                {attr::profile::kLineService, "1"},
                                {attr::profile::kMode, "1"},
                                {attr::profile::kDescription, "V0"},
                                {attr::profile::kRemoteNumber1, "V0"},
                                {attr::profile::kRemoteNumber2, "V0"},
                                {attr::profile::kRemoteNumber3, "V0"}})
                    .ok());
    const std::string original = DiskBytes(kPolicyPath);
    int lastProfileVersion = 0;
    const auto child = [&](int firstVersion, const testing::SaveReporter& reporter) {
        ChildHost child(m_root);
        GroupPolicyFile file(testing::kTestSystem, kGroupPolicyConfigPath, 0);
        if (file.Load() != kFileResultOk) _exit(2);
        for (int version = firstVersion;; ++version) {
            PolicyVersion(file, version);
            if (file.Save() != kFileResultOk) _exit(3);
            host::SOFError* error = nullptr;
            auto profile = child.host.Objects().CreateObject(
                kinds::kProfile, host::kClientName, testing::kTestSystem, kProfile, &error);
            if (!profile || error) _exit(4);
            for (int id : kWrittenAttributes)
                profile->SetAttribute(id, Tag(version));
            profile->Commit(&error);
            if (error) _exit(5);
            reporter.Saved();
        }
    };
    const auto check = [&](int saving, int finished) {
        const int reached = saving + finished;
        const int fileVersion =
            reached == 1 && DiskBytes(kPolicyPath) == original
                ? 0
                : WholeVersion(kPolicyPath, reached, [&](int v) { return PolicyBytes(v); });
        const int profileVersion = ProfileVersion();
        EXPECT_GE(profileVersion, lastProfileVersion);
        // A version's file is saved before its profile, so a kill between the two leaves the
        // profile behind the file, never ahead; every save the child reported is whole.
        EXPECT_LE(profileVersion, fileVersion);
        EXPECT_GE(profileVersion, reached - 1);
        EXPECT_EQ(IntegrityCheck(), "ok");
        lastProfileVersion = profileVersion;
        return fileVersion;
    };
    const testing::KillLoopRun run = testing::RunKillLoop({}, child, check);
    ASSERT_FALSE(HasFailure());
    EXPECT_GE(run.kills, run.saves / 100) << "the saves were killed often";
    ExpectTemporaryFilesGoneAtNextOpen(kPolicyPath);
}

TEST_F(CrashLoop, KilledRulesFileSavesLeaveOneWholeVersion) {
    PutFile(rules::kPPPFiltersPath, kRulesText, server::kCcsidUtf16);
    const std::string original = DiskBytes(rules::kPPPFiltersPath);
    const auto child = [&](int firstVersion, const testing::SaveReporter& reporter) {
        ChildHost child(m_root);
        rules::CNATRulesFile file(testing::kTestSystem, rules::kPPPFiltersPath, false, 3);
        if (file.Load(false) != rules::kRulesResultOk) _exit(2);
        for (int version = firstVersion;; ++version) {
            RulesVersion(file, version);
            if (file.Save() != rules::kRulesResultOk || !child.prompts.messages.empty()) _exit(3);
            reporter.Saved();
        }
    };
    const auto check = [&](int saving, int finished) {
        const int reached = saving + finished;
        if (reached == 1 && DiskBytes(rules::kPPPFiltersPath) == original) return 0;
        const int version =
            WholeVersion(rules::kPPPFiltersPath, reached, [&](int v) { return RulesBytes(v); });
        EXPECT_EQ(IntegrityCheck(), "ok");
        return version;
    };
    const testing::KillLoopRun run = testing::RunKillLoop({.seed = 20261207}, child, check);
    ASSERT_FALSE(HasFailure());
    EXPECT_GE(run.kills, run.saves / 100) << "the saves were killed often";
    ExpectTemporaryFilesGoneAtNextOpen(rules::kPPPFiltersPath);
}

TEST_F(CrashLoop, KilledLineCreatesLeaveNoLineWithoutItsModemOnceReopened) {
    ASSERT_TRUE(System()
                    .PutObject(kinds::kHardwareResource, "CMN09",
                               {{attr::hardware_resource::kName, "CMN09"},
                                {attr::hardware_resource::kResourceKind, "0000000000000008"},
                                {attr::hardware_resource::kAdapterType, "2745"},
                                {attr::hardware_resource::kDescription, "WAN IOA V.24 port"}})
                    .ok());
    const auto child = [&](int firstVersion, const testing::SaveReporter& reporter) {
        ChildHost child(m_root);
        for (int version = firstVersion;; ++version) {
            if (!CreateLineWithModem(child.host, version)) _exit(3);
            reporter.Saved();
        }
    };
    // The lines made so far, in order, and how many of them the next open had to repair.
    int repaired = 0;
    const auto check = [&](int saving, int finished) {
        const int reached = saving + finished;
        auto lines = System().ListObjects(kinds::kLine);
        auto modems = System().ListObjects(kinds::kLineModem);
        EXPECT_TRUE(lines.ok() && modems.ok());
        if (!lines.ok() || !modems.ok()) return 0;
        // Each create is one transaction: the lines are 1 to the last one begun, with no gap.
        const int made = static_cast<int>(lines->size());
        EXPECT_TRUE(made == reached - 1 || made == reached) << made << " lines, " << reached;
        EXPECT_TRUE(made == 0 || lines->back().name == LineName(made)) << lines->back().name;
        // Only the line being made when the kill came may lack its modem; the child that
        // followed opened the system and repaired the ones before.
        EXPECT_GE(static_cast<int>(modems->size()), made - 1);
        for (const auto& modem : *modems) {
            const std::string name = modem.Get(attr::line_modem::kModemName);
            if (name == code::modem_name::kGenericHayes) continue;
            EXPECT_EQ(name, kLineModem) << modem.name;
        }
        EXPECT_EQ(IntegrityCheck(), "ok");
        return made;
    };
    const testing::KillLoopRun run = testing::RunKillLoop({.seed = 20261208}, child, check);
    ASSERT_FALSE(HasFailure());
    EXPECT_GE(run.kills, run.saves / 100) << "the saves were killed often";

    host::InProcessHost reopened(ChildHost::Options(m_root));
    ASSERT_NE(reopened.SystemFor(testing::kTestSystem), nullptr);
    auto log = System().ReadCommandLog();
    ASSERT_TRUE(log.ok());
    auto lines = System().ListObjects(kinds::kLine);
    ASSERT_TRUE(lines.ok());
    for (const auto& line : *lines) {
        auto modem = System().GetObject(kinds::kLineModem, line.name);
        ASSERT_TRUE(modem.ok()) << line.name << " still has no modem";
        if (modem->Get(attr::line_modem::kModemName) == kLineModem) continue;
        // A repaired line is named in the log with the modem it was given.
        EXPECT_EQ(modem->Get(attr::line_modem::kModemName), code::modem_name::kGenericHayes);
        const auto note = std::find_if(log->begin(), log->end(), [&](const auto& entry) {
            return entry.reply.find("TCP8A30: Line " + line.name + " had no modem") == 0 &&
                   entry.reply.find("uses modem $generic hayes") != std::string::npos;
        });
        EXPECT_NE(note, log->end()) << line.name << " was repaired silently";
        ++repaired;
    }
    EXPECT_GT(repaired, 0) << "no kill came between a create and its association";
    RecordProperty("repaired", repaired);
}

}  // namespace
}  // namespace ptp::config
