// Loading the generated packs and drawing tables offscreen; checks look at the
// pixels that matter, not whole pictures.
#include "render/card_images.h"
#include "render/table_renderer.h"

#include "engine/engine.h"
#include "layout/card_position.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPainter>

#include <filesystem>
#include <fstream>

using namespace vellamor;
using namespace vellamor::render;

namespace {

struct RecordingHost final : ImageHost {
    std::vector<std::string> messages;
    std::map<std::string, std::string> settings;
    void message(std::string_view t) override { messages.emplace_back(t); }
    void writeSetting(std::string_view k, std::string_view v) override { settings[std::string(k)] = v; }
};

QGuiApplication& app() {
    static int argc = 1;
    static char name[] = "test_render";
    static char* argv[] = {name, nullptr};
    static QGuiApplication a(argc, argv);
    return a;
}

class RenderTest : public ::testing::Test {
protected:
    void SetUp() override {
        app();
        packs = ImagePacks::open(VELLAMOR_PROGRAM_DIR, host);
        ASSERT_TRUE(packs) << "the build writes the packs before the tests";
    }
    CardImages load(char size, int faceStyle = 0) {
        ImageChoice choice;
        choice.cardSize = size;
        choice.cardSet = size == 'N' || size == 'M' ? 3 : 1;
        choice.faceStyle = faceStyle;
        CardImages images;
        CardImageLoader loader(*packs, host);
        EXPECT_TRUE(loader.loadCardImages(images, choice));
        return images;
    }
    RecordingHost host;
    std::optional<ImagePacks> packs;
};

// A table with the piles placed by hand: two tableau piles, one foundation, a stock.
struct SmallTable {
    Engine engine;
    SmallTable() {
        engine.params.set(prm::Tableaus, 2);
        engine.params.set(prm::Foundations, 1);
        engine.params.set(prm::TableauStyle, 1);
        engine.params.set(prm::FoundationComplete, -1);
        engine.params.set(prm::FoundationMax, 13);
        setCardSpacing(engine, 'B');
        TMainGame& g = engine.game;
        for (int i = 0; i < kTableauCount; ++i) g.setTableauX(i, -10000);
        for (int i = 0; i < kFoundationCount; ++i) g.setFoundationX(i, -10000);
        for (int i = 0; i < kReserveCount; ++i) g.setReserveX(i, -10000);
        for (int i = 0; i < 3; ++i) g.setStockX(i, -10000);
        g.setStockX(0, 40), g.setStockY(0, 40);
        g.setFoundationX(0, 200), g.setFoundationY(0, 40);
        g.setTableauX(0, 40), g.setTableauY(0, 200);
        g.setTableauX(1, 200), g.setTableauY(1, 200);
    }
};

QRgb green() { return qRgb(0, 128, 0); }

} // namespace

TEST_F(RenderTest, FaceTableOfEachSizeAndFaceStyle) {
    for (char size : std::string("NMBSX")) {
        const CardImages images = load(size);
        const render::CardSize want = cardSizeOfLetter(size);
        for (const QImage& face : images.faces) {
            ASSERT_EQ(face.width(), want.width) << size;
            ASSERT_EQ(face.height(), want.height) << size;
        }
        EXPECT_EQ(images.back.size(), QSize(want.width, want.height)) << size;
        EXPECT_FALSE(images.borders[0].isNull()) << size;
        EXPECT_FALSE(images.mark009.isNull()) << size;
    }
    EXPECT_TRUE(host.messages.empty()) << host.messages.front();

    const CardImages four = load('B', 0), one = load('B', 1), two = load('B', 2);
    EXPECT_NE(four.faces[0], four.faces[39]);
    for (int r = 0; r < 13; ++r) {
        EXPECT_EQ(one.faces[std::size_t(r)], four.faces[std::size_t(39 + r)]);        // hearts show spades
        EXPECT_EQ(one.faces[std::size_t(26 + r)], four.faces[std::size_t(39 + r)]);   // clubs too
        EXPECT_EQ(two.faces[std::size_t(13 + r)], four.faces[std::size_t(r)]);        // diamonds show hearts
        EXPECT_EQ(two.faces[std::size_t(26 + r)], four.faces[std::size_t(39 + r)]);   // clubs show spades
    }
}

