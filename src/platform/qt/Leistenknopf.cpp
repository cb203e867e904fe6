#include "platform/qt/Leistenknopf.h"

#include <QToolBar>
#include <QToolButton>

#include "platform/qt/QtDaten.h"

namespace kalvora {

QToolButton* Leistenknopf(QToolBar* leiste, int nummer, const char* hinweis,
                          const char* symbol, const char* thema) {
    auto* k = new QToolButton(leiste);
    k->setObjectName(QStringLiteral("ToolButton%1").arg(nummer));
    k->setToolTip(QString::fromUtf8(hinweis));
    k->setIcon(Symbol(QString::fromLatin1(symbol), QString::fromLatin1(thema)));
    k->setAutoRaise(true);
    leiste->addWidget(k);
    return k;
}

}  // namespace kalvora
