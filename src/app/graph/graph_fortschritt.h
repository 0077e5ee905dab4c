#pragma once

#include <QWidget>
#include <cstddef>
#include <optional>

class QProgressBar;
class QPushButton;

namespace staffel::app {

// The row under the graph: a bar that says how far the sampling is ("Punkte 12 000 von
// 300 000"), to screen readers as well, and the button "Anhalten" that is pressable while the
// sampling runs.
class GraphFortschritt : public QWidget {
  public:
    GraphFortschritt(std::size_t gesamt, QWidget* parent);

    void zeige(std::size_t fertig);
    void beendet();
    // A new sampling of the same graph begins, of that many samples.
    void neuBeginnen(std::size_t gesamt);
    // The sampling was stopped after the sample at x (none: before the first).
    void angehalten(std::optional<float> beiX);
    // After a change of language.
    void beschriften();

    QPushButton* cmdAnhalten() const { return cmdAnhalten_; }

  private:
    void setzeBereich();

    QProgressBar* balken_;
    QPushButton* cmdAnhalten_;
    std::size_t fertig_ = 0;
    std::size_t gesamt_;
    bool angehalten_ = false;
    std::optional<float> beiX_;
};

// n with its digits in groups of three, "12 000": the same in every language and locale.
QString tausenderText(std::size_t n);

}  // namespace staffel::app
