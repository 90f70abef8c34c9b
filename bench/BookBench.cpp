// In-process figures of the book library: the decoder against the kernel's own file copy of
// the same stored file, and the table of contents loader on books of growing text.
//
// Each figure is a ratio of two measurements of this run. By default every benchmark is
// repeated and the repetitions of all of them run in random order, so a noisy spell of the
// machine hits both sides of a ratio alike; the summary uses the medians. The chapter's
// decode, too short for that, takes turns with its references at every round.
#include "SyntheticBook.h"

#include "book/Book.h"
#include "book/Contents.h"
#include "book/Scrambling.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

struct WorkFiles {
    std::string folder;
    std::string chapter; // a stored chapter of the synthetic book
    std::string large;   // a stored file of 64 MiB
    std::string bookFolder;
    std::string decoded;
    std::string copied;
};

WorkFiles files;

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "book_bench: %s: %s\n", what.c_str(), std::strerror(errno));
    std::exit(1);
}

// What cp does for a whole file on one file system: the kernel copies, no byte passes
// through the process.
void kernelCopy(const std::string& source, const std::string& target) {
    const int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) {
        fail(source);
    }
    const int out = ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (out < 0) {
        fail(target);
    }
    for (;;) {
        const ssize_t copied = ::copy_file_range(in, nullptr, out, nullptr, size_t(1) << 30, 0);
        if (copied < 0) {
            fail("copy_file_range");
        }
        if (copied == 0) {
            break;
        }
    }
    ::close(in);
    if (::close(out) != 0) {
        fail(target);
    }
}

int64_t fileSize(const std::string& path) {
    return static_cast<int64_t>(std::filesystem::file_size(path));
}

// Where the output goes. A fresh file each time, as cp makes one: on ext4, replacing a
// file that holds data starts writing the new data out at once (the replace-by-rename
// safeguard), a disk wait that would drown the copy itself.
enum class Target { Fresh, Replaced };

void prepare(benchmark::State& state, const std::string& target, Target kind) {
    if (kind == Target::Fresh) {
        state.PauseTiming();
        ::unlink(target.c_str());
        state.ResumeTiming();
    }
}

void decodeFile(benchmark::State& state, const std::string* source, bool wrap, Target kind) {
    // Named from its folder held open, as the reader names its working page.
    const std::filesystem::path decoded(files.decoded);
    const int folder = ::open(decoded.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) {
        fail(decoded.parent_path());
    }
    const book::FileInFolder target{folder, decoded.filename(), files.decoded};
    for (auto _ : state) {
        prepare(state, files.decoded, kind);
        book::decodeBookFile(*source, target, wrap);
    }
    ::close(folder);
    state.SetBytesProcessed(state.iterations() * fileSize(*source));
}

void copyFile(benchmark::State& state, const std::string* source) {
    for (auto _ : state) {
        prepare(state, files.copied, Target::Fresh);
        kernelCopy(*source, files.copied);
    }
    state.SetBytesProcessed(state.iterations() * fileSize(*source));
}

