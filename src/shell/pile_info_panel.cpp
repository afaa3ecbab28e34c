#include "shell/pile_info_panel.h"

#include "engine/engine.h"
#include "layout/card_position.h"
#include "shell/advanced_form.h"

#include <QEvent>
#include <QFrame>
#include <QBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <utility>

namespace vellamor::shell {

namespace {

constexpr int kPanelMargin = 57; // the panels keep this far inside the table
constexpr int kLabelMargin = 6;  // left and right of the longer text of a label

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// A panel in the info-tip colours with a thin frame.
QFrame* infoPanel(QWidget* parent) {
    auto* f = new QFrame(parent);
    f->setFrameShape(QFrame::Box);
    f->setLineWidth(1);
    QPalette pal = QToolTip::palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::ToolTipBase));
    pal.setColor(QPalette::WindowText, pal.color(QPalette::ToolTipText));
    f->setPalette(pal);
    f->setAutoFillBackground(true);
    // The mouse goes through to the table: a move onto a panel hides it.
    f->setAttribute(Qt::WA_TransparentForMouseEvents);
    f->hide();
    return f;
}

// Hides the panels when the pointer leaves the table (for the menus, the tool
// bars or another window): no move on the table would hide them then.
class LeaveWatch final : public QObject {
public:
    LeaveWatch(QObject* parent, PilePanels& panels) : QObject(parent), panels_(panels) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Leave || e->type() == QEvent::Hide) panels_.hidePanels();
        return false;
    }

private:
    PilePanels& panels_;
};

QLabel* panelLabel(QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setFont(pileLabelFont());
    l->setTextFormat(Qt::PlainText);
    return l;
}

// An info panel holding two labels, one under the other or side by side.
QFrame* twoLabelPanel(QWidget* parent, const QString& name, QBoxLayout::Direction direction, QLabel*& first,
                      QLabel*& second) {
    QFrame* panel = infoPanel(parent);
    panel->setObjectName(name);
    auto* box = new QBoxLayout(direction, panel);
    box->setContentsMargins(4, 2, 4, 2);
    const bool across = direction == QBoxLayout::LeftToRight;
    box->setSpacing(across ? 4 : 0);
    first = panelLabel(panel);
    second = panelLabel(panel);
    box->addWidget(first);
    box->addWidget(second);
    if (across) box->addStretch(1);
    return panel;
}

} // namespace

// ---- when the panels show --------------------------------------------------------

bool PointerRest::moved(QPoint at, bool overPile, Clock::time_point now) {
    if (known_ && at == at_) return false;
    at_ = at;
    since_ = now;
    overPile_ = overPile;
    shown_ = false;
    known_ = true;
    return true;
}

bool PointerRest::due(Clock::time_point now) const {
    return known_ && overPile_ && !shown_ && now - since_ >= kRest;
}

void PointerRest::reset() {
    known_ = false;
    overPile_ = false;
    shown_ = false;
}

QPoint pilePanelPlace(QPoint pointer, QSize panels, QSize area) {
    int x = pointer.x();
    int y = pointer.y() - panels.height() + kPanelMargin;
    x = std::min(x, area.width() - kPanelMargin - panels.width());
    y = std::min(y, area.height() - kPanelMargin - panels.height());
    return {std::max(x, 0), std::max(y, 0)};
}

// ---- the panels --------------------------------------------------------------------

PilePanels::PilePanels(QWidget* table) : table_(table) {
    // The pile's panel: its heading over its card count.
    pnlPilesSize_ = twoLabelPanel(table, QStringLiteral("pnlPilesSize"), QBoxLayout::TopToBottom, lblHeading_,
                                  lblCards_);
    // The stock's redeals: caption and value side by side.
    pnlShowRedeals_ = twoLabelPanel(table, QStringLiteral("pnlShowRedeals"), QBoxLayout::LeftToRight,
                                    lblRedealsCaption_, lblRedeals_);
    leaveWatch_ = new LeaveWatch(table, *this);
    table->installEventFilter(leaveWatch_);
}

PilePanels::~PilePanels() {
    delete leaveWatch_.data();
}

void PilePanels::show(const catalogue::PointerPanelTexts& texts, QPoint pointer) {
    lblHeading_->setText(qs(texts.heading));
    lblCards_->setText(qs(texts.cards));
    pnlPilesSize_->adjustSize();
    QSize both = pnlPilesSize_->size();
    if (texts.showRedeals) {
        lblRedealsCaption_->setText(qs(texts.redealsCaption));
        lblRedeals_->setText(qs(texts.redeals));
        pnlShowRedeals_->adjustSize();
        const int w = std::max(both.width(), pnlShowRedeals_->width());
        pnlPilesSize_->resize(w, pnlPilesSize_->height());
        pnlShowRedeals_->resize(w, pnlShowRedeals_->height());
        both = QSize(w, both.height() + pnlShowRedeals_->height());
    }
    const QPoint at = pilePanelPlace(pointer, both, table_->size());
    pnlPilesSize_->move(at);
    pnlPilesSize_->raise();
    pnlPilesSize_->show();
    if (texts.showRedeals) {
        pnlShowRedeals_->move(at + QPoint(0, pnlPilesSize_->height()));
        pnlShowRedeals_->raise();
        pnlShowRedeals_->show();
    } else {
        pnlShowRedeals_->hide();
    }
}

