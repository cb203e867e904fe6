#include "einstellungen/fenster/Optionen.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "einstellungen/Autostart.h"
#include "kalender/Dateisitzung.h"
#include "main/Anwendungskern.h"
#include "main/fenster/Hilfefenster.h"
#include "platform/Dialoge.h"
#include "platform/qt/QtDialoge.h"

namespace kalvora {
namespace {

using A = Optionsart;
namespace r = optionsregeln;

QString T(const std::string& s) { return QString::fromStdString(s); }

char Dezimaltrenner() {
    const QString p = QLocale().decimalPoint();
    return p.isEmpty() ? ',' : p.at(0).toLatin1();
}

// A holiday check box: the left button toggles it, the right one asks for its colour.
class TFeiertagsbox : public QCheckBox {
public:
    TFeiertagsbox(const QString& text, QWidget* eltern, std::function<void()> rechts)
        : QCheckBox(text, eltern), rechts_(std::move(rechts)) {}

protected:
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::RightButton) {
            rechts_();
            return;
        }
        QCheckBox::mousePressEvent(e);
    }

private:
    std::function<void()> rechts_;
};

constexpr int kHilfethema = 117;

// A caption whose word is hyphenated over two lines ("Monats- rahmen") shows that line break
// instead of a blank; a hyphen before "und", "oder" or "bzw." stays within the line.
QString Zeilenumbruch(const QString& text) {
    static const QRegularExpression getrennt(
        QStringLiteral(R"((\p{L})- (?!(?:und|oder|bzw|sowie)\b)(\p{Ll}))"),
        QRegularExpression::UseUnicodePropertiesOption);
    QString s = text;
    return s.replace(getrennt, QStringLiteral("\\1-\n\\2"));
}

}  // namespace

TZahlfeld::TZahlfeld(int von, int bis, QWidget* eltern)
    : QSpinBox(eltern), von_(von), bis_(bis) {
    // Any typed number is kept; "Übernehmen" refuses one outside von..bis.
    setRange(-999999, 999999);
    setAccelerated(true);
    setKeyboardTracking(true);
}

void TZahlfeld::stepBy(int schritte) {
    setValue(std::clamp(value() + schritte, von_, bis_));
}

QAbstractSpinBox::StepEnabled TZahlfeld::stepEnabled() const {
    StepEnabled s = StepNone;
    if (value() < bis_) s |= StepUpEnabled;
    if (value() > von_) s |= StepDownEnabled;
    return s;
}

TOptionen::TOptionen(Anwendungskern& kern, int seite, Autostart* autostart, QWidget* parent)
    : QDialog(parent), kern_(kern), autostart_(autostart), trenner_(Dezimaltrenner()) {
    setObjectName(QStringLiteral("Optionen"));
    setWindowTitle(QStringLiteral("Optionen"));
    seiten_ = new QTabWidget(this);
    seiten_->setObjectName(QStringLiteral("Seiten"));
    SeitenAufbauen();

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    abbruch_ = new QPushButton(QStringLiteral("Abbruch"), this);
    uebernehmen_ = new QPushButton(QStringLiteral("Übernehmen"), this);
    hilfeKnopf_ = new QPushButton(QStringLiteral("Hilfe"), this);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &TOptionen::accept);
    connect(abbruch_, &QPushButton::clicked, this, &TOptionen::reject);
    connect(uebernehmen_, &QPushButton::clicked, this, [this] { Uebernehmen(); });
    connect(hilfeKnopf_, &QPushButton::clicked, this, [this] {
        // The page shown has its own topic.
        if (hilfe) hilfe(seiten_ ? OptionenseiteHilfethema(seiten_->currentIndex() + 1)
                                 : kHilfethema);
    });
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    for (QPushButton* k : {ok_, abbruch_, uebernehmen_, hilfeKnopf_}) knoepfe->addWidget(k);
    // Twelve captions do not fit into one row of tabs: they stand as a list beside the pages.
    seiten_->tabBar()->hide();
    seiten_->setDocumentMode(true);
    liste_ = new QListWidget(this);
    liste_->setObjectName(QStringLiteral("Seitenliste"));
    liste_->setSpacing(3);
    for (int i = 0; i < seiten_->count(); ++i) liste_->addItem(seiten_->tabText(i));
    liste_->setFixedWidth(liste_->sizeHintForColumn(0) + 2 * liste_->frameWidth() + 12);
    connect(liste_, &QListWidget::currentRowChanged, seiten_, &QTabWidget::setCurrentIndex);
    connect(seiten_, &QTabWidget::currentChanged, liste_,
            [this](int i) { liste_->setCurrentRow(i); });
    auto* mitte = new QHBoxLayout;
    mitte->addWidget(liste_);
    mitte->addWidget(seiten_, 1);
    auto* aussen = new QVBoxLayout(this);
    aussen->addLayout(mitte);
    aussen->addLayout(knoepfe);

    // A right click on a colour field (or its caption) explains it.
    auto kurzhilfe = [this](const char* name, int nummer) {
        THilfe::Kurzhilfe(Feld(name), nummer, true);
        if (auto b = beschriftungen_.find(name); b != beschriftungen_.end())
            THilfe::Kurzhilfe(b->second, nummer, true);
    };
    kurzhilfe("Farbe kommender Termine", 2023);
    kurzhilfe("Farbe vergangener Termine", 2023);
    kurzhilfe("SA SO Farbe in der Jahresansicht", 2043);
    kurzhilfe("SA SO Farbe beim Drucken", 2044);
    kurzhilfe("Hintergrundfarbe der Stundenplanansicht", 2228);

    Fuellen();
    seiten_->setCurrentIndex(0);
    if (startseiten_) startseiten_->setCurrentIndex(0);
    seiten_->setCurrentIndex(std::clamp(seite, 1, AnzahlOptionsseiten) - 1);
    // Page 1 was current before the list existed: the list marks it all the same.
    liste_->setCurrentRow(seiten_->currentIndex());
}

