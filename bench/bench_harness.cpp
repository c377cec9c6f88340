// Runs the window and the bare baseline window side by side on the same display and prints
// the results table: start-up, peak memory, ticks per second, the cost of one tick and one
// toggle handling on the real items, and click-to-screen latency. With --start-up-only it
// prints the start-up row alone, for a second display. What each costs idle is
// idle_states.py's. It reports; it does not judge the machine.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

struct Options {
    std::string program, baseline, timing, items;
    int runs = 21;
    int tick_seconds = 5;
    std::string display = "on X11";
    bool start_up_only = false;
};

long long monotonic_ns() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

struct Child {
    pid_t pid = -1;
    int output = -1;
};

Child spawn(const std::vector<std::string>& command, const std::vector<std::string>& extra_env) {
    int pipe_fds[2];
    if (pipe(pipe_fds) != 0)
        throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe_fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipe_fds[0]);
    std::vector<std::string> env_strings(extra_env);
    for (char** e = environ; *e != nullptr; ++e)
        env_strings.emplace_back(*e);
    std::vector<char*> env, argv;
    for (auto& s : env_strings)
        env.push_back(s.data());
    env.push_back(nullptr);
    std::vector<std::string> args(command);
    for (auto& s : args)
        argv.push_back(s.data());
    argv.push_back(nullptr);
    Child child;
    if (posix_spawn(&child.pid, argv[0], &actions, nullptr, argv.data(), env.data()) != 0)
        throw std::runtime_error("cannot start " + command[0]);
    posix_spawn_file_actions_destroy(&actions);
    close(pipe_fds[1]);
    child.output = pipe_fds[0];
    return child;
}

// Everything the child prints until it ends, or until a line holds UNTIL when one is given,
// or the time runs out.
std::string read_all(int fd, int timeout_ms, const std::string& until = {}) {
    std::string text;
    char buffer[4096];
    const long long deadline = monotonic_ns() + timeout_ms * 1000000LL;
    const auto line_seen = [&text, &until] {
        const auto at = text.find(until);
        return !until.empty() && at != std::string::npos &&
               text.find('\n', at) != std::string::npos;
    };
    while (!line_seen()) {
        const long long left_ms = (deadline - monotonic_ns()) / 1000000;
        if (left_ms <= 0)
            throw std::runtime_error("a child did not finish in time");
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(left_ms)) <= 0)
            continue;
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n <= 0)
            break;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    close(fd);
    return text;
}

rusage reap(pid_t pid) {
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    return usage;
}

struct StartUp {
    double ms;
    double max_rss_mb;
};

StartUp start_once(const std::string& program) {
    const long long start = monotonic_ns();
    Child child = spawn({program}, {"TALLYGLYPH_REPORT_FIRST_FRAME=1"});
    // The report's one line (window/first_frame.h), timed as it arrives.
    const std::string out = read_all(child.output, 20000, "first-frame ");
    const long long frame = monotonic_ns();
    // Its exit is not measured, and Qt 6.4 can hang in it on Wayland, bare window or not.
    kill(child.pid, SIGKILL);
    const rusage usage = reap(child.pid);
    if (out.find("first-frame peak-memory-bytes ") == std::string::npos)
        throw std::runtime_error(program + " reported no first frame");
    return {(frame - start) / 1e6, usage.ru_maxrss / 1024.0};
}

std::map<std::string, double> key_values(const std::string& text) {
    std::map<std::string, double> values;
    std::istringstream lines(text);
    std::string key;
    double value = 0;
    while (lines >> key >> value)
        values[key] = value;
    return values;
}

// Median real time in ns of each benchmark, from Google Benchmark's CSV output.
std::map<std::string, double> benchmark_medians(const std::string& csv) {
    std::map<std::string, double> medians;
    std::istringstream lines(csv);
    std::string line;
    while (std::getline(lines, line)) {
        const auto quote_end = line.find("_median\",");
        if (line.empty() || line[0] != '"' || quote_end == std::string::npos)
            continue;
        const std::string name = line.substr(1, quote_end - 1);
        std::istringstream fields(line.substr(quote_end + 9));
        std::string iterations, real_time;
        std::getline(fields, iterations, ',');
        std::getline(fields, real_time, ',');
        medians[name] = std::stod(real_time);
    }
    return medians;
}

