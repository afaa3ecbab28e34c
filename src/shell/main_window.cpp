#include "shell/main_window.h"

#include "shell/tutor.h"
#include "shell/demo_window.h"
#include "shell/advanced_form.h"
#include "shell/card_fit.h"
#include "shell/msg_advice.h"
#include "shell/pile_info_panel.h"
#include "shell/program_host.h"
#include "shell/status_bar.h"
#include "shell/table_view.h"

#include "catalogue/catalogue.h"
#include "catalogue/categories.h"
#include "controls/full_screen.h"
#include "engine/actions.h"
#include "engine/actions_mouse.h"
#include "engine/deal.h"
#include "engine/end_game.h"
#include "engine/engine.h"
#include "engine/game_clock.h"
#include "engine/score.h"
#include "layout/card_position.h"
#include "layout/layout.h"
#include "render/card_images.h"
#include "render/image_packs.h"
#include "render/sound_player.h"
#include "render/table_renderer.h"
#include "store/data_folder.h"
#include "store/settings.h"

#if __has_include("engine/undo.h")
#include "engine/undo.h"
#define VELLAMOR_HAVE_UNDO 1
#endif

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDialog>
#include <QKeyEvent>
#include <QStyle>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStatusTipEvent>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>
#include <optional>

namespace vellamor::shell {

namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

constexpr const char* kVersion = "13.0";
constexpr const char* kHomePage = "https://vellamor2003.org/";
constexpr const char* kNewsPage = "https://vellamor2003.org/news.html";
constexpr int kWheelStep = 60;
constexpr int kTableSlack = 80; // rows of background below the lowest card

// The preferences the player actions read, by their settings keys.
constexpr std::string_view kPlayPreferences[] = {
    "Move_Cards_DragAndDrop",   "DoubleClick_To_Foundations", "DoubleClick_To_Tableaus",
    "RightClick_To_Foundations", "RightClick_To_Tableaus",    "Show_Partial_Hidden_Card",
    "Show_Main_Popup_Menu",     "Automatic_FaceUp",           "Redeal_Animation",
    "ShowPilesSize"};

QString timeSeparator() {
    const QString f = QLocale().timeFormat(QLocale::ShortFormat);
    for (QChar c : f)
        if (!c.isLetter() && !c.isSpace()) return QString(c);
    return QStringLiteral(":");
}

} // namespace

// What the window does around the end of a game.
class WindowEndUi final : public GameEndUi {
public:
    explicit WindowEndUi(TfrmMain& w) : w_(w) {}
    void gameEnded() override { w_.commandsChanged(); }
    void celebrate() override {
        if (w_.sounds()) w_.sounds()->play("Won");
    }
    void closeMainWindow() override { w_.close(); }
    bool confirm(std::string_view question) override {
        return confirmOkCancel(&w_, QString::fromUtf8(question.data(), static_cast<qsizetype>(question.size())));
    }

private:
    TfrmMain& w_;
};

// The engine's hand-over points as this window plays them: the end of a won
// game goes through the end-of-game code.
class WindowHooks final : public PlayHooks {
public:
    explicit WindowHooks(TfrmMain& w) : w_(w) {}
    void endGame(Engine& e) override { w_.endCurrentGame(e); }
    void showLegalMove(Engine& e) override {
        if (tutor) tutor->showLegalMoveCommand();
        else PlayHooks::showLegalMove(e);
    }
    void cancelTutor(Engine& e) override {
        if (tutor) tutor->cancelTutor();
        else PlayHooks::cancelTutor(e);
    }
    Tutor* tutor = nullptr; // autoplay, hints and the demo on this window

private:
    TfrmMain& w_;
};

struct MainState {
    StartOptions options;
    store::Environment env;
    ProgramHost host;
    Engine engine;
    std::optional<store::DataFolder> folder;
    std::optional<render::ImagePacks> packs;
    std::unique_ptr<catalogue::Catalogue> cat;
    render::CardImages images;
    render::ImageChoice choice;
    render::BackgroundChoice background;
    render::RenderOptions renderOptions;
    render::ScreenFit screenFit; // the player's card set while a game needs smaller cards
    std::unique_ptr<render::CardImageLoader> loader;
    std::unique_ptr<render::MarkCache> marks;
    std::unique_ptr<render::TableRenderer> renderer;
    std::unique_ptr<render::SoundPlayer> sounds;
    std::map<std::string, QImage, std::less<>> icons;
    std::map<int, QCursor> cursors;
    QImage pausedImage;
    controls::C_TFullScreen fullScreen;
    bool scrollShownBeforeFullScreen = false;
    bool toolBarLarge = true, toolBarFlat = true, toolBarXP = true, toolBarVisible = true;
    bool showTime = true, showScore = true, vertScrollBar = true, statusBar = true;
    int undoEnabled = 0;
    int autoplayAllGames = 1;
    char timeSep = ':';
    // A drag in progress: the pile the block left.
    std::optional<PileId> dragPile;
    std::unique_ptr<PlayHooks> hooks;
    std::unique_ptr<Tutor> tutor;
    Table before;
    CardRecords beforeCards;
    // The pile under the pointer: status texts, pointer panels, "Show piles' info".
    std::unique_ptr<PileInfoView> pileInfo;
    bool pileLabelsShown = false;

    explicit MainState(const StartOptions& o)
        : options(o), env(o.environment ? *o.environment : store::Environment::current()) {}

    std::string settingsPath() const { return folder ? folder->settings() : std::string(); }
};

