#pragma once
// Where Lumivane keeps its two files.
//
// The folder is "Velisora" under the user's data home: $XDG_DATA_HOME when it
// is set to an absolute path, else $HOME/.local/share (the XDG base directory
// rules), in place of the Windows Program Files folder.

#include <filesystem>
#include <string>

namespace lumivane {

// The data home, without a trailing slash; empty when neither XDG_DATA_HOME
// nor a home folder is known.
[[nodiscard]] std::string GetProgramFilesDir();

// GetProgramFilesDir() + "/Velisora/"; empty when the data home is unknown.
[[nodiscard]] std::filesystem::path DataFolderPath();

// The data folder + "config.ini"; empty when the data home is unknown.
[[nodiscard]] std::filesystem::path SettingsFilePath();

// The data folder + "Favorites.Velisora"; empty when the data home is unknown.
[[nodiscard]] std::filesystem::path FavoritesFilePath();

}  // namespace lumivane
