#include "bench/process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <ctime>
#include <fstream>
#include <stdexcept>

namespace ribi::bench {
namespace {

constexpr std::string_view kPlatformVariable = "QT_QPA_PLATFORM=";

// Closes the descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0) close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    void Close()
    {
        if (fd_ >= 0) close(fd_);
        fd_ = -1;
    }

private:
    int fd_;
};

class SpawnActions {
public:
    SpawnActions() { posix_spawn_file_actions_init(&actions_); }
    ~SpawnActions() { posix_spawn_file_actions_destroy(&actions_); }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;
    posix_spawn_file_actions_t* get() { return &actions_; }

private:
    posix_spawn_file_actions_t actions_;
};

std::vector<std::string> ChildEnvironment(std::string_view platform)
{
    std::vector<std::string> variables;
    for (char** variable = environ; *variable; ++variable)
        if (!std::string_view(*variable).starts_with(kPlatformVariable)) variables.emplace_back(*variable);
    variables.push_back(std::string(kPlatformVariable) + std::string(platform));
    return variables;
}

std::vector<char*> Pointers(std::vector<std::string>& strings)
{
    std::vector<char*> pointers;
    pointers.reserve(strings.size() + 1);
    for (auto& s : strings) pointers.push_back(s.data());
    pointers.push_back(nullptr);
    return pointers;
}

} // namespace

std::int64_t NowNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

std::int64_t ResidentKiB()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("VmRSS:")) return std::stoll(line.substr(6));
    throw std::runtime_error("no VmRSS in /proc/self/status");
}

ChildRun RunSelf(const std::vector<std::string>& arguments, std::string_view platform)
{
    std::vector<std::string> argv{"/proc/self/exe"};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<std::string> environment = ChildEnvironment(platform);

    std::array<int, 2> ends{};
    if (pipe2(ends.data(), O_CLOEXEC) != 0) throw std::runtime_error("pipe2 failed");
    Descriptor reading(ends[0]);
    Descriptor writing(ends[1]);
    SpawnActions actions;
    posix_spawn_file_actions_adddup2(actions.get(), writing.get(), STDOUT_FILENO);

    ChildRun run;
    pid_t child = 0;
    run.spawnedNs = NowNs();
    if (posix_spawn(&child, argv[0].c_str(), actions.get(), nullptr, Pointers(argv).data(),
                    Pointers(environment).data()) != 0)
        throw std::runtime_error("posix_spawn failed");
    writing.Close();

    std::array<char, 4096> buffer{};
    for (ssize_t n; (n = read(reading.get(), buffer.data(), buffer.size())) > 0;)
        run.output.append(buffer.data(), static_cast<std::size_t>(n));
    int status = 0;
    waitpid(child, &status, 0);
    run.succeeded = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

} // namespace ribi::bench