// The 200 KB figure. One decode takes about as long as a spell of the machine's noise, and
// benchmarks run one after the other drift apart by more than the figure's margin from one
// run to the next; so the ways take turns at every round, each starting the round in turn,
// and each gets the median of its rounds. The third way is the kernel copy put in place as
// the reader puts its page: under another name, renamed over the target once whole.
std::map<std::string, double> chapterTimesInTurns(int rounds) {
    const std::filesystem::path decoded(files.decoded);
    const int folder = ::open(decoded.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) {
        fail(decoded.parent_path());
    }
    const book::FileInFolder target{folder, decoded.filename(), files.decoded};
    const std::string renamed = files.copied + ".renamed";
    const std::string fresh = renamed + ".new";
    struct Way {
        std::string name;
        std::string output;
        std::function<void()> run;
        std::vector<double> seconds{};
    };
    std::vector<Way> ways{{"decode/chapter_200KB", files.decoded,
                           [&] { book::decodeBookFile(files.chapter, target, true); }},
                          {"kernel_copy/chapter_200KB", files.copied,
                           [] { kernelCopy(files.chapter, files.copied); }},
                          {"kernel_copy_renamed/chapter_200KB", renamed, [&] {
                               kernelCopy(files.chapter, fresh);
                               if (::rename(fresh.c_str(), renamed.c_str()) != 0) {
                                   fail(fresh);
                               }
                           }}};
    for (int round = 0; round < rounds; ++round) {
        for (size_t turn = 0; turn < ways.size(); ++turn) {
            Way& way = ways[(static_cast<size_t>(round) + turn) % ways.size()];
            ::unlink(way.output.c_str()); // a fresh file, as cp makes one
            const auto start = std::chrono::steady_clock::now();
            way.run();
            way.seconds.push_back(
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        }
    }
    ::close(folder);
    std::map<std::string, double> medians;
    for (Way& way : ways) {
        auto middle = way.seconds.begin() + static_cast<long>(way.seconds.size() / 2);
        std::nth_element(way.seconds.begin(), middle, way.seconds.end());
        medians[way.name] = *middle;
    }
    return medians;
}

void loadContents(benchmark::State& state) {
    const std::string workingPage = files.bookFolder + "data/vaxilog.htm";
    for (auto _ : state) {
        // The reader removes its working page at close, so a start finds none.
        prepare(state, workingPage, Target::Fresh);
        book::Book book;
        book.fixFolders(files.bookFolder);
        book.LoadContents();
        benchmark::DoNotOptimize(book.contents().items.data());
    }
    state.SetItemsProcessed(state.iterations());
}

const std::string& contentsOfScale(int scale) {
    static std::map<int, std::string> texts;
    auto found = texts.find(scale);
    if (found == texts.end()) {
        found = texts.emplace(scale, benchbook::contentsText(scale)).first;
    }
    return found->second;
}

void parseContents(benchmark::State& state, int scale) {
    const std::string& text = contentsOfScale(scale);
    for (auto _ : state) {
        book::Contents contents;
        book::parseContents(text, contents);
        benchmark::DoNotOptimize(contents.items.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
    state.counters["text_bytes"] = static_cast<double>(text.size());
}

// Keeps the median of each benchmark (or its only run) and ends with one line per figure.
class FigureReporter : public benchmark::ConsoleReporter {
public:
    FigureReporter() : ConsoleReporter(::isatty(1) ? OO_ColorTabular : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) {
                continue;
            }
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Aggregate && !median) {
                continue;
            }
            // Real time where waiting for the disk is part of the cost, CPU time for pure
            // computation, which a busy machine then disturbs less.
            const std::string name = run.run_name.function_name;
            const double time = run.run_name.time_type.empty() ? run.GetAdjustedCPUTime()
                                                               : run.GetAdjustedRealTime();
            if (median || !medianSeen_.count(name)) {
                seconds_[name] = time / benchmark::GetTimeUnitMultiplier(run.time_unit);
            }
            if (median) {
                medianSeen_[name] = true;
            }
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n");
        ratioFigure("descramble a 200 KB chapter, in process", "decode/chapter_200KB",
                    "kernel_copy/chapter_200KB", 1.25);
        if (has("decode/chapter_200KB_over_old_page") && has("decode/chapter_200KB")) {
            std::printf("INFO   replacing the old working page: %.1f us, with none there: "
                        "%.1f us\n",
                        seconds_["decode/chapter_200KB_over_old_page"] * 1e6,
                        seconds_["decode/chapter_200KB"] * 1e6);
        }
        if (has("decode/chapter_200KB") && has("kernel_copy_renamed/chapter_200KB")) {
            std::printf("INFO   against the kernel copy renamed into place: %.1f us, ratio %.2f\n",
                        seconds_["kernel_copy_renamed/chapter_200KB"] * 1e6,
                        seconds_["decode/chapter_200KB"] /
                            seconds_["kernel_copy_renamed/chapter_200KB"]);
        }
        ratioFigure("descramble a 64 MiB file, in process", "decode/file_64MiB",
                    "kernel_copy/file_64MiB", 1.3);
        if (has("load_contents/largest_book")) {
            const double ms = seconds_["load_contents/largest_book"] * 1e3;
            std::printf("FIGURE %-46s ours %9.3f ms                          target < 1 ms  %s\n",
                        "load contents of the largest book", ms, ms < 1.0 ? "met" : "SHORT");
        }
        for (int scale : {10, 100}) {
            const std::string big = "parse_contents/text_x" + std::to_string(scale);
            if (!has("parse_contents/text_x1") || !has(big)) {
                continue;
            }
            const double textRatio =
                double(contentsOfScale(scale).size()) / double(contentsOfScale(1).size());
            const double timeRatio = seconds_[big] / seconds_["parse_contents/text_x1"];
            // Linear: the time may grow at most a tenth faster than the text.
            const double allowed = 1.1 * textRatio;
            std::printf("FIGURE %-46s time x%.2f for text x%.2f (%.3f ms vs %.3f ms)  target <= "
                        "x%.1f  %s\n",
                        ("parse contents, " + std::to_string(scale) + "x text").c_str(), timeRatio,
                        textRatio, seconds_[big] * 1e3, seconds_["parse_contents/text_x1"] * 1e3,
                        allowed, timeRatio <= allowed ? "met" : "SHORT");
        }
        std::fflush(stdout);
    }

    // A figure's time measured outside the benchmarks.
    void record(const std::string& name, double seconds) {
        seconds_[name] = seconds;
        medianSeen_[name] = true;
    }

private:
    bool has(const std::string& name) const { return seconds_.count(name) != 0; }

    void ratioFigure(const char* figure, const std::string& ours, const std::string& reference,
                     double target) {
        if (!has(ours) || !has(reference)) {
            return;
        }
        const double ratio = seconds_[ours] / seconds_[reference];
        std::printf("FIGURE %-46s ours %9.1f us  reference %9.1f us  ratio %.2f  target <= %.2f  "
                    "%s\n",
                    figure, seconds_[ours] * 1e6, seconds_[reference] * 1e6, ratio, target,
                    ratio <= target ? "met" : "SHORT");
    }

    std::map<std::string, double> seconds_;
    std::map<std::string, bool> medianSeen_;
};

void makeWorkFiles() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/book_bench.XXXXXX";
    if (!::mkdtemp(pattern.data())) {
        fail(pattern);
    }
    files.folder = pattern;
    files.chapter = files.folder + "/chapter.nvb";
    files.large = files.folder + "/large.nvb";
    files.bookFolder = files.folder + "/book/";
    files.decoded = files.folder + "/decoded.htm";
    files.copied = files.folder + "/copied.nvb";
    benchbook::writeFile(files.chapter, benchbook::storedForm(benchbook::chapterPage(1)));
    benchbook::writeFile(files.large, benchbook::storedForm(benchbook::longText(size_t(64) << 20)));
    benchbook::writeBook(files.bookFolder);
}

