#pragma once

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <netinet/in.h>
#include <poll.h>
#include <string>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

// A running r4000-unitsim with the given units ("address=...,port=...,dir=...,..." each, as
// its --unit takes them). The constructor starts it and waits until it says "ready"; the
// destructor stops it with SIGTERM (SIGKILL if it does not end in time) and reaps it.
//
// Test targets define R4000_UNITSIM="$<TARGET_FILE:r4000-unitsim>" for the default binary.
// The process dies with the thread that started it, so a crashed test leaves no unit behind.
class UnitSimProcess
{
public:
    struct Options {
        std::chrono::milliseconds readyTimeout = std::chrono::seconds(10);
#ifdef R4000_UNITSIM
        std::string binary = R4000_UNITSIM;
#else
        std::string binary;
#endif
    };
    // The whole command line after the program name, for running it with other arguments.
    struct Arguments {
        std::vector<std::string> words;
    };

    explicit UnitSimProcess(const std::vector<std::string>& unitDescriptions)
        : UnitSimProcess(Arguments{unitArguments(unitDescriptions)}, Options())
    {
    }
    explicit UnitSimProcess(const Arguments& arguments) : UnitSimProcess(arguments, Options()) {}
    UnitSimProcess(const Arguments& arguments, const Options& options)
    {
        start(arguments.words, options);
    }

    ~UnitSimProcess()
    {
        stop();
        closeFd(stderr_);
    }
    UnitSimProcess(const UnitSimProcess&) = delete;
    UnitSimProcess& operator=(const UnitSimProcess&) = delete;

    // It said "ready" in time (and was still running then).
    bool ready() const
    {
        return ready_;
    }

    // Stops it (SIGTERM, then SIGKILL after timeout) unless it already ended, and returns its
    // exit code; -1 when a signal ended it or it never started. Later calls return the same.
    int stop(std::chrono::milliseconds timeout = std::chrono::seconds(10))
    {
        if (pid_ > 0) {
            if (!reap(std::chrono::milliseconds(0))) {
                ::kill(pid_, SIGTERM);
                if (!reap(timeout)) {
                    ::kill(pid_, SIGKILL);
                    reap(std::chrono::seconds(60));
                }
            }
            pid_ = -1;
        }
        closeFd(stdout_);
        return exitCode_;
    }

    // Waits for it to end by itself (bad arguments, a unit that cannot start) and returns
    // its exit code as stop() does; it is stopped when it does not end in time.
    int wait(std::chrono::milliseconds timeout = std::chrono::seconds(10))
    {
        if (pid_ > 0 && reap(timeout))
            pid_ = -1;
        return stop();
    }

    // What it wrote on stderr so far, and on stdout before "ready" (or before it ended).
    std::string errorOutput() const
    {
        std::string text;
        if (stderr_ < 0)
            return text;
        char buffer[4096];
        off_t offset = 0;
        ssize_t n = 0;
        while ((n = ::pread(stderr_, buffer, sizeof buffer, offset)) > 0) {
            text.append(buffer, static_cast<std::size_t>(n));
            offset += n;
        }
        return text;
    }
    const std::string& output() const
    {
        return output_;
    }

    // A TCP port that is free on address now (the kernel's pick for a bind to port 0).
    static unsigned freePort(const std::string& address = "127.0.0.1")
    {
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0)
            return 0;
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        ::inet_pton(AF_INET, address.c_str(), &addr.sin_addr);
        socklen_t length = sizeof addr;
        unsigned port = 0;
        if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0 &&
            ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &length) == 0)
            port = ntohs(addr.sin_port);
        ::close(fd);
        return port;
    }

    // Under scripts/in-netns --units-side the units live in a namespace of their own,
    // joined to the program's by veth pairs, and are started there through nsenter.
    static constexpr const char* kNsenter = "/usr/bin/nsenter";
    // That namespace (the pid of a process in it); empty when not running that way.
    static std::string unitsNamespace()
    {
        const char* pid = std::getenv("R4000_UNITS_NETNS_PID");
        return pid ? pid : "";
    }
    static std::unique_ptr<UnitSimProcess>
    inUnitsNamespace(const std::vector<std::string>& unitDescriptions)
    {
        Arguments arguments;
        arguments.words = {"--target", unitsNamespace(), "--net", "--", Options().binary};
        for (const std::string& word : unitArguments(unitDescriptions))
            arguments.words.push_back(word);
        Options options;
        options.binary = kNsenter;
        return std::make_unique<UnitSimProcess>(arguments, options);
    }

    static std::vector<std::string> unitArguments(const std::vector<std::string>& unitDescriptions)
    {
        std::vector<std::string> words;
        for (const std::string& description : unitDescriptions) {
            words.push_back("--unit");
            words.push_back(description);
        }
        return words;
    }

private:
    void start(const std::vector<std::string>& words, const Options& options)
    {
        char errorName[] = "/tmp/r4000-unitsim-stderr-XXXXXX";
        stderr_ = ::mkostemp(errorName, O_CLOEXEC);
        if (stderr_ >= 0)
            ::unlink(errorName);
        int pipeFds[2];
        if (options.binary.empty() || stderr_ < 0 || ::pipe2(pipeFds, O_CLOEXEC) != 0)
            return;

        // Everything the child needs is made before the fork: after it only async-signal-safe
        // calls are allowed, the test process may have other threads.
        std::vector<std::string> argStrings;
        argStrings.push_back(options.binary);
        argStrings.insert(argStrings.end(), words.begin(), words.end());
        std::vector<char*> argv;
        for (std::string& word : argStrings)
            argv.push_back(word.data());
        argv.push_back(nullptr);
        const pid_t parent = ::getpid();

        pid_ = ::fork();
        if (pid_ == 0) {
            ::prctl(PR_SET_PDEATHSIG, SIGTERM);
            if (::getppid() != parent)
                ::_exit(127);
            ::dup2(pipeFds[1], STDOUT_FILENO);
            ::dup2(stderr_, STDERR_FILENO);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        ::close(pipeFds[1]);
        if (pid_ < 0) {
            ::close(pipeFds[0]);
            return;
        }
        stdout_ = pipeFds[0];
        ready_ = waitReady(options.readyTimeout);
    }

    bool waitReady(std::chrono::milliseconds timeout)
    {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        for (;;) {
            if (output_.find("ready\n") != std::string::npos)
                return true;
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0)
                return false;
            pollfd fd{stdout_, POLLIN, 0};
            const int polled = ::poll(&fd, 1, static_cast<int>(left.count()));
            if (polled < 0 && errno == EINTR)
                continue;
            if (polled <= 0)
                return false;
            char buffer[256];
            const ssize_t n = ::read(stdout_, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false; // it ended
            output_.append(buffer, static_cast<std::size_t>(n));
        }
    }

    // True once the process is reaped (exitCode_ set); false when it still runs at the end.
    bool reap(std::chrono::milliseconds timeout)
    {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        for (;;) {
            int status = 0;
            const pid_t done = ::waitpid(pid_, &status, WNOHANG);
            if (done == pid_) {
                exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
                return true;
            }
            if (done < 0 && errno != EINTR)
                return true; // not our child any more
            if (std::chrono::steady_clock::now() >= deadline)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

    static void closeFd(int& fd)
    {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }

    pid_t pid_ = -1;
    int stdout_ = -1;
    int stderr_ = -1;
    bool ready_ = false;
    int exitCode_ = -1;
    std::string output_;
};