TOptionen::~TOptionen() {
    // A sound being tried out stops with the dialog.
    if (knoepfe_.count("Alarmdatei#spielen")) kern_.Klangdienst().Anhalten();
}

QWidget* TOptionen::Feld(const std::string& name) const {
    const auto it = felder_.find(name);
    return it == felder_.end() ? nullptr : it->second;
}

QPushButton* TOptionen::Knopf(const std::string& name) const {
    const auto it = knoepfe_.find(name);
    return it == knoepfe_.end() ? nullptr : it->second;
}

QLabel* TOptionen::Beispiel(const std::string& schriftfeld) const {
    const auto it = beschriftungen_.find(schriftfeld + "#beispiel");
    return it == beschriftungen_.end() ? nullptr : it->second;
}

void TOptionen::SeitenAufbauen() {
    const auto& titel = Optionsseitentitel();
    for (int s = 1; s <= AnzahlOptionsseiten; ++s) {
        QWidget* seite = nullptr;
        if (s == optionsseite::Start) {
            seite = new QWidget;
            startseiten_ = new QTabWidget(seite);
            startseiten_->setObjectName(QStringLiteral("Startseiten"));
            startseiten_->addTab(SeiteAufbauen(s, "Programmstart"),
                                 QStringLiteral("Programmstart"));
            startseiten_->addTab(SeiteAufbauen(s, "Autostart"), QStringLiteral("Autostart"));
            (new QVBoxLayout(seite))->addWidget(startseiten_);
        } else {
            seite = SeiteAufbauen(s, "");
        }
        seite->setObjectName(QString::fromUtf8(titel[static_cast<std::size_t>(s - 1)]));
        seiten_->addTab(seite, QString::fromUtf8(titel[static_cast<std::size_t>(s - 1)]));
    }
}

