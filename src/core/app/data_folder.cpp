#include "core/app/data_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace lumivane {
namespace {

std::string StripTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path;
}

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') {
        return home;
    }
    // No usable HOME (a service, a stripped environment): ask the user database.
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr && found->pw_dir != nullptr && found->pw_dir[0] == '/') {
        return found->pw_dir;
    }
    return {};
}

}  // namespace

std::string GetProgramFilesDir() {
    // Relative values are to be ignored, as the XDG rules say.
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && xdg[0] == '/') {
        return StripTrailingSlashes(xdg);
    }
    std::string home = HomeFolder();
    if (home.empty()) {
        return {};
    }
    return StripTrailingSlashes(home) + "/.local/share";
}

std::filesystem::path DataFolderPath() {
    std::string base = GetProgramFilesDir();
    if (base.empty()) {
        return {};
    }
    return std::filesystem::path(base) / "Velisora" / "";
}

std::filesystem::path SettingsFilePath() {
    std::filesystem::path folder = DataFolderPath();
    return folder.empty() ? folder : folder / "config.ini";
}

std::filesystem::path FavoritesFilePath() {
    std::filesystem::path folder = DataFolderPath();
    return folder.empty() ? folder : folder / "Favorites.Velisora";
}

}  // namespace lumivane
