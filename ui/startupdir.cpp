#include "startupdir.h"

#include <filesystem>
#include <system_error>

namespace anodyne::ui {
namespace {
std::string& stored()
{
    static std::string dir;
    return dir;
}
} // namespace

void recordStartupDir()
{
    std::error_code ec;
    const std::filesystem::path p = std::filesystem::current_path(ec);
    stored() = ec ? std::string() : p.string();
}

const std::string& startupDir() { return stored(); }

} // namespace anodyne::ui
