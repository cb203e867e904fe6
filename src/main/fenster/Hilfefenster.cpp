#include "main/fenster/Hilfefenster.h"

#include <algorithm>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QScreen>
#include <QSplitter>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <QWhatsThis>

#include "platform/qt/QtDaten.h"

namespace kalvora {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

std::string DateiLesen(const QString& pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll().toStdString();
}

}  // namespace

// ---- the window -------------------------------------------------------------------------

THilfefenster::THilfefenster(const QString& ordner, QWidget* parent)
    : QWidget(parent, Qt::Window), ordner_(ordner) {
    setObjectName(QStringLiteral("Hilfefenster"));
    setWindowTitle(QString::fromUtf8(hilfe::Fenstertitel));
    setAttribute(Qt::WA_DeleteOnClose, false);
    resize(760, 560);

    auto* leiste = new QToolBar(this);
    leiste->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    inhalt_ = leiste->addAction(Symbol(QStringLiteral("hilfe"), QStringLiteral("go-home")),
                                QStringLiteral("Inhalt"));
    zurueck_ = leiste->addAction(Symbol(QStringLiteral("zurueck"), QStringLiteral("go-previous")),
                                 QStringLiteral("Zurück"));
    vor_ = leiste->addAction(Symbol(QStringLiteral("vor"), QStringLiteral("go-next")),
                             QStringLiteral("Vor"));
    QAction* stichwoerter = leiste->addAction(QStringLiteral("Stichwörter"));
    leiste->addSeparator();
    suchfeld_ = new QLineEdit(leiste);
    suchfeld_->setObjectName(QStringLiteral("Suchfeld"));
    suchfeld_->setPlaceholderText(QStringLiteral("In der Hilfe suchen"));
    suchfeld_->setClearButtonEnabled(true);
    suchfeld_->setMaximumWidth(240);
    leiste->addWidget(suchfeld_);
    QAction* suchen = leiste->addAction(
        Symbol(QStringLiteral("suchen"), QStringLiteral("edit-find")), QStringLiteral("Suchen"));
    zurueck_->setShortcut(QKeySequence::Back);
    vor_->setShortcut(QKeySequence::Forward);
    zurueck_->setEnabled(false);
    vor_->setEnabled(false);

    treffer_ = new QListWidget(this);
    treffer_->setObjectName(QStringLiteral("Trefferliste"));
    treffer_->hide();
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("Seite"));
    browser_->setSearchPaths({ordner_});
    browser_->setOpenExternalLinks(true);

    auto* teiler = new QSplitter(this);
    teiler->addWidget(treffer_);
    teiler->addWidget(browser_);
    teiler->setStretchFactor(1, 1);
    teiler->setSizes({200, 560});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(leiste);
    layout->addWidget(teiler, 1);

    connect(inhalt_, &QAction::triggered, this,
            [this] { SeiteZeigen(QString::fromLatin1(hilfe::Inhaltsseite)); });
    connect(stichwoerter, &QAction::triggered, this,
            [this] { SeiteZeigen(QString::fromLatin1(hilfe::Stichwortseite)); });
    connect(zurueck_, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(vor_, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, zurueck_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, vor_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        const QString titel = browser_->documentTitle();
        const QString basis = QString::fromUtf8(hilfe::Fenstertitel);
        setWindowTitle(titel.isEmpty() || titel == basis ? basis
                                                         : basis + QStringLiteral(" - ") + titel);
    });
    auto suche = [this] { Suchen(suchfeld_->text()); };
    connect(suchfeld_, &QLineEdit::returnPressed, this, suche);
    connect(suchen, &QAction::triggered, this, suche);
    connect(treffer_, &QListWidget::currentRowChanged, this, [this](int zeile) {
        if (QListWidgetItem* e = treffer_->item(zeile))
            SeiteZeigen(e->data(Qt::UserRole).toString());
    });
}

void THilfefenster::ThemaZeigen(int thema) { SeiteZeigen(Q(Hilfeseite(thema))); }

void THilfefenster::SeiteZeigen(const QString& datei) {
    const QUrl ziel = QUrl::fromLocalFile(QDir(ordner_).filePath(datei));
    if (browser_->source() == ziel) return;
    browser_->setSource(ziel);
}

QString THilfefenster::AktuelleSeite() const {
    return QFileInfo(browser_->source().path()).fileName();
}

void THilfefenster::SeitenLaden() {
    if (!seiten_.empty()) return;
    const QStringList dateien =
        QDir(ordner_).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
    for (const QString& d : dateien) {
        // The contents and the index only point to the pages that explain.
        if (d == QLatin1String(hilfe::Inhaltsseite) || d == QLatin1String(hilfe::Stichwortseite))
            continue;
        const std::string html = DateiLesen(QDir(ordner_).filePath(d));
        seiten_.push_back({d.toStdString(), HtmlTitel(html), HtmlText(html)});
    }
}

