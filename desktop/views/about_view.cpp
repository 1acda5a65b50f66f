#include "desktop/views/about_view.h"

#include <QPixmap>

#include <functional>

#include "engine/screens/window_scenes.h"
#include "desktop/views/dialog_frame.h"

namespace views {

AboutView::AboutView(screens::Form2& model, const tk::Renderer& renderer, GameClock& clock,
                     QWidget* parent)
    : QDialog(parent, kBorderlessDialog), model_(model), clock_(clock) {
    canvas_ = makeDialogCanvas(
        *this, "SMASHBOL 2002 - Informace", renderer,
        [this] { return screens::aboutScene(model_); },
        [this](const tk::Control*) { handle([this] { model_.Form_Click(); }); },
        screens::kAboutWidth, screens::kAboutHeight);
    timer1_ = clock_.add(model_.Timer1, [this] { handle([this] { model_.Timer1_Timer(); }); });
    if (const QImage icon = tkqt::imageOf(model_.Icon); !icon.isNull())
        setWindowIcon(QPixmap::fromImage(icon));
    sync();
}

AboutView::~AboutView() {
    clock_.remove(timer1_);
}

void AboutView::sync() {
    clock_.sync();
    canvas_->requestFrame();
}

void AboutView::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    takeFocus(*this);
}

}  // namespace views
