#pragma once

namespace staffel {

// Counts one level of a nesting (Berechnung calls, inverses, inverse solves) for its lifetime,
// so that every way out of the level, an exception included, leaves the count right.
class TiefenZaehler {
  public:
    explicit TiefenZaehler(int& tiefe) noexcept : tiefe_(tiefe) { ++tiefe_; }
    ~TiefenZaehler() { --tiefe_; }
    TiefenZaehler(const TiefenZaehler&) = delete;
    TiefenZaehler& operator=(const TiefenZaehler&) = delete;

    // The outermost level of its kind.
    bool aeusserste() const noexcept { return tiefe_ == 1; }

  private:
    int& tiefe_;
};

}  // namespace staffel
