#include "frame/command_strings.h"

#include <cstring>
#include <string_view>

#include "frame/point_to_point_ext_interfaces.h"
#include "frame/verb_table.h"
#include "platform/framework/help_text.h"

namespace ptp::frame {
namespace {

// Copies at most size - 1 characters and the NUL.
void CopyCut(std::string_view text, char* buffer, UINT size) {
    if (!buffer || size == 0) return;
    const std::size_t length = std::min<std::size_t>(text.size(), size - 1);
    if (length > 0) std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

}  // namespace

HRESULT GetMenuCommandString(std::span<const std::uint32_t> table, std::uintptr_t offset, UINT kind,
                             char* buffer, UINT size) {
    if (buffer && size > 0) buffer[0] = '\0';
    if (offset >= table.size()) return E_INVALIDARG;
    const std::uint32_t word = table[offset];
    const UINT commandId = word == kMenuSeparator ? word : word & ~kMenuCommandGreyed;
    switch (kind) {
        case fw::GCS_VERBW: {
            if (word == kMenuSeparator) return S_OK;
            const CVerb* verb = VerbOfCommand(commandId);
            if (!verb) return E_INVALIDARG;
            CopyCut(verb->verb, buffer, size);
            return S_OK;
        }
        case fw::GCS_HELPTEXTW: {
            const auto text = fw::GetHelpText(commandId);
            if (!text) return E_FAIL;
            CopyCut(*text, buffer, size);
            return S_OK;
        }
        case fw::GCS_VALIDATEW:
            return (word & kMenuCommandGreyed) ? E_FAIL : S_OK;
        default:
            return E_INVALIDARG;
    }
}

}  // namespace ptp::frame
