// The site of config.ini's [Online] section: usable addresses only, the
// built-in site otherwise, and the section kept when the settings are saved.

#include "core/app/online_site.h"

#include <gtest/gtest.h>

#include "core/app/settings.h"
#include "temp_folder.h"

namespace lumivane {
namespace {

using testing::TempDataHome;
using testing::WriteAll;

TEST(OnlineSite, SiteOfTheSettingsFile) {
    struct Case {
        const char* label;
        std::string ini;
        std::string root;
        std::string support;
    };
    const std::string builtIn(kSiteRootAddress);
    const std::string builtInSupport(kSupportBaseAddress);
    const std::vector<Case> cases = {
        {"no section", "[Birthday]\r\nSex=1\r\n", builtIn, builtInSupport},
        {"empty root", "[Online]\r\nSiteRoot=\r\n", builtIn, builtInSupport},
        {"root, slash added", "[Online]\r\nSiteRoot= https://www.example.org \r\n",
         "https://www.example.org/", "https://www.example.org/support/"},
        {"root and support",
         "[online]\nsiteroot=http://a.example/x/\nSupportBase=http://b.example\n",
         "http://a.example/x/", "http://b.example/"},
        {"bad support only", "[Online]\nSiteRoot=http://a.example/\nSupportBase=ftp://b\n",
         "http://a.example/", "http://a.example/support/"},
        {"other scheme", "[Online]\nSiteRoot=javascript:alert(1)\n", builtIn, builtInSupport},
        {"no host", "[Online]\nSiteRoot=https:///sm/\n", builtIn, builtInSupport},
        {"blank inside", "[Online]\nSiteRoot=https://a b/\n", builtIn, builtInSupport},
        {"query", "[Online]\nSiteRoot=https://a.example/?x=1\n", builtIn, builtInSupport},
        {"quote", "[Online]\nSiteRoot=https://a.example/\"x\n", builtIn, builtInSupport},
        {"not ASCII", "[Online]\nSiteRoot=https://\xCD\xF5.example/\n", builtIn, builtInSupport},
    };
    for (const Case& c : cases) {
        WebSite site = WebSiteFrom(IniFile::FromBytes(c.ini));
        EXPECT_EQ(site.siteRoot, c.root) << c.label;
        EXPECT_EQ(site.supportBase, c.support) << c.label;
    }
}

TEST(OnlineSite, SavingTheSettingsKeepsTheSection) {
    TempDataHome home;
    const auto path = home.root() / "config.ini";
    WriteAll(path, "[Online]\r\nSiteRoot=https://www.example.org/\r\n");
    MainInputs inputs;
    inputs.firstName = "王";
    ASSERT_EQ(SaveSettingsTo(path, inputs, FilterSet{}), "");
    EXPECT_EQ(LoadWebSiteFrom(path).ServicesBase(), "https://www.example.org/sm/");
    // A missing file is the built-in site.
    EXPECT_EQ(LoadWebSiteFrom(home.root() / "none.ini").siteRoot, kSiteRootAddress);
}

}  // namespace
}  // namespace lumivane
