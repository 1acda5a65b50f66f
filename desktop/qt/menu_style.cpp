#include "desktop/qt/menu_style.h"

#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QStyleOptionMenuItem>

namespace tkqt {

MenuStyle::MenuStyle() = default;

int MenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                           const QWidget* widget) const {
    const int base = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
        case PM_MenuBarItemSpacing:
        case PM_MenuBarHMargin:
        case PM_MenuBarVMargin:
        case PM_MenuBarPanelWidth:
        case PM_MenuHMargin:
        case PM_MenuVMargin:
        case PM_MenuPanelWidth:
            return base * zoom_;
        default:
            return base;
    }
}

// An item's width as the style gives it at zoom 1, for the text at zoom 1, zoom times over: the
// room beside the text, and any least width the style keeps to, grow with it (the menu adds the
// shortcuts' column, text too, itself). Its height: the zoomed text's, and the room above and
// below it zoomed.
QSize MenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                  const QSize& contents, const QWidget* widget) const {
    const QSize base = QProxyStyle::sizeFromContents(type, option, contents, widget);
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if ((type != CT_MenuItem && type != CT_MenuBarItem) || !item ||
        item->menuItemType == QStyleOptionMenuItem::Separator || zoom_ == 1)
        return base;
    const QSize once(contents.width() / zoom_, contents.height());
    const int width = QProxyStyle::sizeFromContents(type, option, once, widget).width() * zoom_ +
                      contents.width() % zoom_;
    return {width, contents.height() + (base.height() - contents.height()) * zoom_};
}

void MenuStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const {
    // The keyboard on the menu bar (Alt, F10): the menu it is on marked as an open one is.
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element == CE_MenuBarItem && item && (item->state & State_Selected) && widget &&
        widget->hasFocus()) {
        QStyleOptionMenuItem marked(*item);
        marked.state |= State_Sunken;
        return QProxyStyle::drawControl(element, &marked, painter, widget);
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

// The arrow of a submenu as the style draws it at zoom 1, each pixel a zoom x zoom block.
void MenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                              QPainter* painter, const QWidget* widget) const {
    const bool arrow = element == PE_IndicatorArrowRight || element == PE_IndicatorArrowLeft;
    if (!arrow || zoom_ == 1 || !qobject_cast<const QMenu*>(widget))
        return QProxyStyle::drawPrimitive(element, option, painter, widget);
    const QRect& area = option->rect;
    const QSize small((area.width() + zoom_ - 1) / zoom_, (area.height() + zoom_ - 1) / zoom_);
    QPixmap once(small);
    once.fill(Qt::transparent);
    {
        QPainter onceOver(&once);
        QStyleOption atOne(*option);
        atOne.rect = QRect(QPoint(0, 0), small);
        QProxyStyle::drawPrimitive(element, &atOne, &onceOver, widget);
    }
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter->drawPixmap(QRect(area.topLeft(), small * zoom_), once);
    painter->restore();
}

int MenuStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                         QStyleHintReturn* returned) const {
    if (hint == SH_MenuBar_AltKeyNavigation)
        return 1;
    return QProxyStyle::styleHint(hint, option, widget, returned);
}

}  // namespace tkqt