QWidget* TOptionen::SeiteAufbauen(int seite, const std::string& innen) {
    auto* w = new QWidget;
    auto* spalte = new QVBoxLayout(w);
    // The page's own buttons that no setting stands behind.
    if (seite == optionsseite::Allgemein) {
        auto* g = new QGroupBox(QStringLiteral("Liste zuletzt geöffneter Dateien"), w);
        auto* loeschen = new QPushButton(QStringLiteral("Einträge löschen"), g);
        knoepfe_["Einträge löschen"] = loeschen;
        (new QHBoxLayout(g))->addWidget(loeschen, 0, Qt::AlignLeft);
        connect(loeschen, &QPushButton::clicked, this, [this, loeschen] {
            // Acts at once; "Abbruch" does not bring the entries back.
            loeschen->setEnabled(false);
            if (sitzung) sitzung->LetzteDateienLeeren();
        });
        spalte->addWidget(g);
    }
    if (seite == optionsseite::Start && innen == "Autostart") {
        auto* g = new QGroupBox(QStringLiteral("Autostart"), w);
        auto* raster = new QGridLayout(g);
        autostartliste_ = new QListWidget(g);
        autostartliste_->setObjectName(QStringLiteral("Autostartliste"));
        raster->addWidget(autostartliste_, 0, 0, 1, 3);
        const char* namen[3] = {"alle markieren", "markierte löschen", "aktuelle Datei eintragen"};
        for (int i = 0; i < 3; ++i) {
            auto* k = new QPushButton(QString::fromUtf8(namen[i]), g);
            knoepfe_[namen[i]] = k;
            raster->addWidget(k, 1, i);
        }
        connect(knoepfe_["alle markieren"], &QPushButton::clicked, this, [this] {
            for (int i = 0; i < autostartliste_->count(); ++i)
                autostartliste_->item(i)->setCheckState(Qt::Checked);
        });
        connect(knoepfe_["markierte löschen"], &QPushButton::clicked, this, [this] {
            if (!autostart_) return;
            std::vector<bool> markiert;
            for (int i = 0; i < autostartliste_->count(); ++i)
                markiert.push_back(autostartliste_->item(i)->checkState() == Qt::Checked);
            try {
                autostart_->MarkierteLoeschen(markiert);
            } catch (const std::exception& f) {
                kern_.Dialogdienst().Meldung(f.what(), Meldungsart::Fehler);
            }
            AutostartLesen();
        });
        connect(knoepfe_["aktuelle Datei eintragen"], &QPushButton::clicked, this, [this] {
            if (!autostart_ || !autostart_->EintragenMoeglich(aktuelleDatei)) return;
            try {
                autostart_->Eintragen(aktuelleDatei);
            } catch (const std::exception& f) {
                kern_.Dialogdienst().Meldung(f.what(), Meldungsart::Fehler);
            }
            AutostartLesen();
        });
        spalte->addWidget(g);
    }

    std::map<std::string, std::pair<QGroupBox*, QGridLayout*>> gruppen;
    QGridLayout* ohneGruppe = nullptr;
    std::map<QGridLayout*, int> zeilen;
    for (const Optionsfeld& f : Optionsfelder()) {
        if (f.seite != seite || f.innen != innen) continue;
        QGridLayout* raster = nullptr;
        QWidget* eltern = w;
        if (f.gruppe.empty()) {
            if (!ohneGruppe) {
                auto* halter = new QWidget(w);
                ohneGruppe = new QGridLayout(halter);
                ohneGruppe->setContentsMargins(4, 4, 4, 4);
                spalte->addWidget(halter);
            }
            raster = ohneGruppe;
            eltern = raster->parentWidget();
        } else {
            auto it = gruppen.find(f.gruppe);
            if (it == gruppen.end()) {
                auto* g = new QGroupBox(T(f.gruppe), w);
                auto* gr = new QGridLayout(g);
                if (seite == optionsseite::Sonne)
                    gr->addWidget(new QLabel(QStringLiteral("Standort:"), g), zeilen[gr]++, 0);
                it = gruppen.emplace(f.gruppe, std::make_pair(g, gr)).first;
                spalte->addWidget(g);
            }
            raster = it->second.second;
            eltern = it->second.first;
        }
        FeldAnlegen(f, raster, zeilen[raster], eltern);
        Verbinden(f);
    }
    if (seite == optionsseite::Sonne) {
        auto* link = new QLabel(QStringLiteral("<a href=\"%1\">Die Koordinaten zu vielen Orten "
                                               "finden Sie hier.</a>")
                                    .arg(QString::fromLatin1(r::KoordinatenSeite)),
                                w);
        link->setObjectName(QStringLiteral("Koordinatenlink"));
        link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
        connect(link, &QLabel::linkActivated, this,
                [this](const QString& url) { kern_.Shelldienst().Oeffnen(url.toStdString()); });
        spalte->addWidget(link);
    }
    spalte->addStretch();
    return w;
}

