// The cleaning walk against `find DIR -mindepth 1 -delete`: two identical trees of N files over
// M sub-folders, one emptied by CleanItem and one by find, in alternating order over several
// rounds; prints the median ratio with both logs on (the defaults) and with both off.
//
// Usage: clean_bench [--files N] [--folders M] [--rounds R]
#include "engine/Cleaner.h"
#include "formats/SettingsFile.h"
#include "platform/ExecutableFolder.h"
#include "platform/TrayIcon.h"

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

void BuildTree(const std::string& root, int files, int folders) {
    ::mkdir(root.c_str(), 0755);
    for (int f = 0; f < folders; ++f)
        ::mkdir((root + "/dir" + std::to_string(f)).c_str(), 0755);
    for (int i = 0; i < files; ++i) {
        const std::string path =
            root + "/dir" + std::to_string(i % folders) + "/file" + std::to_string(i) + ".dat";
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0 || ::write(fd, "x", 1) != 1) {
            std::perror(path.c_str());
            std::exit(1);
        }
        ::close(fd);
    }
    ::sync();
}

double Seconds(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double TimeFind(const std::string& root) {
    const auto start = Clock::now();
    const std::string command = "find '" + root + "' -mindepth 1 -delete";
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "find failed\n");
        std::exit(1);
    }
    return Seconds(start);
}

double TimeCleanItem(TFormCleaner& cleaner, const std::string& root) {
    TFormCleaner::ClassClearItem item;
    item.ItemName = "bench";
    item.FolderPath = root; // ASCII, so the CP932 path is the host path
    const auto start = Clock::now();
    cleaner.CleanItem(item);
    return Seconds(start);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

int Arg(int argc, char** argv, const char* name, int fallback) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0)
            return std::atoi(argv[i + 1]);
    return fallback;
}

} // namespace

int main(int argc, char** argv) {
    const int files = Arg(argc, argv, "--files", 100000);
    const int folders = std::max(1, Arg(argc, argv, "--folders", 100));
    const int rounds = std::max(1, Arg(argc, argv, "--rounds", 5));

    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    const char* tmp = std::getenv("TMPDIR");
    std::string base = std::string(tmp && *tmp ? tmp : "/tmp") + "/swh-bench-XXXXXX";
    if (::mkdtemp(base.data()) == nullptr)
        return 1;
    swh::SetExecutableFolderForTesting(base);
    // Balloons are coalesced and none reaches a screen here; the per-file record is still kept.
    swh::TrayIcon::SetBalloonObserverForTesting([](const QString&, const QString&) {});

    std::printf("%d files in %d folders, %d rounds, median of per-round ratios\n", files, folders,
                rounds);
    for (const bool logs : {true, false}) {
        swh::ClassSettingData settings;
        settings.MakeDeleteLog = settings.MakeErrorLog = logs ? 1 : 0;
        swh::WriteSettings(base + "/setting.ini", settings);
        TFormCleaner cleaner;
        std::vector<double> ours, theirs, ratios;
        for (int round = 0; round < rounds; ++round) {
            const std::string a = base + "/a", b = base + "/b";
            BuildTree(a, files, folders);
            BuildTree(b, files, folders);
            double tOurs, tFind;
            if (round % 2 == 0) {
                tOurs = TimeCleanItem(cleaner, a);
                tFind = TimeFind(b);
            } else {
                tFind = TimeFind(b);
                tOurs = TimeCleanItem(cleaner, a);
            }
            if (!fs::is_empty(a) || !fs::is_empty(b)) {
                std::fprintf(stderr, "a tree was not emptied\n");
                return 1;
            }
            ours.push_back(tOurs);
            theirs.push_back(tFind);
            ratios.push_back(tOurs / tFind);
            fs::remove_all(base + "/ClearLog");
            fs::remove_all(base + "/ErrorLog");
            QCoreApplication::processEvents();
        }
        std::printf("logs %-3s  CleanItem %.3f s  find %.3f s  ratio %.2f\n", logs ? "on" : "off",
                    Median(ours), Median(theirs), Median(ratios));
    }
    fs::remove_all(base);
    return 0;
}
