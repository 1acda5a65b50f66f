#include "desktop/views/help_view.h"

#include <functional>

#include "engine/screens/window_scenes.h"
#include "desktop/views/dialog_frame.h"

namespace views {

HelpView::HelpView(screens::Form3& model, const tk::Renderer& renderer, QWidget* parent)
    : QDialog(parent, kBorderlessDialog), model_(model) {
    canvas_ = makeDialogCanvas(
        *this, "SMASHBOL 2002 - Ovládání hry", renderer,
        [this] { return screens::helpScene(model_); },
        [this](const tk::Control*) { model_.Form_Click(); }, screens::kHelpWidth,
        screens::kHelpHeight);
}

void HelpView::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    takeFocus(*this);
}

}  // namespace views
