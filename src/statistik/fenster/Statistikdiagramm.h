#pragma once
// The bar chart of a statistic on Qt Charts: one stacked set per bar so that every bar has
// its slot's colour, the title in bold underlined blue, and a layer above the plot that draws
// the shapes Qt Charts lacks, the values above the bars and the labels below them on several
// lines. Qt's category axis would cut a label that is too wide; these shrink until their
// longest word fits, and stand upright when bars are too narrow even for that. The same
// class draws on screen and on paper.
#include <QChart>

#include <vector>

#include "statistik/Statistikchartmodell.h"

class QBarCategoryAxis;
class QGraphicsItem;
class QValueAxis;

namespace kalvora {

class TStatistikdiagramm : public QChart {
public:
    TStatistikdiagramm();

    // Clears the series and builds it anew from what the model shows.
    void Fuellen(const Statistikchartmodell& modell);

    const std::vector<Statistikbalken>& Balken() const { return balken_; }
    Balkenform Form() const { return form_; }
    // Bar i in chart coordinates (its value's height above the axis).
    QRectF Balkenrechteck(int i) const;
    // The labels below the bars, a line break for every blank.
    QStringList Achsenbeschriftungen() const;
    // Pixel height of their font and whether they stand upright.
    int Beschriftungsgroesse() const { return beschriftungsgroesse_; }
    bool BeschriftungSenkrecht() const { return senkrecht_; }
    QValueAxis* Werteachse() const { return y_; }

private:
    void BeschriftungAnpassen();

    std::vector<Statistikbalken> balken_;
    Balkenform form_ = Balkenform::Balken;
    Statistikart art_ = Statistikart::Farbhaeufigkeit;
    QBarCategoryAxis* x_ = nullptr;
    QValueAxis* y_ = nullptr;
    QGraphicsItem* formen_ = nullptr;
    int beschriftungsgroesse_ = 12;
    bool senkrecht_ = false;
    int beschriftungshoehe_ = 0;  // room below the axis
    QMargins rand_;               // the chart's own margins
    bool passtAn_ = false;
    friend class TBalkenformen;
};

}  // namespace kalvora
