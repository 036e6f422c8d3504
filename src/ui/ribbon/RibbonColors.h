#pragma once
// The colours of one ribbon colour scheme, and the lookup that ribbon parts use while painting.
#include "ui/ribbon/Ribbon.h"

#include <QColor>

struct RibbonColors
{
    QColor captionTop, captionBottom, captionText;
    QColor tabBand, tabText, tabSelectedText;
    QColor panelTop, panelBottom, panelBorder;
    QColor groupCaption, groupSeparator;
    QColor buttonText, buttonDisabledText;
    QColor hoverTop, hoverBottom, hoverBorder;
    QColor pressTop, pressBottom;
    QColor appButtonTop, appButtonBottom;
    QColor iconHalo; // a light contour that keeps dark icon outlines visible on a dark scheme
};

const RibbonColors& ribbonColors(Ribbon::Scheme scheme);
// The colours of the ribbon that holds `widget` (Silver when it sits in none).
const RibbonColors& ribbonColorsFor(const QWidget* widget);
