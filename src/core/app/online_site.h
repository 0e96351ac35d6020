#pragma once
// Which site the service addresses go to. The built-in site is the default;
// config.ini may name an online site in a section of its own, which the
// program only reads (the settings it saves keep the section as it is):
//
//   [Online]
//   SiteRoot=https://www.example.com/
//   SupportBase=https://www.example.com/support/
//
// SupportBase may be left out: it is then the site root followed by
// "support/", as on the built-in site. Each address is then built exactly as
// on the built-in site, on that root.

#include <filesystem>
#include <string>
#include <string_view>

#include "core/app/ini_file.h"
#include "core/app/web_addresses.h"

namespace lumivane {

inline constexpr std::string_view kOnlineSection = "Online";
inline constexpr std::string_view kSiteRootKey = "SiteRoot";
inline constexpr std::string_view kSupportBaseKey = "SupportBase";

// An address that can serve as a base: http:// or https:// with a host (and
// at most a port of digits), no user name or password before an "@" (which
// would send them along, or hide the real host behind a familiar name), and
// nothing a browser would read otherwise (blanks, control characters, quotes,
// "#", "?", backslashes, non-ASCII). A missing final "/" is added.
[[nodiscard]] std::optional<std::string> SiteBaseOf(std::string_view text);

// Why the address cannot serve as a base, for the user; empty when it can.
[[nodiscard]] std::string SiteBaseProblem(std::string_view text);

// A site on the root (ending in "/"), its support pages below "support/".
[[nodiscard]] WebSite WebSiteOnRoot(const std::string& root);

// The site a settings file names, the built-in site when it names none or an
// unusable address (a bad SupportBase alone falls back to SiteRoot + "support/").
// When a SiteRoot is there but cannot be used, note says so and that the
// built-in site serves instead.
[[nodiscard]] WebSite WebSiteFrom(const IniFile& settings, std::string* note = nullptr);
// The same from config.ini at the path; a missing or unreadable file gives the built-in site.
[[nodiscard]] WebSite LoadWebSiteFrom(const std::filesystem::path& path,
                                      std::string* note = nullptr);
// From config.ini in the data folder.
[[nodiscard]] WebSite LoadWebSite(std::string* note = nullptr);

}  // namespace lumivane
