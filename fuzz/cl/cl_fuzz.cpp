// Parses arbitrary bytes as a CL command; whatever parses must write and parse back to the same
// statement, and writing that again must give the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "server/cl/cl_parser.h"
#include "server/cl/cl_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    auto first = ptp::server::cl::ParseCommand(text);
    if (!first.Ok()) return 0;
    const std::string written = ptp::server::cl::WriteCommand(first.Value());
    auto second = ptp::server::cl::ParseCommand(written);
    if (!second.Ok()) std::abort();
    if (!(second.Value() == first.Value())) std::abort();
    if (ptp::server::cl::WriteCommand(second.Value()) != written) std::abort();
    return 0;
}
