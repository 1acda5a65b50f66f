// The program's three windows together: the main window for the whole run, the about window's
// model kept for the whole run (its globe goes on where it stopped), and the help window made
// anew at each opening. The host reaches the windows through this.
#pragma once

#include <QDialog>
#include <QPointer>

#include <functional>
#include <memory>

#include "assets/embedded_glyphs.h"
#include "engine/flow/main_window.h"
#include "engine/screens/about_window.h"
#include "desktop/qt/qt_host.h"
#include "desktop/views/main_window_view.h"

namespace views {

class GameWindows : public tkqt::FormDirector {
  public:
    // The main window takes this run's preferences and, when the player changes one with the
    // game's keys, saves it through `store` (none in tests).
    GameWindows(flow::MainWindow& model, tkqt::QtHost& host, const Preferences& preferences = {},
                PreferenceStore* store = nullptr);
    ~GameWindows() override;

    MainWindowView& mainWindow() { return *main_; }
    screens::Form2& about() { return about_; }
    const tk::Renderer& renderer() const { return renderer_; }

    // Shows the main window for the first time: centred on the screen, or full screen.
    void showMainWindow();

    void showModal(std::string_view form) override;
    void unload(std::string_view form) override;
    float outerHeight() override { return main_->outerHeight(); }
    void setOuterHeight(float twips) override { main_->setOuterHeight(twips); }
    QWidget* activeWindow() override;
    void holdUp() override { main_->clock().holdUp(); }
    void goOn() override { main_->clock().goOn(); }

    // Told about each modal window once it is on screen (scripts that take screenshots use it).
    std::function<void(QDialog&)> onModalShown;

  private:
    tkqt::QtHost& host_;
    tk::Renderer renderer_{tk::GlyphFaces(assets::glyphFaces())};
    screens::Form2 about_;
    std::unique_ptr<MainWindowView> main_;
    QPointer<QDialog> modal_;
};

}  // namespace views
