#include "platform/qt/QtDialoge.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace kalvora {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

QString Titel(const std::string& titel) {
    return titel.empty() ? QApplication::applicationName() : Q(titel);
}

// Both dialogs read the same settings; the caller finishes the mode.
void Einrichten(QFileDialog& dlg, const Dateidialog& d) {
    dlg.setWindowTitle(Q(d.titel));
    const QStringList filter = QtDateifilter(d.filter);
    if (!filter.isEmpty()) dlg.setNameFilters(filter);
    if (!d.standardendung.empty()) dlg.setDefaultSuffix(Q(d.standardendung));
    if (!d.ordner.empty()) dlg.setDirectory(Q(d.ordner));
    if (!d.vorschlag.empty()) dlg.selectFile(Q(d.vorschlag));
}

}  // namespace

QString QtText(const std::string& text) {
    QString s = Q(text);
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

QStringList QtDateifilter(const std::string& filter) {
    const QStringList teile = Q(filter).split(QLatin1Char('|'));
    QStringList ergebnis;
    for (int i = 0; i + 1 < teile.size(); i += 2) {
        // Qt reads the patterns from the parentheses, separated by blanks; "*.*" would miss
        // files without a dot here.
        QStringList muster = teile[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& m : muster) {
            m = m.trimmed();
            if (m == QLatin1String("*.*")) m = QStringLiteral("*");
        }
        QString name = teile[i];
        const int klammer = name.lastIndexOf(QLatin1Char('('));
        if (klammer >= 0) name.truncate(klammer);
        ergebnis << name.trimmed() + QStringLiteral(" (") + muster.join(QLatin1Char(' ')) +
                        QLatin1Char(')');
    }
    return ergebnis;
}

QWidget* Dialogeltern(QWidget* hauptfenster) {
    QWidget* modal = QApplication::activeModalWidget();
    return modal && modal->isVisible() ? modal : hauptfenster;
}

QWidget* QtDialoge::Eltern() const { return Dialogeltern(eltern_); }

DialogelternAufZeit::DialogelternAufZeit(QWidget* dialog, QWidget* hauptfenster)
    : dialog_(dialog), alt_(dialog->parentWidget()) {
    QWidget* vorne = Dialogeltern(hauptfenster);
    if (vorne && vorne != alt_ && vorne != dialog_)
        dialog_->setParent(vorne, dialog_->windowFlags());
}

DialogelternAufZeit::~DialogelternAufZeit() {
    if (dialog_->parentWidget() != alt_) dialog_->setParent(alt_, dialog_->windowFlags());
}

Antwort QtDialoge::Meldung(const std::string& text, Meldungsart art, Knoepfe knoepfe,
                           const std::string& titel) {
    QMessageBox box(Eltern());
    box.setWindowTitle(Titel(titel));
    box.setTextFormat(Qt::PlainText);  // texts may carry user input; never markup
    box.setText(QtText(text));
    switch (art) {
        case Meldungsart::Keine: box.setIcon(QMessageBox::NoIcon); break;
        case Meldungsart::Information: box.setIcon(QMessageBox::Information); break;
        case Meldungsart::Warnung: box.setIcon(QMessageBox::Warning); break;
        case Meldungsart::Bestaetigung: box.setIcon(QMessageBox::Question); break;
        case Meldungsart::Fehler: box.setIcon(QMessageBox::Critical); break;
    }
    struct Knopf {
        Antwort antwort;
        QString text;
        QMessageBox::ButtonRole rolle;
    };
    const Knopf ok{Antwort::Ok, QStringLiteral("OK"), QMessageBox::AcceptRole};
    const Knopf ja{Antwort::Ja, QStringLiteral("&Ja"), QMessageBox::YesRole};
    const Knopf nein{Antwort::Nein, QStringLiteral("&Nein"), QMessageBox::NoRole};
    const Knopf abbrechen{Antwort::Abbrechen, QStringLiteral("Abbrechen"),
                          QMessageBox::RejectRole};
    const Knopf wiederholen{Antwort::Wiederholen, QStringLiteral("&Wiederholen"),
                            QMessageBox::AcceptRole};
    std::vector<Knopf> satz;
    switch (knoepfe) {
        case Knoepfe::Ok: satz = {ok}; break;
        case Knoepfe::OkAbbrechen: satz = {ok, abbrechen}; break;
        case Knoepfe::JaNein: satz = {ja, nein}; break;
        case Knoepfe::JaNeinAbbrechen: satz = {ja, nein, abbrechen}; break;
        case Knoepfe::WiederholenAbbrechen: satz = {wiederholen, abbrechen}; break;
        case Knoepfe::JaNeinVorgabeNein: satz = {ja, nein}; break;
    }
    std::vector<std::pair<QAbstractButton*, Antwort>> knoepfeMitAntwort;
    for (const Knopf& k : satz) {
        QPushButton* b = box.addButton(k.text, k.rolle);
        knoepfeMitAntwort.emplace_back(b, k.antwort);
    }
    box.setDefaultButton(static_cast<QPushButton*>(
        (knoepfe == Knoepfe::JaNeinVorgabeNein ? knoepfeMitAntwort.back()
                                                : knoepfeMitAntwort.front())
            .first));
    // Esc and the close box answer Abbrechen, else Nein, else Ok.
    Antwort beimSchliessen = Antwort::Ok;
    for (Antwort a : {Antwort::Nein, Antwort::Abbrechen})
        for (const auto& [b, antwort] : knoepfeMitAntwort)
            if (antwort == a) {
                beimSchliessen = a;
                box.setEscapeButton(b);
            }
    if (beimSchliessen == Antwort::Ok) box.setEscapeButton(knoepfeMitAntwort.front().first);
    box.exec();
    for (const auto& [b, antwort] : knoepfeMitAntwort)
        if (box.clickedButton() == b) return antwort;
    return beimSchliessen;
}

std::optional<std::string> QtDialoge::Eingabe(const std::string& titel,
                                              const std::string& aufforderung,
                                              const std::string& vorgabe) {
    QInputDialog dlg(Eltern());
    dlg.setWindowTitle(Titel(titel));
    dlg.setLabelText(QtText(aufforderung));
    dlg.setTextValue(Q(vorgabe));
    dlg.setOkButtonText(QStringLiteral("OK"));
    dlg.setCancelButtonText(QStringLiteral("Abbrechen"));
    if (dlg.exec() != QDialog::Accepted) return std::nullopt;
    return dlg.textValue().toStdString();
}

std::optional<Dateiwahl> QtDialoge::DateiOeffnen(const Dateidialog& d) {
    QFileDialog dlg(Eltern());
    Einrichten(dlg, d);
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setFileMode(d.pruefen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    QCheckBox* schreibschutz = nullptr;
    if (d.schreibschutzAnbieten) {
        // The platform dialogs have no place for the box; Qt's own dialog has.
        dlg.setOption(QFileDialog::DontUseNativeDialog);
        if (auto* raster = qobject_cast<QGridLayout*>(dlg.layout())) {
            schreibschutz = new QCheckBox(QStringLiteral("Schreibgeschützt öffnen"), &dlg);
            schreibschutz->setObjectName(QStringLiteral("Schreibschutz"));
            raster->addWidget(schreibschutz, raster->rowCount(), 0, 1, -1);
        }
    }
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
    Dateiwahl wahl;
    wahl.pfad = dlg.selectedFiles().front().toStdString();
    wahl.schreibgeschuetzt = schreibschutz && schreibschutz->isChecked();
    return wahl;
}

std::optional<std::string> QtDialoge::DateiSpeichern(const Dateidialog& d) {
    QFileDialog dlg(Eltern());
    Einrichten(dlg, d);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    dlg.setOption(QFileDialog::DontConfirmOverwrite, !d.pruefen);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
    return dlg.selectedFiles().front().toStdString();
}

std::optional<std::string> QtDialoge::OrdnerWaehlen(const std::string& titel,
                                                    const std::string& vorgabe) {
    const QString ordner = QFileDialog::getExistingDirectory(Eltern(), Q(titel), Q(vorgabe));
    if (ordner.isEmpty()) return std::nullopt;
    return ordner.toStdString();
}

std::optional<uint32_t> QtDialoge::Farbe(uint32_t vorgabe,
                                         const std::vector<uint32_t>& eigeneFarben) {
    const int platz = std::min<int>(int(eigeneFarben.size()), QColorDialog::customCount());
    for (int i = 0; i < platz; ++i) QColorDialog::setCustomColor(i, QtFarbe(eigeneFarben[i]));
    const QColor c = QColorDialog::getColor(QtFarbe(vorgabe), Eltern());
    if (!c.isValid()) return std::nullopt;
    return Farbwert(c);
}

std::optional<Schrift> QtDialoge::Schriftart(const Schrift& vorgabe) {
    QFont f(Q(vorgabe.name));
    if (vorgabe.groesse > 0) f.setPointSize(vorgabe.groesse);
    f.setBold(vorgabe.fett);
    f.setItalic(vorgabe.kursiv);
    f.setUnderline(vorgabe.unterstrichen);
    f.setStrikeOut(vorgabe.durchgestrichen);
    bool ok = false;
    const QFont g = QFontDialog::getFont(&ok, f, Eltern());
    if (!ok) return std::nullopt;
    Schrift s = vorgabe;  // Qt's font dialog offers no colour: it stays as given
    s.name = g.family().toStdString();
    s.groesse = g.pointSize() > 0 ? g.pointSize() : vorgabe.groesse;
    s.fett = g.bold();
    s.kursiv = g.italic();
    s.unterstrichen = g.underline();
    s.durchgestrichen = g.strikeOut();
    return s;
}

}  // namespace kalvora
