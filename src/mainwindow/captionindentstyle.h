#pragma once

#include <QProxyStyle>

// The application's style with the captions of group boxes moved in from
// the box's left edge. The style puts them flush with it, and a box that
// stands at the window's edge would lose the first character's left side.
// Set on the group boxes alone: their children keep the application's style.
class CaptionIndentStyle : public QProxyStyle
{
    Q_OBJECT

public:
    static constexpr int Indent = 4;

    explicit CaptionIndentStyle(QObject* parent);

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl subControl,
                         const QWidget* widget) const override;
};
