// vellamor-packgen --out PROGRAM_FOLDER [--sheets FOLDER]
//
// Draws every picture, cursor and sound of the program and writes the main pack
// SOL.RGF, the extra-size pack plus/soladd.rgf and the add-on packs
// plus/c01.rgf, d01.rgf, b01.rgf with their index files. With --sheets it also
// saves contact sheets (PNG) of what it drew, for looking at.
#include "art.h"
#include "backs.h"
#include "cards.h"
#include "icons.h"
#include "sounds.h"
#include "table_art.h"

#include "render/jpeg_codec.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

using namespace packgen;
using vellamor::render::PackWriter;
using vellamor::render::ResourceKind;
namespace rn = vellamor::render;

namespace {

bool addBitmap(PackWriter& pack, const std::string& name, const QImage& img) {
    if (pack.add(ResourceKind::Bitmap, name, png(img))) return true;
    std::fprintf(stderr, "vellamor-packgen: resource named twice: %s\n", name.c_str());
    return false;
}

Bytes cursorData(const NamedCursor& c) {
    Bytes data = {std::uint8_t(c.hotX), std::uint8_t(c.hotX >> 8), std::uint8_t(c.hotY),
                  std::uint8_t(c.hotY >> 8)};
    const Bytes image = png(c.image);
    data.insert(data.end(), image.begin(), image.end());
    return data;
}

Bytes jpeg(const QImage& img) {
    const QImage rgb = img.convertToFormat(QImage::Format_RGB888);
    rn::RgbImage raw;
    raw.width = rgb.width();
    raw.height = rgb.height();
    raw.pixels.resize(std::size_t(raw.width) * std::size_t(raw.height) * 3);
    for (int y = 0; y < raw.height; ++y)
        std::copy_n(rgb.constScanLine(y), raw.width * 3, raw.pixels.data() + std::size_t(y) * std::size_t(raw.width) * 3);
    return rn::encodeJpeg(raw, 92);
}

// Face strips, backs, marks, shadows, borders and the joker of one size.
bool addSize(PackWriter& pack, const CardSize& s, bool withFaces) {
    bool ok = true;
    if (withFaces)
        for (int set : rn::kPredefinedSets) {
            const FaceStyle st = predefinedStyle(set);
            for (int suit = 0; suit < 4; ++suit)
                ok &= addBitmap(pack, rn::faceStripName(s.letter, set, suit), faceStrip(st, s, suit));
        }
    if (!withFaces || s.letter != 'X') {
        // At size X these live in the extra-size pack (the faces stay in the main pack).
    }
    for (int back = 1; back <= rn::kBackCount; ++back)
        ok &= addBitmap(pack, rn::backName(s.letter, back), drawBack(back, s));
    const std::string w = std::string("W") + s.letter;
    for (auto suffix : rn::kMarkSuffixes) ok &= addBitmap(pack, w + std::string(suffix), drawMark(suffix, s));
    for (auto suffix : rn::kMoreMarkSuffixes) ok &= addBitmap(pack, w + std::string(suffix), drawMark(suffix, s));
    for (int i = 1; i <= 2; ++i) {
        ok &= addBitmap(pack, std::string("SHADOW_") + s.letter + char('0' + i), drawShadow(i, s));
        ok &= addBitmap(pack, std::string("3D_BORDER_") + s.letter + char('0' + i), drawBorder(i, s));
    }
    ok &= addBitmap(pack, std::string("JOKER_") + s.letter, drawJoker(s));
    return ok;
}

bool writeIndex(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    return bool(out.flush());
}

bool writePack(const PackWriter& pack, const std::string& path) {
    std::string error;
    if (pack.write(path, &error)) return true;
    std::fprintf(stderr, "vellamor-packgen: %s\n", error.c_str());
    return false;
}

void saveSheets(const QString& dir) {
    QDir().mkpath(dir);
    for (char letter : std::string_view("NMBSXL")) {
        const CardSize s = *rn::cardSizeClass(letter);
        for (int set : rn::kPredefinedSets) {
            if (letter == 'L' && set != 3) continue;
            QImage sheet(s.width * 14 + 15, s.height * 4 + 5, QImage::Format_RGB32);
            sheet.fill(QColor(0, 128, 0));
            QPainter p(&sheet);
            for (int suit = 0; suit < 4; ++suit)
                for (int r = 1; r <= 13; ++r)
                    p.drawImage((r - 1) * (s.width + 1) + 1, suit * (s.height + 1) + 1,
                                drawFace(predefinedStyle(set), s, suit, r));
            p.drawImage(13 * (s.width + 1) + 1, 1, drawJoker(s));
            p.end();
            sheet.save(dir + QStringLiteral("/faces_%1_%2.png").arg(letter).arg(set));
        }
        QImage backs(s.width * 14 + 15, s.height * 3 + 4, QImage::Format_RGB32);
        backs.fill(QColor(0, 128, 0));
        QPainter p(&backs);
        for (int b = 1; b <= rn::kBackCount; ++b)
            p.drawImage((b - 1) % 14 * (s.width + 1) + 1, (b - 1) / 14 * (s.height + 1) + 1, drawBack(b, s));
        int i = 0;
        for (auto suffix : rn::kMarkSuffixes)
            p.drawImage(i % 14 * (s.width + 1) + 1, (2 + i / 14) * (s.height + 1) + 1 - (i / 14) * s.height / 2,
                        drawMark(suffix, s)),
                ++i;
        p.end();
        backs.save(dir + QStringLiteral("/backs_marks_%1.png").arg(letter));
    }
    QImage bgs(160 * 8, 160 * 10, QImage::Format_RGB32);
    bgs.fill(Qt::black);
    QPainter p(&bgs);
    int k = 0;
    for (int n = 101; n <= 324; ++n)
        if (rn::isTiledBackgroundNumber(n)) {
            const QImage t = drawTiledBackground(n);
            p.drawImage((k % 8) * 160, (k / 8) * 160, t.scaled(80, 80, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
            p.drawImage((k % 8) * 160 + 80, (k / 8) * 160, t.scaled(80, 80));
            p.drawImage((k % 8) * 160, (k / 8) * 160 + 80, t.scaled(80, 80));
            p.drawImage((k % 8) * 160 + 80, (k / 8) * 160 + 80, t.scaled(80, 80));
            ++k;
        }
    p.end();
    bgs.save(dir + "/backgrounds.png");
    QImage icons(600, 400, QImage::Format_RGB32);
    icons.fill(QColor(236, 233, 216));
    QPainter q(&icons);
    int x = 4, y = 4;
    for (const auto& ic : drawIcons()) {
        if (x + ic.image.width() > 596) x = 4, y += 28;
        q.drawImage(x, y, ic.image);
        x += ic.image.width() + 4;
    }
    y += 30;
    x = 4;
    for (const auto& c : drawCursors()) q.drawImage(x, y, c.image), x += 36;
    q.end();
    icons.save(dir + "/icons.png");
    int j = 0;
    for (const auto& pic : drawPictures()) pic.image.save(dir + QStringLiteral("/picture_%1.png").arg(j++));
    drawPictureBackground(500).save(dir + "/b500.png");
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::string out;
    QString sheets;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i];
        if (a == "--out") out = argv[i + 1];
        else if (a == "--sheets") sheets = QString::fromLocal8Bit(argv[i + 1]);
    }
    if (out.empty() && sheets.isEmpty()) {
        std::fprintf(stderr, "usage: vellamor-packgen --out PROGRAM_FOLDER [--sheets FOLDER]\n");
        return 2;
    }
    const auto started = std::chrono::steady_clock::now();
    if (!sheets.isEmpty()) saveSheets(sheets);
    if (out.empty()) return 0;

    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(out) / "plus", ec);
    bool ok = !ec;

