#include "frame/point_to_point_bitmap_loader.h"

#include <filesystem>

#include "platform/framework/module_state.h"
#include "platform/ui/message_box.h"
#include "resources/ids/frame.h"

namespace ptp::frame {
namespace {

std::string LibraryPath(std::string_view libraryName) {
    if (libraryName.find('/') != std::string_view::npos) return std::string(libraryName);
    const auto& resources = fw::CurrentModuleState().resources;
    if (!resources || resources->Path().empty()) return std::string(libraryName);
    return (std::filesystem::path(resources->Path()).parent_path() / libraryName).string();
}

}  // namespace

std::optional<res::Bitmap> CPointToPointBitmapLoader::Load(std::string_view libraryName,
                                                           UINT bitmapId) {
    std::string error;
    const auto library = res::ResourceModule::LoadLibrary(LibraryPath(libraryName), &error);
    const res::Bitmap* bitmap = library ? library->FindBitmap(bitmapId) : nullptr;
    if (!bitmap) {
        ui::AfxMessageBox(IDS_CANNOT_OPEN, ui::MB_ICONWARNING);
        return std::nullopt;
    }
    return *bitmap;
}

}  // namespace ptp::frame
