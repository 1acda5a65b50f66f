#include "engine/screens/window_scenes.h"

#include <algorithm>

namespace screens {

tk::Scene mainWindowScene(game::Form1& form) {
    tk::Scene scene;
    scene.backColor = form.BackColor;
    scene.picture = form.backgroundPicture;
    scene.drawing = &form.drawing;
    scene.controls = form.windowControls();
    scene.childrenOf = [&form](const tk::PictureBox& box) {
        if (&box == &form.Picture1)
            return form.courtControls();
        if (&box == &form.Picture4)
            return form.splashControls();
        return std::vector<tk::ControlRef>{};
    };
    return scene;
}

tk::Scene aboutScene(Form2& form) {
    tk::Scene scene;
    scene.backColor = form.BackColor;
    scene.controls = form.controls();
    return scene;
}

tk::Scene helpScene(Form3& form) {
    tk::Scene scene;
    scene.backColor = form.BackColor;
    scene.controls = form.controls();
    return scene;
}

tk::Rect mainWindowClient(float innerHeightTwips, int menuBarPx) {
    const int inner = tk::pixels(innerHeightTwips);
    return {0, 0, tk::pixels(game::kClientWidth), std::max(0, inner - menuBarPx)};
}

}  // namespace screens