void registerBenchmarks() {
    using benchmark::RegisterBenchmark;
    // The reader wraps a chapter in two html lines; a one-file decode does not. The decode of a
    // chapter into a fresh file is timed in turns with its references (chapterTimesInTurns).
    // An opening while a page is shown: the new page is renamed over the old one.
    RegisterBenchmark("decode/chapter_200KB_over_old_page", decodeFile, &files.chapter, true,
                      Target::Replaced)
        ->Unit(benchmark::kMicrosecond)
        ->UseRealTime();
    RegisterBenchmark("decode/file_64MiB", decodeFile, &files.large, false, Target::Fresh)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    RegisterBenchmark("kernel_copy/file_64MiB", copyFile, &files.large)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    RegisterBenchmark("load_contents/largest_book", loadContents)
        ->Unit(benchmark::kMicrosecond)
        ->UseRealTime();
    for (int scale : {1, 10, 100}) {
        RegisterBenchmark(("parse_contents/text_x" + std::to_string(scale)).c_str(), parseContents,
                          scale)
            ->Unit(benchmark::kMicrosecond);
    }
}

} // namespace

int main(int argc, char** argv) {
    // Defaults first, so that flags given on the command line win.
    std::vector<char*> arguments{argv[0]};
    std::string defaults[] = {
        "--benchmark_repetitions=11", "--benchmark_enable_random_interleaving=true",
        "--benchmark_display_aggregates_only=true", "--benchmark_min_time=0.1"};
    for (std::string& flag : defaults) {
        arguments.push_back(flag.data());
    }
    arguments.insert(arguments.end(), argv + 1, argv + argc);
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    if (benchmark::ReportUnrecognizedArguments(count, arguments.data())) {
        return 2;
    }
    try {
        makeWorkFiles();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "book_bench: %s\n", error.what());
        return 1;
    }
    registerBenchmarks();
    FigureReporter reporter;
    for (const auto& [name, seconds] : chapterTimesInTurns(3000)) {
        reporter.record(name, seconds);
    }
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::filesystem::remove_all(files.folder);
    return 0;
}
