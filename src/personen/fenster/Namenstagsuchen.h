#pragma once
// "Suchen nach Namenstagen": the names of the catalogue that contain a text, with their day.
// From the year overview it only shows; from the birthday entry dialog it offers the name days
// of a first name, and a double click on one takes it over.
#include <QDialog>

#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QTableWidget;
class QToolButton;

namespace kalvora {

class Dialoge;

class TForm21 : public QDialog {
    Q_OBJECT
public:
    // ordner: where the catalogue is looked for; dialoge shows "fehlerhafte Datei!".
    TForm21(std::vector<std::string> ordner, Dialoge& dialoge, QWidget* parent = nullptr);

    // Normal mode: the window with its field emptied of results.
    void Zeigen();
    // Suggestion mode: the text searched before the window shows; gewaehlt gets the day and
    // month of the row double-clicked, and the window closes.
    void Vorschlagen(const std::string& vorname,
                     std::function<void(int tag, int monat)> gewaehlt);
    // "Suche starten".
    void Suchen();

    QLineEdit* Suchfeld() const { return feld_; }
    QTableWidget* Raster() const { return raster_; }
    QLabel* Statuszeile() const { return status_; }

private:
    std::vector<std::string> ordner_;
    Dialoge& dialoge_;
    QLineEdit* feld_ = nullptr;
    QToolButton* suchen_ = nullptr;
    QToolButton* schliessen_ = nullptr;
    QTableWidget* raster_ = nullptr;
    QLabel* status_ = nullptr;
    std::function<void(int, int)> gewaehlt_;  // suggestion mode while set
};

}  // namespace kalvora
