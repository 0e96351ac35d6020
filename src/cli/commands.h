#pragma once
// Every lumivane-cli command: one function per file, registered in main.cpp.
// Exit codes: 0 success, 2 bad input (message on stderr), 1 failure of the program.

#include <iosfwd>
#include <string>
#include <vector>

namespace lumivane::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitBadInput = 2;

struct CommandIo {
    std::ostream& out;
    std::ostream& err;
};

using CommandFunction = int (*)(const std::vector<std::string>& args, CommandIo& io);

struct Command {
    const char* name;
    const char* usage;  // one line: arguments after the command name
    CommandFunction run;
};

int RunDict(const std::vector<std::string>& args, CommandIo& io);
int RunScore(const std::vector<std::string>& args, CommandIo& io);
int RunCheck(const std::vector<std::string>& args, CommandIo& io);
int RunName(const std::vector<std::string>& args, CommandIo& io);
int RunChart(const std::vector<std::string>& args, CommandIo& io);
int RunUrl(const std::vector<std::string>& args, CommandIo& io);
int RunPage(const std::vector<std::string>& args, CommandIo& io);
int RunLunar(const std::vector<std::string>& args, CommandIo& io);
int RunSolar(const std::vector<std::string>& args, CommandIo& io);
int RunPillars(const std::vector<std::string>& args, CommandIo& io);
int RunTerms(const std::vector<std::string>& args, CommandIo& io);
int RunFavorites(const std::vector<std::string>& args, CommandIo& io);

// Writes "lumivane-cli <command>: <message>" to stderr and returns kExitBadInput.
int BadInput(CommandIo& io, const char* command, const std::string& message);

}  // namespace lumivane::cli
