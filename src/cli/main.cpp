// lumivane-cli: Lumivane's logic from the command line, with JSON output.

#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "core/app/about_text.h"

namespace lumivane::cli {
namespace {

const Command kCommands[] = {
    {"dict", "CHARACTER", RunDict},
    {"score", "FAMILY GIVEN", RunScore},
    {"check", "FAMILY GIVEN [--sex 男|女] [--json]", RunCheck},
    {"name",
     "--family 王 [--sex 男|女] [--length 1|2] [--advanced --filters FILE.json] [date options] "
     "[--source 常用名|诗词 [--collection 诗经|楚辞|唐诗|宋词|论语]] [--favourable] [--avoid 佳子] "
     "[--sort KEY] "
     "[--json|--tsv] [--seed N] [--pdf FILE --layout simple|detailed]",
     RunName},
    {"chart",
     "[--family 王] [--calendar solar|lunar|unknown --date YYYY-MM-DD [--leap] --hour H | --time "
     "HH:MM] [--longitude DEG]",
     RunChart},
    {"url",
     "HANDLER [--family 王] [--row-caption 王明] [--sex 男|女] [--calendar solar|lunar|unknown "
     "--date YYYY-MM-DD [--leap] --hour H] [--star-sign 宝瓶座] [--zodiac 龙] [--caption 魔羯座] "
     "[--tag 3] [--year 2024] [--site URL]",
     RunUrl},
    {"page", "ADDRESS [--today YYYY-MM-DD]", RunPage},
    {"lunar", "YYYY-MM-DD | --from YYYY-MM-DD --to YYYY-MM-DD", RunLunar},
    {"solar", "YEAR MONTH DAY [--leap]", RunSolar},
    {"pillars", "YYYY-MM-DD HH[:MM]", RunPillars},
    {"terms", "YEAR", RunTerms},
    {"favorites", "list [--json] | add FAMILY GIVEN | remove FAMILY GIVEN | repair", RunFavorites},
};

void PrintUsage(std::ostream& out) {
    out << "用法：lumivane-cli 命令 [参数]\n"
           "      lumivane-cli --version | --about\n\n命令：\n";
    for (const Command& command : kCommands) {
        out << "  " << command.name << ' ' << command.usage << '\n';
    }
}

}  // namespace

}  // namespace lumivane::cli

int main(int argc, char** argv) {
    using namespace lumivane::cli;
    if (argc < 2) {
        PrintUsage(std::cerr);
        return kExitBadInput;
    }
    std::string name = argv[1];
    if (name == "--version") {
        std::cout << "lumivane-cli " << LUMIVANE_VERSION << '\n';
        return kExitOk;
    }
    if (name == "--about") {
        std::cout << lumivane::AboutText();
        return kExitOk;
    }
    if (name == "--help" || name == "-h" || name == "help") {
        PrintUsage(std::cout);
        return kExitOk;
    }
    std::vector<std::string> args(argv + 2, argv + argc);
    CommandIo io{std::cout, std::cerr};
    for (const Command& command : kCommands) {
        if (name == command.name) {
            return command.run(args, io);
        }
    }
    std::cerr << "lumivane-cli：未知的命令 " << name << "\n";
    PrintUsage(std::cerr);
    return kExitBadInput;
}
