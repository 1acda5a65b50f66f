#include "desktop/views/preferences.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <cstdio>
#include <utility>
#include <vector>

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

}  // namespace

void showLanguage(const std::string& chosen) {
    tk::showLanguage(assets::chosenTranslation(chosen));
}

PreferenceStore::PreferenceStore() : PreferenceStore(standardPath()) {}

PreferenceStore::PreferenceStore(QString path) : path_(std::move(path)) {}

running::Settings PreferenceStore::load() {
    stored_ = running::Settings{};
    if (path_.isEmpty() || !QFileInfo::exists(path_))
        return *stored_;
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) {
        if (!std::exchange(complained_, true))
            complain(path_, "unreadable in");
        return *stored_;
    }
    // A setting as written by hand may be anything: only what the game itself writes counts,
    // and anything else is the default, said on standard error.
    std::vector<running::SettingMistake> mistakes;
    stored_ = running::readSettings(file.readAll().toStdString(), &mistakes);
    for (const running::SettingMistake& m : mistakes)
        std::fprintf(stderr, "smashbol: setting %s=%s in %s is not valid; using %s\n",
                     m.key.c_str(), m.value.c_str(), qPrintable(path_), m.instead.c_str());
    return *stored_;
}

bool PreferenceStore::save(const running::Settings& p) {
    if (!stored_)
        load();
    if (p == *stored_)
        return true;
    auto fail = [this](const char* what) {
        if (!std::exchange(complained_, true))
            complain(path_, what);
        return false;
    };
    if (path_.isEmpty())
        return fail("not saved:");
    // Written whole, as the game writes it: a value edited by hand that the game could not read
    // is replaced by the one in use.
    const std::string text = running::writeSettings(p);
    QSaveFile file(path_);
    if (!QDir().mkpath(QFileInfo(path_).absolutePath()) || !file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !file.commit())
        return fail("cannot be written to");
    stored_ = p;
    return true;
}

}  // namespace views