void TOptionen::FeldAnlegen(const Optionsfeld& f, QGridLayout* raster, int& zeile,
                            QWidget* eltern) {
    const auto beschriftung = [&](const std::string& text, int z, int s) {
        auto* l = new QLabel(Zeilenumbruch(T(text)), eltern);
        raster->addWidget(l, z, s);
        return l;
    };
    // A control without a caption of its own stands beside the one before it.
    const bool daneben = f.text.empty() && zeile > 0 &&
                         (f.art == A::Zahl || f.art == A::Auswahl);
    const int z = daneben ? zeile - 1 : zeile;
    switch (f.art) {
        case A::Haken: {
            auto* b = new QCheckBox(T(f.text), eltern);
            felder_[f.name] = b;
            raster->addWidget(b, z, 0, 1, 2);
            break;
        }
        case A::Paar: {
            auto* a = new QCheckBox(T(f.text), eltern);
            auto* b = new QCheckBox(T(f.text2), eltern);
            felder_[f.name + "#1"] = a;
            felder_[f.name + "#2"] = b;
            raster->addWidget(a, z, 0, 1, 2);
            raster->addWidget(b, z + 1, 0);
            zeile += 1;
            break;
        }
        case A::Radio: {
            auto* a = new QRadioButton(T(f.text), eltern);
            auto* b = new QRadioButton(T(f.text2), eltern);
            auto* gruppe = new QButtonGroup(eltern);
            gruppe->addButton(a);
            gruppe->addButton(b);
            felder_[f.name + "#1"] = a;
            felder_[f.name + "#2"] = b;
            auto* halter = new QHBoxLayout;
            halter->setContentsMargins(20, 0, 0, 0);
            halter->addWidget(a);
            halter->addWidget(b);
            halter->addStretch();
            raster->addLayout(halter, z, 0, 1, 3);
            break;
        }
        case A::Zahl: {
            auto* n = new TZahlfeld(f.min, f.max, eltern);
            // The two hours of the timetable are coupled once an edit is finished, not at
            // every key: typing "22" passes through 2 on its way.
            if (f.name == "Stdplanstartzeit" || f.name == "Stdplanendezeit")
                n->setKeyboardTracking(false);
            felder_[f.name] = n;
            n->setAccessibleName(T(f.text.empty() ? f.name : f.text));
            if (daneben) {
                raster->addWidget(n, z, 2);
                if (!f.text2.empty()) raster->addWidget(new QLabel(T(f.text2), eltern), z, 3);
            } else {
                if (!f.text.empty()) beschriftungen_[f.name] = beschriftung(f.text, z, 0);
                raster->addWidget(n, z, 1);
                if (!f.text2.empty()) raster->addWidget(new QLabel(T(f.text2), eltern), z, 2);
            }
            break;
        }
        case A::Auswahl: {
            auto* c = new QComboBox(eltern);
            for (const std::string& e : f.auswahl) c->addItem(T(e));
            felder_[f.name] = c;
            if (daneben) {
                raster->addWidget(c, z, 2);
            } else {
                beschriftungen_[f.name] = beschriftung(f.text, z, 0);
                raster->addWidget(c, z, 1);
            }
            break;
        }
        case A::Farbe: {
            auto* k = new QPushButton(eltern);
            k->setFixedSize(44, 22);
            k->setAccessibleName(T(f.text.empty() ? f.name : f.text));
            felder_[f.name] = k;
            if (!f.text.empty()) beschriftungen_[f.name] = beschriftung(f.text, z, 0);
            raster->addWidget(k, z, f.text.empty() ? 0 : 1, Qt::AlignLeft);
            break;
        }
        case A::Dezimal: {
            auto* e = new QLineEdit(eltern);
            e->setMaximumWidth(120);
            felder_[f.name] = e;
            beschriftungen_[f.name] = beschriftung(f.text, z, 0);
            raster->addWidget(e, z, 1);
            break;
        }
        case A::Schrift: {
            auto* k = new QPushButton(T(f.text), eltern);
            auto* l = new QLabel(QStringLiteral("Beispieltext"), eltern);
            l->setFrameShape(QFrame::StyledPanel);
            l->setMinimumWidth(160);
            felder_[f.name] = k;
            beschriftungen_[f.name + "#beispiel"] = l;
            raster->addWidget(k, z, 0);
            raster->addWidget(l, z, 1, 1, 2);
            break;
        }
        case A::Schieber: {
            auto* s = new QSlider(Qt::Horizontal, eltern);
            s->setRange(f.min, f.max);
            felder_[f.name] = s;
            raster->addWidget(new QLabel(T(f.text), eltern), z, 0, Qt::AlignRight);
            raster->addWidget(s, z, 1);
            raster->addWidget(new QLabel(T(f.text2), eltern), z, 2);
            break;
        }
        case A::Feiertag: {
            // Three columns of boxes; the row counts per group.
            const int n = zeile;
            auto* b = new TFeiertagsbox(T(f.text), eltern,
                                        [this, name = f.name] { FeiertagsfarbeWaehlen(name); });
            felder_[f.name] = b;
            raster->addWidget(b, n / 3, n % 3);
            ++zeile;
            return;
        }
        case A::Datei: {
            auto* e = new QLineEdit(eltern);
            e->setReadOnly(true);
            e->setMinimumWidth(300);
            felder_[f.name] = e;
            raster->addWidget(e, z, 0, 1, 3);
            const bool alarm = f.name == "Alarmdatei";
            // The buttons by their role: choose, clear, and for the sound a test.
            std::vector<std::pair<const char*, const char*>> knoepfe = {
                {alarm ? "neue Datei auswählen" : "Öffnen", "waehlen"},
                {alarm ? "Datei löschen" : "löschen", "loeschen"}};
            if (alarm) knoepfe.push_back({"Abspielen", "spielen"});
            auto* reihe = new QHBoxLayout;
            for (const auto& [text, rolle] : knoepfe) {
                auto* k = new QPushButton(QString::fromUtf8(text), eltern);
                reihe->addWidget(k);
                knoepfe_[f.name + "#" + rolle] = k;
            }
            reihe->addStretch();
            raster->addLayout(reihe, z + 1, 0, 1, 3);
            zeile += 1;
            break;
        }
    }
    if (!daneben) ++zeile;
}

