#pragma once
// Hardware resources (kinds::kHardwareResource). Naming scheme: see kinds.h.

namespace ptp::attr::hardware_resource {
inline constexpr int kName = 0;
inline constexpr int kResourceKind = 1;  // "0000000000000008" for communication ports
inline constexpr int kAdapterType = 2;
inline constexpr int kDescription = 3;  // names the interface: "V.24", "V.35", "V.36", "Comm Port"
inline constexpr int kStatus = 4;
}  // namespace ptp::attr::hardware_resource
