#include "main/fenster/Jahreskontextmenue.h"

#include "main/fenster/Farblegende.h"

namespace kalvora {

TJahreskontextmenue::TJahreskontextmenue(const Kontextmenue& modell, bool ueberTag,
                                         const TFarblegende& legende,
                                         const QString& vollbildTitel, QWidget* parent)
    : QMenu(parent) {
    setObjectName(QStringLiteral("PopupMenu1"));
    QAction* loeschen = addAction(QString::fromUtf8(modell.farbeLoeschenTitel));
    loeschen->setObjectName(QStringLiteral("Farbelschen1"));
    loeschen->setEnabled(modell.farbeLoeschenAktiv);
    connect(loeschen, &QAction::triggered, this, &TJahreskontextmenue::FarbeLoeschenGewaehlt);
    for (const Farbmenueeintrag& e : modell.farben) {
        QAction* a = addAction(legende.Farbsymbol(e.slot), QString::fromStdString(e.titel));
        a->setObjectName(QStringLiteral("Farbe%1").arg(e.slot));
        a->setVisible(e.sichtbar);
        a->setEnabled(modell.farbenAktiv);
        if (ueberTag)
            connect(a, &QAction::triggered, this,
                    [this, slot = e.slot] { emit FarbeGewaehlt(slot); });
    }
    const char* namen[] = {"neueFarbe2", "eineFarbehinzufgen1", "eineFarbelschen1"};
    for (int u = 0; u < 3; ++u) {
        const Kontextuntermenue& um = modell.unter[u];
        QMenu* sub = addMenu(QString::fromStdString(um.titel));
        sub->setObjectName(QString::fromLatin1(namen[u]));
        sub->menuAction()->setVisible(um.sichtbar);
        sub->setEnabled(um.aktiv);
        for (const Farbmenueeintrag& e : um.eintraege) {
            if (!e.sichtbar || !ueberTag) continue;
            QAction* a =
                sub->addAction(legende.Farbsymbol(e.slot), QString::fromStdString(e.titel));
            connect(a, &QAction::triggered, this,
                    [this, art = UntermenueBefehle[u], slot = e.slot] {
                        emit UntermenueGewaehlt(art, slot);
                    });
        }
    }
    addSeparator();
    connect(addAction(QStringLiteral("Tagestermine")), &QAction::triggered, this,
            &TJahreskontextmenue::TagestermineGewaehlt);
    QAction* woche = addAction(QStringLiteral("Wochenansicht"));
    woche->setObjectName(QStringLiteral("Wochenansicht2"));
    connect(woche, &QAction::triggered, this, &TJahreskontextmenue::WochenansichtGewaehlt);
    QAction* monat = addAction(QStringLiteral("Monatsansicht"));
    monat->setObjectName(QStringLiteral("Monatsansicht2"));
    connect(monat, &QAction::triggered, this, &TJahreskontextmenue::MonatsansichtGewaehlt);
    QAction* desktop = addAction(QStringLiteral("Desktopstundenplanansicht"));
    desktop->setObjectName(QStringLiteral("Desktopstundenplanansicht1"));
    connect(desktop, &QAction::triggered, this, &TJahreskontextmenue::DesktopGewaehlt);
    addSeparator();
    connect(addAction(vollbildTitel), &QAction::triggered, this,
            &TJahreskontextmenue::VollbildGewaehlt);
}

}  // namespace kalvora