void TOptionen::Verbinden(const Optionsfeld& f) {
    const std::string name = f.name;
    switch (f.art) {
        case A::Haken:
            connect(static_cast<QCheckBox*>(Feld(name)), &QCheckBox::toggled, this,
                    [this, name](bool an) {
                        if (fuellt_) return;
                        // Captions that exclude each other, or of which one must stay.
                        if (name == "Farbname" && an)
                            static_cast<QCheckBox*>(Feld("Farbnamen"))->setChecked(false);
                        if (name == "Farbnamen" && an)
                            static_cast<QCheckBox*>(Feld("Farbname"))->setChecked(false);
                        if (name.rfind("Vollbild ohne", 0) == 0 && !an) {
                            bool einer = false;
                            for (const char* v : {"Vollbild ohne Menü", "Vollbild ohne Toolbar",
                                                  "Vollbild ohne Legende"})
                                einer = einer || static_cast<QCheckBox*>(Feld(v))->isChecked();
                            if (!einer) {
                                static_cast<QCheckBox*>(Feld(name))->setChecked(true);
                                return;
                            }
                        }
                        Geaendert();
                    });
            break;
        case A::Paar:
            for (int box = 0; box < 2; ++box) {
                auto* b = static_cast<QCheckBox*>(Feld(name + (box == 0 ? "#1" : "#2")));
                connect(b, &QCheckBox::clicked, this, [this, name, box](bool an) {
                    auto* a = static_cast<QCheckBox*>(Feld(name + "#1"));
                    auto* b2 = static_cast<QCheckBox*>(Feld(name + "#2"));
                    // Exactly one was checked before the click.
                    const bool alt = box == 0 ? !an : an;
                    const bool neu = r::PaarKlick(alt, box, an);
                    fuellt_ = true;
                    a->setChecked(neu);
                    b2->setChecked(!neu);
                    fuellt_ = false;
                    ZustaendeAnwenden();
                    if (neu != alt) Geaendert();
                });
            }
            break;
        case A::Radio:
            connect(static_cast<QRadioButton*>(Feld(name + "#1")), &QRadioButton::toggled, this,
                    [this] {
                        if (!fuellt_) Geaendert();
                    });
            break;
        case A::Zahl:
            connect(static_cast<TZahlfeld*>(Feld(name)), &QSpinBox::valueChanged, this,
                    [this, name] {
                        if (fuellt_) return;
                        if (name == "Stdplanstartzeit" || name == "Stdplanendezeit") {
                            auto* von = static_cast<TZahlfeld*>(Feld("Stdplanstartzeit"));
                            auto* bis = static_cast<TZahlfeld*>(Feld("Stdplanendezeit"));
                            const auto [v, b] = r::StundenKoppeln(
                                von->value(), bis->value(), name == "Stdplanstartzeit");
                            fuellt_ = true;
                            if (v != von->value() && von->value() <= 23) von->setValue(v);
                            if (b != bis->value() && bis->value() >= 1) bis->setValue(b);
                            fuellt_ = false;
                        }
                        // The count of visible entries has no change action.
                        if (name != "sichtbare Termineinträge") Geaendert();
                    });
            break;
        case A::Auswahl:
            connect(static_cast<QComboBox*>(Feld(name)), &QComboBox::currentIndexChanged, this,
                    [this, name] {
                        if (fuellt_) return;
                        ZustaendeAnwenden();
                        if (name != "Dauer oder Ende") Geaendert();
                    });
            break;
        case A::Farbe:
            connect(static_cast<QPushButton*>(Feld(name)), &QPushButton::clicked, this,
                    [this, name] { FarbeWaehlen(name); });
            break;
        case A::Dezimal:
            connect(static_cast<QLineEdit*>(Feld(name)), &QLineEdit::textEdited, this,
                    &TOptionen::Geaendert);
            break;
        case A::Schrift:
            connect(static_cast<QPushButton*>(Feld(name)), &QPushButton::clicked, this,
                    [this, name] { SchriftWaehlen(name); });
            break;
        case A::Schieber:
            connect(static_cast<QSlider*>(Feld(name)), &QSlider::valueChanged, this, [this] {
                if (!fuellt_) Geaendert();
            });
            break;
        case A::Feiertag:
            connect(static_cast<QCheckBox*>(Feld(name)), &QCheckBox::toggled, this, [this] {
                if (!fuellt_) Geaendert();
            });
            break;
        case A::Datei: {
            auto* feld = static_cast<QLineEdit*>(Feld(name));
            const bool alarm = name == "Alarmdatei";
            connect(Knopf(name + "#waehlen"), &QPushButton::clicked, this, [this, feld, alarm] {
                Dateidialog d;
                if (alarm) {
                    d.titel = "Alarm-Sound auswählen";
                    for (const std::string& filter : r::Klangfilter()) {
                        if (!d.filter.empty()) d.filter += "|";
                        const auto klammer = filter.rfind('(');
                        d.filter += filter + "|" +
                                    filter.substr(klammer + 1, filter.size() - klammer - 2);
                    }
                } else {
                    d.titel = "Startdatei für Programmstart";
                    d.filter = "Kalvora-Kalender (*.kvr)|*.kvr|Alle Dateien (*)|*";
                    d.standardendung = "kvr";
                }
                const auto wahl = kern_.Dialogdienst().DateiOeffnen(d);
                if (!wahl || T(wahl->pfad) == feld->text()) return;
                feld->setText(T(wahl->pfad));
                Geaendert();
                ZustaendeAnwenden();
            });
            connect(Knopf(name + "#loeschen"), &QPushButton::clicked, this, [this, feld, alarm] {
                feld->clear();
                if (alarm) kern_.Klangdienst().Anhalten();
                Geaendert();
                ZustaendeAnwenden();
                ok_->setFocus();
            });
            if (alarm)
                connect(Knopf(name + "#spielen"), &QPushButton::clicked, this, [this, feld] {
                    if (!feld->text().isEmpty())
                        kern_.Klangdienst().Abspielen(feld->text().toStdString());
                });
            break;
        }
    }
}

