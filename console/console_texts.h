#pragma once
// Numbers of the web console's own texts (resources/strings/console.json).
#include <cstdint>

namespace ptp::console {

enum ConsoleText : std::uint32_t {
    kPluginFailed = 34000,
    kFinishDialogFirst = 34001,
    kBadItemId = 34002,
    kCommandNotAvailable = 34003,
    kPluginMissing = 34004,
    kDemoNotSeeded = 34005,
};

// Why a request or a console operation failed (resources/strings/console_messages.json).
enum ConsoleMessage : std::uint32_t {
    kForeignHost = 34300,
    kForeignSite = 34301,
    kChangeFromOwnPage = 34302,
    kNotSignedIn = 34303,
    kNoResourceLibrary = 34304,
    kSystemNotCreated = 34305,
    kNoSuchSystem = 34306,
    kUiThreadNotStarted = 34307,
    kStillBusy = 34308,
    kShuttingDown = 34309,
    kLostRequest = 34310,
    kUnreadableRequest = 34311,
    kFailedRequest = 34312,
    kNoSuchPage = 34313,
    kNoSuchOperation = 34314,
    kWrongMethod = 34315,
    kOnlyJson = 34316,
    kRequestTooLarge = 34317,
    kNotJson = 34318,
    kNotAnObject = 34319,
    kNeedsText = 34320,
    kTextTooLong = 34321,
    kNeedsNumber = 34322,
    kNotAWholeNumber = 34323,
    kOutOfRange = 34324,
    kBadSystemName = 34325,
    kBadFolder = 34326,
    kItemsNotAList = 34327,
    kTooManyItems = 34328,
    kItemIdNotText = 34329,
    kBadItemIdLength = 34330,
    kViewArgumentTooLong = 34331,
    kBadMenuKind = 34332,
    kEmptyVerb = 34333,
    kStateDamaged = 34334,
    kSystemExists = 34335,
    kStateNotSaved = 34336,
    kStateNotRenamed = 34337,
    kUnknownDialogAction = 34338,
    kAnotherMessageShown = 34339,
    kMessageTakesAnswer = 34340,
    kNoSuchButton = 34341,
    kNoDialogOpen = 34342,
    kNotTheWaitingDialog = 34343,
    kNoHelp = 34344,
    kListNotOpened = 34345,
    kListNotRead = 34346,
    kListEntryMissing = 34347,
    kListEntryUnreadable = 34348,
    kNoSuchJob = 34349,
    kNoSuchSpooledFile = 34350,
    kSpooledFileUnreadable = 34351,
    kSystemNameRule = 34352,
    kReleaseRule = 34353,
    kCheckedNotBoolean = 34354,
    kDialogInAnotherWindow = 34380,
};

// Column headings of the console's own views (resources/strings/console_messages.json).
enum ConsoleHeading : std::uint32_t {
    kHeadingJob = 34360,
    kHeadingUser = 34361,
    kHeadingNumber = 34362,
    kHeadingStatus = 34363,
    kHeadingProfile = 34364,
    kHeadingSpooledFile = 34365,
    kHeadingLine = 34366,
    kHeadingRemoteAddress = 34367,
    kHeadingLocalAddress = 34368,
    kHeadingBundle = 34369,
    kHeadingTime = 34370,
    kHeadingClient = 34371,
    kHeadingCommand = 34372,
    kHeadingReply = 34373,
};

// The texts of the page itself (resources/strings/console_page.json).
inline constexpr std::uint32_t kFirstPageText = 34100;
inline constexpr std::uint32_t kLastPageText = 34299;

}  // namespace ptp::console
