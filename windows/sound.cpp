#include "windows/sound.h"

#include "windows/win32.h"

#include <mmsystem.h>

namespace win {

void Sound::play(std::span<const std::uint8_t> waveImage) {
    std::vector<std::uint8_t> next(waveImage.begin(), waveImage.end());
    // Starting the new clip stops the old one first; only then may its bytes go.
    PlaySoundW(reinterpret_cast<const wchar_t*>(next.data()), nullptr,
               SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
    playing_.swap(next);
}

void Sound::stop() {
    PlaySoundW(nullptr, nullptr, 0);
    playing_.clear();
}

}  // namespace win
