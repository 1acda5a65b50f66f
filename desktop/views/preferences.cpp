#include "desktop/views/preferences.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <cstdio>

#include "assets/embedded_translations.h"

namespace views {

namespace {

QString standardPath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return folder.isEmpty() ? QString() : folder + "/smashbol/smashbol.ini";
}

void complain(const QString& path, const char* what) {
    std::fprintf(stderr, "smashbol: settings %s %s; using the defaults\n", what,
                 path.isEmpty() ? "(no config folder)" : qPrintable(path));
}

// A setting as written by hand may be anything: only what the game itself writes counts, and
// anything else is the default, said once on standard error.
class SettingReader {
  public:
    SettingReader(QSettings& ini, const QString& path) : ini_(ini), path_(path) {}

    bool flag(const char* key, bool fallback) {
        if (!ini_.contains(key))
            return fallback;
        const QString text = ini_.value(key).toString().trimmed().toLower();
        if (text == "true" || text == "1")
            return true;
        if (text == "false" || text == "0")
            return false;
        return invalid(key, text, fallback ? "true" : "false"), fallback;
    }

    int zoom(const char* key) {
        if (!ini_.contains(key))
            return 0;
        const QString text = ini_.value(key).toString().trimmed();
        bool ok = false;
        const int zoom = text.toInt(&ok);
        if (ok && zoom >= 1 && zoom <= 4)
            return zoom;
        return invalid(key, text, "chosen for the screen"), 0;
    }

    // A language the game speaks, or empty for the desktop's own.
    std::string language(const char* key) {
        if (!ini_.contains(key))
            return {};
        const QString text = ini_.value(key).toString().trimmed();
        const std::string code = text.toStdString();
        if (assets::speaks(code))
            return code;
        return invalid(key, text, "the desktop's language"), std::string();
    }

  private:
    void invalid(const char* key, const QString& text, const char* instead) {
        std::fprintf(stderr, "smashbol: setting %s=%s in %s is not valid; using %s\n", key,
                     qPrintable(text), qPrintable(path_), instead);
    }

    QSettings& ini_;
    const QString& path_;
};

}  // namespace

void showLanguage(const std::string& chosen) {
    tk::showLanguage(assets::chosenTranslation(chosen));
}

PreferenceStore::PreferenceStore() : PreferenceStore(standardPath()) {}

PreferenceStore::PreferenceStore(QString path) : path_(std::move(path)) {}

running::Settings PreferenceStore::load() {
    running::Settings p;
    if (path_.isEmpty() || !QFileInfo::exists(path_)) {
        stored_ = p;
        return p;
    }
    QSettings ini(path_, QSettings::IniFormat);
    if (ini.status() != QSettings::NoError) {
        if (!complained_)
            complain(path_, "unreadable in");
        complained_ = true;
        stored_ = p;
        return p;
    }
    SettingReader read(ini, path_);
    p.zoom = read.zoom("window/zoom");
    p.fullScreen = read.flag("window/fullscreen", p.fullScreen);
    p.autoPause = read.flag("game/autopause", p.autoPause);
    p.classicTiming = read.flag("game/classic-timing", p.classicTiming);
    p.mute = read.flag("sound/mute", p.mute);
    p.language = read.language("game/language");
    stored_ = p;
    return p;
}

bool PreferenceStore::save(const running::Settings& p) {
    if (!stored_)
        load();
    if (p == *stored_)
        return true;
    auto fail = [this](const char* what) {
        if (!complained_)
            complain(path_, what);
        complained_ = true;
        return false;
    };
    if (path_.isEmpty())
        return fail("not saved:");
    const QFileInfo file(path_);
    if (!QDir().mkpath(file.absolutePath()) || (file.exists() && !file.isWritable()))
        return fail("cannot be written to");
    QSettings ini(path_, QSettings::IniFormat);
    const running::Settings& old = *stored_;
    if (p.zoom != old.zoom)
        ini.setValue("window/zoom", p.zoom);
    if (p.fullScreen != old.fullScreen)
        ini.setValue("window/fullscreen", p.fullScreen);
    if (p.autoPause != old.autoPause)
        ini.setValue("game/autopause", p.autoPause);
    if (p.classicTiming != old.classicTiming)
        ini.setValue("game/classic-timing", p.classicTiming);
    if (p.mute != old.mute)
        ini.setValue("sound/mute", p.mute);
    if (p.language != old.language) {
        if (p.language.empty())
            ini.remove("game/language");
        else
            ini.setValue("game/language", QString::fromStdString(p.language));
    }
    ini.sync();
    if (ini.status() != QSettings::NoError)
        return fail("cannot be written to");
    stored_ = p;
    return true;
}

}  // namespace views