int THilfefenster::Suchen(const QString& anfrage) {
    SeitenLaden();
    const std::vector<Hilfetreffer> t = HilfeSuchen(seiten_, anfrage.toStdString());
    treffer_->blockSignals(true);
    treffer_->clear();
    for (const Hilfetreffer& s : t) {
        auto* e = new QListWidgetItem(Q(s.titel), treffer_);
        e->setData(Qt::UserRole, Q(s.datei));
    }
    if (t.empty() && !anfrage.trimmed().isEmpty())
        new QListWidgetItem(QStringLiteral("Nichts gefunden"), treffer_);
    treffer_->blockSignals(false);
    treffer_->setVisible(!anfrage.trimmed().isEmpty());
    if (!t.empty()) {
        treffer_->setCurrentRow(0);
        browser_->find(anfrage.trimmed().section(QLatin1Char(' '), 0, 0));
    }
    return static_cast<int>(t.size());
}

// ---- the service ------------------------------------------------------------------------

namespace {

struct Hilfezustand {
    bool gesucht = false;
    QString ordner;
    bool popupsGelesen = false;
    std::map<int, std::string> popups;
    QPointer<QWidget> haupt;
    QPointer<THilfefenster> fenster;
    bool platziert = false;  // the window has been given its place on the screen
    std::function<void(const std::string&)> meldung;
    std::function<void()> direkthilfeEnde;
};

Hilfezustand& Zustand() {
    static Hilfezustand z;
    return z;
}

std::vector<std::string> Kandidaten() {
    const std::string programm = QCoreApplication::applicationDirPath().toStdString();
    std::vector<std::string> o = Hilfeordner(programm);
    o.push_back(programm + "/../share/kalvora/" + hilfe::Ordnername);
#ifdef KALVORA_DATENVERZEICHNIS
    o.push_back(std::string(KALVORA_DATENVERZEICHNIS) + "/" + hilfe::Ordnername);
#endif
    return o;
}

// The topic of a window by its class, else by its object name; 0 when it has none.
int Fensterthema(const QWidget* w) {
    std::string_view klasse = w->metaObject()->className();
    if (const size_t p = klasse.rfind("::"); p != std::string_view::npos)
        klasse.remove_prefix(p + 2);
    if (const int thema = FensterHilfethema(klasse)) return thema;
    return FensterHilfethema(w->objectName().toStdString());
}

// F1 in a dialog presses its "Hilfe" button, or opens its topic when it has none; the end of
// What's-This mode ends the direct help; a right click on a control with a popup text shows it.
class Hilfefilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override {
        // The mode ends by a click, Esc or a popup text; the next event tells.
        if (Zustand().direkthilfeEnde && !QWhatsThis::inWhatsThisMode()) {
            auto ende = std::move(Zustand().direkthilfeEnde);
            Zustand().direkthilfeEnde = nullptr;
            ende();
        }
        if (e->type() == QEvent::KeyPress) {
            auto* k = static_cast<QKeyEvent*>(e);
            if (k->key() != Qt::Key_F1 || k->modifiers() != Qt::NoModifier) return false;
            if (!o->isWidgetType()) return false;
            auto* dialog = qobject_cast<QDialog*>(static_cast<QWidget*>(o)->window());
            // Windows that answer F1 themselves (the views, the chart) keep it.
            if (!dialog || dialog->property(kEigeneF1).toBool()) return false;
            for (QAbstractButton* b : dialog->findChildren<QAbstractButton*>()) {
                // A check box captioned "Hilfe" (as in "Toolbar anpassen") is no help button.
                if (b->isCheckable()) continue;
                QString text = b->text();
                text.remove(QLatin1Char('&'));
                const bool hilfe = text == QLatin1String("Hilfe") ||
                                   b->toolTip().startsWith(QLatin1String("Hilfe"));
                if (hilfe && b->isVisible() && b->isEnabled() && b->window() == dialog) {
                    b->click();
                    return true;
                }
            }
            // No button: the dialog's own topic, else that of the window it was opened from.
            for (QWidget* w = dialog; w; w = w->parentWidget() ? w->parentWidget()->window()
                                                               : nullptr) {
                if (const int thema = Fensterthema(w)) {
                    THilfe::Zeigen(thema);
                    return true;
                }
            }
            return false;
        }
        if (e->type() == QEvent::ContextMenu && o->property("kalvoraKurzhilfe").toBool()) {
            auto* w = static_cast<QWidget*>(o);
            QWhatsThis::showText(static_cast<QContextMenuEvent*>(e)->globalPos(), w->whatsThis(),
                                 w);
            return true;
        }
        return false;
    }
};

void FilterEinrichten() {
    static Hilfefilter* filter = nullptr;
    if (filter || !qApp) return;
    filter = new Hilfefilter(qApp);
    qApp->installEventFilter(filter);
}

