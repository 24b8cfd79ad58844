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
#include <string>
#include <thread>
#include <utility>

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

// The tune's own thread makes and deletes the synthesiser, the player and the audio driver and starts and
// stops the player: opening a device may never return (a card held by another program, a stalled sound
// server), so the calls of the tune only record what it wants, under a mutex that the tune's thread never
// holds while it opens or closes a device. The audio driver renders on a thread of its own, and the player's
// timer runs inside that rendering; so the driver runs only while a player exists: it starts after the
// player is made and stops before the player is deleted.
namespace {
std::atomic<bool> buffer{false};
} // namespace

struct Tune::Engine {
    explicit Engine(std::string fontPath) : font(std::move(fontPath)) {}

    std::mutex mutex;
    // Wakes the tune's thread for a call of the tune or for the end.
    std::condition_variable changed;
    // Wakes a pull once the tune's thread has carried out every call.
    std::condition_variable settled;

    // What the tune wants, written under the mutex by the thread that calls it.
    std::string path;
    // Every open counts: the player of the file before goes.
    unsigned opens = 0;
    bool open = false;
    bool wantPlaying = false;
    bool quit = false;
    unsigned requested = 0;

    // Written under the mutex by the tune's thread.
    unsigned applied = 0;
    bool ready = false;
    // No sound font, or no audio device to play on.
    bool silent = false;
    // The audio device is open, or with the buffer a player is there to be pulled.
    bool output = false;
    fluid_synth_t* synth = nullptr;
    fluid_player_t* player = nullptr;

    // The tune's thread's own.
    const std::string font;
    // Sound goes to a buffer instead of a device.
    const bool buffered = buffer;
    unsigned playerOpens = 0;
    // The player was stopped by a pause, not by reaching the end of the tune.
    bool paused = false;
    fluid_settings_t* settings = nullptr;
    fluid_audio_driver_t* driver = nullptr;

    template <class Change> void command(Change change) {
        {
            std::lock_guard lock(mutex);
            change();
            ++requested;
        }
        changed.notify_one();
    }

    void run() {
        load();
        std::unique_lock lock(mutex);
        ready = true;
        for (;;) {
            settled.notify_all();
            changed.wait(lock, [this] { return quit || applied != requested; });
            if (quit)
                break;
            const unsigned target = requested;
            apply(lock);
            applied = target;
        }
        stopPlayer(lock);
        lock.unlock();
        if (synth)
            delete_fluid_synth(synth);
        if (settings)
            delete_fluid_settings(settings);
    }

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
        const bool fontOk = syn && !font.empty() && fluid_synth_sfload(syn, font.c_str(), 1) != FLUID_FAILED;
        std::lock_guard lock(mutex);
        settings = s;
        synth = syn;
        silent = !fontOk;
    }

    // The mutex is held on entry and on return; it is let go while a device opens or closes, and the
    // calls made meanwhile are carried out on the next round.
    void apply(std::unique_lock<std::mutex>& lock) {
        if (silent)
            return;
        if (!open || playerOpens != opens) {
            stopPlayer(lock);
            playerOpens = opens;
        }
        if (!open)
            return;
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
            stopPlayer(lock);
        paused = false;
        if (!player) {
            player = new_fluid_player(synth);
            if (!player || fluid_player_add(player, path.c_str()) != FLUID_OK) {
                stopPlayer(lock);
                return;
            }
        }
        fluid_player_play(player);
        if (output)
            return;
        if (buffered) {
            output = true;
            return;
        }
        lock.unlock();
        if (void (*hook)() = Tune::deviceOpening)
            hook();
        fluid_audio_driver_t* opened = new_fluid_audio_driver(settings, synth);
        lock.lock();
        driver = opened;
        output = opened != nullptr;
        if (!opened) {
            silent = true;
            stopPlayer(lock);
        }
    }

    void stopPlayer(std::unique_lock<std::mutex>& lock) {
        output = false;
        if (fluid_audio_driver_t* stopping = std::exchange(driver, nullptr)) {
            lock.unlock();
            delete_fluid_audio_driver(stopping);
            lock.lock();
        }
        if (player) {
            delete_fluid_player(player);
            player = nullptr;
            fluid_synth_system_reset(synth);
        }
        paused = false;
    }
};

Tune::Tune() = default;

// The tune's thread is left to finish on its own: it may be stuck in a device that never opens, and it holds
// the engine it uses.
Tune::~Tune() {
    if (engine_)
        engine_->command([engine = engine_.get()] { engine->quit = true; });
}

void Tune::open(const QString& midiPath) {
    if (!QFileInfo(midiPath).isFile())
        return;
    if (!engine_) {
        engine_ = std::make_shared<Engine>(soundFontPath().toLocal8Bit().toStdString());
        std::thread([engine = engine_] { engine->run(); }).detach();
    }
    engine_->command([engine = engine_.get(), path = midiPath.toLocal8Bit().toStdString()] {
        engine->path = path;
        ++engine->opens;
        engine->open = true;
        engine->wantPlaying = false;
    });
}

void Tune::play() {
    if (engine_)
        engine_->command([engine = engine_.get()] { engine->wantPlaying = engine->open; });
}

void Tune::pause() {
    if (engine_)
        engine_->command([engine = engine_.get()] { engine->wantPlaying = false; });
}

void Tune::close() {
    if (engine_)
        engine_->command([engine = engine_.get()] {
            engine->open = false;
            engine->wantPlaying = false;
        });
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
    engine_->settled.wait(
        lock, [engine = engine_.get()] { return engine->ready && engine->applied == engine->requested; });
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
