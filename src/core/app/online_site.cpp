#include "core/app/online_site.h"

#include "core/app/data_folder.h"

namespace lumivane {

std::optional<std::string> SiteBaseOf(std::string_view text) {
    std::string_view rest;
    if (text.starts_with("https://")) {
        rest = text.substr(8);
    } else if (text.starts_with("http://")) {
        rest = text.substr(7);
    } else {
        return std::nullopt;
    }
    if (rest.empty() || rest.front() == '/') {
        return std::nullopt;  // no host
    }
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c <= 0x20 || c >= 0x7F || ch == '"' || ch == '\'' || ch == '<' || ch == '>' ||
            ch == '\\' || ch == '#' || ch == '?' || ch == '`') {
            return std::nullopt;
        }
    }
    std::string base(text);
    if (base.back() != '/') {
        base += '/';
    }
    return base;
}

WebSite WebSiteOnRoot(const std::string& root) {
    return {root, root + "support/"};
}

WebSite WebSiteFrom(const IniFile& settings) {
    std::optional<std::string> root;
    if (auto text = settings.ReadString(kOnlineSection, kSiteRootKey)) {
        root = SiteBaseOf(*text);
    }
    if (!root) {
        return {};
    }
    WebSite site = WebSiteOnRoot(*root);
    if (auto text = settings.ReadString(kOnlineSection, kSupportBaseKey)) {
        if (auto support = SiteBaseOf(*text)) {
            site.supportBase = *support;
        }
    }
    return site;
}

WebSite LoadWebSiteFrom(const std::filesystem::path& path) {
    IniFile::LoadResult loaded = IniFile::Load(path);
    if (!loaded.ok()) {
        return {};
    }
    return WebSiteFrom(loaded.file);
}

WebSite LoadWebSite() {
    return LoadWebSiteFrom(SettingsFilePath());
}

}  // namespace lumivane
