#include "screens/views/about_view.h"

#include <QPixmap>

#include <functional>

#include "screens/views/dialog_frame.h"

namespace views {

AboutView::AboutView(screens::Form2& model, tkqt::FormPainter& painter, QWidget* parent)
    : QDialog(parent, kBorderlessDialog), model_(model) {
    canvas_ = makeDialogCanvas(
        *this, "Form2", painter, sceneOf(model_),
        [this](const tk::Control* control) { clicked(control); }, screens::kAboutWidth,
        screens::kAboutHeight);
    timer1_ = std::make_unique<tkqt::TimerLink>(
        model_.Timer1, [this] { handle([this] { model_.Timer1_Timer(); }); });
    if (const QImage& icon = painter.pictureCache().image(model_.Icon); !icon.isNull())
        setWindowIcon(QPixmap::fromImage(icon));
    sync();
}

void AboutView::sync() {
    timer1_->sync();
    canvas_->requestFrame();
}

void AboutView::clicked(const tk::Control* control) {
    const std::pair<const tk::Control*, void (screens::Form2::*)()> handlers[] = {
        {&model_.Label1, &screens::Form2::Label1_Click},
        {&model_.Label2, &screens::Form2::Label2_Click},
        {&model_.Label3, &screens::Form2::Label3_Click},
        {&model_.Label4, &screens::Form2::Label4_Click},
        {&model_.Label5, &screens::Form2::Label5_Click},
        {&model_.Label6, &screens::Form2::Label6_Click},
        {&model_.Label7, &screens::Form2::Label7_Click},
        {&model_.Label8, &screens::Form2::Label8_Click},
        {&model_.Picture2, &screens::Form2::Picture2_Click},
    };
    for (const auto& [target, handler] : handlers) {
        if (control == target) {
            handle([this, h = handler] { std::invoke(h, model_); });
            return;
        }
    }
    // The lines and the bare background belong to the window itself.
    handle([this] { model_.Form_Click(); });
}

void AboutView::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    takeFocus(*this);
}

}  // namespace views