TEST_F(RenderTest, OwnCardSetIsRecognisedByItsExactSize) {
    const auto dir = std::filesystem::temp_directory_path() / "vellamor_crs_test";
    std::filesystem::create_directories(dir / "custom card sets");
    for (const auto& [w, accepted] : {std::pair{355, true}, std::pair{356, false}}) {
        QImage img(w, 1152, QImage::Format_RGB32);
        img.fill(Qt::white);
        ASSERT_TRUE(img.save(QString::fromStdString((dir / "custom card sets" / "Mine.crs").string()), "BMP"));
        ImageChoice choice;
        choice.cardSize = 'S';
        choice.customizedSet = true;
        choice.customizedSetName = "Mine";
        choice.dataFolder = dir.string() + "/";
        CardImages images;
        host.messages.clear();
        CardImageLoader loader(*packs, host);
        ASSERT_TRUE(loader.loadCardImages(images, choice));
        if (accepted) {
            EXPECT_EQ(choice.cardSize, 'B');
            EXPECT_TRUE(choice.customizedSet);
            EXPECT_EQ(images.faces[0].pixel(10, 10), qRgb(255, 255, 255));
            EXPECT_TRUE(host.messages.empty());
        } else {
            ASSERT_EQ(host.messages.size(), 1u);
            EXPECT_EQ(host.messages[0].rfind("The format of the Customized card set image is not valid.\r", 0), 0u);
            EXPECT_FALSE(choice.customizedSet); // the default set is taken and written
            EXPECT_EQ(host.settings["Card_Size"], "B");
            EXPECT_EQ(host.settings["Customized_Cards_Set"], "");
        }
    }
    std::filesystem::remove_all(dir);
}

