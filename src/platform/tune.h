#pragma once

#include <QString>
#include <atomic>
#include <memory>

// The splash window's tune: a MIDI file played through a software synthesiser. Without a file, a
// sound font or an audio device it stays silent and never reports an error. The calls return at once: the
// tune's own thread carries them out, so a device that never opens holds up nothing but the tune.
class Tune {
public:
    Tune();
    ~Tune();
    Tune(const Tune&) = delete;
    Tune& operator=(const Tune&) = delete;

    // Open: remembers the file; the synthesiser starts loading its sound font in the background.
    void open(const QString& midiPath);
    void play();
    void pause();
    void close();

    // An audio device (or the buffer) is open and the synthesiser renders to it: from when the tune's thread
    // has carried out the first play after the sound font has loaded until it has carried out the close.
    bool isRendering() const;

    // The tunes that open their first file from now on render into a buffer that their owner pulls, in
    // place of the audio device: a machine without a sound card can then hear what they play.
    static void renderToBuffer(bool on);
    // With the buffer: waits for the sound font and for the calls made so far, renders the next frames
    // (44100 a second) and returns how many of them carry sound; 0 when nothing renders.
    int pull(int frames);
    // Where the player stands in the tune, in MIDI ticks; 0 without a player.
    int position() const;

    // The sound font the tune uses: the program's own, else a General MIDI one; empty when there is none.
    static QString soundFontPath();

    // For tests: when set, the tune's thread calls it just before it opens the audio device.
    static inline std::atomic<void (*)()> deviceOpening{nullptr};

private:
    struct Engine;
    // Shared with the tune's thread, which may outlive the tune while a device is slow to open or close.
    std::shared_ptr<Engine> engine_;
};
