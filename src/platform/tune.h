#pragma once

#include <QString>
#include <memory>
#include <vector>

// The splash window's tune: a MIDI file played through a software synthesiser. Without a file, a
// sound font or an audio device it stays silent and never reports an error.
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

    bool isOpen() const;
    bool isPlaying() const;
    // An audio device is open and the synthesiser renders to it on the audio thread: from the first play
    // after the sound font has loaded until the tune is closed.
    bool isRendering() const;

    // The sound font the tune uses: the program's own, else a General MIDI one; empty when there is none.
    static QString soundFontPath();
    // Renders the first seconds of a MIDI file to interleaved stereo samples, without an audio device.
    static std::vector<float> render(const QString& midiPath, const QString& soundFont, double seconds,
                                     int sampleRate = 22050);

private:
    struct Engine;
    std::unique_ptr<Engine> engine_;
};
