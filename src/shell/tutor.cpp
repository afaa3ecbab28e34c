#include "shell/tutor.h"

#include "engine/autoplay.h"
#include "engine/engine.h"
#include "engine/hints.h"
#include "layout/card_position.h"
#include "layout/table_geometry.h"
#include "shell/demo_window.h"
#include "shell/hint_arrow.h"
#include "shell/main_window.h"
#include "shell/table_view.h"

#include "catalogue/catalogue.h"
#include "engine/state_record.h"
#include "render/image_packs.h"
#include "store/settings.h"

#include <QAction>
#include <QPixmap>
#include <QTimer>

namespace vellamor::shell {

namespace {

// The autoplay choices of section "Autoplay" as the catalogue reads and writes them.
class SettingsAutoplay final : public catalogue::AutoplaySettings {
public:
    explicit SettingsAutoplay(store::Settings& s) : s_(s) {}
    std::optional<std::string> read(std::string_view key) const override {
        if (!s_.keyExists(store::section::kAutoplay, key)) return std::nullopt;
        return s_.readString(store::section::kAutoplay, key, "");
    }
    void write(std::string_view key, std::string_view value) override {
        s_.writeString(store::section::kAutoplay, key, value);
    }

private:
    store::Settings& s_;
};

QPixmap packPicture(const render::ImagePacks* packs, const char* name) {
    QImage img;
    if (!packs || !packs->loadBitmap(img, name)) return {};
    QPixmap pm = QPixmap::fromImage(img);
    // Pack bitmaps without alpha take the colour of their corner as transparent.
    if (!img.hasAlphaChannel()) pm.setMask(pm.createMaskFromColor(img.pixelColor(0, 0), Qt::MaskInColor));
    return pm;
}

} // namespace

Tutor::Tutor(TfrmMain& w, const store::DataFolder& folder, store::StoreHost* host,
             const render::ImagePacks* packs)
    : folder_(folder), host_(host), w_(w) {
    demo_ = new TfrmDemo(&w, w.engine());
    demo_->setPictures(packPicture(packs, "BTN_PLAY"), packPicture(packs, "BTN_PAUSE"),
                       packPicture(packs, "BTN_STOP"));
    demo_->readPlace = [this](int mainHeight, int demoHeight) {
        store::SettingContext ctx;
        ctx.mainWindowHeight = mainHeight;
        ctx.demoWindowHeight = demoHeight;
        store::Settings cfg(folder_, host_, ctx);
        return QPoint(static_cast<int>(cfg.integer(store::key::Tutor_Demo_Form_Left)),
                      static_cast<int>(cfg.integer(store::key::Tutor_Demo_Form_Top)));
    };
    demo_->writePlace = [this](QPoint at) {
        store::Settings cfg(folder_, host_);
        cfg.setInteger(store::key::Tutor_Demo_Form_Left, at.x());
        cfg.setInteger(store::key::Tutor_Demo_Form_Top, at.y());
        cfg.commit();
    };
    arrow_ = new HintArrow(w.table());
    demo_->onPlay = [this] { demoCommand(); };
    demo_->onClosed = [this] { cancelTutor(); };
    demo_->onStep = [this] {
        w_.redrawTable();
        w_.showScore();
    };
    demo_->onFinished = [this] {
        if (QAction* a = w_.action("mnuGameDemo")) a->setEnabled(true);
        w_.redrawTable();
        updateCommands();
    };
}

Tutor::~Tutor() = default;

Engine& Tutor::engine() {
    return w_.engine();
}

std::unique_ptr<store::Settings> Tutor::settings() const {
    return std::make_unique<store::Settings>(folder_, host_);
}

int Tutor::autoplayMode() const {
    return static_cast<int>(settings()->integer(store::key::AutoPlay_All_Games));
}

void Tutor::setAutoplayChecked(bool on) {
    engine().play.prefs.autoplay = on;
    if (QAction* a = w_.action("mnuAutoplay")) a->setChecked(on);
}

void Tutor::autoplayCommand(bool checked) {
    Engine& e = engine();
    if (e.game.tutorMode != 0 || demo_->isVisible()) cancelTutor();
    QAction* a = w_.action("mnuAutoplay");
    if (a && a->isChecked() != checked) a->setChecked(checked);
    // Kept for this game when the choice is made per game.
    if (a && a->isEnabled() && autoplayMode() == PerGame) {
        auto cfg = settings();
        SettingsAutoplay choices(*cfg);
        catalogue::storeAutoplayPreference(choices, static_cast<int>(e.state.readInt(field::GameId)), checked);
        cfg->commit();
    }
    const int moved = setAutoplay(e, checked);
    if (moved > 0) w_.redrawTable();
    w_.showScore();
}

void Tutor::showLegalMoveCommand() {
    Engine& e = engine();
    if (e.params[prm::HintsAvailable] != 1) return;
    if (demo_->isVisible()) demo_->close(); // ends the demo
    arrow_->hideArrow();
    if (showLegalMove(e)) showArrow();
}

void Tutor::showArrow() {
    const Engine& e = engine();
    const std::optional<Hint> h = shownHint(e);
    if (!h) return;
    const LayoutGeometry geo(e);
    const int W = geo.cardWidth(), H = geo.cardHeight();
    const auto centre = [&](PileId p) -> std::optional<QPointF> {
        const auto r = geo.topCardRect(p);
        if (!r) return std::nullopt;
        return QPointF(r->x + r->w / 2.0, r->y + r->h / 2.0);
    };
    std::optional<QPointF> from, to;
    if (h->kind == HintKind::Stock) {
        to = centre(kStock);
        if (to) from = centre(kWaste);
        if (to && (!from || *from == *to)) from = *to + QPointF(0, 1.5 * H);
    } else {
        to = centre(h->target);
        CardPlace place;
        if (placeOfCard(e, h->card, place)) {
            const double step = e.params[prm::TableauStyle] == 12 ? e.game.faceUpStep / 4.0
                                                                  : e.game.faceUpStep / 2.0;
            const bool top = e.table.pile(place.pile).top() == h->card;
            from = QPointF(place.at.x + W / 2.0, place.at.y + (top ? H / 2.0 : step));
        } else {
            from = centre(h->from);
        }
    }
    if (from && to) arrow_->showArrow(*from, *to);
}

void Tutor::demoCommand() {
    Engine& e = engine();
    if (e.params[prm::HintsAvailable] != 1 || demo_->demo().running()) return;
    if (QAction* a = w_.action("mnuGameDemo")) a->setEnabled(false);
    demo_->showForDemo();
    if (!e.flags.test(StateFlag::InProgress)) w_.mnuNewClick();
    demo_->pressPlay();
    arrow_->hideArrow();
    if (!demo_->demo().start(*demo_)) {
        if (QAction* a = w_.action("mnuGameDemo")) a->setEnabled(true);
    }
}

void Tutor::cancelTutor() {
    if (cancelling_) return;
    cancelling_ = true;
    Engine& e = engine();
    cancelTutorMode(e);
    arrow_->hideArrow();
    if (QAction* a = w_.action("mnuGameDemo")) a->setEnabled(e.params[prm::HintsAvailable] == 1);
    if (demo_->isVisible()) demo_->close();
    cancelling_ = false;
}

void Tutor::timerTick() {
    if (tutorTick(engine())) arrow_->hideArrow();
}

void Tutor::tableRedrawn() {
    arrow_->hideArrow();
}

void Tutor::gameDealt() {
    Engine& e = engine();
    const int mode = autoplayMode();
    e.game.autoplaySetting = static_cast<TMainGame::i16>(mode);
    if (mode == PerGame) {
        auto cfg = settings();
        const SettingsAutoplay choices(*cfg);
        setAutoplayChecked(catalogue::autoplayPreference(choices, static_cast<int>(e.state.readInt(field::GameId))));
    } else if (mode == OffAtStart) {
        setAutoplayChecked(false);
    }
    e.game.dealShown = 1;
    QTimer::singleShot(800, &w_, [this] {
        if (runAutoplay(engine()) > 0) w_.redrawTable();
        w_.showScore();
    });
}

void Tutor::updateCommands() {
    const Engine& e = engine();
    if (QAction* a = w_.action("mnuAutoplay")) {
        a->setEnabled(e.params[prm::AutoplayAvailable] != 0);
        a->setChecked(e.play.prefs.autoplay);
    }
    const bool hints = e.params[prm::HintsAvailable] == 1;
    if (QAction* a = w_.action("mnuShowLegalMove")) a->setEnabled(hints);
    if (QAction* a = w_.action("mnuGameDemo")) a->setEnabled(hints && !demo_->demo().running());
}

} // namespace vellamor::shell
