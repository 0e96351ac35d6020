#include "core/app/online_site.h"

#include <algorithm>

#include "core/app/data_folder.h"

namespace lumivane {

std::string SiteBaseProblem(std::string_view text) {
    std::string_view rest;
    if (text.starts_with("https://")) {
        rest = text.substr(8);
    } else if (text.starts_with("http://")) {
        rest = text.substr(7);
    } else {
        return "地址必须以 http:// 或 https:// 开头";
    }
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c <= 0x20 || c >= 0x7F || ch == '"' || ch == '\'' || ch == '<' || ch == '>' ||
            ch == '\\' || ch == '#' || ch == '?' || ch == '`') {
            return "地址中有不能使用的字符";
        }
    }
    const std::string_view authority = rest.substr(0, rest.find('/'));
    if (authority.find('@') != std::string_view::npos) {
        return "地址中不能带用户名或密码（“@”）";
    }
    std::string_view host = authority;
    std::string_view port;
    if (host.starts_with('[')) {  // an IPv6 address in brackets
        const std::size_t close = host.find(']');
        if (close == std::string_view::npos || close == 1) {
            return "地址中没有主机名";
        }
        port = host.substr(close + 1);
        host = host.substr(0, close + 1);
        if (!port.empty() && port.front() != ':') {
            return "地址中的端口无法识别";
        }
        port = port.empty() ? port : port.substr(1);
    } else if (const std::size_t colon = host.find(':'); colon != std::string_view::npos) {
        port = host.substr(colon + 1);
        host = host.substr(0, colon);
    }
    if (host.empty()) {
        return "地址中没有主机名";
    }
    if (authority.find(':') != std::string_view::npos && !authority.starts_with('[') &&
        port.empty()) {
        return "地址中的端口无法识别";
    }
    if (port.size() > 5 ||
        !std::all_of(port.begin(), port.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return "地址中的端口无法识别";
    }
    return {};
}

std::optional<std::string> SiteBaseOf(std::string_view text) {
    if (!SiteBaseProblem(text).empty()) {
        return std::nullopt;
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

WebSite WebSiteFrom(const IniFile& settings, std::string* note) {
    std::optional<std::string> root;
    if (auto text = settings.ReadString(kOnlineSection, kSiteRootKey)) {
        root = SiteBaseOf(*text);
        if (!root && note != nullptr && !text->empty()) {
            *note = "config.ini 中 [Online] SiteRoot 的地址“" + *text + "”不能使用（" +
                    SiteBaseProblem(*text) + "），已改用内置网站。";
        }
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

WebSite LoadWebSiteFrom(const std::filesystem::path& path, std::string* note) {
    IniFile::LoadResult loaded = IniFile::Load(path);
    if (!loaded.ok()) {
        return {};
    }
    return WebSiteFrom(loaded.file, note);
}

WebSite LoadWebSite(std::string* note) {
    return LoadWebSiteFrom(SettingsFilePath(), note);
}

}  // namespace lumivane
