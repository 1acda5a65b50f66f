#include "views/preferences.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <cstdio>

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

}  // namespace

PreferenceStore::PreferenceStore() : PreferenceStore(standardPath()) {}

PreferenceStore::PreferenceStore(QString path) : path_(std::move(path)) {}

Preferences PreferenceStore::load() {
    Preferences p;
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
    bool ok = false;
    const int zoom = ini.value("window/zoom", 0).toInt(&ok);
    if (ok && zoom >= 1 && zoom <= 4)
        p.zoom = zoom;
    p.fullScreen = ini.value("window/fullscreen", p.fullScreen).toBool();
    p.autoPause = ini.value("game/autopause", p.autoPause).toBool();
    p.classicTiming = ini.value("game/classic-timing", p.classicTiming).toBool();
    p.mute = ini.value("sound/mute", p.mute).toBool();
    stored_ = p;
    return p;
}

bool PreferenceStore::save(const Preferences& p) {
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
    const Preferences& old = *stored_;
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
    ini.sync();
    if (ini.status() != QSettings::NoError)
        return fail("cannot be written to");
    stored_ = p;
    return true;
}

}  // namespace views