    PackWriter main;
    for (char letter : rn::kMainSizes) ok &= addSize(main, *rn::cardSizeClass(letter), true);
    const CardSize x = *rn::cardSizeClass('X');
    for (int set : rn::kPredefinedSets)
        for (int suit = 0; suit < 4; ++suit)
            ok &= addBitmap(main, rn::faceStripName('X', set, suit), faceStrip(predefinedStyle(set), x, suit));
    const CardSize l = *rn::cardSizeClass('L');
    for (int suit = 0; suit < 4; ++suit)
        ok &= addBitmap(main, rn::faceStripName('L', 3, suit), faceStrip(predefinedStyle(3), l, suit));
    for (int n = 101; n <= 324; ++n)
        if (rn::isTiledBackgroundNumber(n)) ok &= addBitmap(main, "B" + std::to_string(n), drawTiledBackground(n));
    for (int n : {500, 501}) ok &= addBitmap(main, "B" + std::to_string(n), drawPictureBackground(n));
    for (const auto& ic : drawIcons()) ok &= addBitmap(main, ic.name, ic.image);
    for (const auto& pic : drawPictures()) ok &= addBitmap(main, pic.name, pic.image);
    for (const auto& c : drawCursors()) ok &= main.add(ResourceKind::Cursor, c.name, cursorData(c));
    for (auto name : rn::kSoundNames) ok &= main.add(ResourceKind::Wave, name, synthesiseSound(name));
    ok &= writePack(main, out + "/" + std::string(rn::kMainPack));

