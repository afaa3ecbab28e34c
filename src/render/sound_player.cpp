#include "render/sound_player.h"

#include "render/image_packs.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QByteArray>
#include <QMediaDevices>

#include <array>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <optional>

namespace vellamor::render {

namespace {

struct EventSwitch {
    std::string_view resource, key;
};
constexpr std::array<EventSwitch, 21> kSwitches{{
    {"New", "Sounds_NewGame"},
    {"Redo", "Sounds_Redo"},
    {"Restart", "Sounds_Restart"},
    {"Undo", "Sounds_Undo"},
    {"Shuffle", "Sounds_Shuffle"},
    {"Autoplay", "Sounds_Autoplay"},
    {"Card_down", "Sounds_CardDown"},
    {"Card_up", "Sounds_CardUp"},
    {"Stock", "Sounds_Stock"},
    {"Face_up", "Sounds_FaceUp"},
    {"Pairing", "Sounds_Pairing"},
    {"Foundation", "Sounds_Foundation"},
    {"Eddy", "Sounds_Foundation"},
    {"Tableau", "Sounds_Tableau"},
    {"Redeal", "Sounds_Redeal"},
    {"About", "Sounds_About"},
    {"Hi-Scor", "Sounds_HiScores"},
    {"Scores", "Sounds_NewHiScores"},
    {"Won", "Sounds_GameWon"},
    {"Red_no_a", "Sounds_Redeal_Without_Animation"},
    {"Splash", "Sounds_Splash"},
}};

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::uint32_t le32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
std::uint16_t le16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

struct Wave {
    QAudioFormat format;
    QByteArray pcm;
};

// Reads a RIFF/WAVE file of PCM samples (8 or 16 bits); nullopt when damaged.
std::optional<Wave> parseWave(const Bytes& data) {
    const auto* d = data.data();
    const std::size_t n = data.size();
    if (n < 12 || std::memcmp(d, "RIFF", 4) != 0 || std::memcmp(d + 8, "WAVE", 4) != 0) return std::nullopt;
    std::optional<Wave> out;
    bool haveFormat = false;
    Wave w;
    std::size_t at = 12;
    while (at + 8 <= n) {
        const std::uint32_t size = le32(d + at + 4);
        const std::size_t body = at + 8;
        if (size > n - body) return std::nullopt;
        if (std::memcmp(d + at, "fmt ", 4) == 0 && size >= 16) {
            const std::uint16_t tag = le16(d + body), channels = le16(d + body + 2);
            const std::uint32_t rate = le32(d + body + 4);
            const std::uint16_t bits = le16(d + body + 14);
            if (tag != 1 || channels < 1 || channels > 2 || rate < 1000 || rate > 192000 || (bits != 8 && bits != 16))
                return std::nullopt;
            w.format.setSampleRate(static_cast<int>(rate));
            w.format.setChannelCount(channels);
            w.format.setSampleFormat(bits == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
            haveFormat = true;
        } else if (std::memcmp(d + at, "data", 4) == 0 && haveFormat) {
            w.pcm = QByteArray(reinterpret_cast<const char*>(d + body), static_cast<qsizetype>(size));
            return w;
        }
        at = body + size + (size & 1);
    }
    return out;
}

} // namespace

std::string_view soundSettingOf(std::string_view resource) {
    for (const auto& s : kSwitches)
        if (sameName(s.resource, resource)) return s.key;
    return {};
}

struct SoundPlayer::Output {
    QAudioDevice device = QMediaDevices::defaultAudioOutput();
    std::unique_ptr<QAudioSink> sink;
    QBuffer buffer;
    QByteArray pcm;
    bool loop = false;

    void stop() {
        loop = false;
        if (sink) {
            sink->stop();
            sink.reset();
        }
        buffer.close();
    }
};

SoundPlayer::SoundPlayer(const ImagePacks& packs, std::function<bool(std::string_view)> eventOn)
    : packs_(packs), eventOn_(std::move(eventOn)), out_(std::make_unique<Output>()) {}

SoundPlayer::~SoundPlayer() { out_->stop(); }

bool SoundPlayer::hasDevice() const { return !out_->device.isNull(); }

bool SoundPlayer::playing() const {
    return out_->sink && out_->sink->state() == QAudio::ActiveState;
}

bool SoundPlayer::allowed(std::string_view name) const {
    if (!enabled_) return false;
    const std::string_view key = soundSettingOf(name);
    // Names that are no event's (the stop names) pass, so that they stop the sound.
    return key.empty() || !eventOn_ || eventOn_(key);
}

void SoundPlayer::start(std::string_view name, bool loop) {
    out_->stop();
    current_.clear();
    const auto data = packs_.wave(name);
    if (!data) return; // a name without a resource only stops
    const auto wave = parseWave(*data);
    if (!wave) return;
    current_ = std::string(name);
    if (!hasDevice()) return;
    Output& o = *out_;
    o.pcm = wave->pcm;
    o.buffer.setData(o.pcm);
    o.buffer.open(QIODevice::ReadOnly);
    o.loop = loop;
    o.sink = std::make_unique<QAudioSink>(o.device, wave->format);
    QAudioSink* sink = o.sink.get();
    QObject::connect(sink, &QAudioSink::stateChanged, sink, [this, sink](QAudio::State s) {
        Output& out = *out_;
        if (s != QAudio::IdleState || out.sink.get() != sink) return;
        if (out.loop) {
            out.buffer.seek(0);
            sink->start(&out.buffer);
        } else {
            sink->stop();
        }
    }, Qt::QueuedConnection);
    sink->start(&o.buffer);
}

void SoundPlayer::play(std::string_view name) {
    if (allowed(name)) start(name, false);
}

void SoundPlayer::playWithoutInterrupting(std::string_view name) {
    if (!allowed(name) || playing()) return;
    start(name, false);
}

void SoundPlayer::playLooping(std::string_view name) {
    if (allowed(name)) start(name, true);
}

void SoundPlayer::stop() {
    if (!enabled_) return;
    out_->stop();
    current_.clear();
}

} // namespace vellamor::render
