// A program folder of its own for each test (the real catalogue and packs
// linked in) and a data folder in a temporary folder, so nothing is written
// beside the build or in $HOME.
#pragma once

#include "shell/main_window.h"

#include "store/data_folder.h"
#include "store/settings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>

namespace vellamor::shell::testing {

class ProgramFixture {
public:
    ProgramFixture() {
        program_ = dir_.path().toStdString() + "/bin/";
        QDir().mkpath(QString::fromStdString(program_));
        for (const char* name : {"GAMES.DAT", "SOL.RGF", "plus", "help"})
            QFile::link(QStringLiteral(VELLAMOR_PROGRAM_DIR "/") + QLatin1String(name),
                        QString::fromStdString(program_) + QLatin1String(name));
        env_.home = dir_.path().toStdString() + "/home";
        env_.xdgDataHome = dir_.path().toStdString() + "/data";
        env_.xdgDocuments = env_.home + "/Documents";
        QDir().mkpath(QString::fromStdString(env_.xdgDocuments));
        data_ = env_.xdgDataHome + "/" + std::string(store::kDataFolderName);
    }

    // The settings file the program will read, written before it starts.
    void writeSettings(const std::string& text) {
        QDir().mkpath(QString::fromStdString(data_));
        QFile f(QString::fromStdString(data_ + "Cfg.dat"));
        f.open(QIODevice::WriteOnly);
        f.write(text.c_str());
    }
    std::string settingsText() const {
        QFile f(QString::fromStdString(data_ + "Cfg.dat"));
        f.open(QIODevice::ReadOnly);
        return f.readAll().toStdString();
    }

    // Creates the window as start-up does, up to showing it. The advice on
    // the card size (the offscreen screen is narrow) is silenced: it would
    // stop every test at its modal box.
    std::unique_ptr<TfrmMain> start(bool show = true) {
        QDir().mkpath(QString::fromStdString(data_));
        {
            store::Settings cfg(data_ + "Cfg.dat", nullptr);
            for (const store::SettingKey* k : {&store::key::Msg_Cards_Medium_640x480, &store::key::Msg_Cards_Medium_800x600,
                                               &store::key::Msg_Cards_Large, &store::key::Msg_Extra_Large_Cards})
                cfg.setFlag(*k, false);
            cfg.commit();
        }
        auto w = std::make_unique<TfrmMain>(options());
        if (!w->FormCreate()) return nullptr;
        w->restoreWindowState();
        if (show) {
            w->show();
            w->firstActivation();
            QApplication::processEvents();
        }
        return w;
    }

    // What start() hands the window, for a test that creates it by hand.
    StartOptions options() {
        StartOptions o;
        o.programFolder = program_;
        o.environment = &env_;
        return o;
    }
    const std::string& programFolder() const { return program_; }
    const std::string& dataFolder() const { return data_; }

private:
    QTemporaryDir dir_;
    std::string program_, data_;
    store::Environment env_;
};

// The settings of a normal (not maximised) window of the given size, followed
// by `more` preference lines.
inline std::string normalWindow(int width, int height, const std::string& more = {}) {
    return "[Preference]\r\nMainWindowState_Maximized=N\r\nMainWindowState_Width=" + std::to_string(width) +
           "\r\nMainWindowState_Height=" + std::to_string(height) + "\r\n" + more;
}

// Runs `answer` on the first modal box that opens while `run` runs, and returns
// the text of that box (empty when none opened).
inline QString answerBox(const std::function<void()>& run, const std::function<void(QWidget*)>& answer) {
    QString text;
    bool done = false;
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget* w = QApplication::activeModalWidget();
        if (done || !w) return;
        done = true;
        timer.stop();
        if (auto* mb = qobject_cast<QMessageBox*>(w)) text = mb->text();
        else text = w->windowTitle();
        answer(w);
    });
    timer.start();
    run();
    timer.stop();
    return text;
}

// Closes a box with its OK button (or accepts it).
inline void pressOk(QWidget* w) {
    if (auto* mb = qobject_cast<QMessageBox*>(w)) {
        if (QAbstractButton* ok = mb->button(QMessageBox::Ok)) {
            ok->click();
            return;
        }
    }
    if (auto* d = qobject_cast<QDialog*>(w)) d->accept();
}

} // namespace vellamor::shell::testing
