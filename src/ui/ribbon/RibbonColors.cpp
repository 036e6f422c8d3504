#include "ui/ribbon/RibbonColors.h"

namespace {
QColor c(const char* name)
{
    return QColor(QLatin1String(name));
}

RibbonColors silver()
{
    RibbonColors r;
    r.captionTop = c("#eef1f5");
    r.captionBottom = c("#d5dbe3");
    r.captionText = c("#2b3644");
    r.tabBand = c("#d5dbe3");
    r.tabText = c("#2b3644");
    r.tabSelectedText = c("#111820");
    r.panelTop = c("#fafbfc");
    r.panelBottom = c("#dfe4ea");
    r.panelBorder = c("#a4aeba");
    r.groupCaption = c("#4a5665");
    r.groupSeparator = c("#b6bfca");
    r.buttonText = c("#1c2430");
    r.buttonDisabledText = c("#9aa2ac");
    r.hoverTop = c("#fff6d2");
    r.hoverBottom = c("#ffd97a");
    r.hoverBorder = c("#d9aa3c");
    r.pressTop = c("#ffcf7a");
    r.pressBottom = c("#f6a93b");
    r.appButtonTop = c("#56789f");
    r.appButtonBottom = c("#2f4d73");
    return r;
}

RibbonColors obsidian()
{
    RibbonColors r;
    r.captionTop = c("#45494f");
    r.captionBottom = c("#26282c");
    r.captionText = c("#f2f2f2");
    r.tabBand = c("#26282c");
    r.tabText = c("#d8dade");
    r.tabSelectedText = c("#ffffff");
    r.panelTop = c("#53575e");
    r.panelBottom = c("#303338");
    r.panelBorder = c("#141517");
    r.groupCaption = c("#c9cdd3");
    r.groupSeparator = c("#676b72");
    r.buttonText = c("#f3f3f3");
    r.buttonDisabledText = c("#868a91");
    r.hoverTop = c("#6f747c");
    r.hoverBottom = c("#53575e");
    r.hoverBorder = c("#a8adb5");
    r.pressTop = c("#3a3d42");
    r.pressBottom = c("#2a2c30");
    r.appButtonTop = c("#d2782e");
    r.appButtonBottom = c("#9a4b12");
    r.iconHalo = QColor(236, 238, 242, 150);
    return r;
}

RibbonColors luna()
{
    RibbonColors r;
    r.captionTop = c("#dbe8f9");
    r.captionBottom = c("#b2cdf0");
    r.captionText = c("#15428b");
    r.tabBand = c("#b2cdf0");
    r.tabText = c("#15428b");
    r.tabSelectedText = c("#0b2e66");
    r.panelTop = c("#eef5fd");
    r.panelBottom = c("#c5daf5");
    r.panelBorder = c("#8db2e3");
    r.groupCaption = c("#3e6aaa");
    r.groupSeparator = c("#9fbfe8");
    r.buttonText = c("#15428b");
    r.buttonDisabledText = c("#8ba3c4");
    r.hoverTop = c("#fff6d2");
    r.hoverBottom = c("#ffd97a");
    r.hoverBorder = c("#d9aa3c");
    r.pressTop = c("#ffcf7a");
    r.pressBottom = c("#f6a93b");
    r.appButtonTop = c("#3a7bd5");
    r.appButtonBottom = c("#1b4f9c");
    return r;
}
} // namespace

const RibbonColors& ribbonColors(Ribbon::Scheme scheme)
{
    static const RibbonColors schemes[] = {silver(), obsidian(), luna()};
    return schemes[static_cast<int>(scheme)];
}

const RibbonColors& ribbonColorsFor(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (auto ribbon = qobject_cast<const Ribbon*>(w))
            return ribbonColors(ribbon->scheme());
    }
    return ribbonColors(Ribbon::Scheme::Silver);
}