void PilePanels::hidePanels() {
    pnlPilesSize_->hide();
    pnlShowRedeals_->hide();
}

bool PilePanels::visible() const {
    return !pnlPilesSize_->isHidden();
}

QString PilePanels::headingText() const {
    return lblHeading_->text();
}
QString PilePanels::cardsText() const {
    return lblCards_->text();
}
QString PilePanels::redealsText() const {
    if (pnlShowRedeals_->isHidden()) return {};
    return lblRedealsCaption_->text() + QLatin1Char(' ') + lblRedeals_->text();
}

// ---- the labels of "Show piles' info" ------------------------------------------------

QFont pileLabelFont() {
    QFont f(QString::fromLatin1(dialogFontAvailable() ? kDialogFont : kFallbackFont), 8);
    f.setStyleHint(QFont::SansSerif);
    return f;
}

void paintPileLabels(QPainter& p, const Engine& e, int cardWidth,
                     const catalogue::PileTexts* texts) {
    p.save();
    const QFont font = pileLabelFont();
    p.setFont(font);
    const QFontMetrics fm(font);
    const QColor back = QToolTip::palette().color(QPalette::ToolTipBase);
    for (const PileId id : catalogue::labelledPiles(e)) {
        const catalogue::PileLabel l = catalogue::pileLabel(e, id, cardWidth, texts);
        const QString name = qs(l.name), cards = qs(l.cards);
        // At the place of the pile's bottom card (its base when it is empty).
        const Point at = cardPosition(e, id, std::max(e.table.pile(id).size() - 1, 0));
        const int w =
            std::max(fm.horizontalAdvance(name), fm.horizontalAdvance(cards)) + 2 * kLabelMargin;
        const QRect box(at.x, at.y, w, kPileLabelHeight);
        p.fillRect(box, back);
        p.setPen(Qt::black);
        p.drawRect(box.adjusted(0, 0, -1, -1));
        const int half = kPileLabelHeight / 2;
        p.drawText(QRect(box.left(), box.top() + 1, w, half), Qt::AlignCenter, name);
        p.drawText(QRect(box.left(), box.top() + half - 1, w, half), Qt::AlignCenter, cards);
    }
    p.restore();
}

QImage pileLabelsImage(QSize size, const Engine& e, int cardWidth,
                       const catalogue::PileTexts* texts) {
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    paintPileLabels(p, e, cardWidth, texts);
    return img;
}

// ---- the main window's part -------------------------------------------------------------

PileInfoView::PileInfoView(QWidget* table, std::string programFolder)
    : programFolder_(std::move(programFolder)), panels_(table) {}

void PileInfoView::gameDealt(int gameId) {
    // The pile-text file is optional: without it (or its entries) the made texts show.
    texts_.load(programFolder_ + std::string(catalogue::kPileTextFileName), gameId);
    hidePanels();
}

std::optional<PileId> PileInfoView::pileAt(const Engine& e, QPoint at) const {
    if (!e.flags.test(StateFlag::InProgress)) return std::nullopt;
    CardPlace place;
    if (!hitTest(e, at.x(), at.y(), place, true)) return std::nullopt;
    return place.pile;
}

std::array<QString, 5> PileInfoView::statusTexts(const Engine& e, QPoint at) const {
    std::array<QString, 5> out;
    const auto pile = pileAt(e, at);
    if (!pile) return out;
    const catalogue::PileStatus s = catalogue::pileStatus(e, *pile, &texts_);
    out[0] = qs(s.name);
    out[1] = qs(s.piles);
    out[2] = qs(s.cards);
    out[3] = qs(s.rule);
    out[4] = qs(s.redeals);
    return out;
}

std::array<QString, 5> PileInfoView::pointerMoved(const Engine& e, QPoint at,
                                                  PointerRest::Clock::time_point now) {
    std::array<QString, 5> out = statusTexts(e, at);
    if (rest_.moved(at, !out[0].isEmpty() || !out[2].isEmpty(), now)) panels_.hidePanels();
    return out;
}

void PileInfoView::timerTick(const Engine& e, PointerRest::Clock::time_point now) {
    if (!e.flags.test(StateFlag::InProgress)) {
        hidePanels();
        return;
    }
    if (!e.play.prefs.showPilesSize || e.game.cardInHand || !rest_.due(now)) return;
    rest_.markShown();
    if (const auto pile = pileAt(e, rest_.at()))
        panels_.show(catalogue::pointerPanelTexts(e, *pile, &texts_), rest_.at());
}

void PileInfoView::hidePanels() {
    panels_.hidePanels();
    rest_.markShown(); // not again until the pointer moves
}

QImage PileInfoView::labels(const Engine& e, QSize size, int cardWidth) const {
    return pileLabelsImage(size, e, cardWidth, &texts_);
}

} // namespace vellamor::shell
