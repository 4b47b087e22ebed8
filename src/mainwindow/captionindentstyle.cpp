#include "captionindentstyle.h"

CaptionIndentStyle::CaptionIndentStyle(QObject* parent)
{
    setParent(parent);
}

QRect CaptionIndentStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                         SubControl subControl, const QWidget* widget) const
{
    QRect rect = QProxyStyle::subControlRect(control, option, subControl, widget);
    if (control == CC_GroupBox && (subControl == SC_GroupBoxLabel || subControl == SC_GroupBoxCheckBox))
        rect.translate(Indent, 0);
    return rect;
}
