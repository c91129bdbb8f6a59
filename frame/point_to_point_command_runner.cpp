#include "frame/point_to_point_command_runner.h"

#include "config/config_paths.h"
#include "config/config_text.h"
#include "config/group_policy_config.h"
#include "frame/console_job_views.h"
#include "frame/frame_messages.h"
#include "frame/logging_option.h"
#include "frame/point_to_point_ext_app.h"
#include "frame/point_to_point_ext_interfaces.h"
#include "frame/selection_summary.h"
#include "frame/type_codes.h"
#include "frame/verb_table.h"
#include "modems/modem_sheet.h"
#include "platform/ui/message_box.h"
#include "platform/ui/toolkit.h"
#include "platform/ui/ui_constants.h"

namespace ptp::frame {
namespace {

constexpr UINT IDS_CONFIRM_DELETE_ONE = 19059;
constexpr UINT IDS_CONFIRM_DELETE_MANY = 29281;
constexpr UINT IDS_DELETE_COMMUNICATIONS_OBJECTS = 28069;
constexpr UINT IDS_CANNOT_OPEN = 27992;
constexpr UINT IDS_STARTED_COUNT = 29171;
constexpr UINT IDS_STOPPED_COUNT = 29172;
constexpr UINT IDS_RESTARTED_COUNT = 27797;
constexpr UINT IDS_DELETED_COUNT = 29282;
constexpr UINT kYesNoWarning = ui::MB_YESNO | ui::MB_ICONWARNING;               // 0x34
constexpr UINT kYesNoWarningSecondDefault = kYesNoWarning | ui::MB_DEFBUTTON2;  // 0x134
constexpr std::size_t kProfileAttributeCapacity = 512;
constexpr int kFolderOriginator = 0;
constexpr int kFolderReceiver = 1;
constexpr DialogResult kDialogCouldNotStart = -1;
constexpr DialogResult kDialogCouldNotRun = -2;

// Attribute `id` of a list record, or `fallback` when it cannot be read.
std::string ReadRecordAttribute(host::IServerObject* record, int id, std::string fallback) {
    if (!record) return fallback;
    std::string buffer(kProfileAttributeCapacity, '\0');
    host::SOFError* error = nullptr;
    record->GetAttribute(id, buffer.data(), buffer.size(), &error);
    if (!error) return buffer.c_str();
    if (!host::IsAlreadyReported(error)) error->Destroy();
    return fallback;
}

bool IsCountedCommand(UINT command) {
    return command == ID_START || command == ID_STOP || command == ID_RESTART ||
           command == ID_DELETE;
}

UINT StatusFormatOf(UINT command) {
    switch (command) {
        case ID_START:
            return IDS_STARTED_COUNT;
        case ID_STOP:
            return IDS_STOPPED_COUNT;
        case ID_RESTART:
            return IDS_RESTARTED_COUNT;
        default:
            return IDS_DELETED_COUNT;
    }
}

}  // namespace

HRESULT CPointToPointCommandRunner::Invoke(const fw::CMINVOKECOMMANDINFO* info) {
    if (!info) return E_INVALIDARG;
    m_hParent = info->hwnd;
    const UINT command = ResolveCommand(info->lpVerb);
    if (command == 0) return E_FAIL;
    Run(command);
    return S_OK;
}

UINT CPointToPointCommandRunner::ResolveCommand(const char* verb) const {
    const auto table = m_extension.MenuCommandTable();
    if (fw::IsVerbOffset(verb)) {
        const UINT offset = fw::VerbOffset(verb);
        if (offset >= table.size()) return 0;
        const std::uint32_t word = table[offset];
        if (word == kMenuSeparator || (word & kMenuCommandGreyed)) return 0;
        return word;
    }
    const auto command = CommandOfVerb(verb);
    if (!command) return 0;
    for (std::uint32_t word : table) {
        if (word == *command) return word;
    }
    return 0;
}

void CPointToPointCommandRunner::Run(UINT command) {
    if (!m_extension.FolderPath().empty()) return;
    if (command == ID_LOGMESSAGES || command == ID_LOGERRORS || command == ID_LOGNONE) {
        SetLoggingLevel(command == ID_LOGMESSAGES ? kLogAllMessages
                        : command == ID_LOGERRORS ? kLogErrors
                                                  : kLogNothing);
        return;
    }
    ui::CWaitCursor wait;
    const fw::CSelectionHolder& selection = m_extension.Selection();
    const long count = selection.GetCount();
    long successes = 0;
    m_bDeleteConfirmed = false;
    for (long index = 0; index < count; ++index) {
        CPointToPointSelectedObject item;
        if (!CPointToPointSelection::ReadItem(selection, index, item)) continue;
        // Asked before the first item that can be deleted, so that an item whose record has gone
        // meanwhile never lets the others go unasked.
        if (command == ID_DELETE && count > 1 && !m_bDeleteConfirmed) {
            const int answer =
                ShowFrameMessage(IDS_CONFIRM_DELETE_MANY, kYesNoWarning, {std::to_string(count)});
            if (answer != ui::IDYES) return;
            m_bDeleteConfirmed = true;
        }
        if (RunForItem(command, item, index, count)) ++successes;
        if (IsCountedCommand(command) && count == 1) ReportCounts(command, successes, count);
    }
    if (IsCountedCommand(command) && count > 1) ReportCounts(command, successes, count);
}

void CPointToPointCommandRunner::ReportCounts(UINT command, long successes, long count) {
    if (count > 1 || successes > 0) RefreshConsoleView(m_hParent);
    const std::string text = res::FormatText(FrameText(StatusFormatOf(command)),
                                             {std::to_string(successes), std::to_string(count)});
    SetConsoleStatusText(m_hParent, text);
}

bool CPointToPointCommandRunner::RunForItem(UINT command, const CPointToPointSelectedObject& item,
                                            long, long count) {
    const std::string& type = item.m_strTypeCode;
    const std::string profile = config::ToUpper(item.m_strObjectName);
    switch (command) {
        case ID_START: {
            if (!IsProfile(type)) return false;
            if (LoggingOption().empty()) SetLoggingLevel(kLogErrors);
            return RunServerCommand(
                item, res::FormatText("QSYS/STRTCPPTP CFGPRF('%1')", {profile}) + LoggingOption());
        }
        case ID_STOP:
            if (!IsProfile(type)) return false;
            return RunServerCommand(item,
                                    res::FormatText("QSYS/ENDTCPPTP CFGPRF('%1')", {profile}));
        case ID_RESTART:
            if (!IsProfile(type)) return false;
            return RunServerCommand(
                item, res::FormatText("QSYS/STRTCPPTP CFGPRF('%1') RESTART(*YES)", {profile}));
        case ID_DELETE:
            return DeleteItem(item, count);
        case ID_PROPERTIES:
            OpenProperties(item, false);
            return true;
        case ID_MIGRATE:
            if (IsProfile(type)) OpenProperties(item, true);
            return true;
        case ID_NEWPROFILE:
            AfterDialog(CreateProfile(
                item, type == kTypeOriginatorFolder ? kFolderOriginator : kFolderReceiver,
                m_hParent));
            return true;
        case ID_NEWWDNPROFILE:
            AfterCreation(RunDialerWizard(item.m_strServerName, m_hParent));
            return true;
        case ID_NEWGROUPPOLICY:
            AfterCreation(OpenGroupPolicySheet(item.m_strServerName, "",
                                               ReadConfigurationAuthority(item.m_strServerName),
                                               m_hParent));
            return true;
        case ID_NEWMODEM:
            AfterDialog(OpenModemSheet(item.m_strServerName, "", nullptr,
                                       ReadConfigurationAuthority(item.m_strServerName),
                                       m_hParent));
            return true;
        case ID_NEWBASEDON:
            if (type != kTypeModem) return false;
            AfterDialog(OpenModemSheet(item.m_strServerName, "", item.m_pListRecord,
                                       ReadConfigurationAuthority(item.m_strServerName),
                                       m_hParent));
            return true;
        case ID_SERVICES:
            if (type != kTypeContainerFolder) return false;
            AfterDialog(OpenServicesSheet(item.m_strServerName, m_hParent));
            return true;
        case ID_CONNECTIONS:
            AfterDialog(OpenConnectionView(item.m_strServerName, m_hParent));
            return true;
        case ID_JOBS: {
            if (!IsProfile(type)) return false;
            const std::string protocol = ReadRecordAttribute(item.m_pListRecord, 2, "");
            (void)OpenServerJobList(
                item.m_strServerName,
                config::EqualsNoCase(protocol, "1") ? kSlipJobPrefix : kPppJobPrefix, m_hParent);
            return true;
        }
        default:
            return false;
    }
}

bool CPointToPointCommandRunner::RunServerCommand(const CPointToPointSelectedObject& item,
                                                  const std::string& command) {
    host::ICommandConnection* connection = m_extension.CommandConnection(item.m_strServerName);
    if (!connection) return false;
    const std::string reply = connection->RunCommand(command);
    if (reply.empty()) return true;
    if (host::IHost* host = host::GetHost()) host->Errors().ShowMessageText(reply, m_hParent);
    return false;
}

bool CPointToPointCommandRunner::DeleteItem(const CPointToPointSelectedObject& item, long count) {
    if (count == 1) {
        const int answer =
            ShowFrameMessage(IDS_CONFIRM_DELETE_ONE, kYesNoWarning, {item.m_strObjectName});
        if (answer != ui::IDYES) return false;
    }
    const std::string& type = item.m_strTypeCode;
    if (IsProfile(type)) return DeleteProfile(item);
    if (type == kTypeModem)
        return modems::DeleteModem(item.m_strServerName, item.m_strObjectName, m_hParent);
    if (type == kTypePolicy) return DeleteGroupPolicy(item);
    return false;
}

bool CPointToPointCommandRunner::DeleteProfile(const CPointToPointSelectedObject& item) {
    const std::string kind = ReadRecordAttribute(item.m_pListRecord, 6, "1");
    std::string deleteObjects = "*YES";
    if (config::TextToInt(kind) != 3) {
        const int answer = ShowFrameMessage(IDS_DELETE_COMMUNICATIONS_OBJECTS,
                                            kYesNoWarningSecondDefault, {item.m_strObjectName});
        deleteObjects = answer == ui::IDYES ? "*YES" : "*NO";
    }
    return RunServerCommand(
        item, res::FormatText("QSYS/RMVTCPPTP CFGPRF('%1') DLTCMNCFG(%2)",
                              {config::ToUpper(item.m_strObjectName), deleteObjects}));
}

bool CPointToPointCommandRunner::DeleteGroupPolicy(const CPointToPointSelectedObject& item) {
    config::CPointToPointProfileGroupPolicyConfigFile file(config::ToUpper(item.m_strServerName),
                                                           config::kGroupPolicyConfigPath, 0);
    if (file.Load() != config::kFileResultOk) return false;
    for (auto* policy = file.GetFirst(); policy; policy = file.GetNext()) {
        if (!config::EqualsNoCase(policy->GetGroupPolicy(), item.m_strObjectName)) continue;
        file.Remove(policy);
        return file.Save() == config::kFileResultOk;
    }
    return false;
}

void CPointToPointCommandRunner::OpenProperties(const CPointToPointSelectedObject& item,
                                                bool migrate) {
    const std::string& type = item.m_strTypeCode;
    const bool authority = ReadConfigurationAuthority(item.m_strServerName);
    if (type == kTypePolicy) {
        AfterDialog(
            OpenGroupPolicySheet(item.m_strServerName, item.m_strObjectName, authority, m_hParent));
        return;
    }
    if (type == kTypeModem) {
        AfterDialog(OpenModemSheet(item.m_strServerName, item.m_strObjectName, item.m_pListRecord,
                                   authority, m_hParent));
        return;
    }
    if (!IsProfile(type)) return;
    const std::string status = ReadRecordAttribute(item.m_pListRecord, 13, "");
    CProfileSheetRequest request;
    request.server = item.m_strServerName;
    request.profileName = item.m_strObjectName;
    request.listRecord = item.m_pListRecord;
    // An existing profile offers what a new one on the same server would.
    request.capabilityA = true;
    request.capabilityB = true;
    request.capabilityC = true;
    request.changesAllowed = authority && IsChangeableStatus(status);
    request.migrate = migrate;
    request.folderKind = type == kTypeOriginatorProfile ? kFolderOriginator : kFolderReceiver;
    request.releaseV5R2 = item.m_bV5R2;
    request.releaseV5R3 = item.m_bV5R3;
    request.releaseV5R4 = item.m_bV5R4;
    AfterDialog(OpenProfileSheet(request, m_hParent));
}

void CPointToPointCommandRunner::AfterDialog(DialogResult result) {
    if (result == ui::IDOK) RefreshConsoleView(m_hParent);
}

void CPointToPointCommandRunner::AfterCreation(DialogResult result) {
    if (result == kDialogCouldNotStart || result == kDialogCouldNotRun) {
        ShowFrameMessage(IDS_CANNOT_OPEN, ui::MB_ICONWARNING);
    }
    if (result != ui::IDCANCEL) RefreshConsoleView(m_hParent);
}

}  // namespace ptp::frame
