// The settings menu: what the player may change beside the game's rules (the zoom, full screen,
// the sound, the pause when the player goes elsewhere, the timing of 2002, the language), on a
// right click
// anywhere on the game, the Menu key or Shift+F10. Each change takes effect at once and is
// remembered. The game's own clicks are left clicks: the right button takes nothing from it.
#include <QActionGroup>
#include <QApplication>
#include <QContextMenuEvent>

#include <utility>

#include "desktop/qt/shown_text.h"
#include "desktop/views/main_window_view.h"

namespace views {

void MainWindowView::contextMenuEvent(QContextMenuEvent* event) {
    openSettings(event->globalPos());
}

void MainWindowView::openSettings(QPoint at) {
    if (!settings_)
        buildSettings();
    zoomMenus(*settings_);
    settings_->popup(at);
}

// The menus' text at the zoom shown, and the room around it zoomed by their style. A system
// without any font gives no size: the menus then keep Qt's own.
void MainWindowView::zoomMenus(QWidget& menus) {
    const int zoom = shownZoom();
    menuStyle_->setZoom(zoom);
    QFont font = QApplication::font();
    const int px = QFontInfo(font).pixelSize();
    if (px <= 0)
        return;
    font.setPixelSize(px * zoom);
    menus.setFont(font);
    for (QMenu* menu : menus.findChildren<QMenu*>())
        menu->setFont(font);
}

void MainWindowView::buildSettings() {
    settings_ = new QMenu(this);
    settings_->setToolTipsVisible(true);
    QMenu* zooms = settings_->addMenu(tkqt::shown("&Zvětšení"));
    auto* oneOf = new QActionGroup(zooms);
    for (int zoom = 1; zoom <= kMaxZoom; ++zoom) {
        QAction* action = zooms->addAction(QStringLiteral("&%1×").arg(zoom));
        action->setCheckable(true);
        action->setData(zoom);
        oneOf->addAction(action);
        connect(action, &QAction::triggered, this, [this, zoom] {
            if (setZoom(zoom))
                remember([this](Preferences& p) { p.zoom = zoom_; });
        });
    }
    const auto flag = [this](const QString& caption, const QString& tip, auto apply) {
        QAction* action = settings_->addAction(caption);
        action->setCheckable(true);
        action->setToolTip(tip);
        connect(action, &QAction::triggered, this, apply);
    };
    flag(tkqt::shown("&Celá obrazovka\tF11"), QString(), [this](bool on) {
        setFullScreenGame(on);
        remember([on](Preferences& p) { p.fullScreen = on; });
    });
    flag(tkqt::shown("Z&vuk"), QString(), [this](bool on) {
        setMuted(!on);
        remember([on](Preferences& p) { p.mute = !on; });
    });
    flag(tkqt::shown("&Automatická pauza"),
         tkqt::shown("Když přepnete do jiného programu nebo okno minimalizujete, "
                     "zápas se pozastaví."),
         [this](bool on) {
             setAutoPause(on);
             remember([on](Preferences& p) { p.autoPause = on; });
         });
    flag(tkqt::shown("&Rychlost z roku 2002"),
         tkqt::shown("Časovače tikají jako na počítačích z roku 2002: 64krát za sekundu."),
         [this](bool on) {
             setClassicTiming(on);
             remember([on](Preferences& p) { p.classicTiming = on; });
         });
    // Each language in its own words; "as the desktop" follows LANGUAGE, LANG and the rest.
    QMenu* languages = settings_->addMenu(tkqt::shown("&Jazyk"));
    auto* oneLanguage = new QActionGroup(languages);
    const std::pair<const char*, QString> choices[] = {{"", tkqt::shown("Podle &systému")},
                                                       {"cs", QStringLiteral("&Čeština")},
                                                       {"en", QStringLiteral("&English")}};
    for (const auto& [code, caption] : choices) {
        QAction* action = languages->addAction(caption);
        action->setCheckable(true);
        action->setData(QString::fromLatin1(code));
        oneLanguage->addAction(action);
        connect(action, &QAction::triggered, this, [this, language = std::string(code)] {
            setLanguage(language);
            remember([language](Preferences& p) { p.language = language; });
        });
    }
    for (QMenu* menu : {settings_, zooms, languages}) {
        menu->setStyle(menuStyle_);
        connect(menu, &QMenu::aboutToShow, this, [this] {
            releaseHeldKeys();
            showSettings();
        });
    }
}

// The menu as things stand: the zoom shown (none to choose in full screen, nor one the screen
// does not take), and each setting's state.
void MainWindowView::showSettings() {
    const QList<QAction*> items = settings_->actions();
    for (QAction* zoom : items[0]->menu()->actions()) {
        zoom->setChecked(zoom->data().toInt() == fitted_);
        zoom->setEnabled(!fullScreen_ && zoom->data().toInt() <= fittingZoom());
    }
    items[1]->setChecked(fullScreen_);
    items[2]->setChecked(!muted_);
    items[3]->setChecked(autoPause_);
    items[4]->setChecked(classicTiming());
    for (QAction* language : items[5]->menu()->actions())
        language->setChecked(language->data().toString().toStdString() == language_);
}

// The game's words in another language: the title, the menus and every window drawn from now
// on. The settings menu is made anew in the new words when it next opens.
void MainWindowView::setLanguage(const std::string& language) {
    language_ = language;
    showLanguage(language);
    setWindowTitle(tkqt::shown(model_.Caption));
    menus_->retranslate();
    if (settings_)
        settings_->deleteLater();
    settings_ = nullptr;
    canvas_->requestFrame();
}

void MainWindowView::setMuted(bool on) {
    if (on == muted_)
        return;
    muted_ = on;
    if (onMuted)
        onMuted(on);
}

bool MainWindowView::classicTiming() const {
    return clock_.clock().timing() == flow::Clock::Timing::Classic;
}

void MainWindowView::setClassicTiming(bool on) {
    clock_.setTiming(on ? flow::Clock::Timing::Classic : flow::Clock::Timing::Steady);
}

void MainWindowView::remember(const std::function<void(Preferences&)>& change) {
    if (!store_)
        return;
    // Only what the player changed now: a setting given on the command line for this run is
    // not written back.
    Preferences saved = store_->load();
    change(saved);
    store_->save(saved);
}

}  // namespace views