// A window shown for the first time stands centred over the window it belongs to, with its
// frame (the title bar too) on the screen.
void Platzieren(QWidget* fenster) {
    QWidget* bezug = fenster->parentWidget() ? fenster->parentWidget()->window() : nullptr;
    if (bezug && !bezug->isVisible()) bezug = nullptr;
    QScreen* schirm = bezug ? bezug->screen() : QGuiApplication::primaryScreen();
    if (!schirm) return;
    const QRect frei = schirm->availableGeometry();
    QRect r(QPoint(), fenster->frameGeometry().size());
    r.moveCenter(bezug ? bezug->frameGeometry().center() : frei.center());
    const int rechts = std::max(frei.left(), frei.right() + 1 - r.width());
    const int unten = std::max(frei.top(), frei.bottom() + 1 - r.height());
    r.moveLeft(std::clamp(r.left(), frei.left(), rechts));
    r.moveTop(std::clamp(r.top(), frei.top(), unten));
    fenster->move(r.topLeft());  // the position of the frame
}

// Under the active modal dialog the window takes input; when that dialog ends it moves on
// to the dialog below or the main window instead of going down with it.
void Unterbringen() {
    Hilfezustand& z = Zustand();
    if (!z.fenster) return;
    QWidget* eltern = QApplication::activeModalWidget();
    if (!eltern || eltern == z.fenster || !eltern->isVisible()) eltern = z.haupt;
    if (z.fenster->parentWidget() == eltern) return;
    const bool offen = z.fenster->isVisible();
    // Only a window that has been on the screen keeps its place: the geometry of one never
    // shown is the screen's corner, and set explicitly it put the title bar above the screen.
    const bool platziert = z.platziert;
    const QPoint ort = z.fenster->pos();
    const QSize groesse = z.fenster->size();
    z.fenster->setParent(eltern, Qt::Window);
    if (platziert) {
        z.fenster->resize(groesse);
        z.fenster->move(ort);
    }
    if (offen) z.fenster->show();
    if (auto* dialog = qobject_cast<QDialog*>(eltern); dialog && eltern != z.haupt)
        QObject::connect(dialog, &QDialog::finished, z.fenster, &Unterbringen,
                         Qt::SingleShotConnection);
}

}  // namespace

QString THilfe::Ordner() {
    Hilfezustand& z = Zustand();
    if (!z.gesucht) {
        z.ordner = Q(HilfeordnerFinden(Kandidaten()));
        z.gesucht = true;
    }
    return z.ordner;
}

void THilfe::OrdnerSetzen(const QString& ordner) {
    Hilfezustand& z = Zustand();
    z.ordner = ordner;
    z.gesucht = true;
    z.popupsGelesen = false;
    z.popups.clear();
    delete z.fenster.data();
}

std::string THilfe::FehltMeldung() {
    const QString o = Ordner();
    return HilfeFehltMeldung(o.isEmpty() ? Kandidaten().front() : o.toStdString());
}

void THilfe::Einrichten(QWidget* hauptfenster, std::function<void(const std::string&)> meldung) {
    Zustand().haupt = hauptfenster;
    Zustand().meldung = std::move(meldung);
    FilterEinrichten();
}

THilfefenster* THilfe::Fenster() { return Zustand().fenster.data(); }

THilfefenster* THilfe::Zeigen(int thema) {
    Hilfezustand& z = Zustand();
    const QString ordner = Ordner();
    if (ordner.isEmpty()) {
        // The message goes through the main window's dialogs, so only while it is there.
        if (z.meldung && z.haupt) z.meldung(FehltMeldung());
        return nullptr;
    }
    if (!z.fenster) {
        z.fenster = new THilfefenster(ordner, z.haupt);
        z.platziert = false;
    }
    Unterbringen();
    z.fenster->ThemaZeigen(thema);
    if (!z.platziert) {
        Platzieren(z.fenster);
        z.platziert = true;
    }
    z.fenster->show();
    z.fenster->raise();
    z.fenster->activateWindow();
    return z.fenster;
}

QString THilfe::Kurztext(int nummer) {
    Hilfezustand& z = Zustand();
    if (!z.popupsGelesen) {
        const QString o = Ordner();
        if (!o.isEmpty())
            z.popups = PopuptexteLesen(DateiLesen(QDir(o).filePath(QString::fromLatin1(
                hilfe::Popupdatei))));
        z.popupsGelesen = true;
    }
    const auto i = z.popups.find(nummer);
    return i == z.popups.end() ? QString() : Q(i->second);
}

void THilfe::Kurzhilfe(QWidget* w, int nummer, bool rechtsklick) {
    if (!w) return;
    const QString text = Kurztext(nummer);
    // The first line is the heading of the popup.
    const int umbruch = text.indexOf(QLatin1Char('\n'));
    const QString html = umbruch < 0 ? text.toHtmlEscaped()
                                     : QStringLiteral("<b>") + text.left(umbruch).toHtmlEscaped() +
                                           QStringLiteral("</b><br>") +
                                           text.mid(umbruch + 1).toHtmlEscaped();
    w->setWhatsThis(html);
    w->setProperty("kalvoraHilfenummer", nummer);
    if (rechtsklick) {
        w->setProperty("kalvoraKurzhilfe", true);
        FilterEinrichten();
    }
}

void THilfe::DirekthilfeStarten(std::function<void()> ende) {
    FilterEinrichten();
    Zustand().direkthilfeEnde = std::move(ende);
    QWhatsThis::enterWhatsThisMode();
}

}  // namespace kalvora
