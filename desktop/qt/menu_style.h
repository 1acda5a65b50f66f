// The look of menus at a whole-number zoom: the platform's own style with the text's font zoomed
// by the caller, and here every margin, gap and indicator around the text zoomed with it, so that
// a menu at zoom 3 is the menu of zoom 1 three times over, nothing cut or crowded. The keyboard
// reaches the menu bar with Alt (and F10) whatever the platform's style says, and the menu it is
// on is marked as an open one is.
#pragma once

#include <QProxyStyle>

namespace tkqt {

class MenuStyle : public QProxyStyle {
  public:
    MenuStyle();

    int zoom() const { return zoom_; }
    // Takes effect at the menus' next layout: set it before their font.
    void setZoom(int zoom) { zoom_ = zoom; }

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returned = nullptr) const override;

  private:
    int zoom_ = 1;
};

}  // namespace tkqt
