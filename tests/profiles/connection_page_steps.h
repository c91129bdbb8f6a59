#pragma once
// What a new profile's connection page needs before the sheet can save it, as script steps:
// a line and, for a dialling profile, a number to dial. The steps end on the General page.
#include <string>

#include "platform/ui/script_driver.h"
#include "resources/ids/profiles.h"

namespace ptp::testing {

inline ui::DialogScript& ChooseDialLine(ui::DialogScript& sheet, const std::string& line,
                                        const std::string& number) {
    return sheet.SelectPageByTemplate(IDD_PROFILE_DIAL_CONNECTION)
        .Choose(IDC_PROFILE_LINE, line)
        .Click(IDC_PROFILE_NUMBER_ADD)
        .EditCell(IDC_PROFILE_NUMBERS, 0, 0, number)
        .SelectPage(0);
}

inline ui::DialogScript& ChooseAnswerLine(ui::DialogScript& sheet, const std::string& line) {
    return sheet.SelectPageByTemplate(IDD_PROFILE_ANSWER_CONNECTION)
        .Choose(IDC_PROFILE_LINE, line)
        .SelectPage(0);
}

}  // namespace ptp::testing
