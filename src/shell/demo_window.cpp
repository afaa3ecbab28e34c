#include "shell/demo_window.h"

#include "engine/engine.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QIcon>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace vellamor::shell {

TfrmDemo::TfrmDemo(QWidget* mainWindow, Engine& engine)
    : QWidget(mainWindow, Qt::Tool | Qt::WindowStaysOnTopHint), e_(engine), demo_(engine) {
    setObjectName(QStringLiteral("frmDemo"));
    setWindowTitle(QStringLiteral("Game Demo"));
    timer_ = new QTimer(this);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, [this] {
        demo_.step();
        if (onStep) onStep();
    });

    auto* grid = new QGridLayout;
    lblMoves_ = new QLabel(QStringLiteral("Move number:"), this);
    lblMovesValue_ = new QLabel(QStringLiteral("0"), this);
    lblDescription_ = new QLabel(QStringLiteral("Description:"), this);
    lblDescriptionValue_ = new QLabel(QString(), this);
    lblDescriptionValue_->setMinimumWidth(160);
    grid->addWidget(lblMoves_, 0, 0);
    grid->addWidget(lblMovesValue_, 0, 1);
    grid->addWidget(lblDescription_, 1, 0);
    grid->addWidget(lblDescriptionValue_, 1, 1);

    const auto button = [this](const char* name, const char* text) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(QString::fromLatin1(text));
        b->setToolTip(QString::fromLatin1(text));
        b->setCheckable(true);
        return b;
    };
    btnPlay_ = button("btnPlay", "Play");
    btnPause_ = button("btnPause", "Pause");
    btnStop_ = button("btnStop", "Stop");
    btnStop_->setCheckable(false);
    connect(btnPlay_, &QToolButton::clicked, this, [this] { playClick(); });
    connect(btnPause_, &QToolButton::clicked, this, [this] { pauseClick(); });
    connect(btnStop_, &QToolButton::clicked, this, [this] { stopClick(); });
    auto* bar = new QHBoxLayout;
    bar->addWidget(btnPlay_);
    bar->addWidget(btnPause_);
    bar->addWidget(btnStop_);
    bar->addStretch();

    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("btnClose"));
    connect(close, &QPushButton::clicked, this, [this] { this->close(); });

    auto* column = new QVBoxLayout(this);
    column->addLayout(bar);
    column->addLayout(grid);
    column->addWidget(close, 0, Qt::AlignRight);
    hide();
}

void TfrmDemo::setLabelsEnabled(bool on) {
    for (QLabel* l : {lblMoves_, lblMovesValue_, lblDescription_, lblDescriptionValue_})
        l->setEnabled(on);
}

void TfrmDemo::showForDemo() {
    btnPlay_->setChecked(false);
    btnPause_->setChecked(false);
    setLabelsEnabled(true);
    lblMovesValue_->setText(QStringLiteral("0"));
    show();
    if (!placed_) {
        // Placed once it has its shown size: the default top depends on it.
        const int mainHeight = parentWidget() ? parentWidget()->frameGeometry().height() : 0;
        if (readPlace) move(readPlace(mainHeight, frameGeometry().height()));
        placed_ = true;
    }
}

void TfrmDemo::setPictures(const QPixmap& play, const QPixmap& pause, const QPixmap& stop) {
    const auto set = [](QToolButton* b, const QPixmap& pm) {
        if (pm.isNull()) return;
        b->setIcon(QIcon(pm));
        b->setIconSize(pm.size());
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    };
    set(btnPlay_, play);
    set(btnPause_, pause);
    set(btnStop_, stop);
}

void TfrmDemo::pressPlay() {
    btnPlay_->setChecked(true);
    btnPause_->setChecked(false);
}

QString TfrmDemo::moveCountText() const {
    return lblMovesValue_->text();
}
QString TfrmDemo::descriptionText() const {
    return lblDescriptionValue_->text();
}

void TfrmDemo::playClick() {
    if (demo_.running()) {
        if (e_.game.tutorMode == 3) {
            btnPlay_->setChecked(true);
            return;
        }
        timer_->stop();
        demo_.step(); // a stopped demo ends now
    }
    pressPlay();
    setLabelsEnabled(true);
    if (onPlay) onPlay();
}

void TfrmDemo::pauseClick() {
    if (btnPause_->isChecked()) {
        setLabelsEnabled(false);
        demo_.stop(); // tutor mode 0: the loop ends at its next step
        return;
    }
    playClick();
}

void TfrmDemo::stopClick() {
    btnPlay_->setChecked(false);
    btnPause_->setChecked(false);
    demo_.stop();
}

void TfrmDemo::requestStep(int ms) {
    timer_->start(ms);
}

void TfrmDemo::describe(std::string_view text) {
    lblDescriptionValue_->setText(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void TfrmDemo::showMoveCount(int moves) {
    lblMovesValue_->setText(QString::number(moves));
}

void TfrmDemo::finished() {
    timer_->stop();
    btnPlay_->setChecked(false);
    if (onFinished) onFinished();
}

void TfrmDemo::closeEvent(QCloseEvent* e) {
    timer_->stop();
    demo_.stop();
    if (demo_.running()) demo_.step(); // ends it
    if (onClosed) onClosed();
    if (writePlace) writePlace(pos());
    e->accept();
}

} // namespace vellamor::shell
