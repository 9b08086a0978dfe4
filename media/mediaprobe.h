#ifndef MEDIAPROBE_H
#define MEDIAPROBE_H

// Measures how long a media file plays, from its container, without decoding.
class CMediaProbe
{
public:
    CMediaProbe();
    CMediaProbe(const CMediaProbe &) = delete;
    CMediaProbe &operator=(const CMediaProbe &) = delete;

    // fileName: UTF-8 bytes of the path. Returns 0 or the library's negative error code;
    // on failure the duration keeps its previous value.
    int probe(const char *fileName);
    double duration() const { return m_duration; }
    // Whether the last file that opened holds an audio stream.
    bool hasAudio() const { return m_hasAudio; }
    // Keeps the library's own warnings about odd files off standard error, where a command's
    // one line of failure must stand alone.
    static void silenceLibrary();

private:
    double m_duration = 0.0;
    bool m_hasAudio = false;
};

#endif
