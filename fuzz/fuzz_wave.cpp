// WAVE loading as the sound engine does it, from memory: strict about files
// cut short, then converted to the engine's device format. Any bytes either
// give whole frames of samples or raise the sound system's error.
#include "FuzzCheck.h"
#include "platform/sound/SoundSdlEngine.h"
#include "core/VantelError.h"

#include <SDL.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    // The first byte picks the device: the engine's default or the greetings' own format.
    const SoundDeviceFormat device = (data[0] & 1) ? SoundDeviceFormat{8000, 1} : SoundDeviceFormat{};
    const bool convert = !(data[0] & 2);
    try {
        const WaveSamples sound =
            LoadWave(SDL_RWFromConstMem(data + 1, int(size - 1)), convert ? &device : nullptr);
        if (convert)
            FUZZ_CHECK(sound.length % (2 * unsigned(device.channels)) == 0, QString::number(sound.length));
        unsigned sum = 0; // every byte of the samples can be read
        for (unsigned i = 0; i < sound.length; ++i)
            sum += sound.data[i];
        FUZZ_CHECK(sound.length > 0 || sum == 0, QString::number(sum));
        SDL_free(sound.data);
    } catch (const VantelError& error) {
        FUZZ_CHECK(!error.Message().isEmpty(), "an error without a text");
    }
    return 0;
}