    PackWriter extra;
    ok &= addSize(extra, x, false);
    ok &= writePack(extra, out + "/" + std::string(rn::kExtraPack));

    // Add-on card sets, in the custom card-set layout.
    PackWriter cards;
    const QColor under(0, 128, 0);
    ok &= addBitmap(cards, "B_CLASSIC_EXTRA_LARGE_1", customLayoutSet(predefinedStyle(2), x, under));
    ok &= addBitmap(cards, "CS_CHILDREN", customLayoutSet(childrenStyle(), *rn::cardSizeClass('B'), under));
    ok &= addBitmap(cards, "CS_SMALL_16", customLayoutSet(sixteenColourStyle(), *rn::cardSizeClass('N'), under));
    ok &= addBitmap(cards, "CS_TRADITIONAL", customLayoutSet(traditionalStyle(), *rn::cardSizeClass('S'), under));
    ok &= writePack(cards, out + "/" + std::string(rn::kCardPack));
    ok &= writeIndex(out + "/plus/c01.dat",
                     "[Extra large size]\nB_CLASSIC_EXTRA_LARGE_1=Classic extra large\n"
                     "[Large size]\nCS_TRADITIONAL=Traditional English Playing Cards\n"
                     "[Normal size]\nCS_CHILDREN=Children's Card Set\n"
                     "[Small size]\nCS_SMALL_16=Small (16 colors)\n");

    PackWriter decks;
    const char* const deckNames[] = {"DK_REEF", "DK_VELVET", "DK_SMOKE", "DK_NIGHT_SKY"};
    for (int i = 0; i < extraBackCount(); ++i)
        ok &= addBitmap(decks, deckNames[i], drawExtraBack(i, *rn::cardSizeClass('B')));
    ok &= writePack(decks, out + "/" + std::string(rn::kDeckPack));
    ok &= writeIndex(out + "/plus/d01.dat",
                     "[Sea]\nDK_REEF=Coral reef\n[Classics]\nDK_VELVET=Velvet\nDK_SMOKE=Smoke\n"
                     "[Night]\nDK_NIGHT_SKY=Night sky\n");

    PackWriter backgrounds;
    const char* const bgNames[] = {"BG_MARBLE_NIGHT", "BG_WALNUT", "BG_VELVET_RED"};
    for (int i = 0; i < extraBackgroundCount(); ++i)
        ok &= backgrounds.add(ResourceKind::RcData, bgNames[i], jpeg(drawExtraBackground(i)));
    ok &= writePack(backgrounds, out + "/" + std::string(rn::kBackgroundPack));
    ok &= writeIndex(out + "/plus/b01.dat",
                     "[Marbles]\nBG_MARBLE_NIGHT=Night marble\n[Wood]\nBG_WALNUT=Walnut\n"
                     "[Tissue]\nBG_VELVET_RED=Red velvet\n");

    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("vellamor-packgen: %zu resources in SOL.RGF, %zu in soladd.rgf, %.1f s\n", main.size(),
                extra.size(), seconds);
    return ok ? 0 : 1;
}