void TOptionen::FarbfeldZeigen(const std::string& name, uint32_t farbe) {
    farben_[name] = farbe;
    auto* w = Feld(name);
    if (!w) return;
    if (auto* k = qobject_cast<QPushButton*>(w); k && !qobject_cast<QCheckBox*>(w)) {
        const QColor c = QtFarbe(farbe);
        k->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 1px solid "
                                        "#808080; }")
                             .arg(c.name()));
        // White means no mark for past days: the field says so.
        k->setText(name == "Farbe vergangener Termine" && (farbe & 0xFFFFFF) == 0xFFFFFF
                       ? QStringLiteral("X")
                       : QString());
    } else if (auto* b = qobject_cast<QCheckBox*>(w)) {
        // The box itself carries the colour; on a dark one the caption is white.
        const QColor c = QtFarbe(farbe);
        b->setStyleSheet(QStringLiteral("QCheckBox { background-color: %1; color: %2; "
                                        "padding: 2px 4px; }")
                             .arg(c.name(), qGray(c.rgb()) < 110 ? QStringLiteral("white")
                                                                 : QStringLiteral("black")));
    }
}

void TOptionen::FarbeWaehlen(const std::string& name) {
    const uint32_t alt = farben_[name];
    const auto& eigen = r::Eigenfarben();
    const auto neu = kern_.Dialogdienst().Farbe(alt, {eigen.begin(), eigen.end()});
    if (!neu || *neu == alt) return;
    if (name == "Farbe kommender Termine" && !r::KommendeFarbeErlaubt(*neu)) {
        kern_.Dialogdienst().Meldung(r::KommendeFarbeWeiss, Meldungsart::Warnung);
        return;
    }
    FarbfeldZeigen(name, *neu);
    Geaendert();
}

void TOptionen::FeiertagsfarbeWaehlen(const std::string& name) {
    const uint32_t alt = farben_[name];
    const auto& eigen = r::Eigenfarben();
    const auto neu = kern_.Dialogdienst().Farbe(alt, {eigen.begin(), eigen.end()});
    if (!neu) return;
    const uint32_t wochenende = farben_["SA SO Farbe in der Jahresansicht"];
    if (!r::FeiertagsfarbeErlaubt(*neu, wochenende, alt)) return;
    FarbfeldZeigen(name, *neu);
    Geaendert();
}

void TOptionen::SchriftWaehlen(const std::string& name) {
    QLabel* beispiel = Beispiel(name);
    Schrift vorgabe;
    vorgabe.name = beispiel->font().family().toStdString();
    vorgabe.groesse = beispiel->font().pointSize();
    const auto neu = kern_.Dialogdienst().Schriftart(vorgabe);
    if (!neu) return;
    QFont f(T(neu->name), neu->groesse);
    beispiel->setFont(f);
    if (neu->name != vorgabe.name || neu->groesse != vorgabe.groesse) Geaendert();
    ZustaendeAnwenden();
}

