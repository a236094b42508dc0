// Throughput of the checksum pass against `cat` on the same file in the page cache, per layout, and the
// time of a pass over the whole address range of an empty file.
//   pass_benchmark [FILE]    FILE defaults to a 256 MiB file of random bytes, made on first use.
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "engine/ChecksumPass.h"
#include "engine/RomLayout.h"

namespace {

constexpr int kRepeats = 5;

class NullProgress : public ProgressSink {
public:
    void SetRange32(int, int) override {}
    void SetPos(int position) override { last = position; }
    int last = 0;
};

double Seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

// Best of kRepeats runs of `cat file > /dev/null`.
double TimeCat(const std::string& path)
{
    double best = 1e9;
    for (int i = 0; i < kRepeats; ++i) {
        const auto begin = std::chrono::steady_clock::now();
        const pid_t child = fork();
        if (child == 0) {
            const int devNull = open("/dev/null", O_WRONLY);
            dup2(devNull, 1);
            execlp("cat", "cat", path.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        int status = 0;
        waitpid(child, &status, 0);
        best = std::min(best, Seconds(std::chrono::steady_clock::now() - begin));
    }
    return best;
}

// Best of `repeats` passes over [start, end] of `path` with `pass`.
template <class Pass>
double TimePass(Pass pass, const std::string& path, uint32_t start, uint32_t end, unsigned layout,
                int repeats, uint32_t* sum0)
{
    double best = 1e9;
    for (int i = 0; i < repeats; ++i) {
        std::FILE* file = std::fopen(path.c_str(), "rb");
        if (!file) { std::perror(path.c_str()); std::exit(1); }
        NullProgress progress;
        const auto begin = std::chrono::steady_clock::now();
        const PassResult result = pass(file, start, end, layout, progress);
        best = std::min(best, Seconds(std::chrono::steady_clock::now() - begin));
        std::fclose(file);
        *sum0 = result.sums[0];
    }
    return best;
}

std::string MakeDefaultFile()
{
    const std::string path = "/tmp/tobrin-bench-256MiB.bin";
    if (std::FILE* existing = std::fopen(path.c_str(), "rb")) {
        std::fclose(existing);
        return path;
    }
    std::FILE* out = std::fopen(path.c_str(), "wb");
    std::mt19937 random(1);
    std::vector<uint32_t> chunk(1 << 18);
    for (int i = 0; i < 256; ++i) {
        for (uint32_t& word : chunk) word = random();
        std::fwrite(chunk.data(), sizeof(uint32_t), chunk.size(), out);
    }
    std::fclose(out);
    return path;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string path = argc > 1 ? argv[1] : MakeDefaultFile();
    std::FILE* probe = std::fopen(path.c_str(), "rb");
    if (!probe) { std::perror(path.c_str()); return 1; }
    std::fseek(probe, 0, SEEK_END);
    const long size = std::ftell(probe);
    std::fclose(probe);
    if (size <= 1 || size > 0xFFFFFFFFL) { std::fprintf(stderr, "file size must be 2 bytes to 4 GiB\n"); return 1; }
    const uint32_t end = static_cast<uint32_t>(size - 1) | 7;
    const double megabytes = static_cast<double>(size) / 1e6;

    TimeCat(path);  // into the page cache
    const double cat = TimeCat(path);
    std::printf("file %s, %.0f MB, best of %d runs\n", path.c_str(), megabytes, kRepeats);
    std::printf("%-26s %8.0f MB/s\n", "cat > /dev/null", megabytes / cat);

    static const char* const kNames[] = {"", "8bit-1", "8bit-2", "8bit-4", "16bit-1", "16bit-2", "16bit-4"};
    uint32_t sum0 = 0;
    for (unsigned layout = Layout8Bit1; layout <= Layout16Bit4; ++layout) {
        const double catNow = TimeCat(path);
        const double ours = TimePass(CalculateSums, path, 0, end, layout, kRepeats, &sum0);
        std::printf("CalculateSums %-12s %8.0f MB/s   %3.0f %% of cat (%.0f MB/s just before)\n",
                    kNames[layout], megabytes / ours, 100.0 * catNow / ours, megabytes / catNow);
    }
    const double reference = TimePass(CalculateSumsReference, path, 0, end, Layout8Bit1, 1, &sum0);
    std::printf("%-26s %8.0f MB/s\n", "plain per-byte loop 8bit-1", megabytes / reference);

    const std::string empty = "/tmp/tobrin-bench-empty.bin";
    std::fclose(std::fopen(empty.c_str(), "wb"));
    const double whole = TimePass(CalculateSums, empty, 0, 0xFFFFFFFF, Layout8Bit4, kRepeats, &sum0);
    std::printf("empty file, range 0..FFFFFFFF: %.1f ms\n", whole * 1e3);
    return 0;
}
