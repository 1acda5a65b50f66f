#include "desktop/qt/qt_host.h"

#include <QMessageBox>
#include <QThread>

#include <poll.h>

#include <cerrno>
#include <chrono>

#include "desktop/qt/shown_text.h"

namespace tkqt {

namespace {
std::uint32_t clockSeed() {
    return static_cast<std::uint32_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

// Tells the windows that the thread is held up for as long as it lives.
class Hold {
  public:
    explicit Hold(FormDirector* director) : director_(director) {
        if (director_)
            director_->holdUp();
    }
    ~Hold() {
        if (director_)
            director_->goOn();
    }
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;

  private:
    FormDirector* director_;
};
}  // namespace

QtHost::QtHost(tk::Resources& resources, std::string title, WaveSink wavePlayer)
    : resources_(resources),
      title_(std::move(title)),
      wavePlayer_(std::move(wavePlayer)),
      random_(clockSeed()) {}

tk::Picture QtHost::picture(std::string_view owner) {
    return resources_.picture(owner);
}

tk::Resource QtHost::LoadResData(int id, std::string_view type) {
    return resources_.LoadResData(id, type);
}

void QtHost::playWaveImage(std::span<const std::uint8_t> waveImage) {
    if (wavePlayer_)
        wavePlayer_(waveImage);
}

void QtHost::MsgBox(std::string_view text) {
    QMessageBox box(QMessageBox::NoIcon, shown(title_), shown(text), QMessageBox::Ok,
                    director_ ? director_->activeWindow() : nullptr);
    const Hold hold(director_);
    box.exec();
}

void QtHost::Sleep(int milliseconds) {
    // The game's pause after a point holds up the whole window, timers and paints included.
    const Hold hold(director_);
    if (wakeFd_ < 0) {
        QThread::msleep(static_cast<unsigned long>(milliseconds));
        return;
    }
    using Clock = std::chrono::steady_clock;
    const auto end = Clock::now() + std::chrono::milliseconds(milliseconds);
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
        if (left <= 0)
            return;
        pollfd wake{wakeFd_, POLLIN, 0};
        const int ready = ::poll(&wake, 1, static_cast<int>(left));
        if (ready > 0 || (ready < 0 && errno != EINTR))
            return;  // asked to end (the descriptor is left for the event loop to read)
    }
}

void QtHost::Randomize() {
    random_.seed(clockSeed());
}

float QtHost::Rnd() {
    // 24 random bits make every single in [0, 1) on a 2^-24 grid equally likely, and never 1.
    return static_cast<float>(random_() >> 8) * (1.0f / 16777216.0f);
}

void QtHost::showModal(std::string_view form) {
    if (director_)
        director_->showModal(form);
}

void QtHost::Unload(std::string_view form) {
    if (director_)
        director_->unload(form);
}

float QtHost::formHeight() {
    return director_ ? director_->outerHeight() : 0.0f;
}

void QtHost::setFormHeight(float twips) {
    if (director_)
        director_->setOuterHeight(twips);
}

}  // namespace tkqt