void TOptionen::Fuellen() {
    fuellt_ = true;
    modell_.Fuellen(kern_.Optionen(), trenner_);
    const auto& felder = Optionsfelder();
    for (std::size_t i = 0; i < felder.size(); ++i) {
        const Optionsfeld& f = felder[i];
        const Optionswert& w = modell_.Werte()[i];
        switch (f.art) {
            case A::Haken:
                static_cast<QCheckBox*>(Feld(f.name))->setChecked(w.haken);
                break;
            case A::Paar:
            case A::Radio:
                static_cast<QAbstractButton*>(Feld(f.name + "#1"))->setChecked(w.haken);
                static_cast<QAbstractButton*>(Feld(f.name + "#2"))->setChecked(!w.haken);
                break;
            case A::Zahl:
                static_cast<TZahlfeld*>(Feld(f.name))->setValue(std::stoi(w.text));
                break;
            case A::Auswahl:
                static_cast<QComboBox*>(Feld(f.name))->setCurrentIndex(w.zahl);
                break;
            case A::Schieber:
                static_cast<QSlider*>(Feld(f.name))->setValue(w.zahl);
                break;
            case A::Farbe: FarbfeldZeigen(f.name, w.farbe); break;
            case A::Dezimal: static_cast<QLineEdit*>(Feld(f.name))->setText(T(w.text)); break;
            case A::Datei: static_cast<QLineEdit*>(Feld(f.name))->setText(T(w.text)); break;
            case A::Schrift: Beispiel(f.name)->setFont(QFont(T(w.text), w.zahl)); break;
            case A::Feiertag:
                static_cast<QCheckBox*>(Feld(f.name))->setChecked(w.haken);
                FarbfeldZeigen(f.name, w.farbe);
                break;
        }
    }
    fuellt_ = false;
    AutostartLesen();
    ZustaendeAnwenden();
    uebernehmen_->setEnabled(false);
}

void TOptionen::ModellLesen() {
    const auto& felder = Optionsfelder();
    for (const Optionsfeld& f : felder) {
        Optionswert& w = modell_.Wert(f.name);
        switch (f.art) {
            case A::Haken:
            case A::Feiertag:
                w.haken = static_cast<QCheckBox*>(Feld(f.name))->isChecked();
                if (f.art == A::Feiertag) w.farbe = farben_[f.name];
                break;
            case A::Paar:
            case A::Radio:
                w.haken = static_cast<QAbstractButton*>(Feld(f.name + "#1"))->isChecked();
                break;
            case A::Zahl: {
                auto* n = static_cast<TZahlfeld*>(Feld(f.name));
                // The text as typed, even before the field has taken it as its value.
                w.text = n->cleanText().toStdString();
                break;
            }
            case A::Auswahl: w.zahl = static_cast<QComboBox*>(Feld(f.name))->currentIndex(); break;
            case A::Schieber: w.zahl = static_cast<QSlider*>(Feld(f.name))->value(); break;
            case A::Farbe: w.farbe = farben_[f.name]; break;
            case A::Dezimal:
            case A::Datei:
                w.text = static_cast<QLineEdit*>(Feld(f.name))->text().toStdString();
                break;
            case A::Schrift:
                w.text = Beispiel(f.name)->font().family().toStdString();
                w.zahl = Beispiel(f.name)->font().pointSize();
                break;
        }
    }
}

