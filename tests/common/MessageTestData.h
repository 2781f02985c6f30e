#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

// Test material for the message record: tones as PCM bytes, a signal-to-noise measure that
// allows for the coder's delay, and WAVE files built byte by byte.
namespace msgtest {

inline std::vector<std::int16_t> Sine(std::size_t samples, double frequency, double rate,
                                      double amplitude)
{
    std::vector<std::int16_t> out(samples);
    for (std::size_t i = 0; i < samples; ++i)
        out[i] = static_cast<std::int16_t>(
            std::lround(amplitude * std::sin(2 * M_PI * frequency * i / rate)));
    return out;
}

inline std::vector<std::uint8_t> Bytes(const std::vector<std::int16_t>& samples)
{
    std::vector<std::uint8_t> out(samples.size() * 2);
    std::memcpy(out.data(), samples.data(), out.size());
    return out;
}

inline std::vector<std::int16_t> Samples(const std::vector<std::uint8_t>& bytes)
{
    std::vector<std::int16_t> out(bytes.size() / 2);
    std::memcpy(out.data(), bytes.data(), out.size() * 2);
    return out;
}

// Best SNR in dB of `decoded` against `reference` over delays of 0-64 samples; the first
// and last 100 samples are left out so the filters' start-up does not count.
inline double SnrDb(const std::vector<std::int16_t>& reference,
                    const std::vector<std::int16_t>& decoded)
{
    double best = -1e9;
    for (std::size_t delay = 0; delay <= 64; ++delay) {
        double signal = 0, noise = 0;
        for (std::size_t i = 100; i + delay + 100 < reference.size() && i + delay < decoded.size();
             ++i) {
            const double diff = double(decoded[i + delay]) - reference[i];
            signal += double(reference[i]) * reference[i];
            noise += diff * diff;
        }
        if (signal > 0)
            best = std::max(best, 10 * std::log10(signal / (noise + 1e-9)));
    }
    return best;
}

inline void PutLe(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

inline void PutChunk(std::vector<std::uint8_t>& out, const char* id,
                     const std::vector<std::uint8_t>& body, std::uint32_t declared)
{
    out.insert(out.end(), id, id + 4);
    PutLe(out, declared, 4);
    out.insert(out.end(), body.begin(), body.end());
    if (body.size() & 1)
        out.push_back(0);
}

struct WaveLayout {
    std::uint32_t rate = 16000;
    std::uint16_t bits = 16;
    std::uint16_t channels = 1;
    std::vector<std::uint8_t> data;
    bool listChunkFirst = false;     // an odd-sized chunk before "fmt "
    std::uint32_t dataSizeExtra = 0; // claims more data than the file holds
};

inline std::vector<std::uint8_t> Wave(const WaveLayout& layout)
{
    std::vector<std::uint8_t> fmt;
    PutLe(fmt, 1, 2);
    PutLe(fmt, layout.channels, 2);
    PutLe(fmt, layout.rate, 4);
    PutLe(fmt, layout.rate * layout.channels * layout.bits / 8, 4);
    PutLe(fmt, layout.channels * layout.bits / 8, 2);
    PutLe(fmt, layout.bits, 2);
    std::vector<std::uint8_t> body = {'W', 'A', 'V', 'E'};
    if (layout.listChunkFirst)
        PutChunk(body, "LIST", {'a', 'b', 'c'}, 3);
    PutChunk(body, "fmt ", fmt, static_cast<std::uint32_t>(fmt.size()));
    PutChunk(body, "data", layout.data,
             static_cast<std::uint32_t>(layout.data.size()) + layout.dataSizeExtra);
    std::vector<std::uint8_t> out = {'R', 'I', 'F', 'F'};
    PutLe(out, static_cast<std::uint32_t>(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

inline void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

inline std::vector<std::uint8_t> ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

} // namespace msgtest
