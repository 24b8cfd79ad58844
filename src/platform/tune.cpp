#include "tune.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <alsa/asoundlib.h>
#include <condition_variable>
#include <fluidsynth.h>
#include <mutex>
#include <thread>

namespace {
// The sound library writes its complaints (no card, no default device) straight to the terminal.
void ignoreAlsa(const char*, int, const char*, int, const char*, ...) {}

void quietLibraries() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(level, nullptr, nullptr);
        snd_lib_error_set_handler(ignoreAlsa);
    });
}
} // namespace

// The synthesiser lives on a worker thread that only loads it; commands are applied once it is ready.
// The audio driver renders on a thread of its own, and the player's timer runs inside that rendering; so
// the driver runs only while a player exists: it starts after the player is made and stops before the
// player is deleted.
struct Tune::Engine {
    std::mutex mutex;
    std::thread loader;
    QString path;
    bool open = false;
    bool wantPlaying = false;
    bool ready = false;
    // No sound font, or no audio device to play on.
    bool silent = false;
    // The player was stopped by a pause, not by reaching the end of the tune.
    bool paused = false;
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_audio_driver_t* driver = nullptr;
    fluid_player_t* player = nullptr;

    void load() {
        quietLibraries();
        fluid_settings_t* s = new_fluid_settings();
        if (s) {
            // Only the instruments the tune plays are read from the sound font, and few voices are needed.
            fluid_settings_setint(s, "synth.dynamic-sample-loading", 1);
            fluid_settings_setint(s, "synth.polyphony", 32);
            fluid_settings_setint(s, "synth.reverb.active", 0);
            fluid_settings_setint(s, "synth.chorus.active", 0);
        }
        fluid_synth_t* syn = s ? new_fluid_synth(s) : nullptr;
        const QString font = Tune::soundFontPath();
        const bool fontOk =
            syn && !font.isEmpty() && fluid_synth_sfload(syn, font.toLocal8Bit().constData(), 1) != FLUID_FAILED;
        std::lock_guard lock(mutex);
        settings = s;
        synth = syn;
        silent = !fontOk;
        ready = true;
        apply();
    }

    // Called with the mutex held.
    void apply() {
        if (!ready || silent)
            return;
        if (!open) {
            stopPlayer();
            return;
        }
        if (!wantPlaying) {
            if (player && fluid_player_get_status(player) == FLUID_PLAYER_PLAYING) {
                fluid_player_stop(player);
                fluid_synth_all_notes_off(synth, -1);
                paused = true;
            }
            return;
        }
        // A paused tune carries on where it stopped; one that reached its end starts again.
        if (player && fluid_player_get_status(player) == FLUID_PLAYER_DONE && !paused)
            stopPlayer();
        paused = false;
        if (!player) {
            player = new_fluid_player(synth);
            if (!player || fluid_player_add(player, path.toLocal8Bit().constData()) != FLUID_OK) {
                stopPlayer();
                return;
            }
        }
        fluid_player_play(player);
        if (!driver) {
            driver = new_fluid_audio_driver(settings, synth);
            if (!driver) {
                silent = true;
                stopPlayer();
            }
        }
    }

    void stopPlayer() {
        if (driver) {
            delete_fluid_audio_driver(driver);
            driver = nullptr;
        }
        if (player) {
            delete_fluid_player(player);
            player = nullptr;
            fluid_synth_system_reset(synth);
        }
        paused = false;
    }

    ~Engine() {
        if (loader.joinable())
            loader.join();
        stopPlayer();
        if (synth)
            delete_fluid_synth(synth);
        if (settings)
            delete_fluid_settings(settings);
    }
};

Tune::Tune() = default;

Tune::~Tune() = default;

void Tune::open(const QString& midiPath) {
    if (!QFileInfo(midiPath).isFile())
        return;
    if (!engine_) {
        engine_ = std::make_unique<Engine>();
        engine_->loader = std::thread([engine = engine_.get()] { engine->load(); });
    }
    std::lock_guard lock(engine_->mutex);
    engine_->stopPlayer();
    engine_->path = midiPath;
    engine_->open = true;
    engine_->wantPlaying = false;
}

void Tune::play() {
    if (!engine_)
        return;
    std::lock_guard lock(engine_->mutex);
    if (!engine_->open)
        return;
    engine_->wantPlaying = true;
    engine_->apply();
}

void Tune::pause() {
    if (!engine_)
        return;
    std::lock_guard lock(engine_->mutex);
    engine_->wantPlaying = false;
    engine_->apply();
}

void Tune::close() {
    if (!engine_)
        return;
    std::lock_guard lock(engine_->mutex);
    engine_->open = false;
    engine_->wantPlaying = false;
    engine_->apply();
}

bool Tune::isOpen() const {
    if (!engine_)
        return false;
    std::lock_guard lock(engine_->mutex);
    return engine_->open;
}

bool Tune::isPlaying() const {
    if (!engine_)
        return false;
    std::lock_guard lock(engine_->mutex);
    return engine_->open && engine_->wantPlaying;
}

bool Tune::isRendering() const {
    if (!engine_)
        return false;
    std::lock_guard lock(engine_->mutex);
    return engine_->driver != nullptr;
}

QString Tune::soundFontPath() {
    // The program's own small font first, beside the program or in the current folder.
    for (const QString& folder : {QCoreApplication::applicationDirPath(), QDir::currentPath()}) {
        const QString own = QDir(folder).filePath(QStringLiteral("Zelvo.sf2"));
        if (QFileInfo(own).isFile())
            return own;
    }
    for (const char* candidate : {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2",
                                  "/usr/share/sounds/sf2/FluidR3_GM.sf2"})
        if (QFileInfo(QString::fromLatin1(candidate)).isFile())
            return QString::fromLatin1(candidate);
    return {};
}

std::vector<float> Tune::render(const QString& midiPath, const QString& soundFont, double seconds, int sampleRate) {
    std::vector<float> samples;
    if (!QFileInfo(midiPath).isFile() || !QFileInfo(soundFont).isFile() || seconds <= 0)
        return samples;
    quietLibraries();
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", sampleRate);
    fluid_settings_setstr(settings, "player.timing-source", "sample");
    fluid_synth_t* synth = new_fluid_synth(settings);
    if (fluid_synth_sfload(synth, soundFont.toLocal8Bit().constData(), 1) != FLUID_FAILED) {
        fluid_player_t* player = new_fluid_player(synth);
        if (fluid_player_add(player, midiPath.toLocal8Bit().constData()) == FLUID_OK) {
            fluid_player_play(player);
            const int frames = static_cast<int>(seconds * sampleRate);
            samples.resize(static_cast<size_t>(frames) * 2);
            constexpr int block = 512;
            for (int done = 0; done < frames; done += block) {
                const int count = std::min(block, frames - done);
                float* out = samples.data() + static_cast<size_t>(done) * 2;
                fluid_synth_write_float(synth, count, out, 0, 2, out, 1, 2);
            }
            fluid_player_stop(player);
        }
        delete_fluid_player(player);
    }
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    return samples;
}
