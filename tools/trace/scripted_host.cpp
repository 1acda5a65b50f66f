#include "tools/trace/scripted_host.h"

#include "engine/core/value.h"

namespace trace {

tk::Picture ScriptedHost::picture(std::string_view owner) {
    return embedded_.picture(owner);
}

tk::Resource ScriptedHost::LoadResData(int id, std::string_view type) {
    loads.push_back(id);
    if (nextLoadFailure) {
        const int error = *nextLoadFailure;
        nextLoadFailure.reset();
        return {error, {}};
    }
    tk::Resource resource = embedded_.LoadResData(id, type);
    if (resource.error == 0)
        lastLoaded_ = id;
    return resource;
}

void ScriptedHost::MsgBox(std::string_view text) {
    messages.emplace_back(text);
    log.push_back("msgbox " + std::string(text));
}

void ScriptedHost::Sleep(int milliseconds) {
    sleeps.push_back(milliseconds);
    log.push_back("sleep " + std::to_string(milliseconds));
}

void ScriptedHost::Randomize() {
    ++randomizeCount;
    log.push_back("randomize");
}

void ScriptedHost::Unload(std::string_view form) {
    unloads.emplace_back(form);
    log.push_back("unload " + std::string(form));
}

void ScriptedHost::playWaveImage(std::span<const std::uint8_t> waveImage) {
    clips.push_back(lastLoaded_);
    log.push_back("clip " + std::to_string(lastLoaded_));
    waveSizes.push_back(waveImage.size());
}

float ScriptedHost::Rnd() {
    log.push_back("rnd");
    if (rnd.empty())
        return 0.0f;
    const float value = rnd.front();
    rnd.pop_front();
    return value;
}

void ScriptedHost::showModal(std::string_view form) {
    shown.emplace_back(form);
    log.push_back("show " + std::string(form));
    if (onShowModal)
        onShowModal(form);
}

void ScriptedHost::setFormHeight(float twips) {
    height = twips;
    log.push_back("height " + tk::formatNumber(twips));
    heightChanges.push_back(twips);
}

void ScriptedHost::clearRecords() {
    log.clear();
    clips.clear();
    loads.clear();
    waveSizes.clear();
    sleeps.clear();
    messages.clear();
    shown.clear();
    unloads.clear();
    heightChanges.clear();
    randomizeCount = 0;
}

}  // namespace trace
