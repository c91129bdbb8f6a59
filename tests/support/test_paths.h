#pragma once
// Where the tests and benchmarks find the built libraries and the source tree. The two folders
// are compiled into one small object only, so every other test object is the same in any clone
// and comes from the shared compiler cache.
#include <string>

namespace ptp::test {

// The build's bin folder: libptpext.so, libptpres.so, ptpctl.
const std::string& BinDir();
// The root of the source tree.
const std::string& SourceDir();

}  // namespace ptp::test
