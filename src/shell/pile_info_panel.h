// The pile information on the table: the small panels beside the pointer
// (pnlPilesSize with the pile's name and card count, pnlShowRedeals with the
// redeals left for the stock), the labels of "Show piles' info", and what
// decides when the panels show. The texts come from catalogue/pile_info.h.
#pragma once

#include "catalogue/pile_info.h"

#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QSize>
#include <QString>
#include <array>
#include <chrono>
#include <optional>
#include <string>

class QFont;
class QLabel;
class QPainter;
class QWidget;

namespace vellamor {
class Engine;
}

namespace vellamor::shell {

// When the panels may show: every pointer move over the table records its time
// and whether it is over a pile; the window's one-second timer asks whether
// the pointer has rested long enough. Nothing here runs a timer of its own, so
// an idle program stays idle.
class PointerRest {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds kRest{500};

    // A move to another place; false for a move event that did not move.
    bool moved(QPoint at, bool overPile, Clock::time_point now);
    // The pointer has rested over a pile for kRest and the panels are not shown yet.
    bool due(Clock::time_point now) const;
    void markShown() { shown_ = true; }
    // Forgets the pointer (outside a game, a click, pause).
    void reset();
    QPoint at() const { return at_; }

private:
    QPoint at_{-1, -1};
    Clock::time_point since_{};
    bool overPile_ = false;
    bool shown_ = false;
    bool known_ = false;
};

// Where the panels go: at the pointer, their top 57 pixels below the pointer
// less their height, moved left or up to stay 57 pixels inside the area.
QPoint pilePanelPlace(QPoint pointer, QSize panels, QSize area);

// The two panels beside the pointer, children of the table view. They let the
// mouse through, so that moving onto them is a move on the table and hides them.
class PilePanels {
public:
    explicit PilePanels(QWidget* table);
    ~PilePanels();
    PilePanels(const PilePanels&) = delete;
    PilePanels& operator=(const PilePanels&) = delete;

    void show(const catalogue::PointerPanelTexts& texts, QPoint pointer);
    void hidePanels();
    bool visible() const;

    QWidget* sizePanel() const { return pnlPilesSize_; }
    QWidget* redealsPanel() const { return pnlShowRedeals_; }
    QString headingText() const;
    QString cardsText() const;
    QString redealsText() const; // "Redeals: 1/2", empty when the panel is hidden

private:
    QWidget* table_;
    QWidget* pnlPilesSize_;
    QLabel* lblHeading_;
    QLabel* lblCards_;
    QWidget* pnlShowRedeals_;
    QLabel* lblRedealsCaption_;
    QLabel* lblRedeals_;
    QPointer<QObject> leaveWatch_; // on the table, hides the panels when the pointer leaves
};

// The font of the labels: Tahoma 8, or the program's fallback font where
// Tahoma is missing.
QFont pileLabelFont();
inline constexpr int kPileLabelHeight = 36;
// Paints the labels of "Show piles' info" over the shown piles: a box in the
// tool-tip colour at each pile's place, the pile's short name over its card count.
void paintPileLabels(QPainter& p, const Engine& engine, int cardWidth,
                     const catalogue::PileTexts* texts = nullptr);
// The same labels on a transparent picture of the table view's size.
QImage pileLabelsImage(QSize size, const Engine& engine, int cardWidth,
                       const catalogue::PileTexts* texts = nullptr);

// Everything the main window needs of the pile information: the status texts
// of the pile under the pointer, the panels and their timing, the pile-text
// file of the game in play and the labels.
class PileInfoView {
public:
    PileInfoView(QWidget* table, std::string programFolder);

    // A game was dealt: its entries of the pile-text file beside the program.
    void gameDealt(int gameId);
    const catalogue::PileTexts& texts() const { return texts_; }

    // A pointer move on the table: the five status texts of the pile under it
    // (all empty outside a game in progress or off the piles). A move to
    // another place hides the panels.
    std::array<QString, 5>
    pointerMoved(const Engine& engine, QPoint at,
                 PointerRest::Clock::time_point now = PointerRest::Clock::now());
    // The five texts for the pile at a point, without touching the panels.
    std::array<QString, 5> statusTexts(const Engine& engine, QPoint at) const;
    // The one-second tick: shows the panels when the pointer has rested over a
    // pile and the player wants them; hides them outside a game in progress.
    void timerTick(const Engine& engine,
                   PointerRest::Clock::time_point now = PointerRest::Clock::now());
    void hidePanels();

    PilePanels& panels() { return panels_; }
    QImage labels(const Engine& engine, QSize size, int cardWidth) const;

private:
    std::optional<PileId> pileAt(const Engine& engine, QPoint at) const;
    std::string programFolder_;
    catalogue::PileTexts texts_;
    PointerRest rest_;
    PilePanels panels_;
};

} // namespace vellamor::shell
