#pragma once

#include <QObject>
#include <QString>
#include <optional>
#include <string>

class QLabel;

namespace staffel::app {

// The size of a result beyond 10^308 on a line of its own directly beneath the result label,
// which keeps its prescribed text and size; screen readers hear it as the result label's
// description.
class GroesseAnzeige : public QObject {
  public:
    explicit GroesseAnzeige(QLabel* ergebnis);

    // nullopt hides the line.
    void zeige(const std::optional<std::string>& groesse);
    // The size as the engine wrote it, for copying and the tape; empty when there is none.
    const QString& groesse() const { return groesse_; }
    std::optional<std::string> alsText() const;
    // Marks the result label and the size as belonging to an earlier calculation, for the eye
    // and, before the size, for screen readers.
    void setzeVeraltet(bool veraltet);
    bool veraltet() const { return veraltet_; }

  private:
    QLabel* ergebnis_;
    QLabel* zeile_;
    QString groesse_;
    bool veraltet_ = false;

    void beschreiben();
};

}  // namespace staffel::app
