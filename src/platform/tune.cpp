#include "tune.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <alsa/asoundlib.h>
#include <atomic>
#include <cmath>
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
namespace {
std::atomic<bool> buffer{false};
} // namespace

struct Tune::Engine {
    std::mutex mutex;
    std::condition_variable loaded;
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
    // Sound goes to a buffer instead of a device; it renders only while output is on.
    const bool buffered = buffer;
    bool output = false;
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
        const bool fontOk = syn && !font.isEmpty() &&
                            fluid_synth_sfload(syn, font.toLocal8Bit().constData(), 1) != FLUID_FAILED;
        {
            std::lock_guard lock(mutex);
            settings = s;
            synth = syn;
            silent = !fontOk;
            ready = true;
            apply();
        }
        loaded.notify_all();
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
        if (!output) {
            driver = buffered ? nullptr : new_fluid_audio_driver(settings, synth);
            output = buffered || driver;
            if (!output) {
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
        output = false;
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

bool Tune::isRendering() const {
    if (!engine_)
        return false;
    std::lock_guard lock(engine_->mutex);
    return engine_->output;
}

void Tune::renderToBuffer(bool on) {
    buffer = on;
}

int Tune::pull(int frames) {
    if (!engine_ || !engine_->buffered)
        return 0;
    std::unique_lock lock(engine_->mutex);
    engine_->loaded.wait(lock, [this] { return engine_->ready; });
    if (!engine_->output)
        return 0;
    int sounding = 0;
    float samples[2 * 512];
    for (int done = 0; done < frames; done += 512) {
        const int count = std::min(512, frames - done);
        fluid_synth_write_float(engine_->synth, count, samples, 0, 2, samples, 1, 2);
        for (int i = 0; i < count; ++i)
            sounding += std::fabs(samples[2 * i]) > 1e-4f || std::fabs(samples[2 * i + 1]) > 1e-4f;
    }
    return sounding;
}

int Tune::position() const {
    if (!engine_)
        return 0;
    std::lock_guard lock(engine_->mutex);
    return engine_->player ? fluid_player_get_current_tick(engine_->player) : 0;
}

QString Tune::soundFontPath() {
    // The program's own small font first, beside the program or in the current folder.
    for (const QString& folder : {QCoreApplication::applicationDirPath(), QDir::currentPath()}) {
        const QString own = QDir(folder).filePath(QStringLiteral("Zelvo.sf2"));
        if (QFileInfo(own).isFile())
            return own;
    }
    for (const char* candidate :
         {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2",
          "/usr/share/sounds/sf2/FluidR3_GM.sf2"})
        if (QFileInfo(QString::fromLatin1(candidate)).isFile())
            return QString::fromLatin1(candidate);
    return {};
}
