#include "main/fenster/Hauptbefehle.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "main/Hauptmenue.h"
#include "platform/qt/QtDaten.h"

namespace kalvora {
namespace {

// Tool button -> the command it shares, its own icon file and a fitting theme icon.
struct Knopfbelegung {
    const char* aktion;
    const char* symbol;
    const char* thema;
};
const Knopfbelegung kKnoepfe[AnzahlToolbuttons] = {
    {befehl::Neu, "neu", "document-new"},
    {befehl::Oeffnen, "oeffnen", "document-open"},
    {befehl::Speichern, "speichern", "document-save"},
    {befehl::SpeichernUnter, "speichern-unter", "document-save-as"},
    {befehl::Drucken, "drucken", "document-print"},
    {befehl::Druckereinstellung, "druckereinstellung", ""},
    {befehl::Rueckgaengig, "rueckgaengig", "edit-undo"},
    {befehl::Wiederherstellen, "wiederherstellen", "edit-redo"},
    {befehl::Suchen, "suchen", "edit-find"},
    {befehl::Weitersuchen, "weitersuchen", ""},
    {befehl::Schreibschutz, "schreibschutz", ""},
    {befehl::Aktualisieren, "aktualisieren", "view-refresh"},
    {befehl::SchreibschutzEinstellungen, "schreibschutz-einstellungen", ""},
    {befehl::KeineFarbaenderungen, "farben-gesperrt", ""},
    {befehl::FarbenHinzufuegen, "farben-hinzufuegen", ""},
    {befehl::FarbenLoeschen, "farben-loeschen", ""},
    {befehl::NeueFarbe, "neue-farbe", ""},
    {befehl::AlleFarbenLoeschen, "alle-farben-loeschen", ""},
    // The button opens the day dialog for the selected day; the menu entry first goes to
    // today, so they are two commands.
    {befehl::TagestermineKnopf, "tagestermine", ""},
    {befehl::TerminlisteDrucken, "terminliste-drucken", ""},
    {befehl::Terminueberwachung, "terminueberwachung", ""},
    {befehl::Geburtstagsliste, "geburtstagsliste", ""},
    {befehl::NamenstageJahresuebersicht, "namenstage", ""},
    {befehl::Wochenansicht, "wochenansicht", ""},
    {befehl::ZweiWochen, "zwei-wochen", ""},
    {befehl::Monatsansicht, "monatsansicht", ""},
    {befehl::MonatMitWochen, "monat-wochen", ""},
    {befehl::Stundenplan, "stundenplan", ""},
    {befehl::DesktopStundenplan, "desktop-stundenplan", ""},
    {befehl::Statistik, "statistik", ""},
    {befehl::GeheZuJahr, "gehe-zu-jahr", "go-jump"},
    {befehl::Adressbuch, "adressbuch", "x-office-address-book"},
    {befehl::ToolbarAnpassen, "toolbar-anpassen", ""},
    {befehl::Optionen, "optionen", "preferences-system"},
    {befehl::Hilfe, "hilfe", "help-contents"},
    {befehl::Direkthilfe, "direkthilfe", ""},
    {befehl::Online, "online", "internet-web-browser"},
    {befehl::UpdatePruefen, "update", "system-software-update"},
    {befehl::Info, "info", "help-about"},
};

}  // namespace

THauptbefehle::THauptbefehle(QMainWindow& fenster) : QObject(&fenster) {
    MenueAufbauen(fenster);
    ToolbarAufbauen(fenster);
}

QMenu* THauptbefehle::Menue(QWidget* eltern, const QString& titel, const QString& name) {
    auto* m = new QMenu(titel, eltern);
    m->setObjectName(name);
    m->menuAction()->setObjectName(name);
    m->setToolTipsVisible(false);
    aktionen_[name] = m->menuAction();
    if (auto* leiste = qobject_cast<QMenuBar*>(eltern))
        leiste->addMenu(m);
    else if (auto* ober = qobject_cast<QMenu*>(eltern))
        ober->addMenu(m);
    return m;
}

QAction* THauptbefehle::Eintrag(QMenu* menue, const QString& titel, const QKeySequence& tasten,
                                const QString& name) {
    auto* a = new QAction(titel, this);
    a->setObjectName(name);
    if (!tasten.isEmpty()) {
        a->setShortcut(tasten);
        a->setShortcutContext(Qt::WindowShortcut);
    }
    if (menue) menue->addAction(a);
    aktionen_[name] = a;
    return a;
}

void THauptbefehle::MenueAufbauen(QMainWindow& fenster) {
    QMenuBar* leiste = fenster.menuBar();
    leiste->setObjectName(QStringLiteral("MainMenu1"));
    werkzeuge_ = new QActionGroup(this);
    werkzeuge_->setExclusive(true);
    using A = Menuezeile::Art;
    std::vector<QMenu*> offen;
    for (const Menuezeile& z : Hauptmenue()) {
        const QString titel = QString::fromUtf8(z.titel);
        const QString name = QString::fromLatin1(z.name);
        QMenu* innen = offen.empty() ? nullptr : offen.back();
        switch (z.art) {
            case A::Menue:
                offen.push_back(Menue(innen ? static_cast<QWidget*>(innen) : leiste, titel, name));
                break;
            case A::Ende: offen.pop_back(); break;
            case A::Trenner: innen->addSeparator(); break;
            case A::Eintrag:
            case A::Haken:
            case A::Werkzeug:
            case A::Befehl: {
                QAction* a = Eintrag(z.art == A::Befehl ? nullptr : innen, titel,
                                     QKeySequence(QString::fromLatin1(z.tasten)), name);
                a->setCheckable(z.art == A::Haken || z.art == A::Werkzeug);
                if (z.art == A::Werkzeug) werkzeuge_->addAction(a);
                break;
            }
        }
    }
    // Direct colour editing starts locked unless the settings unlock it.
    werkzeuge_->actions().front()->setChecked(true);
}

void THauptbefehle::ToolbarAufbauen(QMainWindow& fenster) {
    QToolBar* leiste = fenster.addToolBar(QStringLiteral("Toolbar"));
    leiste->setObjectName(QStringLiteral("ToolBar1"));
    leiste->setMovable(false);
    leiste->setFloatable(false);
    leiste->setIconSize(QSize(16, 16));
    leiste->toggleViewAction()->setVisible(false);
    fenster.setContextMenuPolicy(Qt::NoContextMenu);  // no menu to hide the bar

    letzteDateien_ = new QMenu(&fenster);
    letzteDateien_->setObjectName(QStringLiteral("LetzteDateien"));

    int gruppe = 0;
    for (int i = 1; i <= AnzahlToolbuttons; ++i) {
        const Knopfbelegung& k = kKnoepfe[i - 1];
        QAction* a = Aktion(QString::fromLatin1(k.aktion));
        Q_ASSERT(a);
        a->setToolTip(QString::fromUtf8(Toolbuttons()[i - 1].hinweis));
        a->setIcon(Symbol(QString::fromLatin1(k.symbol), QString::fromLatin1(k.thema)));
        auto* knopf = new QToolButton(leiste);
        knopf->setObjectName(QStringLiteral("ToolButton%1").arg(i));
        knopf->setDefaultAction(a);
        knopf->setAutoRaise(true);
        knopf->setToolButtonStyle(Qt::ToolButtonIconOnly);
        if (i == 30) knopf->setPopupMode(QToolButton::InstantPopup);  // the three charts
        knoepfe_.push_back(knopf);
        knopfplaetze_.push_back(leiste->addWidget(knopf));
        if (i == ToolbarGruppenenden()[gruppe]) {
            trenner_.push_back(leiste->addSeparator());
            ++gruppe;
        }
    }
    // The caption stands at the right end of the bar.
    auto* abstand = new QWidget(leiste);
    abstand->setObjectName(QStringLiteral("Sonnenabstand"));
    abstand->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    leiste->addWidget(abstand);
    sonne_ = new QLabel(leiste);
    sonne_->setObjectName(QStringLiteral("Sonne"));
    sonnenplatz_ = leiste->addWidget(sonne_);
    sonnenplatz_->setVisible(false);
}

QAction* THauptbefehle::Aktion(const QString& name) const {
    auto it = aktionen_.find(name);
    return it == aktionen_.end() ? nullptr : it->second;
}

QToolButton* THauptbefehle::Toolbutton(int index) const {
    if (index < 1 || index > int(knoepfe_.size())) return nullptr;
    return knoepfe_[index - 1];
}

void THauptbefehle::Freigeben(const QString& name, bool an) {
    if (QAction* a = Aktion(name)) a->setEnabled(an);
}

void THauptbefehle::ToolbarAnwenden(const ToolbarSichtbarkeit& sichtbar) {
    for (int i = 0; i < AnzahlToolbuttons; ++i) knopfplaetze_[i]->setVisible(sichtbar[i]);
    const auto trenner = kalvora::ToolbarTrennerSichtbar(sichtbar);
    for (int g = 0; g < AnzahlToolbarTrenner; ++g) trenner_[g]->setVisible(trenner[g]);
}

bool THauptbefehle::ToolbuttonSichtbar(int index) const {
    return index >= 1 && index <= AnzahlToolbuttons && knopfplaetze_[index - 1]->isVisible();
}

bool THauptbefehle::ToolbarTrennerSichtbar(int gruppe) const {
    return gruppe >= 0 && gruppe < AnzahlToolbarTrenner && trenner_[gruppe]->isVisible();
}

void THauptbefehle::LetzteDateienMenue(const std::vector<std::string>& pfade) {
    letzteDateien_->clear();
    int nummer = 0;
    for (const std::string& pfad : pfade) {
        const int n = nummer++;
        if (pfad.empty()) continue;
        QAction* a = letzteDateien_->addAction(QString::fromStdString(pfad));
        connect(a, &QAction::triggered, this, [this, n] { emit LetzteDateiGewaehlt(n); });
    }
    QToolButton* oeffnen = Toolbutton(2);
    if (letzteDateien_->isEmpty()) {
        oeffnen->setMenu(nullptr);
        oeffnen->setPopupMode(QToolButton::DelayedPopup);
    } else {
        oeffnen->setMenu(letzteDateien_);
        oeffnen->setPopupMode(QToolButton::MenuButtonPopup);
    }
}

void THauptbefehle::SonnenfeldZeigen(bool ja) { sonnenplatz_->setVisible(ja); }

bool THauptbefehle::SonnenfeldSichtbar() const { return sonnenplatz_->isVisible(); }

}  // namespace kalvora