TfrmMain::TfrmMain(const StartOptions& options) : s_(std::make_unique<MainState>(options)) {
    s_->host.setWindow(this);
    s_->engine.setHost(&s_->host);
    s_->hooks = std::make_unique<WindowHooks>(*this);
    s_->engine.play.hooks = s_->hooks.get();
    s_->engine.rng.seed(static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    s_->folder.emplace(store::openDataFolder(options.programFolder, s_->host, s_->env));
    s_->host.setSettingsPath(s_->folder->settings());
    s_->engine.state.reset();
    s_->fullScreen.m_Form = this;
    setWindowTitle(QString::fromLatin1(kProgramTitle));
    setRepaintAfterBox([this] {
        if (table_) table_->repaint();
    });
}

TfrmMain::~TfrmMain() {
    setRepaintAfterBox({});
    if (s_->sounds) s_->sounds->stop();
}

Engine& TfrmMain::engine() { return s_->engine; }
ProgramHost& TfrmMain::host() { return s_->host; }
render::SoundPlayer* TfrmMain::sounds() { return s_->sounds.get(); }
std::string TfrmMain::dataFolder() const { return s_->folder->folder(); }

QAction* TfrmMain::action(std::string_view name) const {
    const auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

// ---- start-up -----------------------------------------------------------------

bool TfrmMain::FormCreate() {
    MainState& s = *s_;
    // The time panel starts at 0, with the locale's time separator.
    const QString sep = timeSeparator();
    s.timeSep = sep.isEmpty() ? ':' : sep[0].toLatin1();

    s.packs = render::ImagePacks::open(s.options.programFolder, s.host);
    if (!s.packs) return false;

    firstActivationPending_ = true;
    buildPanels();
    buildMenus();
    buildToolBars();
    lblTime_->setText(QStringLiteral("0") + sep + QStringLiteral("00") + sep + QStringLiteral("00"));

    // Cursors: slots 10-15 and 20-25, 30 the hand.
    const char* const cursorNames[] = {"CUR_ARROW1", "CUR_ARROW2", "CUR_RIGHT_HAND1", "CUR_RIGHT_HAND2",
                                       "CUR_LEFT_HAND1", "CUR_LEFT_HAND2"};
    for (int set = 0; set < 2; ++set)
        for (int i = 0; i < 6; ++i)
            if (auto c = s.packs->cursor(std::string(cursorNames[i]) + (set ? "B" : "A")))
                s.cursors[10 + set * 10 + i] =
                    QCursor(QPixmap::fromImage(c->image), c->hotX, c->hotY);
    s.cursors[30] = QCursor(Qt::PointingHandCursor);

    s.engine.flags = StateFlags{};
    {
        const QSize screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->size() : QSize(1024, 768);
        store::SettingContext ctx;
        ctx.screenWidth = screen.width();
        ctx.screenHeight = screen.height();
        ctx.colourBits = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->depth() : 24;
        store::Settings cfg(*s.folder, &s.host, ctx);
        readPreferences(cfg);
        cfg.commit();
    }

    // The catalogue.
    const std::string catPath = catalogue::Catalogue::pathIn(s.options.programFolder);
    s.cat = std::make_unique<catalogue::Catalogue>(catPath, s.engine.game, s.host);
    if (!QFile::exists(QString::fromStdString(catPath))) {
        showError(this, QStringLiteral("Error"), qs(catalogue::missingFileMessage(catPath)));
        return false;
    }
    if (!s.cat->loadGameList()) return false;
    s.cat->install(s.engine);
    const int id = static_cast<int>(s.engine.state.readInt(field::GameId));
    if (s.cat->checkedCurrentGame(id) < 0 || s.cat->gameIndex(id) < 0) {
        s.engine.state.write(field::GameId, "-1");
        s.engine.state.write(field::GameName, "");
    }

    s.sounds = std::make_unique<render::SoundPlayer>(*s.packs, [this](std::string_view key) {
        const store::SettingKey* k = store::findSettingKey(store::section::kPreference, key);
        if (!k) return true;
        store::Settings cfg(s_->settingsPath(), nullptr);
        return cfg.flag(*k);
    });
    {
        store::Settings cfg(*s.folder, nullptr);
        s.sounds->setEnabled(cfg.flag(store::key::Sounds_Enabled));
    }

    s.loader = std::make_unique<render::CardImageLoader>(*s.packs, s.host);
    if (!loadImages()) return false;
    for (const char* name : {"STATUSBAR_STOCK", "STATUSBAR_WASTE", "STATUSBAR_FOUNDATION", "STATUSBAR_TABLEAU",
                             "STATUSBAR_RESERVE", "SUIT_HEARTS", "SUIT_DIAMONDS", "SUIT_CLUBS", "SUIT_SPADES",
                             "BMP_PAUSE_1", "BMP_PAUSE_2"}) {
        QImage img;
        if (s.packs->loadBitmap(img, name)) s.icons[name] = img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    sbStatusBar_->setIcons([this](const char* name) -> const QImage* {
        const auto it = s_->icons.find(std::string_view(name));
        return it == s_->icons.end() ? nullptr : &it->second;
    });

    // The version marker beside the program and the files of earlier versions.
    {
        const QString marker = QString::fromStdString(s.options.programFolder) + QStringLiteral("SOLV1300.DAT");
        if (!QFile::exists(marker)) {
            QFile f(marker);
            if (f.open(QIODevice::WriteOnly)) f.write("Vellamor version: 13.00\r\n");
        }
        const QString dir = QString::fromStdString(s.options.programFolder);
        const auto removeIf = [&](const QString& first, const std::function<void()>& all) {
            if (QFile::exists(dir + first)) all();
        };
        const auto rm = [&](const QString& name) { QFile::remove(dir + name); };
        removeIf(QStringLiteral("IMAGES/GAME0000.BMP"), [&] {
            for (int i = 0; i <= 100; ++i) rm(QStringLiteral("IMAGES/GAME%1.BMP").arg(i, 4, 10, QLatin1Char('0')));
        });
        removeIf(QStringLiteral("IMAGES/WB001.BMP"), [&] {
            for (int i = 0; i <= 25; ++i)
                for (const char* k : {"WB", "WM", "WP"})
                    rm(QStringLiteral("IMAGES/%1%2.BMP").arg(QLatin1String(k)).arg(i, 3, 10, QLatin1Char('0')));
        });
        removeIf(QStringLiteral("IMAGES/CB001C.BMP"), [&] {
            for (int i = 1; i <= 5; ++i)
                for (const char* suit : {"C", "D", "H", "S"})
                    rm(QStringLiteral("IMAGES/CB%1%2.BMP").arg(i, 3, 10, QLatin1Char('0')).arg(QLatin1String(suit)));
            for (const char* suit : {"C", "D", "H", "S"}) {
                rm(QStringLiteral("IMAGES/CM003%1.BMP").arg(QLatin1String(suit)));
                rm(QStringLiteral("IMAGES/CL003%1.BMP").arg(QLatin1String(suit)));
            }
        });
        rm(QStringLiteral("VELLAMOR.DLL"));
    }

    s_->tutor = std::make_unique<Tutor>(*this, *s_->folder, &s_->host, s_->packs ? &*s_->packs : nullptr);
    static_cast<WindowHooks*>(s_->hooks.get())->tutor = s_->tutor.get();
    connect(action("mnuAutoplay"), &QAction::triggered, this, [this](bool on) { s_->tutor->autoplayCommand(on); });
    connect(action("mnuShowLegalMove"), &QAction::triggered, this, [this] { s_->tutor->showLegalMoveCommand(); });
    connect(action("mnuGameDemo"), &QAction::triggered, this, [this] { s_->tutor->demoCommand(); });
    connect(action("mnuShowPilesInfo"), &QAction::triggered, this, [this] {
        Engine& e = s_->engine;
        if (!e.flags.test(StateFlag::InProgress) || paused_) return;
        table_->setOverlay(s_->pileInfo->labels(e, table_->size(), e.game.cardWidth), QPoint(0, 0));
        s_->pileLabelsShown = true;
    });
    Timer1_ = new QTimer(this);
    Timer1_->setInterval(1000);
    connect(Timer1_, &QTimer::timeout, this, &TfrmMain::Timer1Timer);
    Timer1_->start();
    initialised_ = true;
    updateCommands();
    return true;
}

void TfrmMain::readPreferences(store::Settings& cfg) {
    MainState& s = *s_;
    namespace key = store::key;
    s.toolBarLarge = cfg.flag(key::ToolBar_Large);
    s.toolBarFlat = true; // this platform always draws flat buttons
    s.toolBarXP = cfg.flag(key::ToolBar_XP);
    s.toolBarVisible = cfg.flag(key::ToolBar_Visible);
    if (QAction* a = action("popNoFlat")) a->setEnabled(false);
    if (QAction* a = action(s.toolBarXP ? "popXP" : "popWin98")) a->setChecked(true);
    applyToolBarOptions(s.toolBarLarge, s.toolBarFlat);
    const bool tips = cfg.flag(key::Show_ToolTips);
    for (QToolBar* tb : findChildren<QToolBar*>())
        for (QAction* a : tb->actions())
            if (!tips) a->setToolTip(QString());

    if (cfg.context().colourBits <= 8)
        store::showAdviceOnce(cfg.path(), s.host,
                              "At this time your video driver supports 256 colors or less. This program takes "
                              "advantage of the 16 bit (65,536 colors) or the 24 bit (16.8 million colors) "
                              "palettes or higher resolutions. \rIf your video driver allows High or True color "
                              "mode settings (16 bit or 24 bit), modify your screen resolution using the Display "
                              "Properties Settings in the Control Panel.",
                              key::Screen_Under_256_Colors.name, 0);

    long long card = cfg.integer(key::Card);
    if (card == 5) {
        card = 1;
        cfg.setInteger(key::Card, 1, 3);
    }
    if (card < 1) card = 1;
    std::string size = cfg.text(key::Card_Size);
    if (size.size() != 1 || !render::cardSizeClass(size[0]) || size[0] == 'L') size = "B";
    long long back = cfg.integer(key::Back_Card);
    if (back == 0) back = 1;
    std::string bgColour = cfg.text(key::Background_Col);
    if (bgColour.empty() || bgColour == "0") bgColour = "2147483663"; // the system button face
    std::string bgPicture = cfg.text(key::Background_bmp);
    if (bgPicture.empty()) bgPicture = "0";

    StateRecord& st = s.engine.state;
    st.write(field::ScoreMode, "01"); // the plain score
    st.writeInt(field::CardSet, card);
    st.writeInt(field::CardBack, back);
    st.write(field::CardSize, size);
    st.write(field::DefaultBackground, cfg.flag(key::Background_def) ? "Y" : "N");
    st.write(field::BackgroundColour, bgColour);
    st.write(field::BackgroundPicture, bgPicture);
    st.writeInt(field::GameId, cfg.integer(key::Game));
    st.write(field::GameName, cfg.text(key::Game_name));

    s.choice.cardSize = size[0];
    s.choice.cardSet = static_cast<int>(card);
    s.choice.back = static_cast<int>(back);
    s.choice.customizedSetName = cfg.text(key::Customized_Cards_Set);
    s.choice.additionalSetName = cfg.text(key::Additional_Cards_Set);
    s.choice.customizedDeck = cfg.text(key::Customized_Deck);
    s.choice.additionalDeck = cfg.text(key::Additional_Deck);
    s.choice.customizedSet = !s.choice.customizedSetName.empty();
    s.choice.additionalSet = !s.choice.customizedSet && !s.choice.additionalSetName.empty();
    s.choice.fewColours = cfg.context().colourBits <= 8;
    s.choice.screenWidth = cfg.context().screenWidth;
    s.choice.dataFolder = s.folder->folder();

    s.background.useDefault = cfg.flag(key::Background_def);
    s.background.fade = cfg.flag(key::Fade_Background);
    s.background.customized = cfg.text(key::Customized_Background);
    s.background.additional = cfg.text(key::Additional_Background);
    s.background.picture = std::atoi(bgPicture.c_str());
    s.background.fixedColour = static_cast<long>(cfg.integer(key::Background_Fixed_Col));
    s.background.colour = std::atol(bgColour.c_str());
    s.background.fewColours = s.choice.fewColours;
    s.background.dataFolder = s.folder->folder();

    const long long cursor = cfg.integer(key::Cursor);
    if (cursor != 10 && s.cursors.count(static_cast<int>(cursor)) && table_)
        table_->setCursor(s.cursors[static_cast<int>(cursor)]);

    s.showTime = cfg.flag(key::Show_Time);
    s.showScore = cfg.flag(key::Show_Score);
    s.statusBar = cfg.flag(key::Statusbar);
    s.vertScrollBar = cfg.flag(key::VertScrollBar);
    s.undoEnabled = static_cast<int>(cfg.integer(key::Undo_Enabled));
    s.autoplayAllGames = static_cast<int>(cfg.integer(key::AutoPlay_All_Games));

    if (cfg.text(key::UserDefault).empty()) {
        cfg.setText(key::UserDefault, "Player 1");
        cfg.setText(key::User001, "Player 1");
        cfg.setText(key::User002, "Player 2");
        cfg.setText(key::User003, "Player 3");
    }
    st.write(field::PlayerName, cfg.text(key::UserDefault));
    if (s.autoplayAllGames == 1) {
        s.engine.play.prefs.autoplay = cfg.flag(key::AutoPlay);
        if (QAction* a = action("mnuAutoplay")) a->setChecked(s.engine.play.prefs.autoplay);
    }

    for (std::string_view name : kPlayPreferences)
        if (const store::SettingKey* k = store::findSettingKey(store::section::kPreference, name))
            s.engine.play.prefs.set(name, cfg.text(*k));

    render::RenderOptions ro;
    ro.shadows = cfg.text(key::Cards_Shadowed) != "N"; // the lift of lifted cards follows it
    ro.highlightMark = static_cast<int>(cfg.integer(key::HighLights_Foundations_Mark));
    ro.highlightColour = static_cast<int>(cfg.integer(key::HighLights_Foundations_Color));
    if (s.renderer) s.renderer->setOptions(ro);
    s.engine.game.dealShown = 0;
    s.renderOptions = ro;
    s.engine.play.prefs.irregularPiles = cfg.text(key::Piles_TT) != "N";

    pnlTempo_->setVisible(s.showTime);
    pnlScore_->setVisible(s.showScore);
    if (QAction* a = action("popShowTime")) a->setEnabled(!s.showTime);
    if (QAction* a = action("popShowScore")) a->setEnabled(!s.showScore);
    sbStatusBar_->setVisible(s.statusBar);
    topArea_->setVisible(s.toolBarVisible);
}

bool TfrmMain::loadImages() {
    MainState& s = *s_;
    s.choice.faceStyle = s.engine.params[prm::FaceStyle];
    if (s.choice.cardSet == 4) s.loader->checkSet004(s.choice);
    if (!s.loader->loadCardImages(s.images, s.choice)) return false;
    s.marks = std::make_unique<render::MarkCache>(*s.loader, s.images, s.choice);
    s.renderer = std::make_unique<render::TableRenderer>(s.images, std::ref(*s.marks));
    s.renderer->setOptions(s.renderOptions);
    s.engine.game.loadedFaceStyle = static_cast<TMainGame::i16>(s.choice.faceStyle);
    return true;
}

void TfrmMain::restoreWindowState() {
    MainState& s = *s_;
    const QSize screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->size() : QSize(1024, 768);
    store::SettingContext ctx;
    ctx.screenWidth = screen.width();
    ctx.screenHeight = screen.height();
    store::Settings cfg(*s.folder, &s.host, ctx);
    namespace key = store::key;
    const int left = static_cast<int>(cfg.integer(key::MainWindowState_Left));
    const int top = static_cast<int>(cfg.integer(key::MainWindowState_Top));
    const int width = std::max(320, static_cast<int>(cfg.integer(key::MainWindowState_Width)));
    const int height = std::max(240, static_cast<int>(cfg.integer(key::MainWindowState_Height)));
    move(left, top);
    resize(width, height);
    if (cfg.flag(key::MainWindowState_Maximized)) {
        // Without a window manager nobody maximises: take the screen's room then.
        if (QScreen* sc = QGuiApplication::primaryScreen()) setGeometry(sc->availableGeometry());
        setWindowState(windowState() | Qt::WindowMaximized);
    }
    const bool full = cfg.flag(key::Full_Screen);

    // No open-game dialog yet: the game of the `Game` setting, else the default.
    int id = static_cast<int>(s.engine.state.readInt(field::GameId));
    if (s.engine.state.read(field::GameId).empty() || id < 0 || s.cat->gameIndex(id) < 0)
        id = catalogue::kDefaultGameId;
    startGame(id);
    if (full) setFullScreen(true);
}

void TfrmMain::firstActivation() {
    if (!firstActivationPending_) return;
    firstActivationPending_ = false;
    updateCaption();
    if (s_->folder) {
        store::convertSettingsAtStartUp(*s_->folder, s_->host);
    }
    table_->update();
}

// ---- caption, score, time ---------------------------------------------------------

QString TfrmMain::captionText() const {
    const StateRecord& st = s_->engine.state;
    QString c = QString::fromLatin1(kProgramTitle) + QLatin1Char(' ') + QLatin1String(kVersion) + QLatin1Char(' ');
    c += QStringLiteral(" [") + QString::fromStdString(st.read(field::GameName)).left(50) + QLatin1Char(']');
    c += QStringLiteral("  [") + QString::fromStdString(st.read(field::PlayerName)).left(30) + QLatin1Char(']');
    const std::string number = st.read(field::GameNumber);
    if (!number.empty()) c += QStringLiteral("  [") + QString::fromStdString(number) + QLatin1Char(']');
    return c;
}

void TfrmMain::updateCaption() {
    const QString c = captionText();
    if (windowTitle() != c) setWindowTitle(c);
}

void TfrmMain::showScore() {
    if (lblScore_) lblScore_->setText(QString::number(currentScore(s_->engine)));
}

void TfrmMain::showTime() {
    if (!lblTime_) return;
    const QString t = QString::fromStdString(formatElapsed(s_->engine.elapsedSeconds, s_->timeSep));
    if (lblTime_->text() != t) lblTime_->setText(t);
}

void TfrmMain::Timer1Timer() {
    if (paused_) return;
    if (s_->pileInfo) s_->pileInfo->timerTick(s_->engine);
    if (s_->tutor) s_->tutor->timerTick();
    if (s_->engine.flags.test(StateFlag::ClockRuns)) {
        clockTick(s_->engine, Clock::now());
        showTime();
    }
}

// Pause stops the clock and keeps the time; the end of the pause goes on from it.
static void pauseClock(Engine& e) {
    if (!e.flags.test(StateFlag::ClockRuns)) return;
    clockTick(e, Clock::now());
    e.flags.clear(StateFlag::ClockRuns);
}

static void continueClock(Engine& e) {
    if (e.flags.test(StateFlag::ClockRuns)) return;
    resumeClock(e, e.elapsedSeconds, Clock::now());
}

void TfrmMain::endCurrentGame(Engine& e) {
    if (!e.flags.test(StateFlag::InProgress)) return;
    WindowEndUi ui(*this);
    GameResults results; // the statistics receivers join with their own parts
    vellamor::endGame(e, results, ui);
    if (s_->pileInfo) s_->pileInfo->hidePanels();
    if (sbStatusBar_) sbStatusBar_->setPanels({});
    showTime();
    updateCommands();
}

void TfrmMain::commandsChanged() { updateCommands(); }

void TfrmMain::settleGame() { endCurrentGame(s_->engine); }

void TfrmMain::mnuQuitGameClick() {
    Engine& e = s_->engine;
    if (!e.flags.test(StateFlag::InProgress) || paused_) return;
    bool confirm = false;
    {
        store::Settings cfg(*s_->folder, nullptr);
        confirm = cfg.text(store::key::ConfirmQuitGame) != "N";
    }
    WindowEndUi ui(*this);
    if (!confirmLeaving(e, ui, confirm)) return;
    endCurrentGame(e);
    redrawTable();
}

// ---- games ------------------------------------------------------------------------

bool TfrmMain::startGame(int id, long long number) {
    MainState& s = *s_;
    Engine& e = s.engine;
    if (!s.cat->loadRuleParams(e.params, id)) return false;
    if (paused_) setPaused(false);
    settleGame();
    e.state.writeInt(field::GameId, id);
    e.state.write(field::GameName, s.cat->name(id));
    e.flags.clear(StateFlag::ClockRuns);
    NewGameOptions o;
    o.randomNumber = number < 0;
    if (number >= 0) setGameNumber(e, number);
    newGame(e, o);
    s.pileInfo->gameDealt(id);
    const int screenWidth = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->size().width() : 1024;
    const bool resized = fitCardsForGame(s.screenFit, s.choice, e, s.host, screenWidth);
    if (resized || e.params[prm::FaceStyle] != s.choice.faceStyle) loadImages();
    {
        store::Settings cfg(*s.folder, &s.host);
        cfg.setInteger(store::key::Game, id);
        cfg.setText(store::key::Game_name, e.state.read(field::GameName));
        cfg.commit();
    }
    e.game.scrollOffset = 0;
    if (scrBarMain_) scrBarMain_->setValue(0);
    layoutTable();
    redrawTable();
    if (s.tutor) s.tutor->gameDealt();
    showScore();
    showTime();
    updateCaption();
    updateCommands();
    return true;
}

void TfrmMain::layoutTable() {
    MainState& s = *s_;
    if (!s.renderer || !table_) return;
    Engine& e = s.engine;
    setCardSpacing(e, s.images.size.letter);
    const QSize screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->size() : QSize(1024, 768);
    LayoutInput in;
    in.cardWidth = s.images.size.width;
    in.cardHeight = s.images.size.height;
    const int viewW = std::max(100, table_->width());
    const int viewH = std::max(100, table_->height());
    const int statusH = sbStatusBar_->isVisible() ? sbStatusBar_->height() : 0;
    in.tableWidth = viewW;
    in.clientHeight = viewH + statusH;
    in.windowHeight = in.clientHeight + (frameGeometry().height() - geometry().height()) +
                      (menuBar()->isVisible() ? menuBar()->height() : 0);
    in.usableHeight = viewH;
    in.statusAllowance = 0;
    in.topOffset = 0;
    in.screenWidth = screen.width();
    in.screenHeight = screen.height();
    in.cardsShadowed = s.renderOptions.shadows;
    in.pilesIrregular = e.play.prefs.irregularPiles;
    vellamor::layoutTable(e, in);
    s.renderer->newLayout();
    s.renderer->resize(viewW, viewH);
    paintBackground(s.renderer->background(), s.background, *s.packs, s.host);
}

// The labels of "Show piles' info" stay until the table is next drawn or clicked.
void TfrmMain::hidePileLabels() {
    if (!s_->pileLabelsShown) return;
    table_->clearOverlay();
    s_->pileLabelsShown = false;
}

void TfrmMain::redrawTable() {
    MainState& s = *s_;
    if (!s.renderer || !table_) return;
    hidePileLabels();
    s.renderer->redrawAll(s.engine);
    if (s.renderer->tableHeight() > s.renderer->table().height()) {
        // Taller than its bitmap: room for the whole table, then draw it again.
        s.renderer->resize(s.renderer->table().width(), s.renderer->tableHeight() + kTableSlack);
        paintBackground(s.renderer->background(), s.background, *s.packs, s.host);
        s.renderer->redrawAll(s.engine);
    }
    if (s.tutor) s.tutor->tableRedrawn();
    table_->setTableImage(&s.renderer->table());
    updateScrollBar();
    table_->update();
}

void TfrmMain::updateScrollBar() {
    MainState& s = *s_;
    // The table as drawn since the last layout.
    const int total = s.renderer->tableHeight() + 5;
    const int view = table_->height();
    const bool show = s.vertScrollBar && !fullScreen() && total > view;
    scrBarMain_->blockSignals(true);
    scrBarMain_->setRange(0, show ? total - view + 10 : 0);
    scrBarMain_->setPageStep(view);
    scrBarMain_->setSingleStep(kWheelStep);
    scrBarMain_->setValue(s.engine.game.scrollOffset);
    scrBarMain_->blockSignals(false);
    // Its own state, not isVisible(): before the window first shows, no child is visible.
    if (scrBarMain_->isHidden() == show) scrBarMain_->setVisible(show);
}

void TfrmMain::scrollTo(int offset) {
    Engine& e = s_->engine;
    offset = std::clamp(offset, 0, scrBarMain_->maximum());
    if (offset == e.game.scrollOffset) return;
    e.game.scrollOffset = static_cast<TMainGame::i16>(offset);
    redrawTable();
}

void TfrmMain::tableWheel(int angleDelta) {
    if (!scrBarMain_->isVisible()) return;
    scrollTo(scrBarMain_->value() - angleDelta / 120 * kWheelStep);
}

void TfrmMain::updateCommands() {
    if (!initialised_) return;
    const Engine& e = s_->engine;
    const bool inProgress = e.flags.test(StateFlag::InProgress);
#ifdef VELLAMOR_HAVE_UNDO
    const bool undoOn = s_->undoEnabled != 2;
    action("mnuUndo")->setEnabled(undoOn && inProgress && !e.undoLog.empty());
    action("mnuRedo")->setEnabled(undoOn && inProgress && !e.redoLog.empty());
#else
    action("mnuUndo")->setEnabled(false);
    action("mnuRedo")->setEnabled(false);
#endif
    action("mnuPause")->setEnabled(inProgress);
    action("mnuQuitGame")->setEnabled(inProgress);
    action("mnuShowHiddenCards")->setEnabled(inProgress);
    action("mnuShowPilesInfo")->setEnabled(inProgress);
    for (const char* name : {"mnuGameStatistics", "mnuHiScores", "mnuLogStatistics", "mnuOverallChampions"})
        action(name)->setEnabled(statisticsDisabled());
    if (s_->tutor) s_->tutor->updateCommands();
}

// ---- the mouse and the keys --------------------------------------------------------

namespace {
void findCard(const Engine& e, int card, std::optional<PileId>& pile, int& index) {
    for (int line = 0; line < kPileLines; ++line) {
        const Pile& p = e.table.line(line);
        const int i = p.find(card);
        if (i >= 0) {
            pile = pileOfLine(line);
            index = i;
            return;
        }
    }
}
} // namespace

void TfrmMain::tableMouse(TableEvent ev, bool right, bool ctrl, QPoint at) {
    MainState& s = *s_;
    Engine& e = s.engine;
    if (paused_ || !initialised_) return;
    PlayerInput& input = table_->input();
    switch (ev) {
    case TableEvent::Down: {
        s.pileInfo->hidePanels();
        hidePileLabels();
        s.before = e.table;
        s.beforeCards = e.cards;
        input.mouseDown(right ? MouseButton::Right : MouseButton::Left, ctrl, at.x(), at.y());
        if (!right && e.game.cardInHand && !e.game.clickToMove) {
            // Lift the block: draw its source pile without it, and the block at the pointer.
            const int card = e.game.cardInHand;
            std::optional<PileId> pile;
            int index = 0;
            findCard(e, card, pile, index);
            if (pile) {
                Pile& p = e.table.pile(*pile);
                const Pile before = p;
                const int n = p.size();
                QRect bounds;
                std::vector<std::pair<int, QPoint>> cards;
                for (int i = index; i < n; ++i) {
                    const Point pos = cardPosition(e, *pile, n - 1 - i);
                    const QPoint q(pos.x, pos.y);
                    cards.emplace_back(p[i], q);
                    bounds = bounds.united(QRect(q, QSize(e.game.cardWidth, e.game.cardHeight)));
                }
                QImage block(bounds.size(), QImage::Format_ARGB32_Premultiplied);
                block.fill(Qt::transparent);
                {
                    QPainter bp(&block);
                    for (const auto& [code, q] : cards)
                        if (const QImage* face = e.cards.faceUp(code) ? s.renderer->faceOf(code) : &s.images.back)
                            bp.drawImage(q - bounds.topLeft(), *face);
                }
                p.truncate(index);
                s.renderer->repaintPile(e, *pile, before);
                p = before;
                s.dragPile = pile;
                table_->setDragImage(block, at - bounds.topLeft());
            }
        } else {
            afterPlayerAction(!(e.table == s.before) || !(e.cards == s.beforeCards));
        }
        break;
    }
    case TableEvent::Move: {
        input.mouseMove(at.x(), at.y());
        if (e.game.cardInHand && scrBarMain_->isVisible()) {
            if (at.y() < 5) scrollTo(scrBarMain_->value() - scrBarMain_->pageStep());
            else if (at.y() > table_->height() - 5) scrollTo(scrBarMain_->value() + scrBarMain_->pageStep());
        }
        // The status bar describes the pile under the pointer.
        sbStatusBar_->setPanels(s.pileInfo->pointerMoved(e, at));
        break;
    }
    case TableEvent::Up: {
        if (right) {
            table_->clearOverlay();
            break;
        }
        const bool wasDragging = s.dragPile.has_value();
        const Table beforeUp = wasDragging ? s.before : e.table;
        const CardRecords beforeUpCards = wasDragging ? s.beforeCards : e.cards;
        input.mouseUp(at.x(), at.y());
        s.dragPile.reset();
        table_->clearDrag();
        afterPlayerAction(wasDragging || !(e.table == beforeUp) || !(e.cards == beforeUpCards));
        break;
    }
    case TableEvent::DoubleClick: {
        const Table before = e.table;
        const CardRecords beforeCards = e.cards;
        input.doubleClick();
        afterPlayerAction(!(e.table == before) || !(e.cards == beforeCards));
        // The second press of the double click: after a move made by the double
        // click the engine ignores it, otherwise it picks the card up again.
        tableMouse(TableEvent::Down, false, ctrl, at);
        break;
    }
    }
    // A click changes the pile under the pointer: its texts follow.
    if (ev != TableEvent::Move) sbStatusBar_->setPanels(s.pileInfo->statusTexts(e, at));
}

void TfrmMain::afterPlayerAction(bool changed) {
    if (changed) redrawTable();
    showTime();
    showScore();
    updateCommands();
}

void TfrmMain::stockShownPressed(bool) { redrawTable(); }

void TfrmMain::revealCard(int card) {
    MainState& s = *s_;
    CardPlace place;
    if (!placeOfCard(s.engine, card, place)) return;
    if (const QImage* face = s.renderer->faceOf(card)) table_->setOverlay(*face, QPoint(place.at.x, place.at.y));
}

void TfrmMain::popupMain(int x, int y) {
    if (popMain_) popMain_->popup(table_->mapToGlobal(QPoint(x, y)));
}

void TfrmMain::keyPressEvent(QKeyEvent* ev) {
    Engine& e = s_->engine;
    char key = 0;
    if (ev->key() == Qt::Key_Space) key = ' ';
    else if (ev->key() == Qt::Key_Escape) key = 27;
    else if (ev->key() == Qt::Key_M && ev->modifiers() == Qt::NoModifier && !paused_) {
        // The same as the menu command: the arrow is drawn and a demo ends.
        if (QAction* legal = action("mnuShowLegalMove"); legal->isEnabled()) legal->trigger();
        return;
    }
    if (!key || paused_) {
        QMainWindow::keyPressEvent(ev);
        return;
    }
    const Table before = e.table;
    const CardRecords beforeCards = e.cards;
    table_->input().keyPress(key);
    afterPlayerAction(!(e.table == before) || !(e.cards == beforeCards));
}

// ---- building the window ------------------------------------------------------------

QAction* TfrmMain::addCommand(QMenu* menu, std::string_view name, const QString& caption,
                              const QKeySequence& shortcut, bool enabled) {
    auto* a = new QAction(caption, this);
    if (!shortcut.isEmpty()) a->setShortcut(shortcut);
    QString hint = caption;
    hint.remove(QLatin1Char('&'));
    if (hint.endsWith(QLatin1String("..."))) hint.chop(3);
    a->setStatusTip(QLatin1Char(' ') + hint); // menu hints start with a blank
    a->setEnabled(enabled);
    if (menu) menu->addAction(a);
    // The window keeps every shortcut, also while the menu bar is gone (full screen).
    addAction(a);
    actions_[std::string(name)] = a;
    return a;
}

void TfrmMain::buildPanels() {
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    topArea_ = new QWidget(central);
    auto* top = new QHBoxLayout(topArea_);
    top->setContentsMargins(2, 1, 2, 1);
    top->setSpacing(4);
    coolBarToolBarLarge_ = new QWidget(topArea_);
    coolBarToolBarSmall_ = new QWidget(topArea_);
    top->addWidget(coolBarToolBarLarge_);
    top->addWidget(coolBarToolBarSmall_);
    top->addStretch(1);
    const auto panel = [&](const QString& caption, QLabel*& value) {
        auto* p = new QFrame(topArea_);
        p->setFrameShape(QFrame::StyledPanel);
        p->setFrameShadow(QFrame::Sunken);
        auto* row = new QHBoxLayout(p);
        row->setContentsMargins(6, 0, 6, 0);
        row->setSpacing(4);
        row->addWidget(new QLabel(caption, p));
        value = new QLabel(p);
        value->setMinimumWidth(52);
        QFont f = value->font();
        f.setBold(true);
        value->setFont(f);
        row->addWidget(value);
        top->addWidget(p, 0, Qt::AlignVCenter);
        p->setContextMenuPolicy(Qt::CustomContextMenu);
        return p;
    };
    pnlTempo_ = panel(QStringLiteral("Time:"), lblTime_);
    pnlTempo_->setObjectName(QStringLiteral("pnlTempo"));
    pnlScore_ = panel(QStringLiteral("Score:"), lblScore_);
    pnlScore_->setObjectName(QStringLiteral("pnlScore"));
    lblScore_->setText(QStringLiteral("0"));
    column->addWidget(topArea_);

    auto* middle = new QWidget(central);
    auto* row = new QHBoxLayout(middle);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    table_ = new TableView(this, s_->engine);
    table_->setObjectName(QStringLiteral("tblTable"));
    table_->installEventFilter(this);
    row->addWidget(table_, 1);
    s_->pileInfo = std::make_unique<PileInfoView>(table_, s_->options.programFolder);
    scrBarMain_ = new QScrollBar(Qt::Vertical, middle);
    scrBarMain_->setVisible(false);
    scrBarMain_->installEventFilter(this);
    connect(scrBarMain_, &QScrollBar::valueChanged, this, [this](int v) { scrollTo(v); });
    row->addWidget(scrBarMain_);
    column->addWidget(middle, 1);

    sbStatusBar_ = new StatusBar(central);
    column->addWidget(sbStatusBar_);
    setCentralWidget(central);
    table_->setFocus();
}

void TfrmMain::buildMenus() {
    QMenuBar* bar = menuBar();
    const QKeySequence none;

    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    connect(addCommand(file, "mnuNew", QStringLiteral("&New game"), QKeySequence(Qt::Key_F2)), &QAction::triggered,
            this, &TfrmMain::mnuNewClick);
    addCommand(file, "mnuOpen", QStringLiteral("&Open a game..."), QKeySequence(Qt::CTRL | Qt::Key_F12), false);
    addCommand(file, "mnuFastSearch", QStringLiteral("Games &Fast Search..."), none, false);
    addCommand(file, "mnuRestart", QStringLiteral("&Restart game"), QKeySequence(Qt::CTRL | Qt::Key_F2), false);
    addCommand(file, "mnuGameNumber", QStringLiteral("S&elect a game number..."), QKeySequence(Qt::Key_F3), false);
    QMenu* random = file->addMenu(QStringLiteral("R&andom game"));
    addCommand(random, "mnuRandomFavorite", QStringLiteral("From &favorite games"),
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F), false);
    addCommand(random, "mnuRandomAll", QStringLiteral("From &all games"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A),
               false);
    QMenu* types = random->addMenu(QStringLiteral("From game type"));
    types->setEnabled(false);
    for (const catalogue::Category& c : catalogue::categories())
        if (c.number != catalogue::kCustomCategory) {
            QAction* a = types->addAction(qs(c.text));
            a->setData(c.number);
            a->setEnabled(false);
        }
    file->addSeparator();
    addCommand(file, "mnuSave", QStringLiteral("&Save..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F12), false);
    file->addSeparator();
    addCommand(file, "mnuPlayers", QStringLiteral("&Players..."), QKeySequence(Qt::CTRL | Qt::Key_L), false);
    file->addSeparator();
    addCommand(file, "mnuHoldAndExit", QStringLiteral("&Hold and exit..."), none, false);
    connect(addCommand(file, "mnuExit", QStringLiteral("E&xit")), &QAction::triggered, this, &TfrmMain::mnuExitClick);

    QMenu* game = bar->addMenu(QStringLiteral("&Game"));
    connect(addCommand(game, "mnuUndo", QStringLiteral("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z)), &QAction::triggered,
            this, &TfrmMain::mnuUndoClick);
    connect(addCommand(game, "mnuRedo", QStringLiteral("&Redo"), QKeySequence(Qt::CTRL | Qt::Key_Y)), &QAction::triggered,
            this, &TfrmMain::mnuRedoClick);
    game->addSeparator();
    addCommand(game, "mnuInsertBookmark", QStringLiteral("Insert &bookmark"), none, false);
    addCommand(game, "mnuGoToBookmark", QStringLiteral("Go &to bookmark"), none, false);
    game->addSeparator();
    QAction* pause = addCommand(game, "mnuPause", QStringLiteral("P&ause"), QKeySequence(Qt::CTRL | Qt::Key_P));
    pause->setCheckable(true);
    connect(pause, &QAction::triggered, this, &TfrmMain::mnuPauseClick);
    connect(addCommand(game, "mnuQuitGame", QStringLiteral("&Quit game"), QKeySequence(Qt::CTRL | Qt::Key_Q)),
            &QAction::triggered, this, &TfrmMain::mnuQuitGameClick);
    game->addSeparator();
    addCommand(game, "mnuAutoplay", QStringLiteral("Auto&play"), QKeySequence(Qt::Key_F7), false)->setCheckable(true);
    QMenu* multi = game->addMenu(QStringLiteral("Multi-Player Mode"));
    addCommand(multi, "mnuStartMultiPlayer", QStringLiteral("Start Multi-Player Mode"), none, false);
    addCommand(multi, "mnuMultiPlayerStatistics", QStringLiteral("Statistics"), none, false);
    addCommand(multi, "mnuQuitMultiPlayer", QStringLiteral("Quit Multi-Player Mode"), none, false);
    QMenu* tutor = game->addMenu(QStringLiteral("Tut&or"));
    // M is the window's key (also in full screen), not a menu shortcut: the
    // menu only shows it.
    QAction* legal = addCommand(tutor, "mnuShowLegalMove", QStringLiteral("Show a legal &move"), none, false);
    legal->setText(legal->text() + QStringLiteral("\tM"));
    addCommand(tutor, "mnuGameDemo", QStringLiteral("Game &Demo"), none, false);
    addCommand(tutor, "mnuShowPilesInfo", QStringLiteral("Show piles' info"), none, false);
    QAction* hidden = addCommand(tutor, "mnuShowHiddenCards", QStringLiteral("Show hidden cards"));
    hidden->setCheckable(true);
    connect(hidden, &QAction::triggered, this, &TfrmMain::mnuShowHiddenCardsClick);
    game->addSeparator();
    QAction* full = addCommand(game, "mnuFullScreen", QStringLiteral("Full Screen"), QKeySequence(Qt::Key_F11));
    full->setCheckable(true);
    connect(full, &QAction::triggered, this, &TfrmMain::mnuFullScreenClick);

    QMenu* series = bar->addMenu(QStringLiteral("&Series"));
    addCommand(series, "mnuSeriesManager", QStringLiteral("Series &Manager..."), none, false);
    addCommand(series, "mnuSeriesNext", QStringLiteral("&Next game"), none, false);
    addCommand(series, "mnuSeriesDisplay", QStringLiteral("Series &Display"), none, false)->setCheckable(true);
    addCommand(series, "mnuSeriesSituation", QStringLiteral("S&ituation..."), none, false);
    addCommand(series, "mnuSeriesHiScores", QStringLiteral("Se&ries Hi-Scores..."), none, false);
    addCommand(series, "mnuSeriesQuit", QStringLiteral("&Quit Series"), none, false);

    QMenu* stats = bar->addMenu(QStringLiteral("S&tatistics"));
    connect(addCommand(stats, "mnuGameStatistics", QStringLiteral("&Game statistics..."), QKeySequence(Qt::Key_F4)),
            &QAction::triggered, this, &TfrmMain::mnuStatisticsClick);
    connect(addCommand(stats, "mnuHiScores", QStringLiteral("&Hi-Scores..."), QKeySequence(Qt::Key_F9)),
            &QAction::triggered, this, &TfrmMain::mnuStatisticsClick);
    connect(addCommand(stats, "mnuLogStatistics", QStringLiteral("&Log statistics...")), &QAction::triggered, this,
            &TfrmMain::mnuStatisticsClick);
    addCommand(stats, "mnuGameInformation", QStringLiteral("Game &information..."), QKeySequence(Qt::Key_F5), false);
    QMenu* publish = stats->addMenu(QStringLiteral("Publish statistics on the &Web"));
    connect(addCommand(publish, "mnuOverallChampions", QStringLiteral("\"&Overall Score\" Champions...")),
            &QAction::triggered, this, &TfrmMain::mnuStatisticsClick);
    addCommand(publish, "mnuSingleChampions", QStringLiteral("\"&Single Game\" Champions..."), none, false);

    QMenu* fav = bar->addMenu(QStringLiteral("F&avorites"));
    addCommand(fav, "mnuAddFavorite", QStringLiteral("&Add to Favorites..."), QKeySequence(Qt::CTRL | Qt::Key_A), false);
    addCommand(fav, "mnuOrganizeFavorites", QStringLiteral("&Organize Favorites..."), QKeySequence(Qt::CTRL | Qt::Key_F),
               false);

    QMenu* tools = bar->addMenu(QStringLiteral("T&ools"));
    addCommand(tools, "mnuCustomize", QStringLiteral("C&ustomize..."), QKeySequence(Qt::CTRL | Qt::Key_U), false);
    addCommand(tools, "mnuRulesWizard", QStringLiteral("&Rules Wizard..."), QKeySequence(Qt::CTRL | Qt::Key_R), false);
    addCommand(tools, "mnuCardCounter", QStringLiteral("&Card Counter..."), QKeySequence(Qt::Key_F8), false)
        ->setCheckable(true);
    addCommand(tools, "mnuComments", QStringLiteral("Co&mments..."), none, false);

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    connect(addCommand(help, "mnuRules", QStringLiteral("&Rules"), QKeySequence(Qt::Key_F1)), &QAction::triggered, this,
            &TfrmMain::mnuRulesClick);
    connect(addCommand(help, "mnuContents", QStringLiteral("&Contents")), &QAction::triggered, this,
            &TfrmMain::mnuContentsClick);
    addCommand(help, "mnuTipOfTheDay", QStringLiteral("&Tip of the Day..."), none, false);
    QMenu* web = help->addMenu(replacePlaceholders(QStringLiteral("[Program] on the &Web...")));
    QAction* home = addCommand(web, "mnuHomePage", replacePlaceholders(QStringLiteral("[Program] &Home Page")));
    home->setData(QString::fromLatin1(kHomePage));
    QAction* news = addCommand(web, "mnuProductNews", QStringLiteral("&Product News"));
    news->setData(QString::fromLatin1(kNewsPage));
    for (QAction* a : {home, news}) connect(a, &QAction::triggered, this, [this, a] {
        showInformation(this, QStringLiteral("Vellamor 2003 will now open our Web site's download page."));
        QDesktopServices::openUrl(QUrl(a->data().toString()));
    });
    help->addSeparator();
    addCommand(help, "mnuAbout", replacePlaceholders(QStringLiteral("A&bout [Program]...")), none, false);

    // The table's pop-up menu.
    popMain_ = new QMenu(this);
    popMain_->setObjectName(QStringLiteral("popMain"));
    addCommand(popMain_, "popGameInformation", QStringLiteral("Game information..."), none, false);
    addCommand(popMain_, "popFavorites", QStringLiteral("Favorite games..."), none, false);
    popMain_->addSeparator();
    addCommand(popMain_, "popChangeCardSet", QStringLiteral("Change card set"), none, false);
    addCommand(popMain_, "popChangeDeck", QStringLiteral("Change deck"), none, false);
    addCommand(popMain_, "popChangeBackground", QStringLiteral("Change background"), none, false);
    popMain_->addSeparator();
    popMain_->addAction(pause);
    popMain_->addAction(action("mnuQuitGame"));
    popMain_->addAction(action("mnuCardCounter"));
    for (QAction* a : popMain_->actions())
        if (a->text() == QLatin1String("&Quit game")) a->setText(QStringLiteral("Quit game"));

    // The tool bars' pop-up menu.
    popTB_ = new QMenu(this);
    popTB_->setObjectName(QStringLiteral("popTB"));
    auto* sizeGroup = new QActionGroup(this);
    QAction* large = addCommand(popTB_, "popLargeIcons", QStringLiteral("Large icons"));
    QAction* small = addCommand(popTB_, "popSmallIcons", QStringLiteral("Small icons"));
    popTB_->addSeparator();
    auto* flatGroup = new QActionGroup(this);
    QAction* flat = addCommand(popTB_, "popFlat", QStringLiteral("Flat button"));
    QAction* noFlat = addCommand(popTB_, "popNoFlat", QStringLiteral("No flat button"));
    popTB_->addSeparator();
    auto* styleGroup = new QActionGroup(this);
    QAction* xp = addCommand(popTB_, "popXP", QStringLiteral("XP style"));
    QAction* win98 = addCommand(popTB_, "popWin98", QStringLiteral("Win 98 style"));
    popTB_->addSeparator();
    QAction* showTime = addCommand(popTB_, "popShowTime", QStringLiteral("Show time"));
    QAction* showScore = addCommand(popTB_, "popShowScore", QStringLiteral("Show score"));
    for (auto [g, a] : {std::pair{sizeGroup, large}, std::pair{sizeGroup, small}, std::pair{flatGroup, flat},
                        std::pair{flatGroup, noFlat}, std::pair{styleGroup, xp}, std::pair{styleGroup, win98}}) {
        a->setCheckable(true);
        g->addAction(a);
    }
    flat->setChecked(true);
    const auto writeFlag = [this](const store::SettingKey& k, bool on) {
        store::Settings cfg(*s_->folder, &s_->host);
        cfg.setFlag(k, on);
        cfg.commit();
    };
    connect(large, &QAction::triggered, this, [this, writeFlag] {
        applyToolBarOptions(true, s_->toolBarFlat);
        writeFlag(store::key::ToolBar_Large, true);
    });
    connect(small, &QAction::triggered, this, [this, writeFlag] {
        applyToolBarOptions(false, s_->toolBarFlat);
        writeFlag(store::key::ToolBar_Large, false);
    });
    connect(flat, &QAction::triggered, this, [this, writeFlag] {
        applyToolBarOptions(s_->toolBarLarge, true);
        writeFlag(store::key::ToolBar_Flat, true);
    });
    connect(noFlat, &QAction::triggered, this, [this, writeFlag] {
        applyToolBarOptions(s_->toolBarLarge, false);
        writeFlag(store::key::ToolBar_Flat, false);
    });
    connect(xp, &QAction::triggered, this, [this, writeFlag] {
        s_->toolBarXP = true;
        writeFlag(store::key::ToolBar_XP, true);
        buildToolBars();
    });
    connect(win98, &QAction::triggered, this, [this, writeFlag] {
        s_->toolBarXP = false;
        writeFlag(store::key::ToolBar_XP, false);
        buildToolBars();
    });
    const auto togglePanel = [this, writeFlag](bool time, bool show) {
        QWidget* p = time ? pnlTempo_ : pnlScore_;
        p->setVisible(show);
        (time ? s_->showTime : s_->showScore) = show;
        action(time ? "popShowTime" : "popShowScore")->setEnabled(!show);
        writeFlag(time ? store::key::Show_Time : store::key::Show_Score, show);
        arrangeTopArea();
    };
    connect(showTime, &QAction::triggered, this, [togglePanel] { togglePanel(true, true); });
    connect(showScore, &QAction::triggered, this, [togglePanel] { togglePanel(false, true); });
    popTime_ = new QMenu(this);
    popTime_->setObjectName(QStringLiteral("popTime"));
    connect(addCommand(popTime_, "popHideTime", QStringLiteral("&Hide")), &QAction::triggered, this,
            [togglePanel] { togglePanel(true, false); });
    popScore_ = new QMenu(this);
    popScore_->setObjectName(QStringLiteral("popScore"));
    connect(addCommand(popScore_, "popHideScore", QStringLiteral("Hide")), &QAction::triggered, this,
            [togglePanel] { togglePanel(false, false); });
    connect(pnlTempo_, &QWidget::customContextMenuRequested, this,
            [this](QPoint p) { popTime_->popup(pnlTempo_->mapToGlobal(p)); });
    connect(pnlScore_, &QWidget::customContextMenuRequested, this,
            [this](QPoint p) { popScore_->popup(pnlScore_->mapToGlobal(p)); });
}

void TfrmMain::buildToolBars() {
    MainState& s = *s_;
    const std::string prefix = s.toolBarXP ? "" : "2000_";
    struct Button {
        const char* image;
        const char* command;
        const char* hint;
        bool hasDisabled, large;
        const char* caption; // under the large buttons
    };
    static constexpr Button kButtons[] = {
        {"NEW", "mnuNew", "Start a new game", false, true, "New"},
        {"OPEN", "mnuOpen", "Select a new game", false, true, "Open"},
        {nullptr, nullptr, nullptr, false, true, nullptr},
        {"RESTART", "mnuRestart", "Restart the current game", true, true, "Restart"},
        {"SAVE", "mnuSave", "Save", true, false, "Save"},
        {nullptr, nullptr, nullptr, false, true, nullptr},
        {"UNDO", "mnuUndo", "Undo", true, true, "Undo"},
        {"REDO", "mnuRedo", "Redo", true, true, "Redo"},
        {"AUTOPLAY", "mnuAutoplay", "Autoplay", true, true, "Autoplay"},
        {nullptr, nullptr, nullptr, false, true, nullptr},
        {"STAT", "mnuGameStatistics", "Statistics", false, true, "Statistics"},
        {"RULES", "mnuRules", "Game Rules", false, true, "Rules"},
        {nullptr, nullptr, nullptr, false, true, nullptr},
        {"EXIT", "mnuExit", "Exit", false, true, "Exit"},
    };
    const auto picture = [&](const std::string& name) {
        QImage img;
        if (!s.packs || !s.packs->loadBitmap(img, name)) return QPixmap();
        QPixmap pm = QPixmap::fromImage(img);
        if (!img.hasAlphaChannel()) pm.setMask(pm.createMaskFromColor(img.pixelColor(0, 0), Qt::MaskInColor));
        return pm;
    };
    for (int large = 0; large < 2; ++large) {
        QWidget* holder = large ? coolBarToolBarLarge_ : coolBarToolBarSmall_;
        delete holder->layout();
        qDeleteAll(holder->findChildren<QToolBar*>(Qt::FindDirectChildrenOnly));
        auto* lay = new QHBoxLayout(holder);
        lay->setContentsMargins(0, 0, 0, 0);
        auto* tb = new QToolBar(holder);
        tb->setObjectName(large ? QStringLiteral("toolBarLarge") : QStringLiteral("toolBarSmall"));
        if (large) toolBarLarge_ = tb;
        tb->setMovable(false);
        tb->setIconSize(large ? QSize(24, 24) : QSize(16, 16));
        tb->setToolButtonStyle(large ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
        tb->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(tb, &QWidget::customContextMenuRequested, this, [this, tb](QPoint p) { popTB_->popup(tb->mapToGlobal(p)); });
        lay->addWidget(tb);
        const std::string size = large ? "_LARGE" : "_SMALL";
        QAction* restore = tb->addAction(QIcon(picture(prefix + "TB_RESTORE_AFTER_F11" + size)), QStringLiteral("Restore"));
        restore->setObjectName(large ? QStringLiteral("tbRestoreAfterFS_Large") : QStringLiteral("tbRestoreAfterFS_Small"));
        restore->setVisible(fullScreen());
        connect(restore, &QAction::triggered, this, [this] { setFullScreen(false); });
        for (const Button& b : kButtons) {
            if (large && !b.large) continue;
            if (!b.image) {
                tb->addSeparator();
                continue;
            }
            QAction* command = action(b.command);
            const std::string base = prefix + "TB_" + b.image + size;
            QIcon icon(picture(base));
            if (b.hasDisabled) icon.addPixmap(picture(base + "_DIS"), QIcon::Disabled);
            QAction* button = tb->addAction(icon, large ? QString::fromLatin1(b.caption) : QString());
            button->setToolTip(QString::fromLatin1(b.hint));
            button->setEnabled(command->isEnabled());
            button->setCheckable(command->isCheckable());
            button->setChecked(command->isChecked());
            connect(command, &QAction::changed, button, [button, command] {
                button->setEnabled(command->isEnabled());
                button->setChecked(command->isChecked());
            });
            connect(button, &QAction::triggered, this, [this, command] {
                if (table_) table_->repaint(); // the window repaints first
                command->trigger();
            });
        }
    }
    applyToolBarOptions(s.toolBarLarge, s.toolBarFlat);
}

void TfrmMain::applyToolBarOptions(bool large, bool flat) {
    MainState& s = *s_;
    s.toolBarLarge = large;
    s.toolBarFlat = flat;
    coolBarToolBarLarge_->setVisible(large);
    coolBarToolBarSmall_->setVisible(!large);
    if (QAction* a = action(large ? "popLargeIcons" : "popSmallIcons")) a->setChecked(true);
    if (QAction* a = action(flat ? "popFlat" : "popNoFlat")) a->setChecked(true);
    for (QToolButton* b : findChildren<QToolButton*>()) b->setAutoRaise(flat);
    for (QWidget* p : {pnlTempo_, pnlScore_}) p->setFixedHeight(large ? 24 : 20);
    if (toolBarLarge_) {
        toolBarLarge_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        for (QToolButton* b : toolBarLarge_->findChildren<QToolButton*>()) b->setMinimumWidth(largeButtonWidth());
        largeCaptionsWidth_ = toolBarLarge_->sizeHint().width();
        // The bar keeps its height when it drops its captions: the table does not jump.
        coolBarToolBarLarge_->setMinimumHeight(toolBarLarge_->sizeHint().height());
    }
    arrangeTopArea();
}

// Large buttons are 46 pixels wide on screens narrower than 650 pixels, else 50.
int TfrmMain::largeButtonWidth() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen && screen->size().width() < 650 ? 46 : 50;
}

void TfrmMain::arrangeTopArea() {
    fitLargeToolBar();
    if (topArea_) topArea_->updateGeometry();
}

// The large buttons keep their captions while the whole bar fits beside the
// time and score panels; in a narrower window they show their pictures only
// (the captions stay as tool tips), so that no button is cut off. The choice
// depends on the window's width alone, never on the bar's own size.
void TfrmMain::fitLargeToolBar() {
    if (!toolBarLarge_ || !topArea_) return;
    int room = width();
    for (QWidget* p : {pnlTempo_, pnlScore_})
        if (p && !p->isHidden()) room -= p->sizeHint().width() + 6;
    const bool captions = room >= largeCaptionsWidth_;
    const Qt::ToolButtonStyle style = captions ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly;
    if (toolBarLarge_->toolButtonStyle() == style) return;
    toolBarLarge_->setToolButtonStyle(style);
    // Without captions the buttons take the width of their pictures.
    const int buttonWidth = captions ? largeButtonWidth() : 0;
    for (QToolButton* b : toolBarLarge_->findChildren<QToolButton*>()) b->setMinimumWidth(buttonWidth);
}

// ---- commands ---------------------------------------------------------------------

void TfrmMain::mnuNewClick() {
    Engine& e = s_->engine;
    if (s_->sounds) s_->sounds->playWithoutInterrupting("New");
    int id = static_cast<int>(e.state.readInt(field::GameId));
    if (s_->cat->gameIndex(id) < 0) id = catalogue::kDefaultGameId;
    startGame(id);
}

void TfrmMain::mnuUndoClick() {
#ifdef VELLAMOR_HAVE_UNDO
    if (paused_ || !action("mnuUndo")->isEnabled()) return;
    if (undo(s_->engine)) redrawTable();
    showScore();
    updateCommands();
#endif
}

void TfrmMain::mnuRedoClick() {
#ifdef VELLAMOR_HAVE_UNDO
    if (paused_ || !action("mnuRedo")->isEnabled()) return;
    if (redo(s_->engine)) redrawTable();
    showScore();
    updateCommands();
#endif
}

void TfrmMain::mnuPauseClick() { setPaused(!paused_); }

void TfrmMain::setPaused(bool on) {
    MainState& s = *s_;
    Engine& e = s.engine;
    if (on == paused_) return;
    if (on && !e.flags.test(StateFlag::InProgress)) {
        action("mnuPause")->setChecked(false);
        return;
    }
    paused_ = on;
    action("mnuPause")->setChecked(on);
    s.pileInfo->hidePanels();
    if (on) {
        pauseClock(e);
        // Only the background shows: pure green, faded, and the two pictures.
        const QSize size = table_->size();
        s.pausedImage = QImage(size, QImage::Format_RGB32);
        render::paintFade(s.pausedImage, render::platformColour(render::kDefaultGreen), size.height());
        QPainter p(&s.pausedImage);
        const auto it1 = s.icons.find(std::string_view("BMP_PAUSE_1"));
        const auto it2 = s.icons.find(std::string_view("BMP_PAUSE_2"));
        if (it1 != s.icons.end() && it2 != s.icons.end()) {
            const QImage& a = it1->second;
            const QImage& b = it2->second;
            // Places in window coordinates, drawn in the table's.
            const int top = table_->mapTo(this, QPoint(0, 0)).y();
            const int w = width(), h = height();
            const int x1 = std::max(5, (w - a.width()) / 2);
            const int y1 = std::max(100, (h - a.height() - b.height() - 45) / 2);
            const int x2 = std::max(5, (w - b.width()) / 2);
            p.drawImage(x1, y1 - top, a);
            p.drawImage(x2, y1 + a.height() + 15 - top, b);
        }
        p.end();
        table_->clearDrag();
        table_->setPausedImage(&s.pausedImage);
        qApp->installEventFilter(this);
    } else {
        qApp->removeEventFilter(this);
        table_->setPausedImage(nullptr);
        if (e.flags.test(StateFlag::InProgress) && !e.flags.test(StateFlag::Won)) continueClock(e);
        redrawTable();
    }
    table_->update();
    showTime();
}


bool TfrmMain::eventFilter(QObject* watched, QEvent* ev) {
    if (watched == table_ && ev->type() == QEvent::Resize) {
        // The table area changed size: lay the table out anew and redraw it.
        if (initialised_ && !closing_) {
            if (paused_) {
                setPaused(false);
                setPaused(true);
            } else {
                layoutTable();
                redrawTable();
            }
        }
        return false;
    }
    if (watched == scrBarMain_ && ev->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(ev)->key() == Qt::Key_Space) {
        keyPressEvent(static_cast<QKeyEvent*>(ev));
        return true;
    }
    if (paused_ && (ev->type() == QEvent::MouseButtonPress || ev->type() == QEvent::KeyPress)) {
        // While paused any click or key ends the pause and does nothing else.
        QTimer::singleShot(0, this, [this] { setPaused(false); });
        return true;
    }
    return QMainWindow::eventFilter(watched, ev);
}

bool TfrmMain::fullScreen() const { return s_->fullScreen.fullscreen(); }

void TfrmMain::mnuFullScreenClick() { setFullScreen(!fullScreen()); }

void TfrmMain::setFullScreen(bool on) {
    MainState& s = *s_;
    if (on == fullScreen()) return;
    hide();
    action("mnuFullScreen")->setChecked(on);
    menuBar()->setVisible(!on);
    if (on) s.scrollShownBeforeFullScreen = scrBarMain_->isVisible();
    s.fullScreen.setFullscreen(on);
    for (QAction* a : findChildren<QAction*>())
        if (a->objectName().startsWith(QLatin1String("tbRestoreAfterFS"))) a->setVisible(on);
    arrangeTopArea();
    show();
    raise();
    activateWindow();
    layoutTable();
    redrawTable();
    if (on)
        store::confirmOnce(s.settingsPath(), s.host,
                           "To turn off full-screen mode and switch to the regular view, press F11 or Esc.",
                           store::key::Full_Screen_Help.name, false);
}

void TfrmMain::mnuShowHiddenCardsClick() {
    MainState& s = *s_;
    Engine& e = s.engine;
    QAction* a = action("mnuShowHiddenCards");
    if (!e.flags.test(StateFlag::InProgress)) {
        a->setChecked(false);
        return;
    }
    if (a->isChecked()) {
        bool any = false;
        for (int line = 0; line < kPileLines && !any; ++line)
            for (int code : e.table.line(line))
                if (code && !e.cards.faceUp(code)) {
                    any = true;
                    break;
                }
        if (!any) {
            a->setChecked(false);
            showInformation(this, QStringLiteral("No hidden cards to show."));
            return;
        }
    }
    s.renderOptions.showHidden = a->isChecked();
    s.renderer->setOptions(s.renderOptions);
    redrawTable();
}

bool TfrmMain::statisticsDisabled() {
    store::Settings cfg(*s_->folder, nullptr);
    return cfg.flag(store::key::Disable_Statistics);
}

void TfrmMain::mnuStatisticsClick() {
    if (statisticsDisabled()) {
        showInformation(this, QStringLiteral("The Statistics are disabled. To enable the Statistics, change the value in "
                                             "the \"Customize\" dialog box."));
        return;
    }
    // The statistics dialogs are not part of the program yet; the commands stay
    // disabled while the statistics are on (updateCommands).
}

namespace {
void showHelpPage(QWidget* owner, const QString& path, const QString& title) {
    if (!QFile::exists(path)) {
        showInformation(owner, QStringLiteral("Cannot find file:\r") + path);
        return;
    }
    auto dlg = createDialog<C_TAdvancedForm>(owner);
    dlg->setWindowTitle(title);
    auto* lay = new QVBoxLayout(dlg.get());
    auto* view = new QTextBrowser(dlg.get());
    view->setSource(QUrl::fromLocalFile(path));
    view->setOpenExternalLinks(true);
    lay->addWidget(view);
    dlg->resize(560, 480);
    dlg->exec();
}
} // namespace

void TfrmMain::mnuRulesClick() {
    const int id = static_cast<int>(s_->engine.state.readInt(field::GameId));
    const QString path = QString::fromStdString(s_->options.programFolder) + QStringLiteral("help/%1.html").arg(id + 3000);
    showHelpPage(this, path, QString::fromStdString(s_->engine.state.read(field::GameName)));
}

void TfrmMain::mnuContentsClick() {
    const QString dir = QString::fromStdString(s_->options.programFolder) + QStringLiteral("help/");
    const QString index = dir + QStringLiteral("index.html");
    showHelpPage(this, QFile::exists(index) ? index : dir + QStringLiteral("3018.html"),
                 QString::fromLatin1(kProgramTitle));
}

void TfrmMain::mnuExitClick() { close(); }

// ---- window events ----------------------------------------------------------------

void TfrmMain::writeWindowState() {
    store::Settings cfg(*s_->folder, &s_->host);
    namespace key = store::key;
    const bool full = fullScreen();
    const bool maximised = isMaximized();
    cfg.setFlag(key::MainWindowState_Maximized, maximised);
    if (!maximised && !full) {
        // The place of the frame and the size inside it, as the start restores
        // them: the window opens where it was left, without creeping.
        cfg.setInteger(key::MainWindowState_Left, x());
        cfg.setInteger(key::MainWindowState_Top, y());
        cfg.setInteger(key::MainWindowState_Width, width());
        cfg.setInteger(key::MainWindowState_Height, height());
    }
    cfg.setFlag(key::Full_Screen, full);
    cfg.commit();
}

void TfrmMain::closeEvent(QCloseEvent* ev) {
    MainState& s = *s_;
    if (!initialised_) {
        ev->accept();
        return;
    }
    // A running demo is stopped first; the window stays.
    if (s.tutor && s.tutor->demoWindow().demo().running()) {
        s.tutor->cancelTutor();
        ev->ignore();
        return;
    }
    bool confirmQuit = false;
    {
        store::Settings cfg(*s.folder, nullptr);
        confirmQuit = cfg.flag(store::key::ConfirmQuit);
    }
    writeWindowState();
    if (confirmQuit && !confirmOkCancel(this, QStringLiteral("Exit Vellamor 2003?"))) {
        ev->ignore();
        return;
    }
    // Closing: settle the game, stop the sounds, write what is kept.
    closing_ = true;
    if (s.tutor) s.tutor->cancelTutor();
    if (paused_) setPaused(false);
    settleGame();
    if (s.sounds) s.sounds->stop();
    {
        store::Settings cfg(*s.folder, &s.host);
        if (s.autoplayAllGames == 1) cfg.setFlag(store::key::AutoPlay, action("mnuAutoplay")->isChecked());
        cfg.setInteger(store::key::Random_Game_Type, cfg.integer(store::key::Random_Game_Type));
        cfg.commit();
    }
    ev->accept();
}

void TfrmMain::resizeEvent(QResizeEvent* ev) {
    // The status bar, the scroll bar and the tool bars follow the layouts; the
    // table follows the resize of its own area (eventFilter).
    QMainWindow::resizeEvent(ev);
    fitLargeToolBar();
}

bool TfrmMain::event(QEvent* ev) {
    switch (ev->type()) {
    case QEvent::StatusTip:
        if (sbStatusBar_) sbStatusBar_->showHint(static_cast<QStatusTipEvent*>(ev)->tip());
        return true;
    case QEvent::WindowActivate:
        if (firstActivationPending_ && initialised_) firstActivation();
        break;
    default: break;
    }
    return QMainWindow::event(ev);
}

} // namespace vellamor::shell
