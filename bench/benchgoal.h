#pragma once
// What every benchmark reports: each figure beside its goal and whether the goal was met, and
// an exit status that is not 0 when a goal was missed or the benchmark could not do its work.
// With TAVIK_BENCH_SHORT set (CI) the sizes are small, each figure is taken once and no goal is
// judged: the run only proves that the benchmark still works.

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace bench {

inline bool shortMode()
{
    const char *value = std::getenv("TAVIK_BENCH_SHORT");
    return value && *value && std::strcmp(value, "0") != 0;
}

// How many runs a figure takes: `full`, or one in the short mode.
inline int runs(int full)
{
    return shortMode() ? 1 : full;
}

// A size: `full`, or `small` in the short mode.
inline int size(int full, int small)
{
    return shortMode() ? small : full;
}

class Goals
{
public:
    explicit Goals(const char *benchmark) : m_benchmark(benchmark) {}

    // One line: the figure, the goal, and whether it was met.
    void atMost(const char *what, double value, double limit, const char *unit = "")
    {
        judge(what, value, "<=", limit, unit, value <= limit);
    }
    void atLeast(const char *what, double value, double limit, const char *unit = "")
    {
        judge(what, value, ">=", limit, unit, value >= limit);
    }
    // A figure printed for comparison, with no goal of its own.
    void info(const char *what, double value, const char *unit = "")
    {
        std::printf("  %-52s %10.2f %-3s\n", what, value, unit);
    }
    // The benchmark could not do its work: always a failure, in the short mode too.
    int failed(const char *reason)
    {
        std::fprintf(stderr, "%s: %s\n", m_benchmark, reason);
        return 1;
    }

    // Prints the verdict; the exit status of the benchmark.
    int finish() const
    {
        if (shortMode()) {
            std::printf("%s: short run, %d goals not judged\n", m_benchmark, m_goals);
            return 0;
        }
        if (m_missed == 0) {
            std::printf("%s: all %d goals met\n", m_benchmark, m_goals);
            return 0;
        }
        std::printf("%s: %d of %d goals MISSED\n", m_benchmark, m_missed, m_goals);
        return 1;
    }

private:
    void judge(const char *what, double value, const char *relation, double limit, const char *unit,
               bool met)
    {
        ++m_goals;
        if (!met)
            ++m_missed;
        const char *verdict = shortMode() ? "not judged" : (met ? "met" : "MISSED");
        std::printf("  %-52s %10.2f %-3s goal %s %.2f %-3s %s\n", what, value, unit, relation,
                    limit, unit, verdict);
        std::fflush(stdout);
    }

    const char *m_benchmark;
    int m_goals = 0;
    int m_missed = 0;
};

} // namespace bench
