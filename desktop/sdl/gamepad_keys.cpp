#include "desktop/sdl/gamepad_keys.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>

namespace tksdl {

namespace {
constexpr int kPollPluggedMs = 8;    // finer than a game tick
constexpr int kPollWaitingMs = 250;  // only to notice a controller being plugged in
}  // namespace

GamepadKeys::GamepadKeys(std::function<QWindow*()> target)
    : target_(std::move(target)),
      pad_([this](const running::Key& key, bool down) { deliver(key, down); }) {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
}

void GamepadKeys::start() {
    clock_.start();
    if (pad_.start())
        timer_.start(kPollWaitingMs);
}

void GamepadKeys::poll(std::uint32_t elapsedMs) {
    pad_.poll(elapsedMs);
    const int every = pad_.anyConnected() ? kPollPluggedMs : kPollWaitingMs;
    if (timer_.isActive() && timer_.interval() != every)
        timer_.setInterval(every);
}

void GamepadKeys::deliver(const running::Key& key, bool down) {
    QWindow* window = target_ ? target_() : QGuiApplication::focusWindow();
    if (!window)
        return;  // the game is not in front: a keyboard's keys would not reach it either
    const bool p = key.named == running::Key::Named::None;
    const int qtKey = p                                        ? Qt::Key_P
                      : key.named == running::Key::Named::Left ? Qt::Key_Left
                                                               : Qt::Key_Right;
    QKeyEvent event(down ? QEvent::KeyPress : QEvent::KeyRelease, qtKey, Qt::NoModifier,
                    p ? QStringLiteral("p") : QString(), key.repeat);
    QCoreApplication::sendEvent(window, &event);
}

}  // namespace tksdl
