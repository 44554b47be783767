// Sound files made up for tests: plain 16-bit PCM WAVE files of noise or a
// tone, and the conversions between sample lists and their bytes.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QtEndian>
#include <cmath>
#include <numbers>

inline QByteArray SampleBytes(const QList<qint16>& samples) {
    QByteArray bytes(samples.size() * 2, '\0');
    for (qsizetype i = 0; i < samples.size(); ++i)
        qToLittleEndian<qint16>(samples[i], bytes.data() + 2 * i);
    return bytes;
}

inline QList<qint16> SamplesOf(const QByteArray& bytes) {
    QList<qint16> samples(bytes.size() / 2);
    for (qsizetype i = 0; i < samples.size(); ++i)
        samples[i] = qFromLittleEndian<qint16>(bytes.constData() + 2 * i);
    return samples;
}

// A complete WAVE file with the usual 44-byte header.
inline QByteArray WaveFile(int rate, int channels, const QList<qint16>& samples) {
    const QByteArray data = SampleBytes(samples);
    QByteArray header(44, '\0');
    char* h = header.data();
    auto put32 = [h](int at, quint32 v) { qToLittleEndian<quint32>(v, h + at); };
    auto put16 = [h](int at, quint16 v) { qToLittleEndian<quint16>(v, h + at); };
    memcpy(h, "RIFF", 4);
    put32(4, quint32(36 + data.size()));
    memcpy(h + 8, "WAVEfmt ", 8);
    put32(16, 16);
    put16(20, 1);
    put16(22, quint16(channels));
    put32(24, quint32(rate));
    put32(28, quint32(rate * channels * 2));
    put16(32, quint16(channels * 2));
    put16(34, 16);
    memcpy(h + 36, "data", 4);
    put32(40, quint32(data.size()));
    return header + data;
}

inline bool WriteTestFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Loud noise with no zero sample, so where it starts and ends is never in doubt.
inline QList<qint16> NoiseSamples(int count, quint32 seed = 12345) {
    QList<qint16> samples(count);
    for (auto& s : samples) {
        seed = seed * 1664525u + 1013904223u;
        s = qint16(int(seed >> 16) % 20000 - 10000);
        if (s == 0)
            s = 1;
    }
    return samples;
}

// A sine tone, the same on every channel (interleaved).
inline QList<qint16> ToneSamples(double frequency, int rate, int channels, double seconds,
                                 double amplitude = 12000) {
    const int frames = int(seconds * rate);
    QList<qint16> samples;
    samples.reserve(frames * channels);
    for (int i = 0; i < frames; ++i) {
        const auto v = qint16(std::lround(amplitude * std::sin(2 * std::numbers::pi * frequency * i / rate)));
        for (int c = 0; c < channels; ++c)
            samples.append(v);
    }
    return samples;
}
