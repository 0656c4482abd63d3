#pragma once

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

// A program from the build's output folder, run as a child process with its
// stdout and stderr captured. The child dies with the test process, so a
// failed test never leaves a simulator behind.
class ChildProcess {
public:
    using Clock = std::chrono::steady_clock;

    // With `withInput` the child's standard input is a pipe that
    // writeInput() feeds; otherwise it shares the test's.
    ChildProcess(const std::string& program, const std::vector<std::string>& arguments,
                 bool withInput = false) {
        int out[2];
        int err[2];
        int in[2] = {-1, -1};
        if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0 ||
            (withInput && ::pipe2(in, O_CLOEXEC) != 0)) {
            throw std::runtime_error("pipe failed");
        }
        const std::string path = outputDir() + "/" + program;
        std::vector<std::string> all{path};
        all.insert(all.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (auto& argument : all) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        m_pid = ::fork();
        if (m_pid == 0) {
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            if (withInput) {
                ::dup2(in[0], STDIN_FILENO);
            }
            ::dup2(out[1], STDOUT_FILENO);
            ::dup2(err[1], STDERR_FILENO);
            ::execv(path.c_str(), argv.data());
            ::_exit(127);
        }
        ::close(out[1]);
        ::close(err[1]);
        if (withInput) {
            ::close(in[0]);
            m_in = in[1];
        }
        m_out = out[0];
        m_err = err[0];
        ::fcntl(m_out, F_SETFL, ::fcntl(m_out, F_GETFL) | O_NONBLOCK);
        ::fcntl(m_err, F_SETFL, ::fcntl(m_err, F_GETFL) | O_NONBLOCK);
    }
    ~ChildProcess() {
        if (m_pid > 0 && !m_status) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
        closeInput();
        ::close(m_out);
        ::close(m_err);
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    static std::string outputDir() {
        const char* dir = std::getenv("ZRX_OUTPUT_DIR");
        return dir != nullptr ? dir : ".";
    }

    // The next line of stdout, without its newline; empty when none came.
    std::string readLine(std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
        const auto deadline = Clock::now() + timeout;
        std::string line;
        while (Clock::now() < deadline) {
            char c = 0;
            const ssize_t n = ::read(m_out, &c, 1);
            if (n == 1) {
                if (c == '\n') {
                    return line;
                }
                line += c;
                continue;
            }
            if (n == 0) {
                break;
            }
            pollfd wait{m_out, POLLIN, 0};
            ::poll(&wait, 1, 50);
        }
        return line;
    }

    // Waits for the child to end, collecting what it writes; kills it when
    // it takes longer than `timeout`. The exit status, or -1 for a child
    // that had to be killed or died by a signal.
    int wait(std::chrono::milliseconds timeout = std::chrono::seconds(20)) {
        if (m_status) {
            return *m_status;
        }
        const auto deadline = Clock::now() + timeout;
        bool outOpen = true;
        bool errOpen = true;
        while ((outOpen || errOpen) && Clock::now() < deadline) {
            pollfd fds[2] = {{outOpen ? m_out : -1, POLLIN, 0}, {errOpen ? m_err : -1, POLLIN, 0}};
            ::poll(fds, 2, 50);
            outOpen = outOpen && drain(m_out, m_stdout);
            errOpen = errOpen && drain(m_err, m_stderr);
        }
        if (outOpen || errOpen) {
            ::kill(m_pid, SIGKILL);
        }
        int status = 0;
        ::waitpid(m_pid, &status, 0);
        m_status = (!outOpen && !errOpen && WIFEXITED(status)) ? WEXITSTATUS(status) : -1;
        return *m_status;
    }

    // Sends `text` to the child's standard input (see the constructor).
    void writeInput(const std::string& text) {
        std::size_t done = 0;
        while (m_in >= 0 && done < text.size()) {
            const ssize_t n = ::write(m_in, text.data() + done, text.size() - done);
            if (n <= 0 && errno != EINTR) {
                return;
            }
            done += n > 0 ? static_cast<std::size_t>(n) : 0;
        }
    }
    // The end of the child's input.
    void closeInput() {
        if (m_in >= 0) {
            ::close(m_in);
            m_in = -1;
        }
    }

    // Sends the child `signal` (SIGINT for a Ctrl+C) without waiting.
    void signal(int signal) {
        if (!m_status) {
            ::kill(m_pid, signal);
        }
    }

    // Asks the child to stop (SIGTERM) and waits for it.
    int stop() {
        if (!m_status) {
            ::kill(m_pid, SIGTERM);
        }
        return wait();
    }

    [[nodiscard]] pid_t pid() const { return m_pid; }
    [[nodiscard]] const std::string& standardOutput() const { return m_stdout; }
    [[nodiscard]] const std::string& standardError() const { return m_stderr; }

private:
    // Appends what is there; false once the pipe is closed.
    static bool drain(int fd, std::string& into) {
        char buffer[4096];
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n > 0) {
                into.append(buffer, static_cast<std::size_t>(n));
                continue;
            }
            return n < 0 && (errno == EAGAIN || errno == EINTR);
        }
    }

    pid_t m_pid = -1;
    int m_in = -1;
    int m_out = -1;
    int m_err = -1;
    std::optional<int> m_status;
    std::string m_stdout;
    std::string m_stderr;
};