TEST_F(RenderTest, CorruptOrMissingMainPackIsRefusedWithTheMessage) {
    const auto dir = std::filesystem::temp_directory_path() / "vellamor_BadPack";
    std::filesystem::create_directories(dir);
    {
        std::ifstream in(std::string(VELLAMOR_PROGRAM_DIR) + "/SOL.RGF", std::ios::binary);
        std::ofstream out(dir / "SOL.RGF", std::ios::binary);
        std::vector<char> head(5000);
        in.read(head.data(), std::streamsize(head.size()));
        out.write(head.data(), std::streamsize(head.size())); // truncated in its index
    }
    RecordingHost h;
    EXPECT_FALSE(ImagePacks::open(dir.string(), h));
    ASSERT_EQ(h.messages.size(), 1u);
    std::string path = dir.string() + "/SOL.RGF";
    for (char& c : path) c = char(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(h.messages[0], "Can't find/load " + path);
    std::filesystem::remove_all(dir);
}

TEST_F(RenderTest, IndexFilesTranslateBothWays) {
    EXPECT_EQ(packs->resourceOfDisplayName("Children's Card Set", "cards", host), "CS_CHILDREN");
    EXPECT_EQ(packs->displayOfResourceName("BG_WALNUT", "Backgrounds", host), "Walnut");
    EXPECT_EQ(packs->resourceOfDisplayName("Nothing like it", "Decks", host), "");
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(packs->resourceOfDisplayName("Walnut", "Pictures", host), "");
    EXPECT_EQ(host.messages, std::vector<std::string>{"File not found:"});
    QImage bg;
    EXPECT_TRUE(packs->loadAddonJpeg(bg, "bg_walnut", kBackgroundPack));
    EXPECT_FALSE(bg.isNull());
}

// Drawing: hidden piles, stack thickness, corners, the highlight.
TEST_F(RenderTest, TableDrawing) {
    SmallTable t;
    Engine& e = t.engine;
    for (char size : {'B', 'L'}) {
        CardImages images = size == 'B' ? load('B') : CardImages{};
        if (size == 'L') { // the preview cards: the L strip's ace of hearts
            QImage strip;
            ASSERT_TRUE(packs->loadBitmap(strip, "CL003H"));
            images.size = cardSizeOfLetter('L');
            images.faces[0] = keyed(strip.copy(0, 0, 25, 32), 0);
            roundCorners(images.faces[0]);
        }
        TableRenderer r(images, nullptr);
        r.resize(600, 600);
        r.background().fill(green());
        e.table.clear();
        e.table.tableau[0].push(1);
        r.redrawAll(e);
        const QImage& img = r.table();
        // Top-left corner of the card at (40, 200): 3 pixels at B, 1 at L.
        EXPECT_EQ(img.pixel(40, 200), green()) << size;
        EXPECT_EQ(img.pixel(41, 200) == green(), size == 'B') << size;
        EXPECT_EQ(img.pixel(40, 201) == green(), size == 'B') << size;
        EXPECT_NE(img.pixel(42, 202), green()) << size;
    }

    const CardImages images = load('B');
    TableRenderer r(images, nullptr);
    r.resize(600, 600);
    r.background().fill(green());
    // A pile at x = -10000 is never drawn and leaves the table height alone.
    e.table.clear();
    e.game.setTableauX(1, -10000);
    for (int c = 1; c <= 20; ++c) e.table.tableau[1].push(c);
    r.redrawAll(e);
    EXPECT_EQ(r.tableHeight(), 200 + 96); // the empty tableau pile 1's mark only
    e.game.setTableauX(1, 200);

    // Stocks of 50 and 200 cards: the top card 8 and 15 pixels up and left.
    for (const auto& [cards, d] : {std::pair{50, 8}, std::pair{200, 15}}) {
        e.table.clear();
        for (int i = 0; i < cards; ++i) e.table.stock().push(1 + i % 52);
        e.params.set(prm::StockFaceDown, 1);
        r.redrawAll(e);
        const QImage& img = r.table();
        EXPECT_EQ(img.pixel(40 - d - 1, 40 - d + 20), green()) << cards;
        EXPECT_NE(img.pixel(40 - d, 40 - d + 20), green()) << cards;
        EXPECT_EQ(img.pixel(40 - d + 71 - 1 + d + 1, 40 + 20), green()) << cards; // right of the stack
    }

    // A foundation holding parameter 34 cards (its own count is -1) is highlighted.
    RenderOptions o;
    o.highlightMark = 2; // solid
    o.highlightColour = 5;
    r.setOptions(o);
    e.table.clear();
    for (int c = 1; c <= 12; ++c) e.table.foundations[0].push(c);
    r.redrawAll(e);
    const int d = 12 / 7 + 1 > 2 ? 2 : 12 / 7 + 1;
    EXPECT_NE(r.table().pixel(200 - d + 35, 40 - d + 48), highlightColour(5).rgb());
    e.table.foundations[0].push(13);
    r.redrawAll(e);
    EXPECT_EQ(r.table().pixel(200 - 2 + 35, 40 - 2 + 48), highlightColour(5).rgb());
    EXPECT_EQ(r.table().pixel(200 - 2 + 1, 40 - 2 + 1), highlightColour(5).rgb());
    EXPECT_NE(r.table().pixel(200 - 2, 40 - 2 + 48), highlightColour(5).rgb()); // one pixel in
}

TEST_F(RenderTest, PartialRepaintMatchesAWholeRedraw) {
    SmallTable t;
    Engine& e = t.engine;
    const CardImages images = load('B');
    TableRenderer r(images, nullptr);
    r.resize(500, 500);
    r.background().fill(green());
    for (int c = 1; c <= 8; ++c) e.table.tableau[0].push(c);
    e.table.tableau[1].push(20);
    r.redrawAll(e);
    const Pile before0 = e.table.tableau[0], before1 = e.table.tableau[1];
    e.table.tableau[0].pop();
    e.table.tableau[1].push(8);
    r.repaintPile(e, tableau(0), before0);
    r.repaintPile(e, tableau(1), before1);
    const QImage partial = r.table().copy();
    r.redrawAll(e);
    EXPECT_EQ(partial, r.table());
}

TEST_F(RenderTest, IrregularPilesAreDrawnWhereTheLayoutPlacesThem) {
    SmallTable t;
    Engine& e = t.engine;
    const CardImages images = load('B');
    TableRenderer r(images, nullptr);
    r.resize(500, 600);
    r.background().fill(green());
    for (int c = 1; c <= 10; ++c) {
        e.table.tableau[0].push(c);
        e.cards.setFaceUp(c, true);
    }
    e.rng.seed(3);
    e.game.irregular.draw(e.rng);
    e.game.irregular.rows[0].fill(0);
    e.game.irregular.rows[0][9] = 2; // only the top card, two pixels right
    e.play.prefs.irregularPiles = true;
    r.redrawAll(e);
    const QImage first = r.table().copy();
    // The top card's right edge is where cardPosition puts it.
    const Point top = cardPosition(e, tableau(0), 0);
    ASSERT_EQ(top.x, 40 + 2);
    EXPECT_NE(first.pixel(top.x + 70, top.y + 50), green());
    EXPECT_EQ(first.pixel(top.x + 71, top.y + 50), green());
    EXPECT_EQ(r.pileArea(e, tableau(0)).right(), top.x + 70);

    // An undo brings back the same picture: the shifts belong to the game.
    const Snapshot snap = makeSnapshot(e.table, e.cards);
    e.table.tableau[0].pop();
    r.redrawAll(e);
    ASSERT_TRUE(restoreSnapshot(e.table, e.cards, snap));
    r.redrawAll(e);
    EXPECT_EQ(first, r.table());

    // With the preference off the pile is straight again.
    e.play.prefs.irregularPiles = false;
    r.redrawAll(e);
    EXPECT_NE(r.table().pixel(40 + 70, top.y + 50), green());
    EXPECT_EQ(r.table().pixel(40 + 71, top.y + 50), green());
}

TEST_F(RenderTest, TableHeightRunsUntilANewLayout) {
    SmallTable t;
    Engine& e = t.engine;
    const CardImages images = load('B');
    TableRenderer r(images, nullptr);
    r.resize(500, 400);
    r.background().fill(green());
    for (int c = 1; c <= 20; ++c) {
        e.table.tableau[0].push(c);
        e.cards.setFaceUp(c, false);
    }
    r.redrawAll(e);
    const int tall = 200 + 19 * 4 + 96; // twenty face-down cards
    EXPECT_EQ(r.tableHeight(), tall);
    // The pile shrinks: the height stays for the rest of this layout ...
    while (e.table.tableau[0].size() > 1) e.table.tableau[0].pop();
    r.redrawAll(e);
    EXPECT_EQ(r.tableHeight(), tall);
    // ... and a new layout starts it again from what is drawn.
    r.newLayout();
    r.redrawAll(e);
    EXPECT_EQ(r.tableHeight(), 200 + 96);
    // Scrolled, the table keeps its height in table coordinates.
    e.game.scrollOffset = 60;
    r.newLayout();
    r.redrawAll(e);
    EXPECT_EQ(r.tableHeight(), 200 + 96);
}

TEST(Background, FadeAndTiling) {
    app();
    QImage img(10, 256, QImage::Format_RGB32);
    paintFade(img, QColor(0, 200, 0), 256);
    EXPECT_EQ(img.pixel(0, 0), qRgb(0, 200 * 255 / 256, 0)); // full at the top
    EXPECT_EQ(img.pixel(0, 255), qRgb(0, 0, 0));             // black at the bottom
    QImage tile(4, 4, QImage::Format_RGB32);
    tile.fill(Qt::red);
    tile.setPixel(0, 0, qRgb(0, 0, 255));
    QImage table(10, 10, QImage::Format_RGB32);
    paintTiled(table, tile);
    EXPECT_EQ(table.pixel(8, 8), qRgb(0, 0, 255));
    EXPECT_EQ(table.pixel(9, 9), qRgb(255, 0, 0));
}