Options parse(int argc, char* argv[]) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string flag = argv[i];
        if (flag == "--start-up-only") {
            options.start_up_only = true;
            continue;
        }
        if (i + 1 == argc)
            throw std::runtime_error("no value for " + flag);
        const std::string value = argv[++i];
        if (flag == "--program")
            options.program = value;
        else if (flag == "--baseline")
            options.baseline = value;
        else if (flag == "--timing")
            options.timing = value;
        else if (flag == "--items")
            options.items = value;
        else if (flag == "--runs")
            options.runs = std::stoi(value);
        else if (flag == "--tick-seconds")
            options.tick_seconds = std::stoi(value);
        else if (flag == "--display")
            options.display = value;
        else
            throw std::runtime_error("unknown option " + flag);
    }
    if (options.program.empty() || options.baseline.empty() ||
        (!options.start_up_only && (options.timing.empty() || options.items.empty())))
        throw std::runtime_error("usage: bench_harness --program P --baseline B --timing T "
                                 "--items I [--runs N] [--tick-seconds S] [--display NAME] "
                                 "[--start-up-only]");
    return options;
}

const char* verdict(bool met) {
    return met ? "met" : "**missed**";
}

} // namespace

int main(int argc, char* argv[]) try {
    const Options options = parse(argc, argv);

    std::vector<double> start_ms[2], rss_mb[2];
    const std::string programs[2] = {options.program, options.baseline};
    for (int run = 0; run < options.runs; ++run)
        for (int which : {run % 2, 1 - run % 2}) {
            const StartUp s = start_once(programs[which]);
            start_ms[which].push_back(s.ms);
            rss_mb[which].push_back(s.max_rss_mb);
        }
    const double start_ratio = median(start_ms[0]) / median(start_ms[1]);
    const auto print_start_up = [&] {
        std::printf("| Start-up to first flushed frame %s, median of %d | %.1f ms | %.1f ms | "
                    "%.3f | ≤ 1.15× | %s |\n",
                    options.display.c_str(), options.runs, median(start_ms[0]), median(start_ms[1]),
                    start_ratio, verdict(start_ratio <= 1.15));
    };
    if (options.start_up_only) {
        print_start_up();
        return 0;
    }
    Child timing = spawn({options.timing, std::to_string(options.tick_seconds)}, {});
    auto timed = key_values(read_all(timing.output, 120000));
    reap(timing.pid);

    Child items = spawn({options.items, "--benchmark_format=csv", "--benchmark_repetitions=5",
                         "--benchmark_report_aggregates_only=true"},
                        {});
    auto costs = benchmark_medians(read_all(items.output, 120000));
    reap(items.pid);

    const double rss_ratio = median(rss_mb[0]) / median(rss_mb[1]);
    const double tick_ns = costs["refresh_tick_unchanged"];
    const double latency_ms = timed["click_to_painted_line_us_median"] / 1000.0;

    std::printf("| Measure | Tallyglyph | Baseline | Ratio | Budget | |\n");
    std::printf("|---|---|---|---|---|---|\n");
    print_start_up();
    std::printf("| Peak RSS, median of %d | %.1f MB | %.1f MB | %.3f | ≤ 1.10× | %s |\n",
                options.runs, median(rss_mb[0]), median(rss_mb[1]), rss_ratio,
                verdict(rss_ratio <= 1.10));
    std::printf("| Ticks delivered per second | %.0f | | | | |\n", timed["ticks_per_second"]);
    std::printf("| One tick, line unchanged, real items | %.0f ns | | | ≤ 1000 ns | %s |\n",
                tick_ns, verdict(tick_ns <= 1000));
    std::printf("| One tick, line changed, real items | %.0f ns | | | | |\n",
                costs["refresh_tick_changed"]);
    std::printf("| One toggle handling, real items | %.0f ns | | | | |\n",
                costs["toggle_handling"]);
    std::printf("| Click to painted line, median of 101 | %.2f ms | | | ≤ 2 ms | %s |\n",
                latency_ms, verdict(latency_ms <= 2.0));
    return 0;
} catch (const std::exception& error) {
    std::fprintf(stderr, "bench_harness: %s\n", error.what());
    return 1;
}
