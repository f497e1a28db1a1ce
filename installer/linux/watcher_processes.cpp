#include "installer/linux/watcher_processes.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

extern char** environ;

namespace glint::installer {
namespace {

// Runs the command with no input and its output going nowhere; its process, or -1.
pid_t spawn(const std::vector<std::string>& words, bool ownSession) {
    if (words.empty()) return -1;
    std::vector<char*> argv;
    for (const std::string& word : words) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    for (const int stream : {0, 1, 2}) {
        posix_spawn_file_actions_addopen(&actions, stream, "/dev/null", O_RDWR, 0);
    }
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    if (ownSession) posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    pid_t process = -1;
    if (posix_spawnp(&process, argv[0], &actions, &attributes, argv.data(), environ) != 0) {
        process = -1;
    }
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return process;
}

// The words of a process's command line; empty for one that is gone or not this user's.
std::vector<std::string> commandOf(const std::filesystem::path& process) {
    struct stat owner {};
    if (::stat(process.c_str(), &owner) != 0 || owner.st_uid != ::getuid()) return {};
    std::ifstream file(process / "cmdline", std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(file), {}};
    std::vector<std::string> words;
    std::string::size_type start = 0;
    for (std::string::size_type end; (end = text.find('\0', start)) != std::string::npos;
         start = end + 1) {
        words.push_back(text.substr(start, end - start));
    }
    return words;
}

}  // namespace

bool SystemWatcherProcesses::xscreensaverRuns() {
    const pid_t process = spawn({"xscreensaver-command", "-version"}, false);
    int status = 0;
    return process > 0 && ::waitpid(process, &status, 0) == process && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

void SystemWatcherProcesses::startDetached(const std::vector<std::string>& words) {
    spawn(words, true);
}

void SystemWatcherProcesses::stopWatchers(const std::string& holding) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
        const std::string name = entry.path().filename();
        if (name.find_first_not_of("0123456789") != std::string::npos) continue;
        const std::vector<std::string> words = commandOf(entry.path());
        if (words.empty()) continue;
        const std::string program = std::filesystem::path(words[0]).filename();
        if (program != "xss-lock" && program != "swayidle") continue;
        for (const std::string& word : words) {
            if (word.find(holding) == std::string::npos) continue;
            ::kill(static_cast<pid_t>(std::stol(name)), SIGTERM);
            break;
        }
    }
}

}  // namespace glint::installer
