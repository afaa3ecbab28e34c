#include "shell/program_host.h"

#include "shell/main_window.h"
#include "shell/msg_advice.h"

#include "render/sound_player.h"
#include "store/ini_file.h"
#include "store/settings.h"

#include <QApplication>

#include <cstdio>
#include <filesystem>

namespace vellamor::shell {

namespace {
QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
} // namespace

void ProgramHost::message(std::string_view text) { showInformation(window_, qs(text)); }

void ProgramHost::beep() {
    ++beeps_;
    QApplication::beep();
}

void ProgramHost::sound(std::string_view name) {
    if (window_ && window_->sounds()) window_->sounds()->play(name);
}

void ProgramHost::scoreChanged(long long) {
    if (window_) window_->showScore();
}

void ProgramHost::stockPressed(bool pressed) {
    if (window_) window_->stockShownPressed(pressed);
}

void ProgramHost::popupMenu(int x, int y) {
    if (window_) window_->popupMain(x, y);
}

void ProgramHost::revealCard(int card) {
    if (window_) window_->revealCard(card);
}

void ProgramHost::leaveFullScreen() {
    if (window_ && window_->fullScreen()) window_->setFullScreen(false);
}

bool ProgramHost::showAdvice(std::string_view text, int page) {
    return shell::showAdvice(window_, qs(text), page);
}

store::AdviceAnswer ProgramHost::askAdvice(std::string_view text, bool withCancel) {
    const AdviceResult r = askWithAdvice(window_, qs(text), withCancel);
    return {r.ok, r.ticked};
}

void ProgramHost::busy(bool on) {
    if (on) {
        ++busyDepth_;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (busyDepth_ > 0) {
        --busyDepth_;
        QApplication::restoreOverrideCursor();
    }
}

void ProgramHost::writeSetting(std::string_view key, std::string_view value) {
    if (settingsPath_.empty()) return;
    store::Settings cfg(settingsPath_, this);
    cfg.writeString(store::section::kPreference, key, value);
    cfg.commit();
}

void ProgramHost::forgetRandomLists() {
    if (settingsPath_.empty()) return;
    std::error_code ec;
    const auto folder = std::filesystem::path(settingsPath_).parent_path();
    std::filesystem::remove(folder / "Rnd_read.dat", ec);
}

} // namespace vellamor::shell
