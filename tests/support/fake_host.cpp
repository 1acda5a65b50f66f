#include "tests/support/fake_host.h"

#include "toolkit/core/value.h"

namespace testing_support {

tk::Picture FakeHost::picture(std::string_view owner) {
    return embedded_.picture(owner);
}

tk::Resource FakeHost::LoadResData(int id, std::string_view type) {
    loads.push_back(id);
    if (nextLoadFailure) {
        const int error = *nextLoadFailure;
        nextLoadFailure.reset();
        return {error, {}};
    }
    tk::Resource resource = tk::EmbeddedResources::LoadResData(id, type);
    if (resource.error == 0)
        lastLoaded_ = id;
    return resource;
}

namespace {
const char* formName(tk::FormName form) {
    switch (form) {
        case tk::FormName::Form1:
            return "Form1";
        case tk::FormName::Form2:
            return "Form2";
        case tk::FormName::Form3:
            return "Form3";
    }
    return "?";
}
}  // namespace

void FakeHost::MsgBox(std::string_view text) {
    messages.emplace_back(text);
    log.push_back("msgbox " + std::string(text));
}

void FakeHost::Sleep(int milliseconds) {
    sleeps.push_back(milliseconds);
    log.push_back("sleep " + std::to_string(milliseconds));
}

void FakeHost::Randomize() {
    ++randomizeCount;
    log.push_back("randomize");
}

void FakeHost::Unload(tk::FormName form) {
    unloads.push_back(form);
    log.push_back(std::string("unload ") + formName(form));
}

void FakeHost::playWaveImage(std::span<const std::uint8_t> waveImage) {
    clips.push_back(lastLoaded_);
    log.push_back("clip " + std::to_string(lastLoaded_));
    waveSizes.push_back(waveImage.size());
}

float FakeHost::Rnd() {
    log.push_back("rnd");
    if (rnd.empty())
        return 0.0f;
    const float value = rnd.front();
    rnd.pop_front();
    return value;
}

void FakeHost::showModal(tk::FormName form) {
    shown.push_back(form);
    log.push_back(std::string("show ") + formName(form));
    if (onShowModal)
        onShowModal(form);
}

void FakeHost::setFormHeight(float twips) {
    height = twips;
    log.push_back("height " + tk::formatNumber(twips));
    heightChanges.push_back(twips);
}

void FakeHost::clearRecords() {
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

}  // namespace testing_support
