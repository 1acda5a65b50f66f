#include "screens/views/help_view.h"

#include <functional>

#include "screens/views/dialog_frame.h"

namespace views {

HelpView::HelpView(screens::Form3& model, tkqt::FormPainter& painter, QWidget* parent)
    : QDialog(parent, kBorderlessDialog), model_(model) {
    canvas_ = makeDialogCanvas(
        *this, "Form3", painter, sceneOf(model_),
        [this](const tk::Control* control) { clicked(control); }, screens::kHelpWidth,
        screens::kHelpHeight);
}

void HelpView::clicked(const tk::Control* control) {
    const std::pair<const tk::Control*, void (screens::Form3::*)()> handlers[] = {
        {&model_.Label1, &screens::Form3::Label1_Click},
        {&model_.Label2, &screens::Form3::Label2_Click},
        {&model_.Label3, &screens::Form3::Label3_Click},
        {&model_.Image1, &screens::Form3::Image1_Click},
        {&model_.Image2, &screens::Form3::Image2_Click},
    };
    for (const auto& [target, handler] : handlers) {
        if (control == target) {
            std::invoke(handler, model_);
            return;
        }
    }
    // The rules, the frame and the bare background belong to the window itself.
    model_.Form_Click();
}

void HelpView::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    takeFocus(*this);
}

}  // namespace views
