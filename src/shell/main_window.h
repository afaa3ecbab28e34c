// TfrmMain: the main window. The table with the mouse and the keys, the menu
// bar, the two tool bars with the time and score panels, the status bar, the
// vertical scroll bar, the pop-up menus, pause and full screen. The play itself
// is the engine's; the window shows it and asks the player what the engine asks.
#pragma once

#include <QMainWindow>
#include <QPoint>

#include <map>
#include <memory>
#include <string>
#include <string_view>

class QAction;
class QLabel;
class QMenu;
class QScrollBar;
class QTimer;
class QToolBar;

namespace vellamor {
class Engine;
namespace store {
struct Environment;
class Settings;
} // namespace store
namespace render {
class SoundPlayer;
} // namespace render
} // namespace vellamor

namespace vellamor::shell {

class ProgramHost;
class TableView;
class StatusBar;
struct MainState;

// Where the program runs: the program folder (GAMES.DAT, SOL.RGF) and the
// environment that decides the data folder.
struct StartOptions {
    std::string programFolder; // ends in "/"
    const store::Environment* environment = nullptr; // null: the process environment
};

class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmMain(const StartOptions& options);
    ~TfrmMain() override;

    // The main initialisation; false when the program cannot go on (the player
    // has been told why).
    bool FormCreate();
    // Restores the window state, sizes the table and deals the game of the
    // `Game` setting; then the window can be shown.
    void restoreWindowState();
    // The first activation: the caption, the tables of the later parts.
    void firstActivation();

    Engine& engine();
    ProgramHost& host();
    render::SoundPlayer* sounds();
    TableView* table() const { return table_; }
    QLabel* timeText() const { return lblTime_; }
    QLabel* scoreText() const { return lblScore_; }
    StatusBar* statusPanels() const { return sbStatusBar_; }
    QAction* action(std::string_view name) const;
    std::string dataFolder() const;

    // The caption of the window for the game, player and number in force.
    QString captionText() const;
    void updateCaption();

    // Deals game `id` anew, with game number `number` or a random one when it
    // is negative; false when the game cannot be loaded.
    bool startGame(int id, long long number = -1);
    // Redraws the whole table and shows it.
    void redrawTable();
    void showScore();
    void showTime();
    bool paused() const { return paused_; }
    void setPaused(bool on);
    bool fullScreen() const;
    void setFullScreen(bool on);
    void popupMain(int x, int y);
    void revealCard(int card);
    void stockShownPressed(bool pressed);

    // The mouse on the table, in table coordinates.
    enum class TableEvent { Down, Move, Up, DoubleClick };
    void tableMouse(TableEvent ev, bool right, bool ctrl, QPoint at);
    void tableWheel(int angleDelta);
    // Scrolls the table to `offset` pixels from its top.
    void scrollTo(int offset);

    // The one-second timer: the game clock.
    void Timer1Timer();
    // Ends the game in play (won or left) through the end-of-game code.
    void endCurrentGame(Engine& e);
    void commandsChanged();

    // Menu commands.
    void mnuQuitGameClick();
    void mnuNewClick();
    void mnuUndoClick();
    void mnuRedoClick();
    void mnuPauseClick();
    void mnuFullScreenClick();
    void mnuShowHiddenCardsClick();
    void mnuStatisticsClick();
    void mnuRulesClick();
    void mnuContentsClick();
    void mnuWebClick();
    void mnuExitClick();

protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    friend class TableView;
    void buildMenus();
    void buildToolBars();
    void buildPanels();
    QAction* addCommand(QMenu* menu, std::string_view name, const QString& caption,
                        const QKeySequence& shortcut = {}, bool enabled = true);
    void readPreferences(store::Settings& cfg);
    bool loadImages();
    void applyToolBarOptions(bool large, bool flat);
    void arrangeTopArea();
    void fitLargeToolBar();
    int largeButtonWidth() const;
    void layoutTable();
    void hidePileLabels();
    void updateScrollBar();
    void updateCommands();
    void afterPlayerAction(bool changed);
    void settleGame();
    bool statisticsDisabled();
    void writeWindowState();

    std::unique_ptr<MainState> s_;
    TableView* table_ = nullptr;
    QScrollBar* scrBarMain_ = nullptr;
    QWidget* topArea_ = nullptr;
    QWidget* coolBarToolBarLarge_ = nullptr;
    QWidget* coolBarToolBarSmall_ = nullptr;
    QToolBar* toolBarLarge_ = nullptr;
    int largeCaptionsWidth_ = 0; // the large bar's width with its captions
    QWidget* pnlTempo_ = nullptr;
    QWidget* pnlScore_ = nullptr;
    QLabel* lblTime_ = nullptr;
    QLabel* lblScore_ = nullptr;
    StatusBar* sbStatusBar_ = nullptr;
    QTimer* Timer1_ = nullptr;
    QMenu* popMain_ = nullptr;
    QMenu* popTB_ = nullptr;
    QMenu* popTime_ = nullptr;
    QMenu* popScore_ = nullptr;
    std::map<std::string, QAction*, std::less<>> actions_;
    bool firstActivationPending_ = true;
    bool paused_ = false;
    bool closing_ = false;
    bool initialised_ = false;
};

} // namespace vellamor::shell
