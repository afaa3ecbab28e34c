#include "shell/card_fit.h"

#include "shell/program_host.h"

#include "engine/engine.h"
#include "render/card_images.h"
#include "store/settings.h"

namespace vellamor::shell {

bool fitCardsForGame(render::ScreenFit& fit, render::ImageChoice& choice, Engine& engine, ProgramHost& host,
                     int screenWidth) {
    StateRecord& st = engine.state;
    const int game = static_cast<int>(st.readInt(field::GameId));
    const render::FitResult r =
        render::fitCardsToScreen(fit, choice, game, engine.params[prm::WidthClass], screenWidth, host);
    st.write(field::CardSize, std::string(1, choice.cardSize));
    st.writeInt(field::CardSet, choice.cardSet);
    if (r.advice != render::SizeAdvice::None && !host.settingsPath().empty())
        store::showAdviceOnce(host.settingsPath(), host, render::sizeAdviceText(r.advice, st.read(field::GameName)),
                              render::sizeAdviceKey(r.advice), 1);
    return r.sizeChanged;
}

} // namespace vellamor::shell
