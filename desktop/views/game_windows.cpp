#include "desktop/views/game_windows.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include "engine/screens/help_window.h"
#include "desktop/views/about_view.h"
#include "desktop/views/help_view.h"

namespace views {

GameWindows::GameWindows(flow::MainWindow& model, tkqt::QtHost& host,
                         const Preferences& preferences, PreferenceStore* store)
    : host_(host), about_(host) {
    main_ = std::make_unique<MainWindowView>(model, renderer_, preferences, store);
    if (const QImage icon = tkqt::imageOf(model.Icon); !icon.isNull())
        main_->setWindowIcon(QPixmap::fromImage(icon));
    host_.setDirector(this);
}

GameWindows::~GameWindows() {
    host_.setDirector(nullptr);
}

void GameWindows::showMainWindow() {
    main_->sync();
    main_->adjustSize();
    main_->present();
}

void GameWindows::showModal(std::string_view form) {
    auto run = [this](QDialog& dialog) {
        // Centred on the main window, whatever the window manager would choose.
        QRect place(QPoint(0, 0), dialog.size());
        place.moveCenter(main_->frameGeometry().center());
        dialog.move(place.topLeft());
        modal_ = &dialog;
        if (onModalShown)
            QTimer::singleShot(0, &dialog, [this, &dialog] {
                if (onModalShown)
                    onModalShown(dialog);
            });
        dialog.exec();
        modal_ = nullptr;
    };
    if (form == game::kForm2) {
        about_.Load();
        AboutView view(about_, renderer_, main_->clock(), main_.get());
        run(view);
    } else if (form == game::kForm3) {
        screens::Form3 help(host_);
        HelpView view(help, renderer_, main_.get());
        run(view);
    } else if (form == game::kForm1) {
        main_->show();
    }
}

void GameWindows::unload(std::string_view form) {
    if (form == game::kForm1) {
        if (modal_)
            modal_->reject();
        main_->unload();
        return;
    }
    if (modal_)
        modal_->done(QDialog::Accepted);
}

QWidget* GameWindows::activeWindow() {
    if (modal_)
        return modal_;
    return main_.get();
}

}  // namespace views
