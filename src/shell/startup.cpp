#include "shell/startup.h"

#include "shell/advanced_form.h"
#include "shell/bench_play.h"
#include "shell/main_window.h"
#include "shell/program_host.h"
#include "shell/table_view.h"

#include "controls/shadowed_hint_window.h"
#include "render/image_packs.h"
#include "render/sound_player.h"
#include "store/settings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <unistd.h>
#include <memory>

namespace vellamor::shell {

namespace {

// The splash window: borderless, on top, centred, one picture of 398 × 247.
std::unique_ptr<QLabel> makeSplash(const render::ImagePacks& packs) {
    QImage img;
    if (!packs.loadBitmap(img, "SPLASH")) return nullptr;
    auto splash = std::make_unique<QLabel>(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    splash->setPixmap(QPixmap::fromImage(img.scaled(398, 247)));
    splash->setFixedSize(398, 247);
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect g = s->availableGeometry();
        splash->move(g.center() - QPoint(199, 123));
    }
    return splash;
}

// Milliseconds since this process was started (from /proc, 10 ms steps).
long long msSinceLaunch() {
    std::FILE* f = std::fopen("/proc/self/stat", "r");
    if (!f) return -1;
    char buf[1024] = {};
    const std::size_t n = std::fread(buf, 1, sizeof buf - 1, f);
    std::fclose(f);
    buf[n] = 0;
    const char* p = std::strrchr(buf, ')');
    if (!p) return -1;
    // Field 22 (starttime) counts from field 3, which follows the ')'.
    unsigned long long start = 0;
    int field = 2;
    for (const char* q = p + 1; *q; ++q)
        if (*q == ' ' && ++field == 22) {
            start = std::strtoull(q + 1, nullptr, 10);
            break;
        }
    double uptime = 0;
    if (std::FILE* u = std::fopen("/proc/uptime", "r")) {
        if (std::fscanf(u, "%lf", &uptime) != 1) uptime = 0;
        std::fclose(u);
    }
    const long ticks = sysconf(_SC_CLK_TCK);
    return static_cast<long long>((uptime - static_cast<double>(start) / static_cast<double>(ticks)) * 1000.0);
}

long rssKb() {
    std::FILE* f = std::fopen("/proc/self/status", "r");
    if (!f) return -1;
    char line[256];
    long kb = -1;
    while (std::fgets(line, sizeof line, f))
        if (std::strncmp(line, "VmRSS:", 6) == 0) kb = std::atol(line + 6);
    std::fclose(f);
    return kb;
}

// VELLAMOR_BENCH=first|moves|idle: the figures of bench/shell/startup.sh.
void runBenchmark(TfrmMain& w, const QByteArray& mode) {
    if (mode == "first") {
        QObject::connect(w.table(), &TableView::painted, &w, [&w] {
            std::printf("first_table_ms=%lld\n", msSinceLaunch());
            std::printf("rss_after_start_kb=%ld\n", rssKb());
            std::fflush(stdout);
            QTimer::singleShot(0, &w, [&w] { w.close(); });
        }, Qt::SingleShotConnection);
    } else if (mode == "moves") {
        QTimer::singleShot(200, &w, [&w] {
            const int moves = playMoves(w, 100);
            std::printf("moves=%d rss_after_moves_kb=%ld\n", moves, rssKb());
            std::fflush(stdout);
            w.close();
        });
    } else if (mode == "idle") {
        QTimer::singleShot(10000, &w, [&w] {
            std::printf("idle 10 s done\n");
            w.close();
        });
    }
}

} // namespace

std::string programFolder() {
    std::string dir = QCoreApplication::applicationDirPath().toStdString();
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
}

int runProgram(QApplication& app) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QApplication::setApplicationName(QString::fromLatin1(kProgramTitle));
    QApplication::setApplicationDisplayName(QString::fromLatin1(kProgramTitle));

    StartOptions options;
    options.programFolder = programFolder();
    auto window = std::make_unique<TfrmMain>(options);

    // The splash shows while the main window is made.
    std::unique_ptr<QLabel> splash;
    if (auto packs = render::ImagePacks::open(options.programFolder, window->host())) {
        splash = makeSplash(*packs);
        if (splash) {
            splash->show();
            QCoreApplication::processEvents();
        }
        store::Settings cfg(window->dataFolder() + "Cfg.dat", nullptr);
        if (cfg.flag(store::key::Sounds_Enabled) && cfg.flag(store::key::Sounds_Splash)) {
            render::SoundPlayer splashSound(*packs, nullptr);
            splashSound.play("Splash");
        }
    }
    if (!window->FormCreate()) {
        QApplication::restoreOverrideCursor();
        return 1;
    }
    window->restoreWindowState();
    controls::C_TShadowedHintWindow::install();

    if (splash) {
        QCoreApplication::processEvents();
        splash->hide();
    }
    window->show();
    splash.reset();
    QApplication::restoreOverrideCursor();
    if (window->fullScreen()) window->firstActivation();

    const QByteArray bench = qgetenv("VELLAMOR_BENCH");
    if (!bench.isEmpty()) runBenchmark(*window, bench);

    // VELLAMOR_SHOT=FILE.png: save a picture of the window once it shows, and end.
    const QByteArray shot = qgetenv("VELLAMOR_SHOT");
    if (!shot.isEmpty()) {
        QTimer::singleShot(1500, window.get(), [&window, shot] {
            window->grab().save(QString::fromLocal8Bit(shot), "PNG");
            window->close();
        });
    }
    const int rc = app.exec();
    return rc;
}

} // namespace vellamor::shell
