#include "tests/support/fake_host.h"

#include <memory>

#include "toolkit/core/value.h"

#include "assets/catalog.h"

namespace testing_support {

tk::Picture FakeHost::picture(std::string_view owner) {
    auto found = pictures_.find(owner);
    if (found != pictures_.end())
        return found->second;
    const assets::PictureAsset* asset = assets::findPicture(owner);
    if (!asset)
        return {};
    auto image = std::make_shared<tk::Image>(
        tk::Image{std::string(owner), asset->width, asset->height, asset->rgba});
    tk::Picture picture(std::move(image));
    pictures_.emplace(std::string(owner), picture);
    return picture;
}

tk::Resource FakeHost::LoadResData(int id, std::string_view type) {
    loads.push_back(id);
    if (nextLoadFailure) {
        const int error = *nextLoadFailure;
        nextLoadFailure.reset();
        return {error, {}};
    }
    const auto wave = type == "RESTYPE" ? assets::clipWave(id) : std::span<const std::uint8_t>{};
    if (wave.empty())
        return {tk::kErrResourceNotFound, {}};
    lastLoaded_ = id;
    return {0, std::vector<std::uint8_t>(wave.begin(), wave.end())};
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
