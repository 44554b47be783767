// SDL2 and SDL2_mixer, loaded on the engine's first use instead of at
// program start: linked in, they and the dozens of libraries they bring
// (decoders, a synthesizer, audio-server clients) took about a fifth of the
// time to the first paint, for a sound most runs play a second later or not
// at all.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

// The functions the engine calls, named as in SDL's headers.
#define VANTEL_SDL_FUNCTIONS(X)                                                                              \
    X(SDL_BuildAudioCVT)                                                                                     \
    X(SDL_ConvertAudio)                                                                                      \
    X(SDL_Delay)                                                                                             \
    X(SDL_FreeWAV)                                                                                           \
    X(SDL_GetCurrentAudioDriver)                                                                             \
    X(SDL_GetError)                                                                                          \
    X(SDL_InitSubSystem)                                                                                     \
    X(SDL_LoadWAV_RW)                                                                                        \
    X(SDL_QuitSubSystem)                                                                                     \
    X(SDL_RWFromConstMem)                                                                                    \
    X(SDL_RWFromFile)                                                                                        \
    X(SDL_ResetHint)                                                                                         \
    X(SDL_SetHint)                                                                                           \
    X(SDL_SetHintWithPriority)                                                                               \
    X(SDL_free)                                                                                              \
    X(SDL_malloc)                                                                                            \
    X(Mix_AllocateChannels)                                                                                  \
    X(Mix_ChannelFinished)                                                                                   \
    X(Mix_CloseAudio)                                                                                        \
    X(Mix_FreeChunk)                                                                                         \
    X(Mix_HaltChannel)                                                                                       \
    X(Mix_OpenAudioDevice)                                                                                   \
    X(Mix_PlayChannelTimed)                                                                                  \
    X(Mix_Playing)                                                                                           \
    X(Mix_QuerySpec)                                                                                         \
    X(Mix_QuickLoad_RAW)

struct SdlLibrary {
#define VANTEL_SDL_POINTER(name) decltype(&::name) name = nullptr;
    VANTEL_SDL_FUNCTIONS(VANTEL_SDL_POINTER)
#undef VANTEL_SDL_POINTER
};

// Loads the libraries on the first call; raises VantelError when they cannot
// be loaded, and tries again on the next call.
const SdlLibrary& Sdl();