void TOptionen::ZustaendeAnwenden() {
    const auto haken = [this](const char* n) {
        return static_cast<QCheckBox*>(Feld(n))->isChecked();
    };
    // Fields that belong to one box of a pair, or to a check box.
    Feld("startjahr")->setEnabled(static_cast<QCheckBox*>(Feld("aktjahr#2"))->isChecked());
    const bool fest = static_cast<QCheckBox*>(Feld("festeZeit#1"))->isChecked();
    Feld("Stunden")->setEnabled(fest);
    Feld("Minuten")->setEnabled(fest);
    Feld("Anzeige der Kalenderwoche")->setEnabled(haken("Kalenderwoche"));
    const bool farben = haken("Schriftfarbenübernahme");
    Feld("Schriftfarbe ändern#1")->setEnabled(farben);
    Feld("Schriftfarbe ändern#2")->setEnabled(farben);
    auto* fettInfo = static_cast<QCheckBox*>(Feld("Fett bei Tagesinfotext"));
    if (!haken("Fett")) {
        const bool war = fuellt_;
        fuellt_ = true;
        fettInfo->setChecked(false);
        fuellt_ = war;
    }
    fettInfo->setEnabled(haken("Fett"));

    // The two colour boxes: possible as the colours stand, and never both.
    const TFarbwerte& legende = kern_.Legendenfarben();
    const TFarbwerte& standard = kern_.Optionen().Standardfarben;
    auto* aktuell = static_cast<QCheckBox*>(Feld("aktuelleFarbe"));
    auto* original = static_cast<QCheckBox*>(Feld("Standard"));
    aktuell->setEnabled(r::AktuelleFarbenMoeglich(legende, standard) && !original->isChecked());
    original->setEnabled(r::OriginalfarbenMoeglich(legende, standard) && !aktuell->isChecked());

    QLabel* ansicht = Beispiel("Ansichtsschrift");
    Feld("Standardschrift")
        ->setEnabled(r::StandardschriftMoeglich(ansicht->font().family().toStdString(),
                                                ansicht->font().pointSize()));

    const auto [x, y] =
        r::Randbeschriftung(static_cast<QComboBox*>(Feld("Stdplanort"))->currentIndex());
    beschriftungen_["Stdplanabstx"]->setText(QString::fromUtf8(x));
    beschriftungen_["Stdplanabsty"]->setText(QString::fromUtf8(y));

    const bool alarmdatei = !static_cast<QLineEdit*>(Feld("Alarmdatei"))->text().isEmpty();
    Knopf("Alarmdatei#loeschen")->setEnabled(alarmdatei);
    Knopf("Alarmdatei#spielen")->setEnabled(alarmdatei);
    Knopf("Startdatei#loeschen")
        ->setEnabled(!static_cast<QLineEdit*>(Feld("Startdatei"))->text().isEmpty());
    const bool letzte = sitzung ? !sitzung->LetzteDateien()[0].empty()
                                : !kern_.Optionen().LetzteDateien[1].empty();
    Knopf("Einträge löschen")->setEnabled(letzte);
    if (autostart_)
        Knopf("aktuelle Datei eintragen")->setEnabled(autostart_->EintragenMoeglich(aktuelleDatei));
}

void TOptionen::AutostartLesen() {
    if (!autostartliste_) return;
    autostartliste_->clear();
    const bool da = autostart_ != nullptr;
    for (const char* n : {"alle markieren", "markierte löschen", "aktuelle Datei eintragen"})
        Knopf(n)->setEnabled(da);
    if (!da) return;
    for (const std::string& datei : autostart_->Dateien()) {
        auto* e = new QListWidgetItem(T(datei), autostartliste_);
        e->setFlags(e->flags() | Qt::ItemIsUserCheckable);
        e->setCheckState(Qt::Unchecked);
    }
    Knopf("aktuelle Datei eintragen")->setEnabled(autostart_->EintragenMoeglich(aktuelleDatei));
}

void TOptionen::Geaendert() {
    if (fuellt_) return;
    uebernehmen_->setEnabled(true);
    ZustaendeAnwenden();
}

bool TOptionen::Uebernehmen() {
    ModellLesen();
    Einstellungen neu = kern_.Optionen();
    if (const auto fehler = modell_.Uebernehmen(neu, kern_.Legendenfarben(), trenner_)) {
        kern_.Dialogdienst().Meldung(*fehler, Meldungsart::Fehler);
        uebernehmen_->setEnabled(true);
        return false;
    }
    try {
        EinstellungenSpeichern(kern_.Ablage(), neu);
    } catch (const std::exception& f) {
        kern_.Dialogdienst().Meldung(
            std::string("Die Einstellungen konnten nicht gespeichert werden:\n") + f.what(),
            Meldungsart::Fehler);
        uebernehmen_->setEnabled(true);
        return false;
    }
    kern_.Optionen() = neu;
    // The boxes that acted are clear again, the font may be the standard one.
    fuellt_ = true;
    for (const char* n : {"aktuelleFarbe", "Standard", "Standardschrift"})
        static_cast<QCheckBox*>(Feld(n))->setChecked(false);
    Beispiel("Ansichtsschrift")->setFont(QFont(T(neu.Schriftname), neu.Schriftgroesse));
    fuellt_ = false;
    ZustaendeAnwenden();
    uebernehmen_->setEnabled(false);
    if (angewendet) angewendet();
    ok_->setFocus();
    return true;
}

void TOptionen::accept() {
    if (Uebernehmen()) QDialog::accept();
}

void TOptionen::reject() {
    Fuellen();
    QDialog::reject();
}

bool TOptionen::event(QEvent* e) {
    // Each activation shows the states that follow the settings and the open document.
    if (e->type() == QEvent::Show) hilfeKnopf_->setEnabled(static_cast<bool>(hilfe));
    if (e->type() == QEvent::WindowActivate) {
        ZustaendeAnwenden();
        if (seiten_->currentIndex() == optionsseite::Start - 1) AutostartLesen();
    }
    return QDialog::event(e);
}

}  // namespace kalvora
