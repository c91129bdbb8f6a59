#include "tests/support/test_paths.h"

namespace ptp::test {

const std::string& BinDir() {
    static const std::string dir = PTP_BIN_DIR;
    return dir;
}

const std::string& SourceDir() {
    static const std::string dir = PTP_SOURCE_DIR;
    return dir;
}

}  // namespace ptp::test
